// The plugin's one piece of process-wide state. It lives as long as the library is loaded:
// nothing resets it when the player starts a new game or loads a saved one.
#pragma once

#include "watch/watchlist.h"

namespace vesk {

struct DebuggerState {
  bool scriptDebuggingActive = false;
  SwitchWatchlist switches;
  VariableWatchlist variables;  // declared last, so destroyed first at unload
};

namespace detail {
extern DebuggerState gDebuggerState;
}

// Inline, because the engine asks before every event command.
inline DebuggerState& debuggerState() { return detail::gDebuggerState; }

}  // namespace vesk
