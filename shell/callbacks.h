// What the two callbacks do, behind the thin C boundary. Nothing escapes either of them.
#pragma once

#include "shell/debugger_state.h"
#include "shell/records.h"
#include "shell/script_position.h"
#include "trace/command_codes.h"

namespace vesk {

// The comment dispatcher. False when the name is one of the eight keywords (the command has
// then been carried out, or abandoned if memory ran out); true for anything else, a null record
// included, which changes nothing.
bool handleComment(const CommentRecord* record) noexcept;

// The steps before an event command: the switch watch report, the variable watch report, then
// the trace, each its own box, each dropped alone if it fails. A null record is no command: the
// watch reports still run. Always true. The position comes as three integers, not a
// ScriptPosition: packing it at the boundary costs a store-forwarding stall on the path every
// event command takes.
bool runEventCommandSteps(const ScriptLineRecord* line, int32_t eventId, int32_t pageId, int32_t lineId) noexcept;

// What onEventCommand does. Inline, so that the common case, nothing watched and nothing traced,
// costs one test in the export itself.
inline bool handleEventCommand(const ScriptLineRecord* line, int32_t eventId, int32_t pageId, int32_t lineId) noexcept {
  const DebuggerState& state = debuggerState();
  const bool traced = state.scriptDebuggingActive && line != nullptr && isTracedCode(line->commandCode);
  if (!traced && state.switches.empty() && state.variables.empty()) return true;
  return runEventCommandSteps(line, eventId, pageId, lineId);
}

}  // namespace vesk
