// Engine-layout record construction.
#include "host/record_builder.h"

#include <cstring>
#include <limits>
#include <stdexcept>

namespace vesk {

namespace {
void copyText(char* field, std::size_t capacity, std::string_view text, const char* what) {
  if (text.size() >= capacity) throw std::length_error(std::string(what) + " is too long");
  std::memcpy(field, text.data(), text.size());
}
}  // namespace

CommentRecord makeCommentRecord(std::string_view name, const std::vector<CommentArgument>& arguments) {
  CommentRecord record{};  // every byte zero, as the engine leaves unused slots
  copyText(record.commandName, sizeof record.commandName, name, "command name");
  const std::size_t slots = std::min<std::size_t>(arguments.size(), 3);
  for (std::size_t i = 0; i < slots; ++i) {
    CommentParameter& slot = record.parameterSlots[i];
    slot.numberValue = arguments[i].number;
    copyText(slot.textValue, sizeof slot.textValue, arguments[i].text, "parameter text");
  }
  return record;
}

EventCommand::EventCommand(int32_t code, std::vector<int32_t> parameters) : parameters_(std::move(parameters)) {
  if (parameters_.size() > static_cast<std::size_t>(std::numeric_limits<int32_t>::max())) {
    throw std::length_error("too many parameters");
  }
  record_.commandCode = code;
  record_.parameterCount = static_cast<int32_t>(parameters_.size());
  record_.parameterValues = parameters_.data();
}

}  // namespace vesk
