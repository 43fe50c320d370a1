// Bounded reads of the engine's records and the number-to-ID conversion.
#include "shell/records.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace vesk {

namespace {
std::string_view boundedText(const char* field, std::size_t capacity) {
  const void* nul = std::memchr(field, '\0', capacity);
  std::size_t length = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - field) : capacity;
  return std::string_view(field, length);
}
}  // namespace

std::string_view commandName(const CommentRecord& record) {
  return boundedText(record.commandName, sizeof record.commandName);
}

std::string_view textValue(const CommentParameter& slot) {
  return boundedText(slot.textValue, sizeof slot.textValue);
}

int32_t parameterAt(const ScriptLineRecord& line, int32_t index) {
  if (index < 0 || index >= line.parameterCount || line.parameterValues == nullptr) return 0;
  return line.parameterValues[index];
}

int32_t idFromNumber(double value) {
  // Compare before converting: a double-to-int conversion out of range is undefined.
  double truncated = std::trunc(value);  // NaN stays NaN and fails both comparisons below
  if (truncated >= -2147483648.0 && truncated <= 2147483647.0) return static_cast<int32_t>(truncated);
  return std::numeric_limits<int32_t>::min();
}

}  // namespace vesk
