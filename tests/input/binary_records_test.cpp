// Binary records: typed sizes, byte view arithmetic, the record list and the cut of a record.
#include <gtest/gtest.h>

#include <string>

#include "input/binary_cut.h"
#include "input/binary_geometry.h"

namespace vt {
namespace {

TEST(BinaryGeometryTest, TypedRecordLength) {
  const struct {
    const char* text;
    std::optional<std::int32_t> length;
  } rows[] = {{"50", 50}, {" 7 ", 7}, {"1", 1},    {"32766", 32766}, {"32767", {}},      {"0", {}},
              {"-5", {}}, {"", {}},   {"abc", {}}, {"12abc", {}},    {"99999999999", {}}};
  for (const auto& row : rows) EXPECT_EQ(ParseBinaryRecordLength(row.text), row.length) << row.text;
}

TEST(BinaryGeometryTest, TypedHeaderSizeIsKeptInRange) {
  const struct {
    const char* text;
    std::int16_t size;
  } rows[] = {{"10", 10},       {" 12x", 12},          {"", 0}, {"abc", 0}, {"-40", 0},
              {"32767", 32767}, {"99999999999", 32767}};
  for (const auto& row : rows) EXPECT_EQ(ParseBinaryHeaderSize(row.text), row.size) << row.text;
}

TEST(BinaryGeometryTest, ByteUnderTheMouse) {
  const struct {
    int x, cell, row, position;
  } rows[] = {{5, 7, 0, 1},   {12, 7, 0, 2}, {5, 7, 2, 101}, {348, 7, 0, 50},
              {355, 7, 0, 0}, {4, 7, 0, 0},  {5, 7, -1, 0},  {5, 0, 0, 0}};
  for (const auto& row : rows) {
    EXPECT_EQ(ByteViewPosition(row.x, row.cell, row.row), row.position) << row.x << " " << row.row;
  }
}

TEST(BinaryGeometryTest, RecordListFromTheStartBlock) {
  std::string block(15000, 'x');
  block[10] = '\0';
  block[11] = '\x90';
  const auto rows = BinaryRecordRows(block, 10, 20);
  ASSERT_EQ(rows.size(), 749u);
  EXPECT_EQ(rows[0].substr(0, 3), ".\x7Fx");
  EXPECT_EQ(rows[0].size(), 20u);
  EXPECT_TRUE(BinaryRecordRows(block, 14990, 20).empty()) << "10 bytes left, no whole record";
  EXPECT_EQ(BinaryRecordRows(block, 0, 50).size(), 300u);
  EXPECT_EQ(BinaryRecordRows(block, -30, 50).size(), 300u) << "a negative header counts as none";
  EXPECT_TRUE(BinaryRecordRows(block, 0, 0).empty());
  EXPECT_TRUE(BinaryRecordRows(block, 20000, 10).empty());
}

class BinaryCutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    in.InputFieldValues.assign(InputTables::kMaxFields + 1, "");
    in.InputFieldNames.assign(InputTables::kMaxFields + 1, "");
  }
  InputTables in;
};

TEST_F(BinaryCutTest, FieldsReadFromTheRecordsOwnBytes) {
  in.BinaryRecordLength = 12;
  in.BinaryRecordCopy = std::string("A\0\xE9z\x12\x3D\x34\x12", 8) + "012L";
  in.InputLine = "display form, not read";
  in.DividerMatrix[0][1] = 4;
  in.DividerMatrix[0][2] = 6;
  in.DividerMatrix[0][3] = 8;
  in.BinaryTypeBits(1) = kBinaryText;
  in.BinaryTypeBits(2) = kBinaryPacked;
  in.BinaryTypeBits(3) = kBinarySigned | kBinaryUnsigned;
  in.BinaryTypeBits(4) = kBinaryZoned;
  ASSERT_EQ(CutBinaryFields(in, {}), 4);
  EXPECT_EQ(in.InputFieldNames[1], "Col1_4");
  EXPECT_EQ(in.InputFieldNames[4], "Col9_End");
  EXPECT_EQ(in.InputFieldValues[1], "A") << "text ends at the NUL";
  EXPECT_EQ(in.InputFieldValues[2], "-123");
  EXPECT_EQ(in.InputFieldValues[3], "4660");
  EXPECT_EQ(in.InputFieldValues[4], "-0123");
  EXPECT_EQ(in.InputFieldCounts[0], 4);

  in.BinaryTypeBits(1) = 0;  // no type bit: text
  in.DividerMatrix[0][1] = 0;
  (void)CutBinaryFields(in, {});
  EXPECT_EQ(in.InputFieldValues[1], "A");
}

TEST_F(BinaryCutTest, HighBytesOfATextFieldStayTheFilesBytes) {
  in.BinaryRecordLength = 4;
  in.BinaryRecordCopy = "\xE9\x80\x01\x7F";
  (void)CutBinaryFields(in, {});
  EXPECT_EQ(in.InputFieldValues[1], "\xE9\x80\x01\x7F");
}

TEST_F(BinaryCutTest, ShortRecordReadsZerosPastItsEnd) {
  in.BinaryRecordLength = 6;
  in.BinaryRecordCopy = "\x12";  // a last record of one byte
  in.DividerMatrix[0][1] = 2;
  in.BinaryTypeBits(1) = kBinaryUnsigned;
  in.BinaryTypeBits(2) = kBinaryUnsigned;
  ASSERT_EQ(CutBinaryFields(in, {.high_byte_first = true}), 2);
  EXPECT_EQ(in.InputFieldValues[1], "4608");
  EXPECT_EQ(in.InputFieldValues[2], "0");
}

TEST_F(BinaryCutTest, LoadedRowsOutsideTheRecordReadNothingAmiss) {
  in.BinaryRecordLength = 8;
  in.BinaryRecordCopy = "ABCDEFGH";
  in.DividerMatrix[0][1] = -3;  // counts as the start
  in.DividerMatrix[0][2] = 20;  // past the record
  ASSERT_EQ(CutBinaryFields(in, {}), 3);
  EXPECT_EQ(in.InputFieldValues[1], "");
  EXPECT_EQ(in.InputFieldValues[2], "ABCDEFGH");
  EXPECT_EQ(in.InputFieldValues[3], "") << "starts after the record's end";
  // 99 dividers make a 100th field, which has no stored type and reads as text.
  for (int k = 1; k <= 99; ++k) in.DividerMatrix[0][static_cast<std::size_t>(k)] = 100 + k;
  in.BinaryRecordLength = 300;
  in.BinaryRecordCopy = std::string(199, '-') + "LAST" + std::string(97, '-');
  ASSERT_EQ(CutBinaryFields(in, {}), 100);
  EXPECT_EQ(in.InputFieldValues[100].substr(0, 4), "LAST");
}

}  // namespace
}  // namespace vt
