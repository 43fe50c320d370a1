// The simulated engine: what switch and variable operation commands do to the game after the
// plugin has seen them.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "host/stand_in_game.h"

namespace vesk::sim {

class Engine {
 public:
  Engine(StandInGame& game, uint64_t seed) : game_(game), random_(seed) {}

  // Executes codes 10210 and 10220; every other code does nothing here. IDs below 1 are never
  // written; a write past a list's end grows it. Ranges may be given in either order.
  void execute(int32_t code, const std::vector<int32_t>& parameters);

 private:
  void switchOperation(const std::vector<int32_t>& p);
  void variableOperation(const std::vector<int32_t>& p);
  int32_t randomBetween(int32_t a, int32_t b);

  StandInGame& game_;
  std::mt19937_64 random_;
};

}  // namespace vesk::sim
