// Fuzzes the two callbacks with whatever records, positions, flags, watchlists and game state
// the input decides, and checks every box and every result against the plugin's rules.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "host/host_game.h"
#include "host/stand_in_game.h"
#include "shell/debugger_state.h"
#include "shell/exports.h"
#include "shell/report.h"

namespace {

const char* const kKeywords[] = {"assert_switch",      "assert_variable",           "add_switch_watch",
                                 "add_variable_watch", "clear_switch_watch",        "clear_variable_watch",
                                 "activate_script_debugging", "deactivate_script_debugging"};

void check(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
  }
}

// Every box: a caption the plugin has, the icon that goes with it, and, for the plugin's own
// reports, line feeds only. An assertion shows the author's bytes unchanged, never more than its 200-byte slot.
void checkBox(void*, const char* caption, const char* text, uint32_t style) {
  const std::string_view c(caption), t(text);
  const bool assertion = c == "Switch Assertion Failure" || c == "Variable Assertion Failure";
  const bool report = c == "Switch Watchlist Update" || c == "Variable Watchlist Update" || c == "Vesk EventScript Debugger";
  check(assertion || report, "unknown caption");
  check(style == (assertion ? 0x10u : 0x40u), "wrong style for the caption");
  if (assertion) check(t.size() <= 200, "assertion text longer than its slot");
  if (report) check(t.find('\r') == std::string_view::npos, "carriage return in a report");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  vesk::StandInGame game;
  vesk::debuggerState() = vesk::DebuggerState{};
  vesk::setHostGame(&game);
  vesk::setPresenter(checkBox, nullptr);

  for (int step = 0; step < 64 && in.remaining_bytes() > 0; ++step) {
    switch (in.ConsumeIntegralInRange(0, 4)) {
      case 0: {  // a comment: raw record bytes, the name often a keyword or near one
        vesk::CommentRecord record;
        std::vector<uint8_t> bytes = in.ConsumeBytes<uint8_t>(sizeof record);
        bytes.resize(sizeof record, static_cast<uint8_t>(in.ConsumeIntegral<uint8_t>()));
        std::memcpy(&record, bytes.data(), sizeof record);
        if (in.ConsumeBool()) {
          const char* keyword = kKeywords[in.ConsumeIntegralInRange(0, 7)];
          std::memcpy(record.commandName, keyword, std::strlen(keyword) + (in.ConsumeBool() ? 1 : 0));
        }
        bool isKeyword = false;
        for (const char* keyword : kKeywords) isKeyword |= vesk::commandName(record) == keyword;
        const bool result = onComment(nullptr, &record, nullptr, nullptr, 0, 0, 0, nullptr);
        check(result == !isKeyword, "onComment's result is not false exactly for the keywords");
        break;
      }
      case 1: {  // an event command of any shape
        const int32_t code = in.PickValueInArray({10210, 10220, 10210, 10220, in.ConsumeIntegral<int32_t>()});
        std::vector<int32_t> parameters(in.ConsumeIntegralInRange<size_t>(0, 12));
        for (auto& p : parameters) p = in.ConsumeBool() ? in.ConsumeIntegralInRange(-3, 12) : in.ConsumeIntegral<int32_t>();
        vesk::ScriptLineRecord line{};
        line.commandCode = code;
        line.parameterCount = in.ConsumeBool() ? static_cast<int32_t>(parameters.size()) : in.ConsumeIntegral<int32_t>();
        line.parameterValues = parameters.empty() ? nullptr : parameters.data();
        if (line.parameterCount > static_cast<int32_t>(parameters.size())) line.parameterCount = static_cast<int32_t>(parameters.size());
        const vesk::ScriptLineRecord* passed = in.ConsumeIntegralInRange(0, 15) == 0 ? nullptr : &line;
        const bool result = onEventCommand(passed, nullptr, in.ConsumeIntegral<int32_t>(), in.ConsumeIntegral<int32_t>(),
                                           in.ConsumeIntegral<int32_t>(), nullptr);
        check(result, "onEventCommand returned false");
        break;
      }
      case 2: {  // the game changes (or a save is loaded)
        const int32_t id = in.ConsumeBool() ? in.ConsumeIntegralInRange(-2, 40) : in.ConsumeIntegral<int32_t>();
        if (in.ConsumeBool()) {
          game.switches.write(id, in.ConsumeBool() ? 1 : 0);
        } else {
          game.variables.write(id, in.ConsumeIntegral<int32_t>());
        }
        break;
      }
      case 3: {  // names, any bytes
        const int32_t id = in.ConsumeIntegralInRange(-2, 40);
        std::string name = in.ConsumeRandomLengthString(64);
        // Names reach the trace byte for byte; keep carriage returns out of them so that one in a
        // report can only be the plugin's own.
        for (char& c : name) c = c == '\r' ? '?' : c;
        auto& names = in.ConsumeBool() ? game.mapEvents : in.ConsumeBool() ? game.items : game.heroes;
        names[id] = name;
        break;
      }
      default:
        vesk::debuggerState().scriptDebuggingActive = in.ConsumeBool();
        break;
    }
  }
  vesk::setPresenter(nullptr, nullptr);
  vesk::setHostGame(nullptr);
  return 0;
}
