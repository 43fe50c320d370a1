// Load-time set-up of the built plugin: before the engine can call either callback, find the
// game that the loading process offers.
#include "host/host_table.h"

namespace {
const bool gBoundToHost = vesk::bindToHostProcess();
}  // namespace
