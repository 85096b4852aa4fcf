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

#include "output/writers/writers.h"
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

}  // namespace
}  // namespace vt
