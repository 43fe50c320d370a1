// Where an event command stands, as the engine passed it to onEventCommand.
#pragma once

#include <cstdint>

namespace vesk {

struct ScriptPosition {
  int32_t eventId;  // 1 or more: a map event; 0 or less: common event number -eventId
  int32_t pageId;   // the map event's page; not shown for a common event
  int32_t lineId;   // from 0, as the engine counts
};

inline bool isMapEvent(int32_t eventId) { return eventId >= 1; }

// The common event's number. Widened, because negating INT32_MIN does not fit in 32 bits.
inline int64_t commonEventNumber(int32_t eventId) { return -static_cast<int64_t>(eventId); }

}  // namespace vesk
