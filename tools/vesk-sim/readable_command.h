// The readable forms of switch and variable operations, each standing for one event command:
// sw[3] = on, sw[3..8] = toggle, sw[var[5]] = off; var[12] += 5, var[12..15] /= var[8],
// var[var[3]] *= var[var[9]], var[20] = random(1, 10).
#pragma once

#include <string_view>

#include "tools/vesk-sim/script.h"

namespace vesk::sim {

// The command a line beginning "sw[" or "var[" stands for. Throws Failure for anything else.
Command readReadableCommand(std::string_view line);

}  // namespace vesk::sim
