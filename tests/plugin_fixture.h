// A test fixture that plays the engine: a stand-in game, a presenter that records every box,
// and calls through the exported callbacks with records laid out as the engine lays them out.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "host/record_builder.h"
#include "host/stand_in_game.h"

namespace vesk::testing {

struct Box {
  std::string caption;
  std::string text;
  uint32_t style;
  bool operator==(const Box& other) const {
    return caption == other.caption && text == other.text && style == other.style;
  }
};
std::ostream& operator<<(std::ostream& out, const Box& box);

inline constexpr uint32_t kInfo = 0x40;
inline constexpr uint32_t kError = 0x10;

class PluginTest : public ::testing::Test {
 public:
  PluginTest();
  ~PluginTest() override;

  // onComment with a record built from the name and arguments; returns its result.
  bool comment(const std::string& name, const std::vector<CommentArgument>& arguments = {});
  // onEventCommand for `code` with `parameters` at the given position; returns its result.
  bool command(int32_t code, std::vector<int32_t> parameters, int32_t eventId = 1, int32_t pageId = 1,
               int32_t lineId = 0);

  // The boxes shown since the last call, in order.
  std::vector<Box> takeBoxes();

  StandInGame game;
  std::vector<Box> boxes;
};

// A number argument as the engine parses one: its text and its value.
CommentArgument number(double value);
// A text argument: its text, and 0 as its number.
CommentArgument text(std::string value);

}  // namespace vesk::testing
