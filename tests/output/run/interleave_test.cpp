// The interleave pass over a finished file: every stream count from 1 to 32, lines and fixed
// records, what stands before and after the records, and the line-break markers.
#include "output/run/interleave.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace vt {
namespace {

namespace fs = std::filesystem;

class InterleaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("vontrask-interleave-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Writes head + records + tail, interleaves it, and returns the new file's bytes.
  std::string Run(const std::string& head, const std::string& records, const std::string& tail,
                  InterleaveLayout layout) {
    const std::string from = (dir_ / "from").string();
    const std::string to = (dir_ / "to").string();
    std::ofstream(from, std::ios::binary) << head << records << tail;
    layout.records_start = static_cast<std::int64_t>(head.size());
    layout.records_end = layout.records_start + static_cast<std::int64_t>(records.size());
    EXPECT_TRUE(InterleaveFile(from, to, layout));
    std::ifstream in(to, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  fs::path dir_;
};

// The order the pass promises: position k holds record (k mod S) x Q + (k div S) + 1.
std::string Expected(int records, int streams, const std::string& (*record)(int)) {
  const int per_stream = (records + streams - 1) / streams;
  std::string out;
  for (int k = 0; k < per_stream * streams; ++k) {
    const int n = (k % streams) * per_stream + k / streams + 1;
    if (n <= records) out += record(n);
  }
  return out;
}

const std::string& Line(int n) {
  static std::string text;
  text = "r" + std::to_string(n) + "\r\n";
  return text;
}

const std::string& Fixed(int n) {
  static std::string text;
  text = " " + std::to_string(1000 + n);  // a flag byte and 4 digits
  return text;
}

TEST_F(InterleaveTest, EveryStreamCountKeepsHeadAndTailAndOrdersTheRecords) {
  for (int streams = 1; streams <= 32; ++streams) {
    for (int records : {0, 1, 9, 10, 12, 64, 100}) {
      SCOPED_TRACE(std::to_string(records) + " records in " + std::to_string(streams));
      std::string lines;
      std::string fixed;
      for (int n = 1; n <= records; ++n) {
        lines += Line(n);
        fixed += Fixed(n);
      }
      InterleaveLayout by_line{.streams = streams, .terminator = "\r\n"};
      EXPECT_EQ(Run("names\r\n", lines, "</T>\r\n", by_line),
                "names\r\n" + Expected(records, streams, Line) + "</T>\r\n");
      InterleaveLayout by_record{.streams = streams, .record_length = 5, .terminator = ""};
      EXPECT_EQ(Run("HEAD\x0D", fixed, "\x1A", by_record),
                "HEAD\x0D" + Expected(records, streams, Fixed) + "\x1A");
    }
  }
}

TEST_F(InterleaveTest, LineBreakMarkersBecomeTheTerminatorAndALastLineMayLackItsEnd) {
  InterleaveLayout merge{.streams = 2, .terminator = "\x12\x05\x0A"};
  EXPECT_EQ(Run("",
                "a\x07"
                "b\x12\x05\x0A"
                "c\x12\x05\x0A"
                "d",
                "", merge),
            "a\x12\x05\x0A"
            "b\x12\x05\x0A"
            "d"
            "c\x12\x05\x0A");
}

TEST_F(InterleaveTest, ALayoutPastTheFileFails) {
  const std::string from = (dir_ / "short").string();
  std::ofstream(from, std::ios::binary) << "abc";
  EXPECT_FALSE(InterleaveFile(from, (dir_ / "out").string(),
                              {.streams = 2, .records_end = 10, .terminator = ""}));
  EXPECT_FALSE(InterleaveFile((dir_ / "missing").string(), (dir_ / "out").string(), {}));
}

}  // namespace
}  // namespace vt
