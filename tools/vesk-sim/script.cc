// The script reader: one directive a line, checked whole before anything runs.
#include "tools/vesk-sim/script.h"

#include <cstdlib>
#include <optional>
#include <string_view>

#include "tools/vesk-sim/readable_command.h"
#include "tools/vesk-sim/script_text.h"
#include "trace/descriptions.h"

namespace vesk::sim {

namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads a quoted text starting at s[0] == '"'; returns it and leaves `s` after the closing quote.
std::string readQuoted(std::string_view& s) {
  std::string text;
  size_t i = 1;
  for (;;) {
    if (i >= s.size()) throw Failure{"unterminated quoted text"};
    char c = s[i++];
    if (c == '"') break;
    if (c != '\\') {
      text.push_back(c);
      continue;
    }
    if (i >= s.size()) throw Failure{"unterminated quoted text"};
    char e = s[i++];
    if (e == '"' || e == '\\') {
      text.push_back(e);
    } else if (e == 'n') {
      text.push_back('\n');
    } else if (e == 'x' && i + 1 < s.size() && hexDigit(s[i]) >= 0 && hexDigit(s[i + 1]) >= 0) {
      text.push_back(static_cast<char>(hexDigit(s[i]) * 16 + hexDigit(s[i + 1])));
      i += 2;
    } else {
      throw Failure{"unknown escape in quoted text (use \\\", \\\\, \\n or \\xHH)"};
    }
  }
  s.remove_prefix(i);
  return text;
}

// A whole-line quoted text, nothing after it.
std::string quotedOnly(std::string_view rest, const char* what) {
  rest = trim(rest);
  if (rest.empty() || rest.front() != '"') throw Failure{std::string(what) + " must be a quoted text"};
  std::string text = readQuoted(rest);
  if (!trim(rest).empty()) throw Failure{"unexpected text after the closing quote"};
  return text;
}

void expectEnd(std::string_view rest) {
  if (!trim(rest).empty()) throw Failure{"unexpected '" + std::string(trim(rest)) + "' at the end of the line"};
}

CommentArgument readArgument(std::string_view raw) {
  std::string_view arg = trim(raw);
  if (!arg.empty() && arg.front() == '"') {
    std::string text = readQuoted(arg);
    if (!trim(arg).empty()) throw Failure{"unexpected text after a quoted argument"};
    return CommentArgument{std::move(text), 0.0};
  }
  std::string word(arg);
  if (!word.empty()) {
    // Numbers are read as the engine reads them, independent of the user's locale.
    const char* begin = word.c_str();
    char* end = nullptr;
    double number = std::strtod(begin, &end);
    if (end == begin + word.size()) return CommentArgument{word, number};
  }
  return CommentArgument{std::move(word), 0.0};
}

Comment readComment(std::string_view afterAt) {
  Comment comment;
  comment.text = std::string(afterAt);
  size_t nameEnd = 0;
  while (nameEnd < afterAt.size() && !isBlank(afterAt[nameEnd])) ++nameEnd;
  comment.name = std::string(afterAt.substr(0, nameEnd));
  if (comment.name.size() > kMaxCommandNameLength) {
    throw Failure{"the comment's name is " + std::to_string(comment.name.size()) + " bytes; at most " +
                  std::to_string(kMaxCommandNameLength) + " fit"};
  }
  std::string_view rest = trim(afterAt.substr(nameEnd));
  while (!rest.empty()) {
    // Split at the first comma outside quotes.
    size_t i = 0;
    bool quoted = false;
    for (; i < rest.size(); ++i) {
      if (quoted && rest[i] == '\\') {
        ++i;
      } else if (rest[i] == '"') {
        quoted = !quoted;
      } else if (!quoted && rest[i] == ',') {
        break;
      }
    }
    comment.arguments.push_back(readArgument(rest.substr(0, std::min(i, rest.size()))));
    if (comment.arguments.back().text.size() > kMaxTextLength) {
      throw Failure{"argument " + std::to_string(comment.arguments.size()) + " is " +
                    std::to_string(comment.arguments.back().text.size()) + " bytes; at most " +
                    std::to_string(kMaxTextLength) + " fit"};
    }
    if (i >= rest.size()) break;
    rest = rest.substr(i + 1);
    if (trim(rest).empty()) comment.arguments.push_back(CommentArgument{});  // a trailing comma: one empty argument
    rest = trim(rest);
  }
  return comment;
}

void checkRange(const Command& command) {
  if (command.code != kSwitchOperationCode && command.code != kVariableOperationCode) return;
  auto at = [&](size_t i) { return i < command.parameters.size() ? command.parameters[i] : 0; };
  if (at(0) != 1) return;
  int64_t length = static_cast<int64_t>(at(2)) - at(1);
  if (length < 0) length = -length;
  if (length + 1 > kMaxRangeLength) {
    throw Failure{"a range of " + std::to_string(length + 1) + " IDs is wider than vesk-sim simulates (" +
                  std::to_string(kMaxRangeLength) + ")"};
  }
}

// One non-blank, non-comment line as the directive it states; where it may stand is the caller's.
DirectiveKind readLine(std::string_view rest) {
  if (rest.front() == '@') return readComment(rest.substr(1));
  if (rest.substr(0, 3) == "sw[" || rest.substr(0, 4) == "var[") return readReadableCommand(rest);
  std::string_view keyword = nextWord(rest);
  if (keyword == "switch") {
    int32_t id = parseInt32(nextWord(rest), "the switch ID");
    std::string_view state = nextWord(rest);
    if (state != "on" && state != "off") throw Failure{"a switch is 'on' or 'off'"};
    expectEnd(rest);
    return SetSwitch{id, state == "on"};
  }
  if (keyword == "variable") {
    int32_t id = parseInt32(nextWord(rest), "the variable ID");
    if (nextWord(rest) != "=") throw Failure{"expected 'variable ID = VALUE'"};
    int32_t value = parseInt32(nextWord(rest), "the value");
    expectEnd(rest);
    return SetVariable{id, value};
  }
  if (keyword == "mapevent" || keyword == "item" || keyword == "hero") {
    int32_t id = parseInt32(nextWord(rest), "the ID");
    NameKind kind = keyword == "mapevent" ? NameKind::kMapEvent : keyword == "item" ? NameKind::kItem : NameKind::kHero;
    return SetName{kind, id, quotedOnly(rest, "the name")};
  }
  if (keyword == "event") {
    int32_t id = parseInt32(nextWord(rest), "the event ID");
    if (id < 1) throw Failure{"a map event's ID is 1 or more"};
    if (nextWord(rest) != "page") throw Failure{"expected 'event ID page PAGE'"};
    int32_t page = parseInt32(nextWord(rest), "the page");
    expectEnd(rest);
    return EnterEvent{id, page};
  }
  if (keyword == "common") {
    int32_t id = parseInt32(nextWord(rest), "the common event number");
    if (id < 0) throw Failure{"a common event's number is 0 or more"};
    expectEnd(rest);
    return EnterEvent{-id, 0};
  }
  if (keyword == "cmd") {
    Command command{parseInt32(nextWord(rest), "the command code"), {}};
    while (!rest.empty()) command.parameters.push_back(parseInt32(nextWord(rest), "a parameter"));
    return command;
  }
  throw Failure{"unknown directive '" + std::string(keyword) + "'"};
}

}  // namespace

