// The six name tables.
#include "trace/names.h"

#include <array>

namespace vesk {

namespace {
constexpr std::string_view kError = "Error";

template <std::size_t N>
std::string_view lookup(const std::array<std::string_view, N>& table, int32_t first, int32_t code) {
  // Subtract in 64 bits: code - first must not overflow for any code.
  int64_t index = static_cast<int64_t>(code) - first;
  if (index < 0 || index >= static_cast<int64_t>(N)) return kError;
  return table[static_cast<std::size_t>(index)];
}

constexpr std::array<std::string_view, 10> kOtherOperands = {
    "Money",           "Timer 1 Seconds",   "Timer 2 Seconds",     "Size of Party",     "Number of Saves",
    "Number of Battles", "Number of Victories", "Number of Defeats", "Number of Escapes", "MIDI Ticks"};
constexpr std::array<std::string_view, 6> kEventAttributes = {
    "Map ID", "X Coordinate", "Y Coordinate", "Facing", "Screen-Relative X", "Screen-Relative Y"};
constexpr std::array<std::string_view, 4> kSprites = {"Hero", "Skiff", "Ship", "Airship"};
constexpr std::array<std::string_view, 15> kHeroAttributes = {
    "Level",   "Experience", "HP",        "MP",        "Maximum HP",  "Maximum MP",   "Attack",       "Defense",
    "Intelligence", "Agility", "Weapon ID", "Shield ID", "Armor ID", "Helmet ID", "Accessory ID"};
constexpr std::array<std::string_view, 6> kOperators = {" = ", " + ", " - ", " * ", " / ", " mod "};
constexpr std::array<std::string_view, 3> kSwitchOperations = {"ON ", "OFF ", "ON/OFF "};
}  // namespace

std::string_view otherOperandName(int32_t code) { return lookup(kOtherOperands, 0, code); }
std::string_view eventAttributeName(int32_t code) { return lookup(kEventAttributes, 0, code); }
std::string_view spriteName(int32_t code) { return lookup(kSprites, 10001, code); }
std::string_view heroAttributeName(int32_t code) { return lookup(kHeroAttributes, 0, code); }
std::string_view operatorName(int32_t code) { return lookup(kOperators, 0, code); }
std::string_view switchOperationName(int32_t code) { return lookup(kSwitchOperations, 0, code); }

}  // namespace vesk
