// The fixed name tables that spell out the codes of switch and variable operations. Every code
// a table does not hold, negative ones included, gives "Error".
#pragma once

#include <cstdint>
#include <string_view>

namespace vesk {

std::string_view otherOperandName(int32_t code);    // 0..9: money, timers, counters
std::string_view eventAttributeName(int32_t code);  // 0..5
std::string_view spriteName(int32_t code);          // 10001..10004
std::string_view heroAttributeName(int32_t code);   // 0..14
std::string_view operatorName(int32_t code);        // 0..5, " = " .. " mod "
std::string_view switchOperationName(int32_t code); // 0..2, "ON " .. "ON/OFF "

}  // namespace vesk
