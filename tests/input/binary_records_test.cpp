// The binary cut: each field read by its type from the record's own bytes.
#include <gtest/gtest.h>

#include <string>

#include "input/binary_cut.h"

namespace vt {
namespace {

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

  // Issue 18: no type bit reads as text, and a text field carries the file's bytes.
  in.BinaryRecordCopy = "\xE9\x80\x01\x7F" + in.BinaryRecordCopy.substr(4);
  in.BinaryTypeBits(1) = 0;
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

// A loaded record length of 2^31 - 1 put the last field's end two gigabytes past a 4-byte record,
// and each cut made that many zeros. The readings are those of the whole run of zeros.
TEST_F(BinaryCutTest, FieldEndingFarPastTheRecordReadsAsItsZerosWould) {
  in.BinaryRecordLength = 0x7FFFFFFF;
  in.BinaryRecordCopy = "\x12\x34\x56\x78";
  in.DividerMatrix[0][1] = 2;
  std::string scratch;
  EXPECT_LE(BinaryFieldBytes(in, BinaryFieldBounds(in, 2, 2), scratch).size(),
            InputTables::kValueLimit + 1);
  in.BinaryTypeBits(2) = kBinaryPacked;
  ASSERT_EQ(CutBinaryFields(in, {}), 2);
  EXPECT_EQ(in.InputFieldNames[2], "Col3_End");
  EXPECT_EQ(in.InputFieldValues[2], " 5678" + std::string(InputTables::kValueLimit - 5, '0'));
  in.BinaryTypeBits(2) = kBinaryZoned;
  (void)CutBinaryFields(in, {});
  EXPECT_EQ(in.InputFieldValues[2], "") << "a zero is no zoned digit";
  in.BinaryTypeBits(2) = kBinarySigned;
  (void)CutBinaryFields(in, {});
  EXPECT_EQ(in.InputFieldValues[2], "") << "no integer is that wide";
  in.BinaryTypeBits(2) = kBinaryText;
  in.BinaryRecordCopy = "\x12\x34VW";
  (void)CutBinaryFields(in, {});
  EXPECT_EQ(in.InputFieldValues[2], "VW");
}

}  // namespace
}  // namespace vt
