// The C table through which a host process offers its game (and, off Windows, its message
// box) to a plugin it loaded, and the adapters on both sides of it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/host_game.h"
#include "shell/report.h"

extern "C" {

// A host process exports one object of this type under the name kHostTableSymbol. Every
// function may be null; a null read behaves as a game that has nothing.
struct VeskHostTable {
  uint32_t structSize;  // sizeof(VeskHostTable) as the host knew it; a smaller table is ignored
  void* context;
  uint8_t (*switchState)(void* context, int32_t id);
  int32_t (*variableValue)(void* context, int32_t id);
  // Names: a pointer to `*length` bytes (not necessarily NUL-terminated), valid until the next call.
  const char* (*mapEventName)(void* context, int32_t id, size_t* length);
  const char* (*itemName)(void* context, int32_t id, size_t* length);
  const char* (*heroName)(void* context, int32_t id, size_t* length);
  void (*showBox)(void* context, const char* caption, const char* text, uint32_t style);
};
}

namespace vesk {

inline constexpr const char* kHostTableSymbol = "veskHostTable";

// The plugin's side: a HostGame that reads through a host's table.
class TableGame final : public HostGame {
 public:
  explicit TableGame(const VeskHostTable& table) : table_(table) {}
  bool switchState(int32_t id) override;
  int32_t variableValue(int32_t id) override;
  std::string_view mapEventName(int32_t id) override;
  std::string_view itemName(int32_t id) override;
  std::string_view heroName(int32_t id) override;

 private:
  const VeskHostTable& table_;
};

// The host's side: what its table's functions reach.
struct HostTableContext {
  HostGame* game;  // never null
  PresentBox present;  // may be null: boxes are dropped
  void* presentContext;
};

// The host's side: fills `table` so that it reads and shows through `context`, which must
// outlive the table's use.
void fillHostTable(VeskHostTable& table, HostTableContext& context);

// Looks up the table that the process which loaded this library exports, and when it is there
// and complete points the plugin's game (and, off Windows, its presenter) at it. Returns whether
// a table was found; without one the plugin keeps reading NoGame.
bool bindToHostProcess() noexcept;

}  // namespace vesk
