// The trace step: while script debugging is on, one box before each switch or variable
// operation command that says where it stands and what it is about to do.
#pragma once

#include "host/host_game.h"
#include "shell/records.h"
#include "shell/script_position.h"
#include "trace/command_codes.h"

namespace vesk {

// Shows the trace box for codes 10210 and 10220; for any other code returns without reading the
// game. The caller asks only while script debugging is on. May throw std::bad_alloc while
// composing; then nothing is shown.
void reportCommandTrace(const ScriptLineRecord& line, ScriptPosition at, HostGame& game);

}  // namespace vesk
