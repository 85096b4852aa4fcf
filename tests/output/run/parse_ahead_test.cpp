// Runs that parse ahead on worker threads must write the bytes a run without them writes: over
// text and binary input, with entity decoding, when the lists, options or source slots change
// at a progress point, and when the input is a pipe that cannot be read twice.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "output/generated_sources.h"
#include "output/run/conversion.h"
#include "output/writers/writers.h"
#include "parsing/gender.h"
#include "parsing/word_lists.h"
#include "strings/fixed_text.h"

namespace vt {
namespace {

namespace fs = std::filesystem;

constexpr int kRecords = 1200;  // past several progress points and round the workers' ring

// Input columns: 1 id, 2 name, 3 street, 4 city, 5 state, 6 postal, 7 phone.
constexpr std::array<int, 7> kWidths = {6, 34, 34, 18, 4, 10, 16};

std::vector<std::array<std::string, 7>> SampleRecords(bool entities, int count = kRecords) {
  const char* titles[] = {"", "Mr ", "Mrs ", "Dr ", "Sir ", ""};
  const char* firsts[] = {"John", "Mary", "Pat", "Li", "Jose", "Anne"};
  const char* lasts[] = {"Smith", "van der Berg", "O'Neil", "MacDonald", "De la Cruz", "Ng"};
  const char* suffixes[] = {"", " Jr", "", " III", " PhD", ""};
  const char* streets[] = {"Main St", "Queen Street West", "Elm Avenue N", "King Rd",
                           "PO Box",  "Rural Route"};
  const char* cities[] = {"Toronto", "Springfield", "St. John's", "Los Angeles", "", "Ottawa"};
  const char* states[] = {"ON", "IL", "NL", "CA", "", "ON"};
  const char* postals[] = {"M5V 2T6", "62704", "A1C 5M2", "90001-1234", "", "K1A 0B1"};
  std::vector<std::array<std::string, 7>> rows;
  unsigned seed = 12345;
  auto next = [&seed](unsigned n) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % n;
  };
  for (int r = 0; r < count; ++r) {
    std::array<std::string, 7> row;
    row[0] = std::to_string(r + 1);
    std::string name = std::string(titles[next(6)]) + firsts[next(6)];
    if (next(5) == 0) name += std::string(entities ? " &amp; " : " & ") + firsts[next(6)];
    name += std::string(" ") + lasts[next(6)] + suffixes[next(6)];
    row[1] = name;
    const unsigned s = next(6);
    row[2] = s >= 4 ? std::string(streets[s]) + " " + std::to_string(next(900))
                    : std::to_string(1 + next(9000)) + " " + streets[s];
    if (next(4) == 0) row[2] += " Apt " + std::to_string(1 + next(40));
    const unsigned c = next(6);
    row[3] = cities[c];
    row[4] = states[c];
    row[5] = postals[c];
    row[6] = next(7) == 0 ? "" : "(416) 555-" + std::to_string(1000 + next(9000));
    rows.push_back(row);
  }
  return rows;
}

std::string CommaText(const std::vector<std::array<std::string, 7>>& rows) {
  std::string text;
  for (const auto& row : rows) {
    for (std::size_t i = 0; i < row.size(); ++i) text += (i ? "," : "") + row[i];
    text += "\r\n";
  }
  return text;
}

std::string BinaryBytes(const std::vector<std::array<std::string, 7>>& rows) {
  std::string bytes;
  for (const auto& row : rows) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      std::string cell = row[i].substr(0, static_cast<std::size_t>(kWidths[i]));
      cell.resize(static_cast<std::size_t>(kWidths[i]), ' ');
      bytes += cell;
    }
  }
  return bytes;
}

// Where two outputs first differ, for a failure message shorter than both files.
std::string FirstDifference(const std::string& a, const std::string& b) {
  std::size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
  if (i == a.size() && i == b.size()) return "none";
  return "at byte " + std::to_string(i) + " of " + std::to_string(a.size()) + " and " +
         std::to_string(b.size()) + ": \"" + a.substr(i, 40) + "\" / \"" + b.substr(i, 40) + "\"";
}

