// The C boundary: every export unpacks its arguments, makes one call, and returns.
#include "shell/exports.h"

#include "shell/callbacks.h"

extern "C" {

// Aligned to 4 so that the engine may read it as one byte or as a 32-bit integer.
alignas(4) const int32_t linkVersion = 2;

bool VESK_CDECL onComment(const char*, const vesk::CommentRecord* parsed, void*, void*, int32_t, int32_t, int32_t,
                          int32_t*) {
  return vesk::handleComment(parsed);
}

bool VESK_CDECL onEventCommand(const vesk::ScriptLineRecord* line, void*, int32_t eventId, int32_t pageId,
                               int32_t lineId, int32_t*) {
  return vesk::handleEventCommand(line, eventId, pageId, lineId);
}
}
