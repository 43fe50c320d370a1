// The stand-in game's growth rule, and the host table that carries a game across the boundary
// between a host process and the plugin it loaded.
#include <gtest/gtest.h>

#include <limits>

#include "host/host_table.h"
#include "host/stand_in_game.h"

namespace vesk {
namespace {

TEST(StandInGame, ReadsBelowOneTouchNothingAndReadsPastTheEndGrowTheList) {
  StandInGame game;
  game.switches.write(3, 1);
  game.variables.write(4, -9);
  EXPECT_EQ(game.switches.length(), 3);

  EXPECT_FALSE(game.switchState(0));
  EXPECT_EQ(game.variableValue(-5), 0);
  EXPECT_EQ(game.variableValue(std::numeric_limits<int32_t>::min()), 0);
  EXPECT_EQ(game.switches.length(), 3);
  EXPECT_EQ(game.variables.length(), 4);

  EXPECT_TRUE(game.switchState(3));
  EXPECT_EQ(game.variableValue(4), -9);
  EXPECT_FALSE(game.switchState(10));
  EXPECT_EQ(game.switches.length(), 10);
  EXPECT_EQ(game.variableValue(7), 0);
  EXPECT_EQ(game.variables.length(), 7);
  EXPECT_EQ(game.variableValue(5), 0);  // a read inside the list does not shrink or grow it
  EXPECT_EQ(game.variables.length(), 7);
  EXPECT_EQ(game.variableValue(4), -9);  // growth never writes an existing value
}

TEST(StandInGame, TheLargestIdIsReadAndWrittenWithoutStorageInProportion) {
  StandInGame game;
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  EXPECT_EQ(game.variableValue(kMax), 0);
  EXPECT_EQ(game.variables.length(), kMax);
  game.variables.write(kMax, 42);
  game.variables.write(kMax - 1, -1);
  EXPECT_EQ(game.variableValue(kMax), 42);
  EXPECT_EQ(game.variableValue(kMax - 1), -1);
  EXPECT_EQ(game.variableValue(70000), 0);
  game.switches.write(kMax, 1);
  EXPECT_TRUE(game.switchState(kMax));
  EXPECT_EQ(game.variableValue(kMax), 42);
}

TEST(StandInGame, NamesThatDoNotExistAreEmpty) {
  StandInGame game;
  game.mapEvents[5] = "Door";
  game.items[2] = std::string("Po\xe9tion", 7);
  EXPECT_EQ(game.mapEventName(5), "Door");
  EXPECT_EQ(game.mapEventName(6), "");
  EXPECT_EQ(game.itemName(2), std::string("Po\xe9tion", 7));
  EXPECT_EQ(game.heroName(-1), "");
}

TEST(HostTable, CarriesEveryReadAndTheBoxAcrossUnchanged) {
  StandInGame game;
  game.switches.write(2, 1);
  game.variables.write(3, -7);
  game.heroes[1] = "Alex";
  game.items[4] = std::string("a\0b", 3);  // names are bytes with a length, not C strings
  std::string shown;
  auto present = [](void* context, const char* caption, const char* text, uint32_t style) {
    *static_cast<std::string*>(context) = std::string(caption) + "|" + text + "|" + std::to_string(style);
  };
  HostTableContext context{&game, present, &shown};
  VeskHostTable table{};
  fillHostTable(table, context);

  TableGame seen(table);
  EXPECT_TRUE(seen.switchState(2));
  EXPECT_FALSE(seen.switchState(9));
  EXPECT_EQ(game.switches.length(), 9);  // growth happens in the host's game
  EXPECT_EQ(seen.variableValue(3), -7);
  EXPECT_EQ(seen.heroName(1), "Alex");
  EXPECT_EQ(seen.itemName(4), std::string("a\0b", 3));
  EXPECT_EQ(seen.mapEventName(1), "");
  table.showBox(table.context, "C", "T", 0x40);
  EXPECT_EQ(shown, "C|T|64");
}

TEST(NoGame, ReadsEverySwitchOffEveryVariableZeroAndEveryNameEmpty) {
  setHostGame(nullptr);  // what a plugin sees when its host offers no game
  HostGame& game = hostGame();
  for (int32_t id : {1, 7, 2147483647}) {
    EXPECT_FALSE(game.switchState(id));
    EXPECT_EQ(game.variableValue(id), 0);
    EXPECT_EQ(game.mapEventName(id), "");
    EXPECT_EQ(game.itemName(id), "");
    EXPECT_EQ(game.heroName(id), "");
  }
}

TEST(HostTable, MissingFunctionsReadAsAGameWithNothing) {
  VeskHostTable empty{};
  empty.structSize = sizeof empty;
  TableGame seen(empty);
  EXPECT_FALSE(seen.switchState(1));
  EXPECT_EQ(seen.variableValue(1), 0);
  EXPECT_EQ(seen.mapEventName(1), "");
  EXPECT_EQ(seen.itemName(1), "");
  EXPECT_EQ(seen.heroName(1), "");
}

}  // namespace
}  // namespace vesk