struct Field {
  const char* name;
  int source;  // > 0 an input column, < 0 a generated source
  std::uint32_t flags;
};

constexpr Field kFields[] = {
    {"Id", 1, 0},
    {"Title", -kTitle, 0},
    {"First", -kFirstName, 0x10},
    {"Middle", -kMiddleNames, 0},
    {"Last", -kLastName, 0x10},
    {"Suffix", -kNameSuffix, 0},
    {"StdName", -kStdName, 0},
    {"Salutation", -kSalutation, 0},
    {"Gender", -kGender1, 0},
    {"Soundex", -kLastName, 0x20},
    {"SuiteDes", -kSuiteDesignator, 0},
    {"SuiteNo", -kSuiteNumber, 0},
    {"StreetNo", -kStreetNumber, 0},
    {"StreetName", -kStreetName, 0},
    {"NonCivic", -kNonCivicAddress, 0},
    {"StdAddress", -kStdAddress, 0},
    {"City", -kCity, 0},
    {"State", -kStateProvince, 0},
    {"Postal", -kPostalZip, 0},
    {"AreaCode", -kAreaCode1, 0},
    {"Phone", -kPhone1, 0},
};

struct Tables {
  InputTables in;
  OutputTables out;
  WordLists words;
  GenderList genders;  // the user's list: Pat a woman
};

enum class Kind { kComma, kBinary };

std::unique_ptr<Tables> ParserTables(Kind kind, const std::string& input) {
  auto t = std::make_unique<Tables>();
  t->in.InputFieldValues.assign(InputTables::kMaxFields + 1, "");
  t->in.InputFieldNames.assign(InputTables::kMaxFields + 1, "");
  t->out.OutputFieldValues.assign(OutputTables::kSlots, "");
  t->out.GeneratedSourceValues.assign(OutputTables::kGeneratedSlots, "");
  t->in.InputFileName = input;
  CopyText(t->genders.GenderListNames[0], "PAT");
  t->genders.GenderListValues[0] = -1;
  IndexGenderList(t->genders);
  if (kind == Kind::kComma) {
    EXPECT_TRUE(t->in.InputTextStream.Open(input));
  } else {
    EXPECT_TRUE(t->in.InputDataFile.Open(input));
    int at = 0;
    for (std::size_t i = 0; i < kWidths.size(); ++i) {
      t->in.DividerMatrix[0][i] = static_cast<std::int16_t>(at);
      at += kWidths[i];
    }
    t->in.BinaryRecordLength = at;
  }
  std::size_t n = 0;
  for (const Field& f : kFields) {
    ++n;
    CopyText(t->out.OutputFieldNameTable[n], f.name);
    t->out.OutputFieldSource[n] = static_cast<std::int16_t>(f.source);
    t->out.OutputFieldFlags[n] = f.flags;
    CopyText(t->out.OutputFieldDecimals[n], " ");
  }
  t->out.OutputFieldCount = static_cast<std::int32_t>(n);
  auto& slots = t->out.SpecialSourceTable;
  slots[kNameRow][1] = 2;
  slots[kStreetRow][0] = 3;
  slots[kCityRow][1] = 4;
  slots[kCityRow][2] = 5;
  slots[kCityRow][3] = 6;
  slots[kPhoneRow][0] = 7;
  slots[kGenderSplitRow][0] = 2;
  return t;
}

// Runs `change` at every progress point, with the tables it may write.
class ChangingObserver : public RunObserver {
 public:
  using Change = std::function<void(std::int64_t, BuildRequest&, Tables&)>;
  ChangingObserver(Tables& tables, Change change) : tables_(tables), change_(std::move(change)) {}
  void Progress(std::int64_t read, BuildRequest& request) override {
    if (change_) change_(read, request, tables_);
  }

 private:
  Tables& tables_;
  Change change_;
};

struct Case {
  const char* name;
  Kind kind = Kind::kComma;
  bool entities = false;
  ChangingObserver::Change change;
};

class ParseAheadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("vontrask-ahead-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Write(const std::string& name, const std::string& bytes) {
    const fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }

  // The output of one run with `workers` parse-ahead threads over an input already open in t.
  std::string Run(Tables& t, Kind kind, bool entities, int workers,
                  const ChangingObserver::Change& change, int records = kRecords) {
    RunPlan plan;
    plan.input = kind == Kind::kComma ? InputKind::kComma : InputKind::kBinary;
    plan.format = OutputFormat::kComma;
    plan.writer.delimiter = DelimiterOf(plan.format, "~");
    plan.build.gender_from_title = true;
    plan.build.xml_translate = entities;
    plan.build.genders = &t.genders;
    plan.parse_workers = workers;
    const fs::path out = dir_ / ("out" + std::to_string(++runs_));
    std::FILE* file = std::fopen(out.c_str(), "wb");
    EXPECT_NE(file, nullptr);
    ChangingObserver observer(t, change);
    const RunResult result = Convert(plan, t.in, t.out, t.words, file, observer);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.written, records);
    std::ifstream in(out, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  std::string RunCase(const Case& c, int workers) {
    const auto rows = SampleRecords(c.entities);
    const std::string input = c.kind == Kind::kComma ? Write("in.csv", CommaText(rows))
                                                     : Write("in.bin", BinaryBytes(rows));
    auto t = ParserTables(c.kind, input);
    return Run(*t, c.kind, c.entities, workers, c.change);
  }

  fs::path dir_;
  int runs_ = 0;
};

TEST_F(ParseAheadTest, WorkersWriteTheBytesOfARunWithout) {
  const Case cases[] = {
      {"comma input", Kind::kComma, false, {}},
      {"binary input", Kind::kBinary, false, {}},
      {"entities decoded", Kind::kComma, true, {}},
      {"title list emptied at record 300", Kind::kComma, false,
       [](std::int64_t read, BuildRequest&, Tables& t) {
         if (read == 300) std::memset(t.words.TitleWords, 0, sizeof t.words.TitleWords);
       }},
      {"name order changed at record 500", Kind::kComma, false,
       [](std::int64_t read, BuildRequest& r, Tables&) {
         if (read >= 500) r.name_options.standard = {4, 2, 3, 1, 5};
       }},
      {"Pat made a man in the gender list at record 900", Kind::kComma, false,
       [](std::int64_t read, BuildRequest&, Tables& t) {
         if (read == 900) t.genders.GenderListValues[0] = 1;
       }},
      {"name slot moved to the street column at record 700", Kind::kComma, false,
       [](std::int64_t read, BuildRequest&, Tables& t) {
         if (read == 700) t.out.SpecialSourceTable[kNameRow][1] = 3;
       }},
  };
  std::string plain;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string without = RunCase(c, 0);
    EXPECT_EQ(FirstDifference(RunCase(c, 3), without), "none");
    if (plain.empty()) plain = without;
    // A change must show in the output, or the case proves nothing.
    if (c.change) {
      EXPECT_NE(FirstDifference(without, plain), "none");
    }
  }
}

TEST_F(ParseAheadTest, APipeIsReadOnceAndWhole) {
  // More than the run's line buffer takes in at once, so that a worker reading the pipe too
  // would take records from it.
  constexpr int kPiped = 20000;
  const std::string text = CommaText(SampleRecords(false, kPiped));
  auto file_tables = ParserTables(Kind::kComma, Write("in.csv", text));
  const std::string expected = Run(*file_tables, Kind::kComma, false, 0, {}, kPiped);

  const fs::path fifo = dir_ / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::thread writer([&] { std::ofstream(fifo, std::ios::binary) << text; });
  auto t = ParserTables(Kind::kComma, fifo.string());  // opens when the writer does
  const std::string piped = Run(*t, Kind::kComma, false, 3, {}, kPiped);
  writer.join();
  EXPECT_EQ(FirstDifference(piped, expected), "none");
}

}  // namespace
}  // namespace vt
