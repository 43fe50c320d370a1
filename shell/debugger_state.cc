// The single DebuggerState instance, alive from load to unload.
#include "shell/debugger_state.h"

namespace vesk {

namespace {
DebuggerState gState;
}  // namespace

DebuggerState& debuggerState() { return gState; }

}  // namespace vesk
