// Trimming, words and numbers of the script language.
#include "tools/vesk-sim/script_text.h"

namespace vesk::sim {

std::string_view trim(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view nextWord(std::string_view& rest) {
  rest = trim(rest);
  size_t end = 0;
  while (end < rest.size() && !isBlank(rest[end])) ++end;
  std::string_view word = rest.substr(0, end);
  rest = trim(rest.substr(end));
  return word;
}

int32_t parseInt32(std::string_view word, const char* what) {
  std::string_view digits = word;
  bool negative = false;
  if (!digits.empty() && digits.front() == '-') {
    negative = true;
    digits.remove_prefix(1);
  }
  if (digits.empty() || digits.size() > 10) throw Failure{std::string(what) + " must be a 32-bit decimal number, not '" + std::string(word) + "'"};
  int64_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') throw Failure{std::string(what) + " must be a 32-bit decimal number, not '" + std::string(word) + "'"};
    value = value * 10 + (c - '0');
  }
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) throw Failure{std::string(what) + " " + std::string(word) + " is outside the signed 32-bit range"};
  return static_cast<int32_t>(value);
}

}  // namespace vesk::sim
