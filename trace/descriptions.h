// The words for the two traced commands, appended to a trace report after its "Command: ".
#pragma once

#include <cstdint>

#include "host/host_game.h"
#include "shell/records.h"
#include "shell/report.h"
#include "trace/command_codes.h"

namespace vesk {

// Switch operation: its title line, the operation as the script states it and, for a single
// target switch, that switch's state before the command. Parameters the command lacks read 0.
void describeSwitchOperation(const ScriptLineRecord& line, HostGame& game, Report& out);

// Variable operation: its title line, the operation line and the values before the command
// with, for constant and variable operands, the predicted result. Never traps on division.
void describeVariableOperation(const ScriptLineRecord& line, int32_t eventId, HostGame& game, Report& out);

}  // namespace vesk
