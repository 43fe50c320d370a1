// vesk-sim as a user runs it: a process with a script, its output, its errors and its exit
// status; and its simulated engine's arithmetic.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <limits>
#include <sstream>

#include "host/stand_in_game.h"
#include "tools/vesk-sim/engine.h"
#include "tools/vesk-sim/output.h"
#include "tools/vesk-sim/script.h"

namespace vesk::sim {
namespace {

struct SimRun {
  int status;
  std::string out, err;
};

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Runs vesk-sim with `arguments` (shell words) and, when given, `script` as the file it reads.
SimRun runSim(const std::string& arguments, const std::string& script = "", const std::string& stdinText = "") {
  // ctest runs tests in parallel processes: each keeps to files of its own.
  const std::string dir = ::testing::TempDir() + "vesk_sim_" + std::to_string(getpid()) + "_";
  const std::string scriptPath = dir + "test.vsk", in = dir + "vesk_sim_in", out = dir + "vesk_sim_out",
                    err = dir + "vesk_sim_err";
  std::ofstream(scriptPath, std::ios::binary) << script;
  std::ofstream(in, std::ios::binary) << stdinText;
  std::string args = arguments;
  for (size_t at; (at = args.find("SCRIPT")) != std::string::npos;) args.replace(at, 6, scriptPath);
  const std::string command = std::string(VESK_SIM_PATH) + " " + args + " < " + in + " > " + out + " 2> " + err;
  int raw = std::system(command.c_str());
  return SimRun{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(out), slurp(err)};
}

TEST(VeskSim, TheTourGivesItsExpectedJsonAndFailsOnItsFailingAssertion) {
  SimRun run = runSim(std::string("--json ") + VESK_SOURCE_DIR "/examples/tour.vsk");
  EXPECT_EQ(run.status, 1) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, slurp(VESK_SOURCE_DIR "/tests/golden/tour.jsonl"));
}

TEST(VeskSim, ExitStatusSaysWhetherAnAssertionFailed) {
  const std::string holds = "variable 1 = 5\nevent 1 page 1\n@assert_variable 1, 5, \"ok\"\ncmd 10220 0 1 0 1 0 1\n";
  SimRun ok = runSim("--json SCRIPT", holds);
  EXPECT_EQ(ok.status, 0) << ok.err;
  EXPECT_EQ(ok.out, "{\"type\":\"comment\",\"line\":3,\"name\":\"assert_variable\",\"result\":false}\n"
                    "{\"type\":\"summary\",\"boxes\":0,\"failed_assertions\":0}\n");

  SimRun failed = runSim("--json SCRIPT", holds + "@assert_variable 1, 5, \"now 6\"\n");
  EXPECT_EQ(failed.status, 1);
  EXPECT_NE(failed.out.find("{\"type\":\"box\",\"line\":5,\"caption\":\"Variable Assertion Failure\",\"icon\":\"error\","
                            "\"style\":16,\"text\":\"now 6\"}\n{\"type\":\"comment\",\"line\":5"),
            std::string::npos)
      << failed.out;

  SimRun piped = runSim("--json -", "", holds);
  EXPECT_EQ(piped.status, 0) << piped.err;
  EXPECT_EQ(piped.out, ok.out);

  SimRun readable = runSim("SCRIPT", holds + "@assert_switch 1, \"ON\", \"bad\\x01\"\n");
  EXPECT_EQ(readable.status, 1);
  EXPECT_NE(readable.out.find("[error] Switch Assertion Failure -- "), std::string::npos) << readable.out;
  EXPECT_NE(readable.out.find("| bad\\x01\n"), std::string::npos) << readable.out;  // control bytes made visible
  EXPECT_NE(readable.out.find("vesk-sim: 1 box shown, 1 failed assertion\n"), std::string::npos) << readable.out;
}

TEST(VeskSim, PauseWaitsForEnterAfterEachBox) {
  const std::string script = "event 1 page 1\n@assert_switch 1, \"ON\", \"a\"\n@assert_switch 1, \"ON\", \"b\"\n";
  SimRun run = runSim("--pause SCRIPT", script, "\n\n");
  EXPECT_EQ(run.status, 1);
  size_t prompts = 0;
  for (size_t at = 0; (at = run.err.find("(Enter closes the box)", at)) != std::string::npos; ++at) ++prompts;
  EXPECT_EQ(prompts, 2u) << run.err;
}

TEST(VeskSim, UsageAndPluginProblemsExitTwo) {
  const std::string script = "event 1 page 1\n@assert_switch 1, \"ON\", \"x\"\n";
  const struct {
    std::string arguments, error;
  } cases[] = {
      {"", "usage: vesk-sim"},
      {"--frobnicate SCRIPT", "usage: vesk-sim"},
      {"SCRIPT SCRIPT", "usage: vesk-sim"},
      {"--seed x SCRIPT", "usage: vesk-sim"},
      {"--pause -", "usage: vesk-sim"},
      {"/nonexistent/script.vsk", "vesk-sim: cannot read /nonexistent/script.vsk"},
      {"--plugin /nonexistent/lib.so SCRIPT", "vesk-sim: cannot load the plugin"},
      {std::string("--plugin ") + VESK_WRONG_VERSION_PLUGIN + " SCRIPT", "has linkVersion 3; this host drives version 2 only"},
  };
  for (const auto& c : cases) {
    SimRun run = runSim(c.arguments, script);
    EXPECT_EQ(run.status, 2) << c.arguments;
    EXPECT_NE(run.err.find(c.error), std::string::npos) << c.arguments << ": " << run.err;
    EXPECT_EQ(run.out, "") << c.arguments;  // nothing of the script ran
  }
}

TEST(VeskSim, ScriptErrorsNameTheirLineAndNothingRuns) {
  const std::string longName(208, 'n'), longText(200, 't');
  const struct {
    std::string script;
    int line;
    std::string message;
  } cases[] = {
      {"@assert_switch 1\n", 1, "a comment must follow an 'event' or 'common' line"},
      {"# fine\n\ncmd 1\n", 3, "a command must follow an 'event' or 'common' line"},
      {"event 1 page 1\nfrobnicate\n", 2, "unknown directive 'frobnicate'"},
      {"switch 1 maybe\n", 1, "a switch is 'on' or 'off'"},
      {"variable 1 = 2147483648\n", 1, "the value 2147483648 is outside the signed 32-bit range"},
      {"variable 1 = 1.5\n", 1, "the value must be a 32-bit decimal number, not '1.5'"},
      {"variable x = 1\n", 1, "the variable ID must be a 32-bit decimal number"},
      {"variable 1 2\n", 1, "expected 'variable ID = VALUE'"},
      {"switch 1 on off\n", 1, "unexpected 'off' at the end of the line"},
      {"item 1 Potion\n", 1, "the name must be a quoted text"},
      {"hero 1 \"Alex\n", 1, "unterminated quoted text"},
      {"hero 1 \"A\\qx\"\n", 1, "unknown escape in quoted text"},
      {"mapevent 1 \"A\" B\n", 1, "unexpected text after the closing quote"},
      {"event 0 page 1\n", 1, "a map event's ID is 1 or more"},
      {"event 1 2\n", 1, "expected 'event ID page PAGE'"},
      {"common -1\n", 1, "a common event's number is 0 or more"},
      {"event 1 page 1\ncmd 1 2 x\n", 2, "a parameter must be a 32-bit decimal number, not 'x'"},
      {"event 1 page 1\ncmd 10210 1 1 2000000\n", 2, "a range of 2000000 IDs is wider than vesk-sim simulates"},
      {"event 1 page 1\n@" + longName + "\n", 2, "the comment's name is 208 bytes; at most 207 fit"},
      {"event 1 page 1\n@a 1, " + longText + "\n", 2, "argument 2 is 200 bytes; at most 199 fit"},
      {"event 1 page 1\n@a \"x\" y\n", 2, "unexpected text after a quoted argument"},
      {"var[1] = 2\n", 1, "a command must follow an 'event' or 'common' line"},
      {"event 1 page 1\nvar[1] ^= 2\n", 2, "expected one of = += -= *= /= %= after the variable target"},
      {"event 1 page 1\nsw[1] = maybe\n", 2, "a switch is set to on, off or toggle"},
      {"event 1 page 1\nvar[1] = var[2\n", 2, "expected ']' in the readable form"},
      {"event 1 page 1\nvar[1] = 2 3\n", 2, "unexpected '3' at the end of the line"},
      {"event 1 page 1\nsw[1..3000000] = on\n", 2, "a range of 3000000 IDs is wider than vesk-sim simulates"},
  };
  for (const auto& c : cases) {
    // A comment that would show a box comes first, so a partial run would be visible.
    SimRun run = runSim("--json SCRIPT", c.script);
    EXPECT_EQ(run.status, 2) << c.script;
    EXPECT_EQ(run.err.substr(0, run.err.find(": ") + 2), ::testing::TempDir() + "vesk_sim_" + std::to_string(getpid()) + "_test.vsk:" +
                                                              std::to_string(c.line) + ": ")
        << c.script;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.script << " gave " << run.err;
    EXPECT_EQ(run.out, "") << c.script;
  }
  // The whole script is checked before its first line runs.
  SimRun late = runSim("--json SCRIPT", "event 1 page 1\n@assert_switch 1, \"ON\", \"x\"\nbogus\n");
  EXPECT_EQ(late.status, 2);
  EXPECT_EQ(late.out, "");
  EXPECT_NE(late.err.find("_test.vsk:3: "), std::string::npos);
}

TEST(ScriptReader, CommentArgumentsAreReadAsTheEngineParsesThem) {
  auto read = readScript("common 2\n@name 12, -3.2, 1e10, nan, inf, word, \"q,\\\"\\\\\\n\\x41\", , 0x10\n@bare\n@\n");
  ASSERT_TRUE(std::holds_alternative<std::vector<Directive>>(read)) << std::get<ScriptError>(read).message;
  const auto& directives = std::get<std::vector<Directive>>(read);
  ASSERT_EQ(directives.size(), 4u);
  EXPECT_EQ(std::get<EnterEvent>(directives[0].what).eventId, -2);
  const Comment& c = std::get<Comment>(directives[1].what);
  EXPECT_EQ(c.name, "name");
  EXPECT_EQ(c.text, "name 12, -3.2, 1e10, nan, inf, word, \"q,\\\"\\\\\\n\\x41\", , 0x10");
  ASSERT_EQ(c.arguments.size(), 9u);
  const std::pair<std::string, double> expected[] = {{"12", 12}, {"-3.2", -3.2}, {"1e10", 1e10}, {"word", 0},
                                                     {"q,\"\\\nA", 0}, {"", 0}, {"0x10", 16}};
  const size_t at[] = {0, 1, 2, 5, 6, 7, 8};
  for (size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(c.arguments[at[i]].text, expected[i].first) << at[i];
    EXPECT_EQ(c.arguments[at[i]].number, expected[i].second) << at[i];
  }
  EXPECT_TRUE(std::isnan(c.arguments[3].number));
  EXPECT_EQ(c.arguments[3].text, "nan");
  EXPECT_EQ(c.arguments[4].number, std::numeric_limits<double>::infinity());
  EXPECT_TRUE(std::get<Comment>(directives[2].what).arguments.empty());
  EXPECT_EQ(std::get<Comment>(directives[3].what).name, "");
}

TEST(ScriptReader, ReadableFormsAreTheCommandsTheyStandFor) {
  const std::pair<std::string, std::vector<int32_t>> cases[] = {
      {"sw[12] = on", {10210, 0, 12, 0, 0}},
      {"sw[ 3 .. 8 ] = toggle", {10210, 1, 3, 8, 2}},
      {"sw[var[5]] = off", {10210, 2, 5, 0, 1}},
      {"var[12] = -5", {10220, 0, 12, 0, 0, 0, -5}},
      {"var[12] += 5", {10220, 0, 12, 0, 1, 0, 5}},
      {"var[12..15] /= var[8]", {10220, 1, 12, 15, 4, 1, 8}},
      {"var[var[3]] *= var[var[9]]", {10220, 2, 3, 0, 3, 2, 9}},
      {"var[20] -= random(1, 10)", {10220, 0, 20, 0, 2, 3, 1, 10}},
      {"var[1] %= -3", {10220, 0, 1, 0, 5, 0, -3}},
  };
  for (const auto& [form, expected] : cases) {
    auto read = readScript("event 1 page 1\n" + form + "\n");
    ASSERT_TRUE(std::holds_alternative<std::vector<Directive>>(read)) << form << ": " << std::get<ScriptError>(read).message;
    const Command& command = std::get<Command>(std::get<std::vector<Directive>>(read)[1].what);
    std::vector<int32_t> got = {command.code};
    got.insert(got.end(), command.parameters.begin(), command.parameters.end());
    EXPECT_EQ(got, expected) << form;
  }
}

TEST(Engine, ExecutesSwitchAndVariableOperationsAsTheEngineDoes) {
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min(), kMax = std::numeric_limits<int32_t>::max();
  const struct {
    const char* what;
    int32_t code;
    std::vector<int32_t> parameters;
    int32_t variable, expected;  // variable to check afterwards, or a switch when code is 10210
  } cases[] = {
      {"set", 10220, {0, 1, 0, 0, 0, 42}, 1, 42},
      {"add wraps", 10220, {0, 2, 0, 1, 0, 1}, 2, kMin},
      {"subtract wraps", 10220, {0, 3, 0, 2, 0, 1}, 3, kMax},
      {"multiply wraps", 10220, {0, 4, 0, 3, 0, 65536}, 4, 0},
      {"divide truncates", 10220, {0, 5, 0, 4, 0, 2}, 5, -3},
      {"remainder takes the sign", 10220, {0, 5, 0, 5, 0, 2}, 5, -1},
      {"divide by 0 leaves it", 10220, {0, 6, 0, 4, 0, 0}, 6, 9},
      {"remainder by 0 gives 0", 10220, {0, 6, 0, 5, 0, 0}, 6, 0},
      {"min / -1", 10220, {0, 7, 0, 4, 0, -1}, 7, kMin},
      {"min mod -1", 10220, {0, 7, 0, 5, 0, -1}, 7, 0},
      {"variable operand", 10220, {0, 8, 0, 0, 1, 15}, 8, 3},
      {"pointer target and operand", 10220, {2, 10, 0, 0, 2, 10}, 11, 11},  // v10 = 11; v[v10] = v[v10]
      {"range in either order", 10220, {1, 14, 12, 1, 0, 5}, 13, 5},
      {"operand kinds 4 to 7 give 0", 10220, {0, 15, 0, 0, 5, 1, 1}, 15, 0},
      {"unknown operation does nothing", 10220, {0, 6, 0, 9, 0, 5}, 6, 0},
      {"switch on", 10210, {0, 1, 0, 0}, 1, 1},
      {"switch toggle range", 10210, {1, 3, 2, 2}, 3, 1},
      {"switch chosen by a variable", 10210, {2, 10, 0, 0}, 11, 1},
      {"switch off", 10210, {0, 11, 0, 1}, 11, 0},
  };
  StandInGame game;
  Engine engine(game, 0);
  game.variables.write(2, kMax);
  game.variables.write(3, kMin);
  game.variables.write(4, 65536);
  game.variables.write(5, -7);
  game.variables.write(6, 9);
  game.variables.write(7, kMin);
  game.variables.write(10, 11);
  game.variables.write(11, 11);
  game.variables.write(15, 3);
  for (const auto& c : cases) {
    engine.execute(c.code, c.parameters);
    int32_t got = c.code == 10210 ? (game.switchState(c.variable) ? 1 : 0) : game.variableValue(c.variable);
    EXPECT_EQ(got, c.expected) << c.what;
  }
  EXPECT_EQ(game.variableValue(12), 5);
  EXPECT_EQ(game.variableValue(14), 5);
  EXPECT_TRUE(game.switchState(2));
}

TEST(Engine, NeverWritesIdsBelowOneAndDrawsRandomsInRangeFromItsSeed) {
  StandInGame game;
  Engine engine(game, 7);
  engine.execute(10220, {1, -5, 0, 0, 0, 3});
  engine.execute(10210, {0, -1, 0, 0});
  EXPECT_EQ(game.variables.length(), 0);  // range -5..0 holds no ID of 1 or more
  EXPECT_EQ(game.switches.length(), 0);

  std::vector<int32_t> drawn;
  for (int i = 0; i < 200; ++i) {
    engine.execute(10220, {0, 1, 0, 0, 3, 10, -10});  // the range in either order
    drawn.push_back(game.variableValue(1));
    EXPECT_GE(drawn.back(), -10);
    EXPECT_LE(drawn.back(), 10);
  }
  StandInGame again;
  Engine replay(again, 7);
  replay.execute(10220, {1, -5, 0, 0, 0, 3});
  replay.execute(10220, {0, 1, 0, 0, 3, 10, -10});
  EXPECT_EQ(again.variableValue(1), drawn[0]);
  engine.execute(10220, {0, 2, 0, 0, 3, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()});
}

TEST(JsonString, EscapesWhatJsonNeedsAndInvalidUtf8AsBytes) {
  const std::pair<std::string, std::string> cases[] = {
      {"plain", "\"plain\""},
      {"q\"b\\n\nt\tc\x01", "\"q\\\"b\\\\n\\nt\\tc\\u0001\""},
      {"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80", "\"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80\""},
      {"\xe9t\xe9", "\"\\u00e9t\\u00e9\""},
      {"\xc0\xaf", "\"\\u00c0\\u00af\""},          // overlong
      {"\xed\xa0\x80", "\"\\u00ed\\u00a0\\u0080\""},  // a surrogate
      {"\xf4\x90\x80\x80", "\"\\u00f4\\u0090\\u0080\\u0080\""},  // past U+10FFFF
      {"\xe2\x82", "\"\\u00e2\\u0082\""},          // cut short
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(jsonString(in), out);
}

}  // namespace
}  // namespace vesk::sim
