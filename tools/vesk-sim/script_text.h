// The lexical pieces of vesk-sim's script language, shared by its readers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vesk::sim {

// What a reader throws for a line it refuses; the script reader adds the line number.
struct Failure {
  std::string message;
};

inline bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view trim(std::string_view s);

// Splits off the next blank-separated word and leaves `rest` trimmed after it.
std::string_view nextWord(std::string_view& rest);

// A decimal number with an optional minus sign, in the signed 32-bit range; throws Failure naming
// `what` otherwise.
int32_t parseInt32(std::string_view word, const char* what);

}  // namespace vesk::sim
