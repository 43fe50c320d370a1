// The three names the library exports to the engine, undecorated, with the C calling convention.
#pragma once

#include <cstdint>

#include "shell/records.h"

#if defined(_WIN32)
#define VESK_EXPORT
#define VESK_CDECL __cdecl
#else
#define VESK_EXPORT __attribute__((visibility("default")))
#define VESK_CDECL
#endif

extern "C" {

// The plugin interface version this library is built for: 2.
VESK_EXPORT extern const int32_t linkVersion;

// False: the comment was one of the plugin's commands and has been carried out. True: not ours.
VESK_EXPORT bool VESK_CDECL onComment(const char* text, const vesk::CommentRecord* parsed, void* nextScriptLine,
                                      void* scriptData, int32_t eventId, int32_t pageId, int32_t lineId,
                                      int32_t* nextLineId);

// Runs the watch reports and the trace before the command; always true (let it run).
VESK_EXPORT bool VESK_CDECL onEventCommand(const vesk::ScriptLineRecord* line, void* scriptData, int32_t eventId,
                                           int32_t pageId, int32_t lineId, int32_t* nextLineId);
}

namespace vesk {
// The callbacks' types, for hosts that look them up by name.
using OnCommentFunction = decltype(&::onComment);
using OnEventCommandFunction = decltype(&::onEventCommand);
}  // namespace vesk
