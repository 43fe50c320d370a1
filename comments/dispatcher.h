// The comment commands: the eight keywords, matched byte for byte against the command name.
#pragma once

#include "shell/debugger_state.h"
#include "shell/records.h"

namespace vesk {

enum class CommentCommand {
  kNone,
  kAssertSwitch,
  kAssertVariable,
  kAddSwitchWatch,
  kAddVariableWatch,
  kClearSwitchWatch,
  kClearVariableWatch,
  kActivateScriptDebugging,
  kDeactivateScriptDebugging,
};

// The keyword the name is, exactly (case-sensitive, nothing trimmed), or kNone.
CommentCommand matchKeyword(std::string_view name);

// Carries out a matched command on `state`, reading the game through hostGame(). May throw
// std::bad_alloc; a watchlist is then left as it was.
void runCommentCommand(CommentCommand command, const CommentRecord& record, DebuggerState& state);

}  // namespace vesk
