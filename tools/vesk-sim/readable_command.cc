// Reading the readable forms of switch and variable operations.
#include "tools/vesk-sim/readable_command.h"

#include <cctype>
#include <string>
#include <vector>

#include "tools/vesk-sim/script_text.h"
#include "trace/command_codes.h"

namespace vesk::sim {

namespace {

class ReadableCommand {
 public:
  explicit ReadableCommand(std::string_view line) {
    // Blanks go, except one between two words or numbers: "2 3" must not read as 23.
    auto isWordChar = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-'; };
    bool blank = false;
    for (char c : line) {
      if (isBlank(c)) {
        blank = true;
        continue;
      }
      if (blank && !compact_.empty() && isWordChar(compact_.back()) && isWordChar(c)) compact_.push_back(' ');
      compact_.push_back(c);
      blank = false;
    }
    rest_ = compact_;
  }

  Command read() {
    if (take("sw[")) {
      std::vector<int32_t> p = target();
      if (!take("=")) throw Failure{"expected '=' after the switch target"};
      const int32_t operation = take("on") ? 0 : take("off") ? 1 : take("toggle") ? 2 : -1;
      if (operation < 0) throw Failure{"a switch is set to on, off or toggle"};
      end();
      p.push_back(operation);
      return Command{kSwitchOperationCode, p};
    }
    take("var[");
    std::vector<int32_t> p = target();
    static const char* const kOperators[] = {"=", "+=", "-=", "*=", "/=", "%="};
    int32_t operation = -1;
    for (int32_t i = 5; i >= 0 && operation < 0; --i) {  // longest first: "=" would match last
      if (take(kOperators[i])) operation = i;
    }
    if (operation < 0) throw Failure{"expected one of = += -= *= /= %= after the variable target"};
    p.push_back(operation);
    if (take("var[var[")) {
      p.insert(p.end(), {2, number("the pointer variable")});
      expect("]]");
    } else if (take("var[")) {
      p.insert(p.end(), {1, number("the operand variable")});
      expect("]");
    } else if (take("random(")) {
      const int32_t low = number("the random range's first value");
      expect(",");
      p.insert(p.end(), {3, low, number("the random range's last value")});
      expect(")");
    } else {
      p.insert(p.end(), {0, number("the constant")});
    }
    end();
    return Command{kVariableOperationCode, p};
  }

 private:
  bool take(std::string_view word) {
    if (rest_.substr(0, word.size()) != word) return false;
    rest_.remove_prefix(word.size());
    return true;
  }
  void expect(std::string_view word) {
    if (!take(word)) throw Failure{"expected '" + std::string(word) + "' in the readable form"};
  }
  void end() {
    if (!rest_.empty()) throw Failure{"unexpected '" + std::string(trim(rest_)) + "' at the end of the line"};
  }
  int32_t number(const char* what) {
    size_t length = rest_.empty() || rest_[0] != '-' ? 0 : 1;
    while (length < rest_.size() && rest_[length] >= '0' && rest_[length] <= '9') ++length;
    int32_t value = parseInt32(rest_.substr(0, length), what);
    rest_.remove_prefix(length);
    return value;
  }
  // After "sw[" or "var[": one ID, a range A..B, or var[V]; parameters 0 to 2.
  std::vector<int32_t> target() {
    if (take("var[")) {
      const int32_t pointer = number("the variable holding the ID");
      expect("]]");
      return {2, pointer, 0};
    }
    const int32_t first = number("the ID");
    if (take("..")) {
      const int32_t last = number("the range's last ID");
      expect("]");
      return {1, first, last};
    }
    expect("]");
    return {0, first, 0};
  }

  std::string compact_;
  std::string_view rest_;
};

}  // namespace

Command readReadableCommand(std::string_view line) { return ReadableCommand(line).read(); }

}  // namespace vesk::sim
