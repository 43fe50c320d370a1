// Reads a built plugin DLL as a file and checks what a game author relies on: a 32-bit PE,
// exactly the three undecorated exports, linkVersion's bytes, and no C++ runtime DLL to ship.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vesk::testing {

// Every fact that does not hold, each as one sentence naming it; empty when the file is fine.
// Malformed input gives a problem, never a crash or a read outside `file`.
std::vector<std::string> checkPluginDll(const std::vector<uint8_t>& file);

}  // namespace vesk::testing
