// The conversion engine without a window: the shared golden sample converted from a plan and
// the tables straight to bytes, by every writer, must give the golden files the window gives.
#include "output/run/conversion.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "output/generated_sources.h"
#include "output/writers/writers.h"
#include "parsing/word_lists.h"
#include "strings/fixed_text.h"

namespace vt {
namespace {

namespace fs = std::filesystem;

const fs::path kSample = fs::path(VONTRASK_SOURCE_DIR) / "tests/golden/writers/_sample";

std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Field {
  const char* name;
  int source;
  int width;
  std::uint32_t flags;
  const char* decimals;
};

// The sample's set-up (tests/golden/writers/_sample/setup), written into the tables.
constexpr Field kFields[] = {
    {"Name", 1, 14, 0x2, " "},
    {"City", 2, 9, 0x2, " "},
    {"Amount", 3, 9, 0x3, "2"},
};

struct Tables {
  InputTables in;
  OutputTables out;
  WordLists words;
};

class CountingObserver : public RunObserver {
 public:
  std::int64_t Now() override { return 889002367; }  // the fake clock of the window tests
};

std::unique_ptr<Tables> SampleTables(const fs::path& input) {
  auto t = std::make_unique<Tables>();
  t->in.InputFieldValues.assign(InputTables::kMaxFields + 1, "");
  t->in.InputFieldNames.assign(InputTables::kMaxFields + 1, "");
  t->out.OutputFieldValues.assign(OutputTables::kSlots, "");
  t->out.GeneratedSourceValues.assign(OutputTables::kGeneratedSlots, "");
  t->in.InputFileName = input.string();
  EXPECT_TRUE(t->in.InputTextStream.Open(t->in.InputFileName));
  t->out.OutputFieldCount = 3;
  for (std::size_t n = 1; n <= 3; ++n) {
    const Field& f = kFields[n - 1];
    CopyText(t->out.OutputFieldNameTable[n], f.name);
    t->out.OutputFieldSource[n] = static_cast<std::int16_t>(f.source);
    t->out.OutputFieldWidths[n] = static_cast<std::int16_t>(f.width);
    t->out.OutputFieldFlags[n] = f.flags;
    CopyText(t->out.OutputFieldDecimals[n], f.decimals);
  }
  return t;
}

TEST(ConversionEngine, EveryWriterMakesTheGoldenBytesFromAPlanAndTables) {
  const fs::path dir =
      fs::temp_directory_path() / ("vontrask-engine-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  for (const WriterEntry& writer : WriterTable()) {
    SCOPED_TRACE(std::string(writer.name));
    auto t = SampleTables(kSample / "input.csv");
    RunPlan plan;
    plan.input = InputKind::kComma;
    plan.format = writer.format;
    plan.writer.delimiter = DelimiterOf(writer.format, "~");
    plan.field_names_record = true;
    plan.writer.today.tm_year = 98;
    plan.writer.today.tm_mon = 2;
    plan.writer.today.tm_mday = 4;
    const fs::path out = dir / writer.name;
    CountingObserver observer;
    const RunResult result =
        Convert(plan, t->in, t->out, t->words, std::fopen(out.string().c_str(), "wb"), observer);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.written, 3);
    EXPECT_TRUE(Bytes(out) == Bytes(kSample / ("expected." + std::string(writer.name))))
        << "the engine and the window disagree on " << writer.name;
  }
  fs::remove_all(dir);
}

// A run cuts into views of the line; at every progress point the observer still finds the
// record in hand among the input values, and entity decoding sees the record's own bytes.
class ValuesAtProgress : public RunObserver {
 public:
  explicit ValuesAtProgress(const InputTables& in) : in_(in) {}
  void Progress(std::int64_t read, BuildRequest&) override {
    seen.push_back(std::to_string(read) + "=" + in_.InputFieldValues[1] + "|" +
                   in_.InputFieldValues[2] + "|" + in_.InputFieldValues[3]);
  }
  std::vector<std::string> seen;

