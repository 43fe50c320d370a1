// The event command codes that the trace describes.
#pragma once

#include <cstdint>

namespace vesk {

inline constexpr int32_t kSwitchOperationCode = 10210;
inline constexpr int32_t kVariableOperationCode = 10220;

inline bool isTracedCode(int32_t code) { return code == kSwitchOperationCode || code == kVariableOperationCode; }

}  // namespace vesk
