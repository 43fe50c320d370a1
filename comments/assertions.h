// The two assertion comments: check a switch or a variable and, when the check fails, show
// the author's own message in an error box.
#pragma once

#include "host/host_game.h"
#include "shell/records.h"

namespace vesk {

// Slot 0: the switch ID (truncated). Slot 1: ON expected when its text's byte 1 is 'N' or 'n',
// OFF otherwise. Slot 2: the message. Shows "Switch Assertion Failure" when the switch differs.
void assertSwitch(const CommentParameter (&slots)[3], HostGame& game);

// Slot 0: the variable ID (truncated). Slot 1: the expected value, compared as a double, so a
// fraction or a NaN never matches. Slot 2: the message. Shows "Variable Assertion Failure".
void assertVariable(const CommentParameter (&slots)[3], HostGame& game);

}  // namespace vesk
