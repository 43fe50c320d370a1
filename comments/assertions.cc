// Switch and variable assertions.
#include "comments/assertions.h"

#include <string>

#include "shell/report.h"

namespace vesk {

namespace {
void showFailure(const char* caption, const CommentParameter& messageSlot) {
  showBox(caption, std::string(textValue(messageSlot)), BoxIcon::kError);
}
}  // namespace

void assertSwitch(const CommentParameter (&slots)[3], HostGame& game) {
  // Byte 1 tells "ON" from "OFF" in either case; the slot is 200 bytes, so it always exists.
  const char second = slots[1].textValue[1];
  const bool expectOn = second == 'N' || second == 'n';
  if (game.switchState(idFromNumber(slots[0].numberValue)) == expectOn) return;
  showFailure("Switch Assertion Failure", slots[2]);
}

void assertVariable(const CommentParameter (&slots)[3], HostGame& game) {
  const double actual = game.variableValue(idFromNumber(slots[0].numberValue));  // exact for every int32
  if (actual == slots[1].numberValue) return;
  showFailure("Variable Assertion Failure", slots[2]);
}

}  // namespace vesk
