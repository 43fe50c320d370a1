// dlopen-based plugin loading.
#include "tools/vesk-sim/plugin.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstring>

namespace vesk::sim {

std::variant<Plugin, std::string> loadPlugin(const std::string& path) {
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* why = dlerror();
    return std::string("cannot load the plugin: ") + (why ? why : path);
  }
  auto find = [&](const char* name) { return dlsym(handle, name); };
  void* version = find("linkVersion");
  void* comment = find("onComment");
  void* command = find("onEventCommand");
  if (!version || !comment || !command) {
    dlclose(handle);
    return path + " is not a plugin: it lacks " +
           (!version ? "linkVersion" : !comment ? "onComment" : "onEventCommand");
  }
  int32_t linkVersion;
  std::memcpy(&linkVersion, version, sizeof linkVersion);
  if (linkVersion != 2) {
    dlclose(handle);
    return path + " has linkVersion " + std::to_string(linkVersion) + "; this host drives version 2 only";
  }
  Plugin plugin;
  // POSIX guarantees that a dlsym result converts to a function pointer.
  plugin.onComment = reinterpret_cast<OnCommentFunction>(comment);
  plugin.onEventCommand = reinterpret_cast<OnEventCommandFunction>(command);
  return plugin;
}

std::string defaultPluginPath() {
  char self[4096];
  ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  if (length <= 0) return "libVeskDebug.so";
  std::string path(self, static_cast<size_t>(length));
  return path.substr(0, path.rfind('/') + 1) + "libVeskDebug.so";
}

}  // namespace vesk::sim
