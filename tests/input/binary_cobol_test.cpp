// Binary records written by an independent generator: GnuCOBOL's cobc compiles
// cobol/write_records.cob, which writes records of text, COMP-3, zoned, COMP and COMP-5 fields
// and, beside them, the same values as COBOL displays them. The binary reader's readings of
// every field must agree. Skipped where cobc is not installed (Debian package gnucobol).
#include <gtest/gtest.h>
#include <unistd.h>

#include <bit>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "input/readers/binary_reader.h"

namespace vt {
namespace {

namespace fs = std::filesystem;

bool CobcInstalled() {
  return std::system("command -v cobc >/dev/null 2>&1") == 0;
}

// A number as sign and digits, whatever leading zeros, blanks or "+" a side writes.
std::string Canonical(std::string text) {
  while (!text.empty() && text.front() == ' ') text.erase(0, 1);
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.erase(0, 1);
  }
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  while (text.size() > 1 && text[0] == '0' && text[1] != '.') text.erase(0, 1);
  if (text.empty()) text = "0";
  return (negative && text != "0" ? "-" : "") + text;
}

std::vector<std::string> Split(const std::string& line) {
  std::vector<std::string> parts;
  std::istringstream in(line);
  for (std::string part; std::getline(in, part, ';');) parts.push_back(part);
  return parts;
}

// The record layout of write_records.cob: the last column of each field, its reading, and
// whether its bytes are in the host's order (COMP-5, COMP-1, COMP-2) rather than big-endian.
struct Column {
  int end;
  std::int16_t type;
  bool host_order;
};
constexpr Column kColumns[] = {
    {8, kBinaryText, false},    {12, kBinaryPacked, false}, {15, kBinaryPacked, false},
    {20, kBinaryZoned, false},  {24, kBinaryZoned, false},  {26, kBinarySigned, false},
    {30, kBinarySigned, false}, {38, kBinarySigned, false}, {42, kBinaryUnsigned, false},
    {46, kBinarySigned, true},  {54, kBinarySigned, true},  {58, kBinaryFloat, true},
    {66, kBinaryFloat, true},
};

class BinaryCobolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!CobcInstalled()) GTEST_SKIP() << "cobc (GnuCOBOL) is not installed";
    dir_ = fs::temp_directory_path() / ("vontrask-cobol-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    const std::string source =
        (fs::path(VONTRASK_SOURCE_DIR) / "tests/input/cobol/write_records.cob").string();
    // EBCDIC sign nibbles in the zoned fields, big-endian COMP, 1-2-4-8 byte binaries.
    const std::string command = "cd '" + dir_.string() +
                                "' && cobc -x -fsign=EBCDIC -fbinary-byteorder=big-endian "
                                "-fbinary-size=1-2-4-8 -o write_records '" +
                                source + "' && ./write_records";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
  }
  void TearDown() override {
    if (!dir_.empty()) fs::remove_all(dir_);
  }

  fs::path dir_;
};

TEST_F(BinaryCobolTest, EveryFieldReadsAsCobolWroteIt) {
  std::vector<std::vector<std::string>> expected;
  std::ifstream lines(dir_ / "expected.txt");
  for (std::string line; std::getline(lines, line);) expected.push_back(Split(line));
  ASSERT_EQ(expected.size(), 4u);

  InputTables in;
  in.InputFieldValues.assign(InputTables::kMaxFields + 1, "");
  in.InputFieldNames.assign(InputTables::kMaxFields + 1, "");
  in.BinaryRecordLength = 66;
  for (std::size_t f = 1; f <= std::size(kColumns); ++f) {
    if (f < std::size(kColumns))
      in.DividerMatrix[0][f] = static_cast<std::int16_t>(kColumns[f - 1].end);
    in.BinaryTypeBits(static_cast<int>(f)) = kColumns[f - 1].type;
  }
  ASSERT_TRUE(in.InputDataFile.Open((dir_ / "records.bin").string()));
  // One pass reads the big-endian fields, one the host's; text and decimals read in both.
  for (const bool host_pass : {false, true}) {
    SCOPED_TRACE(host_pass ? "host order" : "big-endian");
    ReaderSetup setup;
    setup.binary.high_byte_first = host_pass ? std::endian::native == std::endian::big : true;
    const auto reader = MakeBinaryReader(setup);
    reader->Rewind(in);
    for (const auto& want : expected) {
      ASSERT_TRUE(reader->Read(in));
      reader->Cut(in);
      ASSERT_EQ(in.InputFieldCounts[0], static_cast<int>(std::size(kColumns)));
      for (std::size_t f = 1; f <= std::size(kColumns); ++f) {
        const Column& column = kColumns[f - 1];
        if (column.host_order != host_pass && column.type != kBinaryText &&
            column.type != kBinaryPacked && column.type != kBinaryZoned) {
          continue;
        }
        const std::string& value = in.InputFieldValues[f];
        SCOPED_TRACE("field " + std::to_string(f) + " of " + want[0]);
        if (column.type == kBinaryText) {
          EXPECT_EQ(value, want[f - 1]);
        } else {
          EXPECT_EQ(Canonical(value), Canonical(want[f - 1])) << value;
        }
      }
    }
    EXPECT_FALSE(reader->Read(in)) << "four records, no more";
  }
}

}  // namespace
}  // namespace vt
