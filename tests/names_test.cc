// The name tables: every entry where it belongs, and "Error" on both sides of each table.
#include <gtest/gtest.h>

#include <limits>

#include "trace/names.h"

namespace vesk {
namespace {

TEST(NameTables, HoldTheirCodesAndGiveErrorJustOutside) {
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min(), kMax = std::numeric_limits<int32_t>::max();
  const struct {
    const char* table;
    std::string_view (*lookup)(int32_t);
    int32_t first, last;
    std::string_view firstText, lastText;
  } tables[] = {
      {"other operands", otherOperandName, 0, 9, "Money", "MIDI Ticks"},
      {"event attributes", eventAttributeName, 0, 5, "Map ID", "Screen-Relative Y"},
      {"sprites", spriteName, 10001, 10004, "Hero", "Airship"},
      {"hero attributes", heroAttributeName, 0, 14, "Level", "Accessory ID"},
      {"operators", operatorName, 0, 5, " = ", " mod "},
      {"switch operations", switchOperationName, 0, 2, "ON ", "ON/OFF "},
  };
  for (const auto& t : tables) {
    EXPECT_EQ(t.lookup(t.first), t.firstText) << t.table;
    EXPECT_EQ(t.lookup(t.last), t.lastText) << t.table;
    for (int32_t outside : {t.first - 1, t.last + 1, -1, kMin, kMax}) {
      EXPECT_EQ(t.lookup(outside), "Error") << t.table << " " << outside;
    }
  }
  EXPECT_EQ(otherOperandName(3), "Size of Party");
  EXPECT_EQ(heroAttributeName(10), "Weapon ID");
  EXPECT_EQ(spriteName(10002), "Skiff");
  EXPECT_EQ(operatorName(2), " - ");
  EXPECT_EQ(switchOperationName(1), "OFF ");
}

}  // namespace
}  // namespace vesk
