// Keyword matching and the action of each comment command.
#include "comments/dispatcher.h"

#include <array>
#include <utility>

#include "comments/assertions.h"
#include "host/host_game.h"
#include "watch/watch_report.h"

namespace vesk {

CommentCommand matchKeyword(std::string_view name) {
  static constexpr std::array<std::pair<std::string_view, CommentCommand>, 8> kKeywords = {{
      {"assert_switch", CommentCommand::kAssertSwitch},
      {"assert_variable", CommentCommand::kAssertVariable},
      {"add_switch_watch", CommentCommand::kAddSwitchWatch},
      {"add_variable_watch", CommentCommand::kAddVariableWatch},
      {"clear_switch_watch", CommentCommand::kClearSwitchWatch},
      {"clear_variable_watch", CommentCommand::kClearVariableWatch},
      {"activate_script_debugging", CommentCommand::kActivateScriptDebugging},
      {"deactivate_script_debugging", CommentCommand::kDeactivateScriptDebugging},
  }};
  for (const auto& [keyword, command] : kKeywords) {
    if (name == keyword) return command;
  }
  return CommentCommand::kNone;
}

void runCommentCommand(CommentCommand command, const CommentRecord& record, DebuggerState& state) {
  const auto& slots = record.parameterSlots;
  switch (command) {
    case CommentCommand::kNone: break;
    case CommentCommand::kAssertSwitch: assertSwitch(slots, hostGame()); break;
    case CommentCommand::kAssertVariable: assertVariable(slots, hostGame()); break;
    case CommentCommand::kAddSwitchWatch:
      addSwitchWatch(state.switches, hostGame(), idFromNumber(slots[0].numberValue));
      break;
    case CommentCommand::kAddVariableWatch:
      addVariableWatch(state.variables, hostGame(), idFromNumber(slots[0].numberValue));
      break;
    case CommentCommand::kClearSwitchWatch: state.switches.clear(); break;
    case CommentCommand::kClearVariableWatch: state.variables.clear(); break;
    case CommentCommand::kActivateScriptDebugging: state.scriptDebuggingActive = true; break;
    case CommentCommand::kDeactivateScriptDebugging: state.scriptDebuggingActive = false; break;
  }
}

}  // namespace vesk