std::optional<ScriptError> forEachDirective(const std::string& text, const std::function<void(Directive&)>& each) {
  bool inEvent = false;
  int lineNumber = 0;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + start, end - start);
    ++lineNumber;
    start = end + 1;
    if (end == text.size() && line.empty()) break;
    std::string_view rest = trim(line);
    if (rest.empty() || rest.front() == '#') continue;
    try {
      Directive directive{lineNumber, readLine(rest)};
      inEvent |= std::holds_alternative<EnterEvent>(directive.what);
      const bool isComment = std::holds_alternative<Comment>(directive.what);
      auto* command = std::get_if<Command>(&directive.what);
      if ((isComment || command) && !inEvent) {
        throw Failure{std::string(isComment ? "a comment" : "a command") + " must follow an 'event' or 'common' line"};
      }
      if (command) checkRange(*command);
      each(directive);
    } catch (const Failure& failure) {
      return ScriptError{lineNumber, failure.message};
    }
  }
  return std::nullopt;
}

std::variant<std::vector<Directive>, ScriptError> readScript(const std::string& text) {
  std::vector<Directive> directives;
  if (auto error = forEachDirective(text, [&](Directive& d) { directives.push_back(std::move(d)); })) return *error;
  return directives;
}

}  // namespace vesk::sim
