// The records at the boundary: linkVersion, parameterAt, the number-to-ID conversion and the
// bounded reads of the engine's texts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "host/record_builder.h"
#include "shell/exports.h"
#include "shell/records.h"

namespace vesk {
namespace {

TEST(LinkVersion, ReadsTwoAsOneByteAndAsLittleEndianInt) {
  unsigned char bytes[4];
  std::memcpy(bytes, &linkVersion, 4);
  EXPECT_EQ(bytes[0], 2);
  EXPECT_EQ(bytes[1], 0);
  EXPECT_EQ(bytes[2], 0);
  EXPECT_EQ(bytes[3], 0);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(&linkVersion) % 4, 0u);
}

TEST(ParameterAt, GivesZeroOutsideTheList) {
  EventCommand three(10220, {7, 8, 9});
  EXPECT_EQ(parameterAt(three.record(), 0), 7);
  EXPECT_EQ(parameterAt(three.record(), 2), 9);
  EXPECT_EQ(parameterAt(three.record(), -1), 0);
  EXPECT_EQ(parameterAt(three.record(), 3), 0);
  EXPECT_EQ(parameterAt(three.record(), std::numeric_limits<int32_t>::min()), 0);

  EventCommand none(10220, {});
  EXPECT_EQ(parameterAt(none.record(), 0), 0);

  int32_t values[] = {5, 6};
  ScriptLineRecord negative{};
  negative.parameterCount = -2;
  negative.parameterValues = values;
  EXPECT_EQ(parameterAt(negative, 0), 0);
  EXPECT_EQ(parameterAt(negative, -1), 0);

  ScriptLineRecord nullList{};
  nullList.parameterCount = 4;  // a count with no list behind it must not be followed
  EXPECT_EQ(parameterAt(nullList, 1), 0);
}

TEST(IdFromNumber, TruncatesTowardZeroAndMapsTheUnrepresentableToMin) {
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  const struct {
    double number;
    int32_t id;
  } cases[] = {
      {3.9, 3},
      {2.99, 2},
      {-1.7, -1},
      {-2.99, -2},
      {-0.5, 0},
      {-0.0, 0},
      {2147483647.0, 2147483647},
      {2147483647.9, 2147483647},
      {-2147483648.0, kMin},
      {-2147483648.9, kMin},  // truncates to -2147483648, still in range
      {2147483648.0, kMin},
      {-2147483649.0, kMin},
      {4294967296.0, kMin},
      {1e300, kMin},
      {std::numeric_limits<double>::infinity(), kMin},
      {-std::numeric_limits<double>::infinity(), kMin},
      {std::nan(""), kMin},
  };
  for (const auto& c : cases) EXPECT_EQ(idFromNumber(c.number), c.id) << "number " << c.number;
}

TEST(BoundedReads, StopAtTheFieldEndWhenTheEngineLeftNoTerminator) {
  CommentRecord record;
  std::memset(&record, 'x', sizeof record);  // no NUL anywhere: name runs into the slots
  EXPECT_EQ(commandName(record).size(), 208u);
  EXPECT_EQ(textValue(record.parameterSlots[0]).size(), 200u);

  record.commandName[5] = '\0';
  record.parameterSlots[1].textValue[0] = '\0';
  EXPECT_EQ(commandName(record), "xxxxx");
  EXPECT_EQ(textValue(record.parameterSlots[1]), "");
}

TEST(RecordBuilder, LaysOutNameAndSlotsAndRejectsWhatDoesNotFit) {
  CommentRecord record = makeCommentRecord("assert_switch", {{"12", 12.0}, {"ON", 0.0}});
  const auto* bytes = reinterpret_cast<const unsigned char*>(&record);
  EXPECT_EQ(std::memcmp(bytes, "assert_switch", 14), 0);
  double number;
  std::memcpy(&number, bytes + 208 + 8, sizeof number);
  EXPECT_EQ(number, 12.0);
  EXPECT_EQ(std::memcmp(bytes + 208 + 216 + 16, "ON", 3), 0);
  EXPECT_EQ(bytes[208 + 2 * 216 + 16], 0);  // slots past the last argument are zero

  EXPECT_NO_THROW(makeCommentRecord(std::string(207, 'n')));
  EXPECT_THROW(makeCommentRecord(std::string(208, 'n')), std::length_error);
  EXPECT_NO_THROW(makeCommentRecord("a", {{std::string(199, 't'), 0}}));
  EXPECT_THROW(makeCommentRecord("a", {{std::string(200, 't'), 0}}), std::length_error);
}

}  // namespace
}  // namespace vesk
