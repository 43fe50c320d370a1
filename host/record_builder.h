// Builds the records that the engine hands to the callbacks, byte for byte as it lays them out:
// for hosts (the simulator), tests, benchmarks and fuzzers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "shell/records.h"

namespace vesk {

// One comment parameter as the engine parsed it.
struct CommentArgument {
  std::string text;
  double number = 0.0;
};

inline constexpr std::size_t kMaxCommandNameLength = sizeof(CommentRecord::commandName) - 1;  // 207
inline constexpr std::size_t kMaxTextLength = sizeof(CommentParameter::textValue) - 1;        // 199

// A zero-filled record with the name and up to three arguments (further ones are not part of
// the record the plugin reads). Throws std::length_error when the name or a text does not fit
// with its terminating NUL.
CommentRecord makeCommentRecord(std::string_view name, const std::vector<CommentArgument>& arguments = {});

// An event command with its own parameter storage; `record()` points into it, so the object
// must outlive the record's use and is not copyable.
class EventCommand {
 public:
  EventCommand(int32_t code, std::vector<int32_t> parameters);
  EventCommand(const EventCommand&) = delete;
  EventCommand& operator=(const EventCommand&) = delete;

  const ScriptLineRecord& record() const { return record_; }
  const std::vector<int32_t>& parameters() const { return parameters_; }

 private:
  std::vector<int32_t> parameters_;
  ScriptLineRecord record_{};
};

}  // namespace vesk
