// The watch scans: compare each watched item with the game and report what changed.
#include "watch/watch_report.h"

#include <optional>

#include "shell/report.h"

namespace vesk {

void addSwitchWatch(SwitchWatchlist& list, HostGame& game, int32_t id) { list.watch(id, game.switchState(id)); }

void addVariableWatch(VariableWatchlist& list, HostGame& game, int32_t id) {
  list.watch(id, game.variableValue(id));
}

namespace {

void writeHeader(Report& report, ScriptPosition at) {
  constexpr char nl = Report::kLineEnd;
  if (isMapEvent(at.eventId)) {
    report << "EventID: " << at.eventId << nl << "EventPage: " << at.pageId << nl;
  } else {
    report << "Common EventID: " << commonEventNumber(at.eventId) << nl;
  }
  report << "EventLine: " << at.lineId << nl << nl;
}

// One changed item: its line (after the header, when it is the first) and its new last seen
// value. Kept out of line so that the scan itself, which almost never gets here, stays small.
template <typename Value>
[[gnu::noinline, gnu::cold]] void noteChange(std::optional<Report>& report, typename Watchlist<Value>::Entry& entry,
                                             Value now, const char* itemLabel, ScriptPosition at) {
  if (!report) writeHeader(report.emplace(), at);
  *report << itemLabel << entry.id << "] changed from " << entry.lastSeen << " to " << now << Report::kLineEnd;
  entry.lastSeen = now;
}

// The header is the same whether or not anything changed, so it is composed only once the
// first change is found: the common case, nothing changed, allocates nothing.
template <typename Value, typename Read>
void reportChanges(Watchlist<Value>& list, Read readNow, const char* itemLabel, const char* caption,
                   ScriptPosition at) {
  std::optional<Report> report;
  for (auto& entry : list.entries()) {
    const Value now = readNow(entry.id);
    if (now != entry.lastSeen) noteChange(report, entry, now, itemLabel, at);
  }
  if (report) showBox(caption, report->text(), BoxIcon::kInformation);
}

}  // namespace

void reportSwitchWatchChanges(SwitchWatchlist& list, HostGame& game, ScriptPosition at) {
  if (list.empty()) return;
  reportChanges(list, [&game](int32_t id) { return game.switchState(id); }, "Switch[", "Switch Watchlist Update", at);
}

void reportVariableWatchChanges(VariableWatchlist& list, HostGame& game, ScriptPosition at) {
  if (list.empty()) return;
  reportChanges(list, [&game](int32_t id) { return game.variableValue(id); }, "Variable[", "Variable Watchlist Update",
                at);
}

}  // namespace vesk
