// The trace text of a switch operation command.
#include "trace/descriptions.h"
#include "trace/names.h"

namespace vesk {

void describeSwitchOperation(const ScriptLineRecord& line, HostGame& game, Report& out) {
  constexpr char nl = Report::kLineEnd;
  const int32_t target = parameterAt(line, 0);
  const int32_t first = parameterAt(line, 1);
  const std::string_view operation = switchOperationName(parameterAt(line, 3));

  out << "Switch Operations" << nl;
  int32_t shownSwitch;
  switch (target) {
    case 0:
      out << "Operation: Set Switch[" << first << "] " << operation << nl << nl;
      shownSwitch = first;
      break;
    case 1:
      out << "Operation: Set Switch[ " << first << " - " << parameterAt(line, 2) << " ] " << operation << nl;
      return;
    case 2:
      out << "Operation: Set Switch[ Variable[" << first << "] ] " << operation << nl << nl;
      shownSwitch = game.variableValue(first);
      break;
    default:
      return;
  }
  out << "Switch[" << shownSwitch << "] before operation = " << (game.switchState(shownSwitch) ? "ON" : "OFF");
}

}  // namespace vesk
