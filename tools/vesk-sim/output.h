// How vesk-sim shows what happens: readable boxes for a person, or one JSON object per line.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace vesk::sim {

class Output {
 public:
  virtual ~Output() = default;
  virtual void box(int line, const char* caption, const char* text, uint32_t style) = 0;
  virtual void comment(int line, const std::string& name, bool result) = 0;
  virtual void summary(int boxes, int failedAssertions) = 0;
};

// Framed boxes; colours and box-drawing characters when `terminal`, plain ASCII otherwise.
// `scriptName` names the script in each box's location.
std::unique_ptr<Output> readableOutput(std::FILE* out, bool terminal, std::string scriptName);
std::unique_ptr<Output> jsonOutput(std::FILE* out);

// A JSON string literal: valid UTF-8 passes through, every other byte is written \u00XX.
std::string jsonString(std::string_view bytes);

inline constexpr uint32_t kErrorStyle = 0x10;

}  // namespace vesk::sim
