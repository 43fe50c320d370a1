// What the two callbacks do, behind the thin C boundary. Nothing escapes either of them.
#pragma once

#include "shell/records.h"
#include "shell/script_position.h"

namespace vesk {

// The comment dispatcher. False when the name is one of the eight keywords (the command has
// then been carried out, or abandoned if memory ran out); true for anything else, a null record
// included, which changes nothing.
bool handleComment(const CommentRecord* record) noexcept;

// Before every event command: the switch watch report, the variable watch report, then the
// trace, each its own box, each dropped alone if it fails. A null record is no command: the
// watch reports still run. Always true.
bool handleEventCommand(const ScriptLineRecord* line, ScriptPosition at) noexcept;

}  // namespace vesk
