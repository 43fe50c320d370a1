// Switch and variable operations as the engine executes them.
#include "tools/vesk-sim/engine.h"

#include <algorithm>

#include "trace/arithmetic.h"
#include "trace/descriptions.h"

namespace vesk::sim {

namespace {
int32_t at(const std::vector<int32_t>& p, size_t i) { return i < p.size() ? p[i] : 0; }

// The IDs a target names: one, a range in either order (clipped to IDs of 1 and more), or
// the one a variable holds.
template <typename Each>
void forEachTarget(StandInGame& game, const std::vector<int32_t>& p, Each each) {
  switch (at(p, 0)) {
    case 0: each(at(p, 1)); break;
    case 1: {
      int32_t low = std::max(std::min(at(p, 1), at(p, 2)), 1);
      int32_t high = std::max(at(p, 1), at(p, 2));
      for (int64_t id = low; id <= high; ++id) each(static_cast<int32_t>(id));
      break;
    }
    case 2: each(game.variableValue(at(p, 1))); break;
    default: break;
  }
}
}  // namespace

void Engine::execute(int32_t code, const std::vector<int32_t>& parameters) {
  if (code == kSwitchOperationCode) switchOperation(parameters);
  if (code == kVariableOperationCode) variableOperation(parameters);
}

void Engine::switchOperation(const std::vector<int32_t>& p) {
  const int32_t operation = at(p, 3);
  if (operation < 0 || operation > 2) return;
  forEachTarget(game_, p, [&](int32_t id) {
    if (id < 1) return;
    bool on = operation == 0 ? true : operation == 1 ? false : !game_.switchState(id);
    game_.switches.write(id, on ? 1 : 0);
  });
}

int32_t Engine::randomBetween(int32_t a, int32_t b) {
  const int64_t low = std::min(a, b), span = static_cast<int64_t>(std::max(a, b)) - low + 1;
  return static_cast<int32_t>(low + static_cast<int64_t>(random_() % static_cast<uint64_t>(span)));
}

void Engine::variableOperation(const std::vector<int32_t>& p) {
  const int32_t operation = at(p, 3), kind = at(p, 4), p5 = at(p, 5), p6 = at(p, 6);
  forEachTarget(game_, p, [&](int32_t id) {
    if (id < 1) return;
    int32_t operand = 0;
    switch (kind) {
      case 0: operand = p5; break;
      case 1: operand = game_.variableValue(p5); break;
      case 2: operand = game_.variableValue(game_.variableValue(p5)); break;
      case 3: operand = randomBetween(p5, p6); break;
      default: break;  // items, heroes, events and game-wide quantities are not simulated: 0
    }
    if (auto result = applyOperation(operation, game_.variableValue(id), operand)) game_.variables.write(id, *result);
  });
}

}  // namespace vesk::sim
