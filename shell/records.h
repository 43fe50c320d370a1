// The records the engine hands to the callbacks, laid out byte for byte as the engine lays them out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vesk {

// One parsed comment parameter: 216 bytes.
struct CommentParameter {
  unsigned char hostOwned[8];  // the engine's own; never read
  double numberValue;
  char textValue[200];  // NUL-terminated when the engine behaves; read only up to its end
};

// The parsed comment. The engine's record may hold more slots; the plugin reads the first three.
struct CommentRecord {
  char commandName[208];  // NUL-terminated when the engine behaves; read only up to its end
  CommentParameter parameterSlots[3];
};

// The event command about to run.
struct ScriptLineRecord {
  int32_t hostOwned0;
  int32_t commandCode;
  int32_t hostOwned8[2];
  int32_t parameterCount;
  const int32_t* parameterValues;  // 32-bit in the engine; pointer-wide on a 64-bit host
};

static_assert(sizeof(CommentParameter) == 216, "parameter slot is 216 bytes");
static_assert(offsetof(CommentParameter, numberValue) == 8, "numberValue at 8");
static_assert(offsetof(CommentParameter, textValue) == 16, "textValue at 16");
static_assert(offsetof(CommentRecord, parameterSlots) == 208, "slots start at 208");
static_assert(sizeof(CommentRecord) == 208 + 3 * 216, "three slots follow the name");
static_assert(offsetof(ScriptLineRecord, commandCode) == 4, "commandCode at 4");
static_assert(offsetof(ScriptLineRecord, parameterCount) == 16, "parameterCount at 16");
static_assert(offsetof(ScriptLineRecord, parameterValues) == (sizeof(void*) == 4 ? 20 : 24),
              "parameterValues follows the count, naturally aligned");
static_assert(sizeof(void*) != 4 || sizeof(ScriptLineRecord) == 24, "the engine's record is 24 bytes");

// The command name: the bytes up to the first NUL, and never past the 208 bytes of the field.
std::string_view commandName(const CommentRecord& record);

// A slot's text: the bytes up to the first NUL, and never past the slot's 200 bytes.
std::string_view textValue(const CommentParameter& slot);

// The parameter at `index` when 0 <= index < parameterCount, else 0. A null parameter
// list with a positive count also reads 0 rather than faulting.
int32_t parameterAt(const ScriptLineRecord& line, int32_t index);

// A comment number as a switch or variable ID: truncated toward zero; NaN, the infinities and
// every value whose truncation leaves the signed 32-bit range give INT32_MIN.
int32_t idFromNumber(double value);

}  // namespace vesk
