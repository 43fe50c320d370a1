// vesk-sim's script language: reading a whole script into directives, or the first error.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "host/record_builder.h"

namespace vesk::sim {

// Game state set by the host between commands (a new game, a loaded save).
struct SetSwitch { int32_t id; bool on; };
struct SetVariable { int32_t id; int32_t value; };
enum class NameKind { kMapEvent, kItem, kHero };
struct SetName { NameKind kind; int32_t id; std::string name; };
// Where the following script lines run; each starts its line count at 0.
struct EnterEvent { int32_t eventId; int32_t pageId; };  // a common event has eventId -number
// A comment line: what follows the '@', and the record the engine would parse from it.
struct Comment { std::string text; std::string name; std::vector<CommentArgument> arguments; };
// An event command line.
struct Command { int32_t code; std::vector<int32_t> parameters; };

using DirectiveKind = std::variant<SetSwitch, SetVariable, SetName, EnterEvent, Comment, Command>;

struct Directive {
  int lineNumber;  // in the script file, from 1
  DirectiveKind what;
};

struct ScriptError {
  int lineNumber;
  std::string message;
};

// Reads the text one directive at a time, handing each to `each` in order, and stops at the
// first error, which it returns. Holds no more than one directive at a time, so a long script
// costs its text and nothing in proportion beyond it. Throws nothing but std::bad_alloc and
// what `each` throws.
std::optional<ScriptError> forEachDirective(const std::string& text, const std::function<void(Directive&)>& each);

// Checks the whole text without keeping anything: a script with an error runs not at all.
inline std::optional<ScriptError> checkScript(const std::string& text) {
  return forEachDirective(text, [](Directive&) {});
}

// Every directive, or the first error.
std::variant<std::vector<Directive>, ScriptError> readScript(const std::string& text);

// The widest range a switch or variable operation may span here: wider ones are refused while
// reading, so that no script can make the simulator write billions of entries.
inline constexpr int64_t kMaxRangeLength = 1'000'000;

}  // namespace vesk::sim
