// Line reader: line ends, long lines in pieces, the end of the input.
#include "input/line_reader.h"

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace vt {
namespace {

std::vector<std::string> ReadAll(const std::string& bytes, std::size_t limit) {
  std::FILE* file = std::tmpfile();
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::rewind(file);
  LineReader reader(file, limit);
  std::vector<std::string> lines;
  std::string line;
  while (reader.ReadLine(line)) lines.push_back(line);
  std::fclose(file);
  return lines;
}

TEST(LineReader, Rows) {
  using Lines = std::vector<std::string>;
  const struct {
    const char* name;
    std::string bytes;
    std::size_t limit;
    Lines lines;
  } rows[] = {
      {"empty file", "", 100, {}},
      {"one line without end", "abc", 100, {"abc"}},
      {"LF", "a\nb\n", 100, {"a", "b"}},
      {"CR LF", "a\r\nb\r\n", 100, {"a", "b"}},
      {"CR at the very end", "a\r", 100, {"a"}},
      {"lone CR inside stays", "a\rb\n", 100, {"a\rb"}},
      {"empty lines count", "\n\nx\n", 100, {"", "", "x"}},
      {"long line in pieces", "abcdefg\nh\n", 3, {"abc", "def", "g", "h"}},
      {"exact limit", "abc\nd", 3, {"abc", "d"}},
      {"NUL and high bytes kept", std::string("a\0\xFF\n", 4), 100, {std::string("a\0\xFF", 3)}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ReadAll(row.bytes, row.limit), row.lines);
  }
}

TEST(LineReader, LinesLongerThanTheBufferAndTheDefaultLimit) {
  const std::string longest(32766, 'x');
  const std::string bytes = longest + "yz\n" + std::string(70000, 'q') + "\n";
  const auto lines = ReadAll(bytes, LineReader::kDefaultLimit);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], longest);
  EXPECT_EQ(lines[1], "yz");
  EXPECT_EQ(lines[2].size(), 32766u);
  EXPECT_EQ(lines[3].size(), 32766u);
  EXPECT_EQ(lines[4].size(), 70000u - 2 * 32766u);
}

}  // namespace
}  // namespace vt
