// Report text formatting and the one seam through which every box is shown.
#include "shell/report.h"

#include <charconv>

#ifdef _WIN32
#include <windows.h>
#endif

namespace vesk {

namespace {
template <typename Int>
void appendDecimal(std::string& text, Int value) {
  char digits[24];  // room for any 64-bit value with its sign
  auto result = std::to_chars(digits, digits + sizeof digits, value);
  text.append(digits, result.ptr);
}

PresentBox gPresent = nullptr;
void* gPresentContext = nullptr;
}  // namespace

Report& Report::operator<<(int32_t value) {
  appendDecimal(text_, value);
  return *this;
}

Report& Report::operator<<(int64_t value) {
  appendDecimal(text_, value);
  return *this;
}

void setPresenter(PresentBox present, void* context) {
  gPresent = present;
  gPresentContext = context;
}

void showBox(const char* caption, const std::string& text, BoxIcon icon) {
#ifdef _WIN32
  MessageBoxA(nullptr, text.c_str(), caption, MB_OK | boxStyle(icon));
#else
  if (gPresent) gPresent(gPresentContext, caption, text.c_str(), boxStyle(icon));
#endif
}

}  // namespace vesk
