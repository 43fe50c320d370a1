// The watchlist operations of the comment commands, and the scans that report changed items
// before every event command.
#pragma once

#include <cstdint>

#include "host/host_game.h"
#include "shell/script_position.h"
#include "watch/watchlist.h"

namespace vesk {

// Reads the item now and stores it as last seen, without a report. Any ID is accepted; one of
// 0 or less reads OFF (0) and so never changes. May throw std::bad_alloc, list unchanged.
void addSwitchWatch(SwitchWatchlist& list, HostGame& game, int32_t id);
void addVariableWatch(VariableWatchlist& list, HostGame& game, int32_t id);

// Compares every entry with the game. When any changed, shows one box ("Switch Watchlist
// Update" / "Variable Watchlist Update") with the position header and one line per changed
// item in ascending ID order, and stores the new values. An empty list reads nothing. May throw
// std::bad_alloc while composing: entries already reported keep their new values.
void reportSwitchWatchChanges(SwitchWatchlist& list, HostGame& game, ScriptPosition at);
void reportVariableWatchChanges(VariableWatchlist& list, HostGame& game, ScriptPosition at);

}  // namespace vesk
