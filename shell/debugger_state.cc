// The single DebuggerState instance, alive from load to unload.
#include "shell/debugger_state.h"

namespace vesk::detail {

DebuggerState gDebuggerState;

}  // namespace vesk::detail