 private:
  const InputTables& in_;
};

TEST(ConversionEngine, ValuesAtProgressPointsAndDecodedEntities) {
  const fs::path dir = fs::temp_directory_path() / ("vontrask-views-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  {
    std::ofstream input(dir / "input.csv", std::ios::binary);
    for (int r = 1; r <= 250; ++r) input << "r" << r << ",a&amp;b" << (r % 2 ? ",x" : "") << "\r\n";
  }
  auto t = SampleTables(dir / "input.csv");
  t->in.InputFieldValues[3] = "stale";
  RunPlan plan;
  plan.format = OutputFormat::kTab;
  plan.writer.delimiter = DelimiterOf(plan.format, "~");
  plan.build.xml_translate = true;
  ValuesAtProgress observer(t->in);
  const fs::path out = dir / "out.txt";
  const RunResult result =
      Convert(plan, t->in, t->out, t->words, std::fopen(out.string().c_str(), "wb"), observer);
  EXPECT_TRUE(result.ok);
  EXPECT_EQ(observer.seen, (std::vector<std::string>{"100=r100|a&b|", "200=r200|a&b|"}));
  const std::string bytes = Bytes(out);
  EXPECT_EQ(bytes.substr(0, 25), "r1            \ta&b      \t");
  fs::remove_all(dir);
}

// The parsers keep their list indexes between progress points; a list edited at one (as the
// window's editors and a preference load may) is seen from the next record on.
class EditsListsAtProgress : public RunObserver {
 public:
  explicit EditsListsAtProgress(WordLists& lists) : lists_(lists) {}
  void Progress(std::int64_t read, BuildRequest&) override {
    if (read != 100) return;
    const std::size_t type = UsedSlots(lists_.StreetTypeWords);
    SetSlot(lists_.StreetTypeWords[type], "XYZ");
    SetSlot(lists_.StreetTypeSubstitutes[type], "XY");
    const std::size_t title = UsedSlots(lists_.TitleWords);
    SetSlot(lists_.TitleWords[title], "ZOG");
    SetSlot(lists_.TitleSubstitutes[title], "Zg");
  }

 private:
  WordLists& lists_;
};

TEST(ConversionEngine, ListsEditedAtAProgressPointAreSeenByTheNextRecord) {
  const fs::path dir = fs::temp_directory_path() / ("vontrask-lists-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  {
    std::ofstream input(dir / "input.csv", std::ios::binary);
    for (int r = 1; r <= 150; ++r) input << "Zog Alan Smith,12 Foo Xyz\r\n";
  }
  auto t = SampleTables(dir / "input.csv");
  t->out.SpecialSourceTable[kNameRow][1] = 1;
  t->out.SpecialSourceTable[kStreetRow][0] = 2;
  const int sources[] = {kTitle, kFirstName, kStreetName, kStreetDesignator};
  t->out.OutputFieldCount = 4;
  for (std::size_t n = 1; n <= 4; ++n) {
    t->out.OutputFieldSource[n] = static_cast<std::int16_t>(-sources[n - 1]);
    t->out.OutputFieldWidths[n] = 0;
    t->out.OutputFieldFlags[n] = 0;
  }
  RunPlan plan;
  plan.format = OutputFormat::kTab;
  plan.writer.delimiter = DelimiterOf(plan.format, "~");
  EditsListsAtProgress observer(t->words);
  const fs::path out = dir / "out.txt";
  const RunResult result =
      Convert(plan, t->in, t->out, t->words, std::fopen(out.string().c_str(), "wb"), observer);
  EXPECT_TRUE(result.ok);
  std::vector<std::string> lines;
  std::ifstream written(out, std::ios::binary);
  for (std::string line; std::getline(written, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 150u);
  EXPECT_EQ(lines[99], lines[0]);
  EXPECT_EQ(lines[0], "Mr\tZog\tFoo Xyz\t\r");
  EXPECT_EQ(lines[100], "Zg\tAlan\tFoo\tXY\r");
  EXPECT_EQ(lines[149], lines[100]);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace vt
