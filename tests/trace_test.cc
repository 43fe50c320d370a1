// The trace box of switch and variable operations, compared whole, byte for byte.
#include <limits>

#include "shell/debugger_state.h"
#include "tests/plugin_fixture.h"

namespace vesk::testing {
namespace {

constexpr int32_t kSwitchOp = 10210;
constexpr int32_t kVariableOp = 10220;
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

class TraceTest : public PluginTest {
 protected:
  TraceTest() {
    game.mapEvents[5] = "Door";
    game.items[3] = "Potion";
    game.heroes[1] = "Alex";
    game.switches.write(7, 1);
    const std::pair<int32_t, int32_t> variables[] = {{3, 12}, {5, 7}, {8, 6}, {9, 8}, {12, 7},
                                                     {20, -3}, {40, kMax}, {41, -7}, {42, kMin}, {43, 65536}};
    for (auto [id, value] : variables) game.variables.write(id, value);
    comment("activate_script_debugging");
  }
};

struct TraceCase {
  const char* what;
  int32_t code;
  std::vector<int32_t> parameters;
  std::string body;  // the text from "Command: " on, for common event 1 at its first line
};

// Common event 1, line 0: the header is the same for every case below.
const std::string kHeader = "Common EventID: 1\nEventLine: 1\n\nCommand: ";

const TraceCase kCases[] = {
    // Switch operations: the three described forms and their edges.
    {"one switch", kSwitchOp, {0, 12, 0, 0}, "Switch Operations\nOperation: Set Switch[12] ON \n\nSwitch[12] before operation = OFF"},
    {"range", kSwitchOp, {1, 3, 8, 2}, "Switch Operations\nOperation: Set Switch[ 3 - 8 ] ON/OFF \n"},
    {"range high to low", kSwitchOp, {1, 8, 3, 1}, "Switch Operations\nOperation: Set Switch[ 8 - 3 ] OFF \n"},
    {"switch chosen by a variable", kSwitchOp, {2, 5, 0, 1},
     "Switch Operations\nOperation: Set Switch[ Variable[5] ] OFF \n\nSwitch[7] before operation = ON"},
    {"variable holding a negative switch", kSwitchOp, {2, 20, 0, 0},
     "Switch Operations\nOperation: Set Switch[ Variable[20] ] ON \n\nSwitch[-3] before operation = OFF"},
    {"no parameters", kSwitchOp, {}, "Switch Operations\nOperation: Set Switch[0] ON \n\nSwitch[0] before operation = OFF"},
    {"negative switch", kSwitchOp, {0, -4, 0, 1}, "Switch Operations\nOperation: Set Switch[-4] OFF \n\nSwitch[-4] before operation = OFF"},
    {"unknown target kind", kSwitchOp, {3, 1, 2, 0}, "Switch Operations\n"},
    {"negative target kind", kSwitchOp, {-1, 1, 2, 0}, "Switch Operations\n"},
    {"unknown operation, one", kSwitchOp, {0, 7, 0, 3}, "Switch Operations\nOperation: Set Switch[7] Error\n\nSwitch[7] before operation = ON"},
    {"unknown operation, range", kSwitchOp, {1, 3, 8, -1}, "Switch Operations\nOperation: Set Switch[ 3 - 8 ] Error\n"},
    {"unknown operation, variable", kSwitchOp, {2, 5, 0, 7},
     "Switch Operations\nOperation: Set Switch[ Variable[5] ] Error\n\nSwitch[7] before operation = ON"},

    // Variable operations: the four shapes, then every operand kind and the edges.
    {"add constant", kVariableOp, {0, 12, 0, 1, 0, 5}, "Variable Operations\nOperation: Variable[12] + 5\n\nVariable[12] + 5\n7 + 5 = 12"},
    {"range divided by variable", kVariableOp, {1, 12, 15, 4, 1, 8},
     "Variable Operations\nOperation: Variable[12 - 15] / Variable[8]\n\nVariable[12] / Variable[8]\n7 / 6 = 1"},
    {"set random", kVariableOp, {0, 12, 0, 0, 3, 1, 10}, "Variable Operations\nOperation: Variable[12] = Random(1 - 10)\n\nVariable[12] before = 7"},
    {"pointer times pointer", kVariableOp, {2, 3, 0, 3, 2, 9},
     "Variable Operations\nOperation: Variable[ Varible[3] ] * Variable[ Variable[ 9] ]\n\nVariable[12] * Variable[8]\n7 * 6 = 42"},
    {"no parameters", kVariableOp, {}, "Variable Operations\nOperation: Variable[0] = 0\n\nVariable[0] = 0"},
    {"set from variable", kVariableOp, {0, 12, 0, 0, 1, 8}, "Variable Operations\nOperation: Variable[12] = Variable[8]\n\nVariable[12] = 6"},
    {"operand reference 0", kVariableOp, {0, 12, 0, 1, 1, 0},
     "Variable Operations\nOperation: Variable[12] + Variable[0]\n\nVariable[12] + 0\n7 + 0 = 7"},
    {"pointer operand holding 0", kVariableOp, {0, 12, 0, 2, 2, 30},
     "Variable Operations\nOperation: Variable[12] - Variable[ Variable[ 30] ]\n\nVariable[12] - 0\n7 - 0 = 7"},
    {"subtract negative", kVariableOp, {0, 12, 0, 2, 0, -3}, "Variable Operations\nOperation: Variable[12] - -3\n\nVariable[12] - -3\n7 - -3 = 10"},
    {"unknown operation", kVariableOp, {0, 12, 0, 9, 0, 5}, "Variable Operations\nOperation: Variable[12]Error5\n\nVariable[12]Error5\n7Error5 = "},
    {"unknown operation, random", kVariableOp, {0, 12, 0, -1, 3, 1, 2},
     "Variable Operations\nOperation: Variable[12]ErrorRandom(1 - 2)\n\nVariable[12] before = 7"},
    {"unknown target kind", kVariableOp, {5, 12, 0, 1, 0, 5}, "Variable Operations\nOperation: Variable[ + 5\n\nVariable[12] + 5\n7 + 5 = 12"},
    {"operand kind 8", kVariableOp, {0, 12, 0, 1, 8, 5}, "Variable Operations\nOperation: Variable[12] + \n\nVariable[12] before = 7"},
    {"negative operand kind", kVariableOp, {0, 12, 0, 1, -1, 5}, "Variable Operations\nOperation: Variable[12] + \n\nVariable[12] + 0\n7 + 0 = 7"},
    {"item held", kVariableOp, {0, 12, 0, 0, 4, 3, 0}, "Variable Operations\nOperation: Variable[12] = Item (Potion): Item Held\n\nVariable[12] before = 7"},
    {"missing item equipped", kVariableOp, {0, 12, 0, 0, 4, 99, -1}, "Variable Operations\nOperation: Variable[12] = Item (): Item Equipped\n\nVariable[12] before = 7"},
    {"hero attribute", kVariableOp, {0, 12, 0, 1, 5, 1, 2}, "Variable Operations\nOperation: Variable[12] + Hero (Alex) HP\n\nVariable[12] before = 7"},
    {"missing hero, unknown attribute", kVariableOp, {0, 12, 0, 0, 5, 9, 15},
     "Variable Operations\nOperation: Variable[12] = Hero () Error\n\nVariable[12] before = 7"},
    {"this event", kVariableOp, {0, 12, 0, 0, 6, 10005, 1}, "Variable Operations\nOperation: Variable[12] = Event -1: X Coordinate\n\nVariable[12] before = 7"},
    {"sprite", kVariableOp, {0, 12, 0, 0, 6, 10001, 5}, "Variable Operations\nOperation: Variable[12] = Sprite (Hero): Screen-Relative Y\n\nVariable[12] before = 7"},
    {"unknown sprite", kVariableOp, {0, 12, 0, 0, 6, 10006, 6}, "Variable Operations\nOperation: Variable[12] = Sprite (Error): Error\n\nVariable[12] before = 7"},
    {"event 10000", kVariableOp, {0, 12, 0, 0, 6, 10000, 0}, "Variable Operations\nOperation: Variable[12] = Event 10000: Map ID\n\nVariable[12] before = 7"},
    {"negative event", kVariableOp, {0, 12, 0, 0, 6, -2, 3}, "Variable Operations\nOperation: Variable[12] = Event -2: Facing\n\nVariable[12] before = 7"},
    {"game-wide quantity", kVariableOp, {0, 12, 0, 0, 7, 9}, "Variable Operations\nOperation: Variable[12] = MIDI Ticks\n\nVariable[12] before = 7"},
    {"unknown quantity", kVariableOp, {0, 12, 0, 0, 7, 10}, "Variable Operations\nOperation: Variable[12] = Error\n\nVariable[12] before = 7"},

    // Arithmetic: 32-bit wraparound, and the engine's results where the processor would trap.
    {"sum wraps", kVariableOp, {0, 40, 0, 1, 0, 1}, "Variable Operations\nOperation: Variable[40] + 1\n\nVariable[40] + 1\n2147483647 + 1 = -2147483648"},
    {"difference wraps", kVariableOp, {0, 42, 0, 2, 0, 1}, "Variable Operations\nOperation: Variable[42] - 1\n\nVariable[42] - 1\n-2147483648 - 1 = 2147483647"},
    {"product wraps", kVariableOp, {0, 43, 0, 3, 1, 43}, "Variable Operations\nOperation: Variable[43] * Variable[43]\n\nVariable[43] * Variable[43]\n65536 * 65536 = 0"},
    {"quotient truncates", kVariableOp, {0, 41, 0, 4, 0, 2}, "Variable Operations\nOperation: Variable[41] / 2\n\nVariable[41] / 2\n-7 / 2 = -3"},
    {"remainder takes the sign", kVariableOp, {0, 41, 0, 5, 0, 2}, "Variable Operations\nOperation: Variable[41] mod 2\n\nVariable[41] mod 2\n-7 mod 2 = -1"},
    {"divide by 0 leaves the value", kVariableOp, {0, 12, 0, 4, 0, 0}, "Variable Operations\nOperation: Variable[12] / 0\n\nVariable[12] / 0\n7 / 0 = 7"},
    {"remainder by 0 is 0", kVariableOp, {0, 12, 0, 5, 1, 99}, "Variable Operations\nOperation: Variable[12] mod Variable[99]\n\nVariable[12] mod Variable[99]\n7 mod 0 = 0"},
    {"min divided by -1", kVariableOp, {0, 42, 0, 4, 0, -1}, "Variable Operations\nOperation: Variable[42] / -1\n\nVariable[42] / -1\n-2147483648 / -1 = -2147483648"},
    {"min remainder -1", kVariableOp, {0, 42, 0, 5, 0, -1}, "Variable Operations\nOperation: Variable[42] mod -1\n\nVariable[42] mod -1\n-2147483648 mod -1 = 0"},
};

TEST_F(TraceTest, EachCommandGivesExactlyItsBox) {
  for (const TraceCase& c : kCases) {
    std::vector<int32_t> parameters = c.parameters;
    EXPECT_TRUE(command(c.code, std::move(parameters), -1, 0, 0));
    EXPECT_EQ(takeBoxes(), (std::vector<Box>{{"Vesk EventScript Debugger", kHeader + c.body, kInfo}})) << c.what;
  }
}

TEST_F(TraceTest, TheHeaderNamesTheEventAsPassed) {
  const struct {
    int32_t eventId, pageId, lineId;
    std::string header;
  } cases[] = {
      {5, 2, 13, "EventID: 5\nEventName: Door\nEventPage: 2\nEventLine: 14\n\n"},
      {6, 1, 4, "EventID: 6\nEventName: \nEventPage: 1\nEventLine: 5\n\n"},  // a map event without a name
      {-3, 9, 0, "Common EventID: 3\nEventLine: 1\n\n"},
      {0, 9, 0, "Common EventID: 0\nEventLine: 1\n\n"},
      {-7, 0, -1, "Common EventID: 7\nEventLine: 0\n\n"},
      {kMin, 0, kMax, "Common EventID: 2147483648\nEventLine: 2147483648\n\n"},  // no overflow on either
  };
  for (const auto& c : cases) {
    command(kSwitchOp, {0, 12, 0, 0}, c.eventId, c.pageId, c.lineId);
    EXPECT_EQ(takeBoxes(), (std::vector<Box>{{"Vesk EventScript Debugger",
                                              c.header + "Command: Switch Operations\nOperation: Set Switch[12] ON \n\n"
                                                         "Switch[12] before operation = OFF",
                                              kInfo}}))
        << c.eventId << "/" << c.pageId << "/" << c.lineId;
  }
  // The event reference 10005 is the eventId exactly as passed: a map event's, 0, negative.
  for (int32_t eventId : {5, 0, -9}) {
    command(kVariableOp, {0, 12, 0, 0, 6, 10005, 0}, eventId, 1, 0);
    auto shown = takeBoxes();
    ASSERT_EQ(shown.size(), 1u);
    const std::string line = "Operation: Variable[12] = Event " + std::to_string(eventId) + ": Map ID\n";
    EXPECT_NE(shown[0].text.find(line), std::string::npos) << shown[0];
  }
}

TEST_F(TraceTest, OtherCodesAndDebuggingOffShowNothingAndReadNothing) {
  const int32_t switchesBefore = game.switches.length(), variablesBefore = game.variables.length();
  for (int32_t code : {0, 10209, 10211, 10219, 10221, -10210, 10310}) {
    EXPECT_TRUE(command(code, {0, 500, 0, 0, 1, 600}));
  }
  comment("deactivate_script_debugging");
  EXPECT_TRUE(command(kSwitchOp, {0, 500, 0, 0}, 5));
  EXPECT_TRUE(command(kVariableOp, {0, 500, 0, 0, 1, 600}, 5));
  EXPECT_TRUE(takeBoxes().empty());
  EXPECT_EQ(game.switches.length(), switchesBefore);
  EXPECT_EQ(game.variables.length(), variablesBefore);
}

TEST_F(TraceTest, TheTraceShowsTheStateBeforeTheCommandAndOneBoxPerCommand) {
  command(kSwitchOp, {0, 12, 0, 0});
  game.switches.write(12, 1);  // the engine ran the command
  command(kSwitchOp, {0, 12, 0, 1});
  auto shown = takeBoxes();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_NE(shown[0].text.find("Switch[12] before operation = OFF"), std::string::npos);
  EXPECT_NE(shown[1].text.find("Switch[12] before operation = ON"), std::string::npos);
}

}  // namespace
}  // namespace vesk::testing
