// Fuzzes vesk-sim's script reader and runner: any text either runs whole or is refused with a
// line number inside the text, before anything runs.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/host_game.h"
#include "host/stand_in_game.h"
#include "shell/debugger_state.h"
#include "shell/exports.h"
#include "shell/report.h"
#include "tools/vesk-sim/output.h"
#include "tools/vesk-sim/runner.h"
#include "tools/vesk-sim/script.h"

namespace {
void check(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;  // a bound on the work one input can ask for
  const std::string text(reinterpret_cast<const char*>(data), size);
  int lines = 1;
  for (char c : text) lines += c == '\n';

  if (auto error = vesk::sim::checkScript(text)) {
    check(error->lineNumber >= 1 && error->lineNumber <= lines, "error line outside the text");
    check(!error->message.empty(), "error without a message");
    return 0;  // refused: nothing runs
  }

  static std::FILE* sink = std::fopen("/dev/null", "w");
  vesk::StandInGame game;
  vesk::debuggerState() = vesk::DebuggerState{};
  vesk::setHostGame(&game);
  auto output = vesk::sim::readableOutput(sink, false, "fuzz");
  const vesk::sim::Plugin plugin{onComment, onEventCommand};
  vesk::sim::Runner runner(plugin, game, *output, 0, {});
  vesk::setPresenter(
      [](void* r, const char* caption, const char* boxText, uint32_t style) {
        static_cast<vesk::sim::Runner*>(r)->showBox(caption, boxText, style);
      },
      &runner);
  const vesk::sim::RunResult result = runner.run(text);
  check(result.complete, "a checked script stopped part way");
  check(result.failedAssertions <= result.boxes, "more failed assertions than boxes");
  vesk::setPresenter(nullptr, nullptr);
  vesk::setHostGame(nullptr);
  return 0;
}
