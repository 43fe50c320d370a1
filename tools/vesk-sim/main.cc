// vesk-sim: plays an event script through the built plugin without the game, prints every
// message box, and exits 1 when an assertion failed.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "host/host_table.h"
#include "host/stand_in_game.h"
#include "tools/vesk-sim/output.h"
#include "tools/vesk-sim/plugin.h"
#include "tools/vesk-sim/runner.h"
#include "tools/vesk-sim/script.h"

// The game this process offers to the plugin it loads; the only symbol it exports.
extern "C" __attribute__((visibility("default"))) VeskHostTable veskHostTable;
VeskHostTable veskHostTable{};

namespace {

constexpr int kUsageOrSetupError = 2;

const char kUsage[] =
    "usage: vesk-sim [--json] [--pause] [--seed N] [--plugin PATH] SCRIPT\n"
    "Plays an event script through the plugin and shows every message box.\n"
    "SCRIPT may be - for standard input. Exit status: 0 no assertion failed, 1 an assertion\n"
    "failed, 2 usage, plugin or script error.\n";

struct Options {
  bool json = false;
  bool pause = false;
  uint64_t seed = 0;
  std::string plugin;
  std::string script;
};

bool parseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    if (arg == "--json") {
      options.json = true;
    } else if (arg == "--pause") {
      options.pause = true;
    } else if (arg == "--seed") {
      const char* text = value();
      char* end = nullptr;
      if (!text || !*text || *text == '-') return false;
      options.seed = std::strtoull(text, &end, 10);
      if (*end != '\0') return false;
    } else if (arg == "--plugin") {
      const char* text = value();
      if (!text) return false;
      options.plugin = text;
    } else if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      std::exit(0);
    } else if (!options.script.empty() || (arg.size() > 1 && arg[0] == '-')) {
      return false;
    } else {
      options.script = arg;
    }
  }
  return !options.script.empty() && !(options.pause && options.script == "-");
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parseOptions(argc, argv, options)) {
    std::fputs(kUsage, stderr);
    return kUsageOrSetupError;
  }

  std::string text;
  const std::string shownName = options.script == "-" ? "<stdin>" : options.script;
  if (options.script == "-") {
    text.assign(std::istreambuf_iterator<char>(std::cin), {});
  } else {
    std::ifstream in(options.script, std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "vesk-sim: cannot read %s: %s\n", options.script.c_str(), std::strerror(errno));
      return kUsageOrSetupError;
    }
    // Sized once: growing the string as it is read would briefly hold it twice over.
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size > 0) {
      text.resize(static_cast<size_t>(size));
      in.read(text.data(), size);
      text.resize(static_cast<size_t>(in.gcount()));
    }
  }
  if (auto error = vesk::sim::checkScript(text)) {
    std::fprintf(stderr, "%s:%d: %s\n", shownName.c_str(), error->lineNumber, error->message.c_str());
    return kUsageOrSetupError;
  }

  std::unique_ptr<vesk::sim::Output> output =
      options.json ? vesk::sim::jsonOutput(stdout) : vesk::sim::readableOutput(stdout, isatty(1) != 0, shownName);
  vesk::StandInGame game;
  vesk::sim::Runner* runner = nullptr;
  auto present = [](void* context, const char* caption, const char* boxText, uint32_t style) {
    (*static_cast<vesk::sim::Runner**>(context))->showBox(caption, boxText, style);
  };
  vesk::HostTableContext context{&game, present, &runner};
  vesk::fillHostTable(veskHostTable, context);  // before loading: the plugin looks for it at load

  auto loaded = vesk::sim::loadPlugin(options.plugin.empty() ? vesk::sim::defaultPluginPath() : options.plugin);
  if (auto* why = std::get_if<std::string>(&loaded)) {
    std::fprintf(stderr, "vesk-sim: %s\n", why->c_str());
    return kUsageOrSetupError;
  }

  auto waitForEnter = [] {
    std::fputs("(Enter closes the box) ", stderr);
    std::string ignored;
    std::getline(std::cin, ignored);
  };
  vesk::sim::Runner run(std::get<vesk::sim::Plugin>(loaded), game, *output, options.seed,
                        options.pause ? std::function<void()>(waitForEnter) : std::function<void()>());
  runner = &run;
  vesk::sim::RunResult result = run.run(text);
  std::fflush(stdout);
  return result.failedAssertions > 0 ? 1 : 0;
}
