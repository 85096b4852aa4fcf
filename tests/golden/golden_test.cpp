// Golden cases: every folder under tests/golden/writers is converted by every writer and the
// bytes compared with its expected.<format>. GOLDEN_UPDATE=1 rewrites the expected files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "window/conversion_fixture.h"
#include "window/view_fixture.h"

namespace vt {
namespace {

namespace fs = std::filesystem;

struct GoldenCase {
  std::string dir;
  std::string format;
  std::string name;  // letters, digits and underscores
};

// The case's name, so that test names are short and the same in every build.
void PrintTo(const GoldenCase& c, std::ostream* os) {
  *os << c.name;
}

std::string TestName(std::string text) {
  for (char& c : text) {
    const bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (!keep) c = '_';
  }
  return text;
}

std::vector<GoldenCase> WriterCases() {
  std::vector<GoldenCase> cases;
  const fs::path root = fs::path(VONTRASK_SOURCE_DIR) / "tests" / "golden" / "writers";
  std::vector<fs::path> dirs;
  for (const auto& entry : fs::directory_iterator(root)) {
    if (entry.is_directory()) dirs.push_back(entry.path());
  }
  std::sort(dirs.begin(), dirs.end());
  for (const fs::path& dir : dirs) {
    for (const WriterEntry& writer : WriterTable()) {
      cases.push_back({dir.string(), std::string(writer.name),
                       TestName(dir.filename().string() + "_" + std::string(writer.name))});
    }
  }
  return cases;
}

// The byte at `at` and its line, for the failure message.
std::string LineAround(const std::string& bytes, std::size_t at) {
  const std::size_t from = at == 0 ? 0 : bytes.rfind('\n', at - 1);
  const std::size_t start = from == std::string::npos || at == 0 ? 0 : from + 1;
  const std::size_t end = std::min(bytes.find('\n', at), bytes.size());
  std::string shown;
  for (std::size_t i = start; i < end && i < start + 120; ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b >= 32 && b < 127) {
      shown.push_back(static_cast<char>(b));
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", b);
      shown += hex;
    }
  }
  return shown;
}

class GoldenWriters : public testing::ViewTest, public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(GoldenWriters, MatchesExpectedBytes) {
  const GoldenCase& c = GetParam();
  const testing::Setup setup = testing::ParseSetup(testing::ReadBytes(c.dir + "/setup"));
  const std::optional<WriterEntry> writer = FindWriter(c.format);
  ASSERT_TRUE(writer.has_value()) << c.format;
  ASSERT_TRUE(std::find(setup.formats.begin(), setup.formats.end(), c.format) !=
              setup.formats.end())
      << c.dir << "/setup does not list " << c.format;

  TParseView& view = OpenInput("input.csv", testing::ReadBytes(c.dir + "/input.csv"));
  testing::GoToSheet(view, view.OutputConfiguration);
  testing::TypeAndEnter(view.OutputSpecialDelimiterEditBox, setup.special);
  if (setup.names) testing::Click(view.OutputFieldNames);
  // The writer's subject is the bytes of a given table, so the table is written directly.
  testing::ApplyFields(view, setup.fields);
  testing::Click(testing::FormatButton(view, writer->format));
  const std::string actual = testing::RunInto(view, fakes.dialogs, Path("out." + c.format));
  EXPECT_TRUE(fakes.messages.shown.empty()) << fakes.messages.shown.front().text;

  const std::string expected_path = c.dir + "/expected." + c.format;
  const char* update = std::getenv("GOLDEN_UPDATE");
  if (update != nullptr && std::string(update) == "1") {
    std::ofstream(expected_path, std::ios::binary) << actual;
    return;
  }
  ASSERT_TRUE(fs::exists(expected_path)) << "missing " << expected_path;
  const std::string expected = testing::ReadBytes(expected_path);
  if (expected == actual) return;
  std::size_t at = 0;
  while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
  ADD_FAILURE() << expected_path << ": first difference at offset " << at << " (expected "
                << expected.size() << " bytes, got " << actual.size() << ")\n"
                << "  expected: " << LineAround(expected, at) << "\n"
                << "  actual:   " << LineAround(actual, at);
}

INSTANTIATE_TEST_SUITE_P(Writers, GoldenWriters, ::testing::ValuesIn(WriterCases()),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace vt
