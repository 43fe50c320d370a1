// The order of work inside each callback, and the guard that keeps errors out of the engine.
#include "shell/callbacks.h"

#include "comments/dispatcher.h"
#include "host/host_game.h"
#include "trace/trace_report.h"
#include "watch/watch_report.h"

namespace vesk {

namespace {
// A report that cannot be composed or shown (out of memory, say) is dropped; the engine must
// never see an exception, and the next report starts afresh.
template <typename Step>
void guarded(Step step) noexcept {
  try {
    step();
  } catch (...) {
  }
}
}  // namespace

bool handleComment(const CommentRecord* record) noexcept {
  if (record == nullptr) return true;
  const CommentCommand command = matchKeyword(commandName(*record));
  if (command == CommentCommand::kNone) return true;
  guarded([&] { runCommentCommand(command, *record, debuggerState()); });
  return false;
}

bool runEventCommandSteps(const ScriptLineRecord* line, int32_t eventId, int32_t pageId, int32_t lineId) noexcept {
  DebuggerState& state = debuggerState();
  const ScriptPosition at{eventId, pageId, lineId};
  guarded([&] { reportSwitchWatchChanges(state.switches, hostGame(), at); });
  guarded([&] { reportVariableWatchChanges(state.variables, hostGame(), at); });
  if (state.scriptDebuggingActive && line != nullptr) guarded([&] { reportCommandTrace(*line, at, hostGame()); });
  return true;
}

}  // namespace vesk
