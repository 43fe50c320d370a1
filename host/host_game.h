// The plugin's only view of the running game: five reads, made at the moment of a callback.
#pragma once

#include <cstdint>
#include <string_view>

namespace vesk {

// Every implementation keeps these promises, which the reports rely on:
// - an ID below 1 reads OFF or 0 and leaves the game untouched;
// - an ID past the end of the switch (variable) list first grows that list to exactly that
//   many entries, OFF (0), then reads the new entry; no existing value is ever written;
// - a name that does not exist, or is empty, reads as the empty text; names are bytes as the
//   game holds them, valid until the game is next called;
// - no read fails or throws.
class HostGame {
 public:
  virtual ~HostGame() = default;
  virtual bool switchState(int32_t id) = 0;
  virtual int32_t variableValue(int32_t id) = 0;
  virtual std::string_view mapEventName(int32_t id) = 0;
  virtual std::string_view itemName(int32_t id) = 0;
  virtual std::string_view heroName(int32_t id) = 0;
};

// The game seen by a plugin whose host offers none: every switch OFF, every variable 0, every
// name empty.
class NoGame final : public HostGame {
 public:
  bool switchState(int32_t) override { return false; }
  int32_t variableValue(int32_t) override { return 0; }
  std::string_view mapEventName(int32_t) override { return {}; }
  std::string_view itemName(int32_t) override { return {}; }
  std::string_view heroName(int32_t) override { return {}; }
};

// The game that every report reads. Never null: it is NoGame until a game is set.
HostGame& hostGame();

// Points the plugin at `game` (null returns it to NoGame). The game must outlive its use.
void setHostGame(HostGame* game);

}  // namespace vesk
