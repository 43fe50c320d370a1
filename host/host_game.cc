// The process-wide pointer to the game that the plugin reads.
#include "host/host_game.h"

namespace vesk {

namespace {
NoGame gNoGame;
HostGame* gGame = &gNoGame;
}  // namespace

HostGame& hostGame() { return *gGame; }

void setHostGame(HostGame* game) { gGame = game ? game : &gNoGame; }

}  // namespace vesk
