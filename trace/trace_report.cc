// The trace report: the event's position, then the command's own description.
#include "trace/trace_report.h"

#include "shell/report.h"
#include "trace/descriptions.h"

namespace vesk {

void reportCommandTrace(const ScriptLineRecord& line, ScriptPosition at, HostGame& game) {
  const int32_t code = line.commandCode;
  if (!isTracedCode(code)) return;

  constexpr char nl = Report::kLineEnd;
  Report report;
  if (isMapEvent(at.eventId)) {
    report << "EventID: " << at.eventId << nl << "EventName: " << game.mapEventName(at.eventId) << nl
           << "EventPage: " << at.pageId << nl;
  } else {
    report << "Common EventID: " << commonEventNumber(at.eventId) << nl;
  }
  // Shown from 1, as a script editor numbers lines; widened so that the last line ID still fits.
  report << "EventLine: " << static_cast<int64_t>(at.lineId) + 1 << nl << nl << "Command: ";
  if (code == kSwitchOperationCode) {
    describeSwitchOperation(line, game, report);
  } else {
    describeVariableOperation(line, at.eventId, game, report);
  }
  showBox("Vesk EventScript Debugger", report.text(), BoxIcon::kInformation);
}

}  // namespace vesk
