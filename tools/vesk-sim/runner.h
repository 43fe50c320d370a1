// Plays a checked script through a loaded plugin, as the engine would.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "host/stand_in_game.h"
#include "tools/vesk-sim/output.h"
#include "tools/vesk-sim/plugin.h"
#include "tools/vesk-sim/script.h"

namespace vesk::sim {

struct RunResult {
  int boxes = 0;
  int failedAssertions = 0;
  bool complete = false;  // false only if the script had an error, which a checked script has not
};

class Runner {
 public:
  // `afterBox` runs after each box has been written (the --pause wait); may be empty.
  Runner(const Plugin& plugin, StandInGame& game, Output& output, uint64_t seed, std::function<void()> afterBox)
      : plugin_(plugin), game_(game), output_(output), seed_(seed), afterBox_(std::move(afterBox)) {}

  // Runs every directive of a checked script in order: comments to onComment, commands to
  // onEventCommand and then the simulated engine, game state straight into the game.
  RunResult run(const std::string& checkedScript);

  // What the plugin's box presenter calls: records the box against the current script line.
  void showBox(const char* caption, const char* text, uint32_t style);

 private:
  const Plugin& plugin_;
  StandInGame& game_;
  Output& output_;
  uint64_t seed_;
  std::function<void()> afterBox_;
  int currentLine_ = 0;
  RunResult result_;
};

}  // namespace vesk::sim
