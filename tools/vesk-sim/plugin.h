// Loads a built plugin library at run time and checks it is one this host can drive.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "shell/exports.h"

namespace vesk::sim {

struct Plugin {
  OnCommentFunction onComment;
  OnEventCommandFunction onEventCommand;
};

// Loads the library at `path`. Refuses one that cannot be loaded, lacks an export, or whose
// linkVersion is not 2; the string then says why. The library stays loaded for the process.
std::variant<Plugin, std::string> loadPlugin(const std::string& path);

// The plugin built beside this executable.
std::string defaultPluginPath();

}  // namespace vesk::sim
