// The physical limits each benchmark is paired with: what the same work costs with no plugin.
#pragma once

#include <cstdint>

#include "shell/records.h"

extern "C" {
// An exported function of onEventCommand's signature that does nothing.
bool limitEmptyEventCommand(const vesk::ScriptLineRecord* line, void* scriptData, int32_t eventId, int32_t pageId, int32_t lineId,
                            int32_t* nextLineId);
}
