// Watchlists through the callbacks: scenarios of comments, game changes and event commands,
// each with the boxes it must bring.
#include <cmath>
#include <functional>
#include <limits>

#include "shell/debugger_state.h"
#include "tests/plugin_fixture.h"

namespace vesk::testing {
namespace {

class WatchTest : public PluginTest {
 public:
  void watchSwitch(double id) { comment("add_switch_watch", {number(id)}); }
  void watchVariable(double id) { comment("add_variable_watch", {number(id)}); }
  void setSwitch(int32_t id, bool on) { game.switches.write(id, on ? 1 : 0); }
  void setVariable(int32_t id, int32_t value) { game.variables.write(id, value); }
  // Any event command: the watch reports run before every one.
  void step(int32_t eventId = 5, int32_t pageId = 2, int32_t lineId = 14) { command(1, {}, eventId, pageId, lineId); }
};

Box switchBox(std::string text) { return Box{"Switch Watchlist Update", std::move(text), kInfo}; }
Box variableBox(std::string text) { return Box{"Variable Watchlist Update", std::move(text), kInfo}; }
const std::string kAt = "EventID: 5\nEventPage: 2\nEventLine: 14\n\n";

struct Scenario {
  const char* what;
  std::function<void(WatchTest&)> play;
  std::vector<Box> expected;
};

const Scenario kScenarios[] = {
    {"two switches change on a map event",
     [](WatchTest& t) {
       t.setSwitch(10, true);
       t.watchSwitch(3), t.watchSwitch(10), t.watchSwitch(4);
       t.setSwitch(3, true), t.setSwitch(10, false);
       t.step();
     },
     {switchBox(kAt + "Switch[3] changed from 0 to 1\nSwitch[10] changed from 1 to 0\n")}},
    {"common event header, line as passed",
     [](WatchTest& t) {
       t.watchVariable(8), t.setVariable(8, 5), t.step(1, 1, 0);
       t.watchVariable(8), t.setVariable(8, -3), t.step(-7, 3, 0);
       t.setVariable(8, 4), t.step(0, 3, 2);
     },
     {variableBox("EventID: 1\nEventPage: 1\nEventLine: 0\n\nVariable[8] changed from 0 to 5\n"),
      variableBox("Common EventID: 7\nEventLine: 0\n\nVariable[8] changed from 5 to -3\n"),
      variableBox("Common EventID: 0\nEventLine: 2\n\nVariable[8] changed from -3 to 4\n")}},
    {"changes in ascending signed order, added out of order, unchanged items left out",
     [](WatchTest& t) {
       for (int id : {30, 2, 17, 9}) t.watchVariable(id);
       t.setVariable(30, -1), t.setVariable(2, 2147483647), t.setVariable(9, -2147483647 - 1);
       t.step();
     },
     {variableBox(kAt + "Variable[2] changed from 0 to 2147483647\nVariable[9] changed from 0 to -2147483648\n"
                        "Variable[30] changed from 0 to -1\n")}},
    {"both lists: switch box first, each its own text",
     [](WatchTest& t) {
       t.watchVariable(1), t.watchSwitch(1);
       t.setVariable(1, 12), t.setSwitch(1, true);
       t.step();
     },
     {switchBox(kAt + "Switch[1] changed from 0 to 1\n"), variableBox(kAt + "Variable[1] changed from 0 to 12\n")}},
    {"reported once, then quiet until the next change",
     [](WatchTest& t) {
       t.watchVariable(4), t.setVariable(4, 1), t.step(), t.step(), t.setVariable(4, 2), t.step();
     },
     {variableBox(kAt + "Variable[4] changed from 0 to 1\n"), variableBox(kAt + "Variable[4] changed from 1 to 2\n")}},
    {"a change undone between two commands is not seen",
     [](WatchTest& t) {
       t.watchSwitch(6), t.step(), t.setSwitch(6, true), t.setSwitch(6, false), t.step();
     },
     {}},
    {"adding twice keeps one entry with the value of the second add, silently",
     [](WatchTest& t) {
       t.watchVariable(5), t.setVariable(5, 9), t.watchVariable(5.7), t.step();
       t.setVariable(5, 10), t.step();
     },
     {variableBox(kAt + "Variable[5] changed from 9 to 10\n")}},
    {"clear empties one list only, and an empty list stays cleared",
     [](WatchTest& t) {
       t.watchSwitch(1), t.watchVariable(1);
       t.comment("clear_switch_watch", {number(1)});
       t.comment("clear_switch_watch");
       t.setSwitch(1, true), t.setVariable(1, 3), t.step();
       t.comment("clear_variable_watch");
       t.setVariable(1, 4), t.step();
       t.watchSwitch(1), t.setSwitch(1, false), t.step();
     },
     {variableBox(kAt + "Variable[1] changed from 0 to 3\n"), switchBox(kAt + "Switch[1] changed from 1 to 0\n")}},
    {"IDs of 0 and below are kept but never change",
     [](WatchTest& t) {
       t.watchSwitch(0), t.watchSwitch(-3.2), t.watchVariable(-1), t.watchVariable(std::nan(""));
       t.setSwitch(1, true), t.setVariable(1, 1), t.step();
       EXPECT_EQ(debuggerState().switches.entries().size(), 2u);
       EXPECT_EQ(debuggerState().variables.entries().size(), 2u);
       EXPECT_EQ(debuggerState().switches.entries().front().id, -3);
     },
     {}},
    {"an ID beyond the lists grows them, and a later change is seen",
     [](WatchTest& t) {
       t.watchSwitch(5000), t.watchVariable(2147483647);
       EXPECT_EQ(t.game.switches.length(), 5000);
       EXPECT_EQ(t.game.variables.length(), 2147483647);
       t.step(), t.setSwitch(5000, true), t.setVariable(2147483647, 8), t.step();
     },
     {switchBox(kAt + "Switch[5000] changed from 0 to 1\n"), variableBox(kAt + "Variable[2147483647] changed from 0 to 8\n")}},
    {"a loaded game replaces values; the lists carry over and report the difference",
     [](WatchTest& t) {
       t.setSwitch(2, true), t.setVariable(3, 100);
       t.watchSwitch(2), t.watchVariable(3), t.watchVariable(4);
       t.comment("activate_script_debugging");
       t.game = StandInGame{};  // the player loads a save in which all is zero but variable 4
       t.setVariable(4, 44);
       t.step();
       EXPECT_TRUE(debuggerState().scriptDebuggingActive);
     },
     {switchBox(kAt + "Switch[2] changed from 1 to 0\n"),
      variableBox(kAt + "Variable[3] changed from 100 to 0\nVariable[4] changed from 0 to 44\n")}},
};

TEST_F(WatchTest, Scenarios) {
  for (const Scenario& s : kScenarios) {
    debuggerState() = DebuggerState{};
    game = StandInGame{};
    boxes.clear();
    s.play(*this);
    EXPECT_EQ(takeBoxes(), s.expected) << s.what;
  }
}

TEST_F(WatchTest, WatchThenTraceComeInThatOrderBeforeOneCommand) {
  watchSwitch(12), watchVariable(12);
  comment("activate_script_debugging");
  setSwitch(12, true), setVariable(12, 7);
  EXPECT_TRUE(command(10220, {0, 12, 0, 1, 0, 5}, -2, 0, 3));
  auto shown = takeBoxes();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0], switchBox("Common EventID: 2\nEventLine: 3\n\nSwitch[12] changed from 0 to 1\n"));
  EXPECT_EQ(shown[1], variableBox("Common EventID: 2\nEventLine: 3\n\nVariable[12] changed from 0 to 7\n"));
  EXPECT_EQ(shown[2].caption, "Vesk EventScript Debugger");
  EXPECT_EQ(shown[2].text.substr(0, 31), "Common EventID: 2\nEventLine: 4\n");  // the trace counts from 1
}

TEST_F(WatchTest, AddingAndClearingShowNothing) {
  setVariable(2, 5);
  EXPECT_FALSE(comment("add_variable_watch", {number(2)}));
  EXPECT_FALSE(comment("add_switch_watch", {number(2)}));
  EXPECT_FALSE(comment("clear_variable_watch"));
  EXPECT_FALSE(comment("clear_variable_watch"));
  EXPECT_TRUE(takeBoxes().empty());
  EXPECT_TRUE(debuggerState().variables.empty());
  EXPECT_EQ(debuggerState().switches.entries().size(), 1u);
}

}  // namespace
}  // namespace vesk::testing
