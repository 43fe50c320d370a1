// Switch and variable assertions through onComment.
#include <cmath>
#include <cstring>
#include <limits>

#include "shell/exports.h"
#include "tests/plugin_fixture.h"

namespace vesk::testing {
namespace {

class AssertTest : public PluginTest {
 protected:
  AssertTest() {
    game.switches.write(3, 1);
    game.variables.write(7, 7);
    game.variables.write(8, std::numeric_limits<int32_t>::min());
  }
};

struct AssertCase {
  const char* what;
  const char* keyword;
  CommentArgument id, expected;
  bool fails;
};

const AssertCase kCases[] = {
    {"ON switch asserted ON", "assert_switch", number(3), text("ON"), false},
    {"ON switch asserted on", "assert_switch", number(3), text("on"), false},
    {"ON switch asserted oN", "assert_switch", number(3), text("oN"), false},
    {"second letter n in another word", "assert_switch", number(3), text("xn"), false},
    {"ON switch asserted OFF", "assert_switch", number(3), text("OFF"), true},
    {"ON switch asserted by one character N", "assert_switch", number(3), text("N"), true},
    {"ON switch asserted with an empty text", "assert_switch", number(3), text(""), true},
    {"ON switch, second letter not n", "assert_switch", number(3), text("OX"), true},
    {"switch 3.9 is switch 3", "assert_switch", number(3.9), text("ON"), false},
    {"switch 0 reads OFF", "assert_switch", number(0), text("off"), false},
    {"switch 0 is never ON", "assert_switch", number(0), text("ON"), true},
    {"negative switch is never ON", "assert_switch", number(-3), text("On"), true},
    {"unknown switch reads OFF", "assert_switch", number(900), text("OFF"), false},
    {"7 equals 7", "assert_variable", number(7), number(7), false},
    {"7 equals 7.0 from 7.9", "assert_variable", number(7.9), number(7.0), false},
    {"7 is not 7.5", "assert_variable", number(7), number(7.5), true},
    {"7 is not 6", "assert_variable", number(7), number(6), true},
    {"NaN equals nothing", "assert_variable", number(7), number(std::nan("")), true},
    {"0 equals -0.0", "assert_variable", number(1), number(-0.0), false},
    {"ID 0 reads 0", "assert_variable", number(0), number(0), false},
    {"negative ID reads 0", "assert_variable", number(-1), number(0), false},
    {"minimum value", "assert_variable", number(8), number(-2147483648.0), false},
    {"NaN ID reads variable INT32_MIN, i.e. 0", "assert_variable", number(std::nan("")), number(0), false},
};

TEST_F(AssertTest, FailuresShowTheMessageAloneAndEveryAssertionIsHandled) {
  for (const AssertCase& c : kCases) {
    EXPECT_FALSE(comment(c.keyword, {c.id, c.expected, text("the message")})) << c.what;
    std::vector<Box> expected;
    if (c.fails) {
      const char* caption = std::string(c.keyword) == "assert_switch" ? "Switch Assertion Failure"
                                                                       : "Variable Assertion Failure";
      expected.push_back(Box{caption, "the message", kError});
    }
    EXPECT_EQ(takeBoxes(), expected) << c.what;
  }
}

TEST_F(AssertTest, TheMessageIsShownByteForByteAndEachTimeTheCommentRuns) {
  const std::string message = "Door \xe9 locked?\nsecond line";
  comment("assert_variable", {number(7), number(1), text(message)});
  comment("assert_variable", {number(7), number(1), text(message)});
  comment("assert_switch", {number(3), text("OFF")});  // no third parameter: an empty message
  EXPECT_EQ(takeBoxes(), (std::vector<Box>{{"Variable Assertion Failure", message, kError},
                                            {"Variable Assertion Failure", message, kError},
                                            {"Switch Assertion Failure", "", kError}}));
}

TEST_F(AssertTest, AMessageWithoutTerminatorStopsAtItsSlot) {
  CommentRecord record = makeCommentRecord("assert_switch", {number(3), text("OFF")});
  std::memset(record.parameterSlots[2].textValue, 'm', sizeof record.parameterSlots[2].textValue);
  EXPECT_FALSE(onComment("", &record, nullptr, nullptr, 1, 1, 0, nullptr));
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, std::string(200, 'm'));
}

TEST_F(AssertTest, AssertionsNeverChangeTheGameBeyondGrowingIt) {
  comment("assert_switch", {number(40), text("OFF")});
  comment("assert_variable", {number(50), number(0)});
  EXPECT_EQ(game.switches.length(), 40);
  EXPECT_EQ(game.variables.length(), 50);
  EXPECT_TRUE(game.switchState(3));
  EXPECT_EQ(game.variableValue(7), 7);
  EXPECT_TRUE(takeBoxes().empty());
}

}  // namespace
}  // namespace vesk::testing
