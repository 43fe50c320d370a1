// How every report of the plugin is composed and shown: one text of its own, line feeds only,
// signed decimals, truth values as 1 and 0, and one message box per finished report.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vesk {

enum class BoxIcon : uint32_t { kError = 0x10, kInformation = 0x40 };

// The style word of a box: the plain OK button (0) combined with one icon.
constexpr uint32_t boxStyle(BoxIcon icon) { return static_cast<uint32_t>(icon); }

// A report's text. Integers are written in signed decimal, bools as the digits 1 and 0, texts
// byte for byte. Appending may throw std::bad_alloc; the callbacks catch it and drop the report.
class Report {
 public:
  Report& operator<<(std::string_view text) {
    text_.append(text);
    return *this;
  }
  Report& operator<<(const char* text) { return *this << std::string_view(text); }
  Report& operator<<(char c) {
    text_.push_back(c);
    return *this;
  }
  Report& operator<<(int32_t value);
  Report& operator<<(int64_t value);
  Report& operator<<(bool value) { return *this << (value ? '1' : '0'); }

  static constexpr char kLineEnd = '\n';

  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// Shows one box and returns when it is closed. On Windows this is MessageBoxA with no owner
// window; elsewhere the box goes to the installed presenter, and is dropped when there is none.
void showBox(const char* caption, const std::string& text, BoxIcon icon);

// Where boxes go outside Windows. `present` may be null to drop boxes. It must not throw.
using PresentBox = void (*)(void* context, const char* caption, const char* text, uint32_t style);
void setPresenter(PresentBox present, void* context);

}  // namespace vesk
