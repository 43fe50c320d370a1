// Comment dispatch through onComment: the eight keywords and nothing else, the debugging flag,
// and the guard that keeps a failing report from escaping into the engine.
#include <cstring>
#include <new>

#include "shell/debugger_state.h"
#include "shell/exports.h"
#include "shell/report.h"
#include "tests/plugin_fixture.h"

namespace vesk::testing {
namespace {

using DispatcherTest = PluginTest;

TEST_F(DispatcherTest, KeywordsAreHandledAndEverythingElseIsLeftToTheEngine) {
  const char* keywords[] = {"assert_switch",      "assert_variable",           "add_switch_watch",
                            "add_variable_watch", "clear_switch_watch",        "clear_variable_watch",
                            "activate_script_debugging", "deactivate_script_debugging"};
  for (const char* keyword : keywords) EXPECT_FALSE(comment(keyword, {number(1), text("ON"), text("m")})) << keyword;
  // Switch 1 is OFF, variable 1 is 0 and "ON" reads as the number 0: only the switch fails.
  EXPECT_EQ(takeBoxes(), (std::vector<Box>{{"Switch Assertion Failure", "m", kError}}));

  const char* others[] = {"", "Assert_switch", "ASSERT_SWITCH", "assert_switch ", " assert_switch", "assert_switchx",
                          "assert_switc", "add_switch_watch2", "activate_script_debuggin", "message", "\xff"};
  for (const char* name : others) {
    debuggerState() = DebuggerState{};
    EXPECT_TRUE(comment(name, {number(1), text("ON"), text("m")})) << '"' << name << '"';
    EXPECT_FALSE(debuggerState().scriptDebuggingActive);
    EXPECT_TRUE(debuggerState().switches.empty());
    EXPECT_TRUE(debuggerState().variables.empty());
  }
  EXPECT_TRUE(takeBoxes().empty());
}

TEST_F(DispatcherTest, AKeywordWithoutTerminatorInItsFieldIsNoKeyword) {
  CommentRecord record = makeCommentRecord("");
  std::memset(record.commandName, 'a', sizeof record.commandName);
  std::memcpy(record.commandName, "activate_script_debugging", 25);  // followed by 'a' to the end
  EXPECT_TRUE(onComment("", &record, nullptr, nullptr, 1, 1, 0, nullptr));
  EXPECT_FALSE(debuggerState().scriptDebuggingActive);
}

TEST_F(DispatcherTest, DebuggingFlagFollowsTheLastDebuggingComment) {
  EXPECT_FALSE(debuggerState().scriptDebuggingActive);
  comment("activate_script_debugging");
  comment("activate_script_debugging");
  EXPECT_TRUE(debuggerState().scriptDebuggingActive);
  comment("deactivate_script_debugging", {number(5)});
  EXPECT_FALSE(debuggerState().scriptDebuggingActive);
  comment("deactivate_script_debugging");
  EXPECT_FALSE(debuggerState().scriptDebuggingActive);
  EXPECT_TRUE(takeBoxes().empty());
}

TEST_F(DispatcherTest, ANullRecordIsNoComment) {
  EXPECT_TRUE(onComment("x", nullptr, nullptr, nullptr, 1, 1, 0, nullptr));
  debuggerState().scriptDebuggingActive = true;
  game.switches.write(3, 1);
  comment("add_switch_watch", {number(3)});
  game.switches.write(3, 0);
  EXPECT_TRUE(onEventCommand(nullptr, nullptr, 1, 1, 0, nullptr));
  // The watch step still runs without a record; the trace has nothing to describe.
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "Switch Watchlist Update");
}

TEST_F(DispatcherTest, EventCommandsAlwaysRunAndShowNothingWhenThereIsNothingToShow) {
  EXPECT_TRUE(command(10210, {0, 1, 0, 0}));
  EXPECT_TRUE(command(10220, {}));
  EXPECT_TRUE(command(0, {}));
  EXPECT_TRUE(takeBoxes().empty());
  EXPECT_EQ(game.switches.length(), 0);  // nothing was read from the game
  EXPECT_EQ(game.variables.length(), 0);
}

// A box that cannot be shown (here: the presenter runs out of memory) ends that report only.
void failingPresenter(void* context, const char* caption, const char*, uint32_t) {
  static_cast<std::vector<std::string>*>(context)->push_back(caption);
  throw std::bad_alloc();
}

TEST_F(DispatcherTest, AFailingReportEndsAloneAndTheCallbacksKeepTheirResults) {
  std::vector<std::string> attempted;
  setPresenter(failingPresenter, &attempted);

  EXPECT_FALSE(comment("assert_switch", {number(1), text("ON"), text("fails")}));

  game.switches.write(2, 1);
  game.variables.write(2, 5);
  EXPECT_FALSE(comment("add_switch_watch", {number(2)}));
  EXPECT_FALSE(comment("add_variable_watch", {number(2)}));
  EXPECT_FALSE(comment("activate_script_debugging"));
  game.switches.write(2, 0);
  game.variables.write(2, 6);
  EXPECT_TRUE(command(10210, {0, 2, 0, 0}));

  const std::vector<std::string> expected = {"Switch Assertion Failure", "Switch Watchlist Update",
                                             "Variable Watchlist Update", "Vesk EventScript Debugger"};
  EXPECT_EQ(attempted, expected);
}

}  // namespace
}  // namespace vesk::testing
