// Readable and JSON output.
#include "tools/vesk-sim/output.h"

#include <string>

namespace vesk::sim {

namespace {

// Length of the valid UTF-8 sequence at s[i], or 0 when the byte there does not start one.
size_t utf8SequenceLength(std::string_view s, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b0 = byte(i);
  if (b0 < 0x80) return 1;
  size_t length;
  uint32_t low = 0x80, high = 0xBF;  // the allowed range of the second byte
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3;
    if (b0 == 0xE0) low = 0xA0;   // no overlong forms
    if (b0 == 0xED) high = 0x9F;  // no surrogates
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4;
    if (b0 == 0xF0) low = 0x90;
    if (b0 == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (i + length > s.size()) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (size_t k = 2; k < length; ++k) {
    if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
  }
  return length;
}

void appendHexEscape(std::string& out, const char* prefix, unsigned char b) {
  static const char kHex[] = "0123456789abcdef";
  out += prefix;
  out += kHex[b >> 4];
  out += kHex[b & 15];
}

const char* iconName(uint32_t style) { return style == kErrorStyle ? "error" : "information"; }

class JsonOutput final : public Output {
 public:
  explicit JsonOutput(std::FILE* out) : out_(out) {}
  void box(int line, const char* caption, const char* text, uint32_t style) override {
    std::fprintf(out_, "{\"type\":\"box\",\"line\":%d,\"caption\":%s,\"icon\":\"%s\",\"style\":%u,\"text\":%s}\n", line,
                 jsonString(caption).c_str(), iconName(style), style, jsonString(text).c_str());
  }
  void comment(int line, const std::string& name, bool result) override {
    std::fprintf(out_, "{\"type\":\"comment\",\"line\":%d,\"name\":%s,\"result\":%s}\n", line,
                 jsonString(name).c_str(), result ? "true" : "false");
  }
  void summary(int boxes, int failedAssertions) override {
    std::fprintf(out_, "{\"type\":\"summary\",\"boxes\":%d,\"failed_assertions\":%d}\n", boxes, failedAssertions);
  }

 private:
  std::FILE* out_;
};

class ReadableOutput final : public Output {
 public:
  ReadableOutput(std::FILE* out, bool terminal, std::string scriptName)
      : out_(out), terminal_(terminal), scriptName_(std::move(scriptName)) {}

  void box(int line, const char* caption, const char* text, uint32_t style) override {
    const bool error = style == kErrorStyle;
    const char* colour = !terminal_ ? "" : error ? "\033[1;31m" : "\033[1;36m";
    const char* reset = terminal_ ? "\033[0m" : "";
    std::string shown = "\n";
    shown += terminal_ ? "╭─ " : "+-- ";
    shown += colour;
    shown += error ? "[error] " : "[information] ";
    shown += printable(caption);
    shown += reset;
    shown += (terminal_ ? " ─ " : " -- ") + scriptName_ + ":" + std::to_string(line) + "\n";
    std::string_view rest(text);
    for (;;) {
      size_t end = rest.find('\n');
      shown += terminal_ ? "│ " : "| ";
      shown += printable(rest.substr(0, end));
      shown += "\n";
      if (end == std::string_view::npos) break;
      rest.remove_prefix(end + 1);
    }
    shown += terminal_ ? "╰─ [ OK ]\n" : "+-- [ OK ]\n";
    std::fputs(shown.c_str(), out_);
    std::fflush(out_);
  }

  void comment(int, const std::string&, bool) override {}

  void summary(int boxes, int failedAssertions) override {
    std::fprintf(out_, "\nvesk-sim: %d box%s shown, %d failed assertion%s\n", boxes, boxes == 1 ? "" : "es",
                 failedAssertions, failedAssertions == 1 ? "" : "s");
  }

 private:
  // Control bytes from a script could drive the terminal: show them as \xHH instead.
  static std::string printable(std::string_view text) {
    std::string out;
    for (char c : text) {
      auto b = static_cast<unsigned char>(c);
      if ((b < 0x20 && b != '\t') || b == 0x7f) {
        appendHexEscape(out, "\\x", b);
      } else {
        out += c;
      }
    }
    return out;
  }

  std::FILE* out_;
  bool terminal_;
  std::string scriptName_;
};

}  // namespace

std::string jsonString(std::string_view bytes) {
  std::string out = "\"";
  for (size_t i = 0; i < bytes.size();) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    const size_t length = utf8SequenceLength(bytes, i);
    if (length > 1) {
      out.append(bytes.substr(i, length));
      i += length;
      continue;
    }
    ++i;
    switch (b) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      default:
        if (b < 0x20 || b >= 0x7f) {
          appendHexEscape(out, "\\u00", b);
        } else {
          out += static_cast<char>(b);
        }
    }
  }
  out += '"';
  return out;
}

std::unique_ptr<Output> readableOutput(std::FILE* out, bool terminal, std::string scriptName) {
  return std::make_unique<ReadableOutput>(out, terminal, std::move(scriptName));
}

std::unique_ptr<Output> jsonOutput(std::FILE* out) { return std::make_unique<JsonOutput>(out); }

}  // namespace vesk::sim
