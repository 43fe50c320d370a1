// Signed 32-bit arithmetic as the engine's processor does it, without undefined behaviour:
// sums, differences and products wrap to the low 32 bits; division never traps.
#pragma once

#include <cstdint>
#include <optional>

namespace vesk {

enum class VariableOperation : int32_t { kSet = 0, kAdd = 1, kSubtract = 2, kMultiply = 3, kDivide = 4, kRemainder = 5 };

inline int32_t wrapToInt32(int64_t value) {
  // Conversion of an out-of-range value to a signed type is implementation-defined before
  // C++20; going through uint32_t makes the wrap explicit.
  uint32_t low = static_cast<uint32_t>(static_cast<uint64_t>(value));
  return low <= 0x7fffffffu ? static_cast<int32_t>(low) : static_cast<int32_t>(static_cast<int64_t>(low) - 0x100000000LL);
}

// The value that operation `code` leaves in a variable holding `before` with operand `operand`,
// or nothing for a code outside 0..5. What the engine does where the processor would trap:
// divide by 0 leaves the variable as it was, remainder by 0 gives 0, INT32_MIN / -1 gives
// INT32_MIN and its remainder 0.
inline std::optional<int32_t> applyOperation(int32_t code, int32_t before, int32_t operand) {
  const int64_t a = before, b = operand;
  switch (static_cast<VariableOperation>(code)) {
    case VariableOperation::kSet: return operand;
    case VariableOperation::kAdd: return wrapToInt32(a + b);
    case VariableOperation::kSubtract: return wrapToInt32(a - b);
    case VariableOperation::kMultiply: return wrapToInt32(a * b);
    case VariableOperation::kDivide: return b == 0 ? before : wrapToInt32(a / b);
    case VariableOperation::kRemainder: return b == 0 ? 0 : wrapToInt32(a % b);
  }
  return std::nullopt;
}

}  // namespace vesk
