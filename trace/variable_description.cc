// The trace text of a variable operation command.
#include "trace/arithmetic.h"
#include "trace/descriptions.h"
#include "trace/names.h"

namespace vesk {

namespace {

constexpr int32_t kCurrentEventReference = 10005;

enum OperandKind : int32_t {
  kConstant = 0,
  kVariable = 1,
  kVariablePointer = 2,
  kRandom = 3,
  kItem = 4,
  kHero = 5,
  kEventAttribute = 6,
  kOther = 7,
};

void writeOperand(const ScriptLineRecord& line, int32_t eventId, HostGame& game, Report& out) {
  const int32_t p5 = parameterAt(line, 5);
  const int32_t p6 = parameterAt(line, 6);
  switch (parameterAt(line, 4)) {
    case kConstant: out << p5; break;
    case kVariable: out << "Variable[" << p5 << "]"; break;
    case kVariablePointer: out << "Variable[ Variable[ " << p5 << "] ]"; break;
    case kRandom: out << "Random(" << p5 << " - " << p6 << ")"; break;
    case kItem: out << "Item (" << game.itemName(p5) << "): Item " << (p6 == 0 ? "Held" : "Equipped"); break;
    case kHero: out << "Hero (" << game.heroName(p5) << ") " << heroAttributeName(p6); break;
    case kEventAttribute:
      if (p5 == kCurrentEventReference) {
        out << "Event " << eventId << ": ";
      } else if (p5 > 10000) {
        out << "Sprite (" << spriteName(p5) << "): ";
      } else {
        out << "Event " << p5 << ": ";
      }
      out << eventAttributeName(p6);
      break;
    case kOther: out << otherOperandName(p5); break;
    default: break;
  }
}

}  // namespace

void describeVariableOperation(const ScriptLineRecord& line, int32_t eventId, HostGame& game, Report& out) {
  constexpr char nl = Report::kLineEnd;
  const int32_t targetKind = parameterAt(line, 0);
  const int32_t p1 = parameterAt(line, 1);
  const int32_t operation = parameterAt(line, 3);
  const int32_t operandKind = parameterAt(line, 4);
  const std::string_view operatorText = operatorName(operation);

  out << "Variable Operations" << nl << "Operation: Variable[";
  switch (targetKind) {
    case 0: out << p1 << "]"; break;
    case 1: out << p1 << " - " << parameterAt(line, 2) << "]"; break;
    case 2: out << " Varible[" << p1 << "] ]"; break;
    default: break;
  }
  out << operatorText;
  writeOperand(line, eventId, game, out);
  out << nl << nl;

  // The game is read in this order: the target pointer, the operand pointer, the operand, the
  // target. Each read may grow the game's lists, so the order is kept stable.
  const int32_t targetId = targetKind == 2 ? game.variableValue(p1) : p1;
  if (operandKind > kVariablePointer) {
    out << "Variable[" << targetId << "] before = " << game.variableValue(targetId);
    return;
  }
  const int32_t p5 = parameterAt(line, 5);
  const int32_t reference = operandKind == kVariable ? p5 : operandKind == kVariablePointer ? game.variableValue(p5) : 0;
  const int32_t constant = operandKind == kConstant ? p5 : 0;
  const int32_t operand = reference != 0 ? game.variableValue(reference) : constant;
  const int32_t before = game.variableValue(targetId);

  out << "Variable[" << targetId << "]";
  if (operation == static_cast<int32_t>(VariableOperation::kSet)) {
    out << " = " << operand;
    return;
  }
  out << operatorText;
  if (reference != 0) {
    out << "Variable[" << reference << "]";
  } else {
    out << constant;
  }
  out << nl << before << operatorText << operand << " = ";
  if (auto result = applyOperation(operation, before, operand)) out << *result;
}

}  // namespace vesk
