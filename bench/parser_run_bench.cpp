// Parser-heavy conversion timing: the seven-column CSV of bench/e2e/make_parser_input.py run
// through the conversion engine, with no window, into 22 comma-delimited fields that all come
// from the name, gender, street, city and phone parsers.
//
// usage: parser_run_bench INPUT OUTPUT
// Prints one line: records, seconds, records per second.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "output/run/conversion.h"
#include "output/writers/writers.h"
#include "parsing/word_lists.h"
#include "strings/fixed_text.h"

namespace {

// Input columns, as make_parser_input.py writes them.
constexpr int kNameColumn = 2;
constexpr int kStreetColumn = 3;
constexpr int kCityColumn = 4;
constexpr int kStateColumn = 5;
constexpr int kPostalColumn = 6;
constexpr int kPhoneColumn = 7;

struct Field {
  const char* name;
  int source;  // a generated source
  std::uint32_t flags;
};

constexpr Field kFields[] = {
    {"Title", vt::kTitle, 0},
    {"First", vt::kFirstName, vt::kFlagProperCase},
    {"Middle", vt::kMiddleNames, 0},
    {"Last", vt::kLastName, vt::kFlagProperCase},
    {"Suffix", vt::kNameSuffix, 0},
    {"StdName", vt::kStdName, 0},
    {"Salutation", vt::kSalutation, 0},
    {"Gender", vt::kGender1, 0},
    {"Soundex", vt::kLastName, vt::kFlagSoundex},
    {"SuiteDes", vt::kSuiteDesignator, 0},
    {"SuiteNo", vt::kSuiteNumber, 0},
    {"StreetNo", vt::kStreetNumber, 0},
    {"StreetName", vt::kStreetName, 0},
    {"StreetDes", vt::kStreetDesignator, 0},
    {"Direction", vt::kStreetDirection, 0},
    {"NonCivic", vt::kNonCivicAddress, 0},
    {"StdAddress", vt::kStdAddress, 0},
    {"City", vt::kCity, 0},
    {"State", vt::kStateProvince, 0},
    {"Postal", vt::kPostalZip, 0},
    {"AreaCode", vt::kAreaCode1, 0},
    {"Phone", vt::kPhone1, 0},
};

struct Tables {
  vt::InputTables in;
  vt::OutputTables out;
  vt::WordLists words;
};

std::unique_ptr<Tables> ParserTables(const std::string& input) {
  auto t = std::make_unique<Tables>();
  t->in.InputFieldValues.assign(vt::InputTables::kMaxFields + 1, "");
  t->in.InputFieldNames.assign(vt::InputTables::kMaxFields + 1, "");
  t->out.OutputFieldValues.assign(vt::OutputTables::kSlots, "");
  t->out.GeneratedSourceValues.assign(vt::OutputTables::kGeneratedSlots, "");
  t->in.InputFileName = input;
  if (!t->in.InputTextStream.Open(input)) return nullptr;
  std::size_t n = 0;
  for (const Field& f : kFields) {
    ++n;
    vt::CopyText(t->out.OutputFieldNameTable[n], f.name);
    t->out.OutputFieldSource[n] = static_cast<std::int16_t>(-f.source);
    t->out.OutputFieldFlags[n] = f.flags;
    vt::CopyText(t->out.OutputFieldDecimals[n], " ");
  }
  t->out.OutputFieldCount = static_cast<std::int32_t>(n);
  auto& slots = t->out.SpecialSourceTable;
  slots[vt::kNameRow][1] = kNameColumn;
  slots[vt::kStreetRow][0] = kStreetColumn;
  slots[vt::kCityRow][1] = kCityColumn;
  slots[vt::kCityRow][2] = kStateColumn;
  slots[vt::kCityRow][3] = kPostalColumn;
  slots[vt::kPhoneRow][0] = kPhoneColumn;
  // Gender 1 from the parsed name, else from the whole name line.
  slots[vt::kGenderSplitRow][0] = kNameColumn;
  return t;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s INPUT OUTPUT\n", argv[0]);
    return 2;
  }
  auto t = ParserTables(argv[1]);
  if (t == nullptr) {
    std::fprintf(stderr, "cannot open %s\n", argv[1]);
    return 2;
  }
  vt::RunPlan plan;
  plan.input = vt::InputKind::kComma;
  plan.format = vt::OutputFormat::kComma;
  plan.writer.delimiter = vt::DelimiterOf(plan.format, "~");
  plan.build.gender_from_title = true;
  std::FILE* file = std::fopen(argv[2], "wb");
  if (file == nullptr) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 2;
  }
  vt::RunObserver observer;
  const auto start = std::chrono::steady_clock::now();
  const vt::RunResult result = vt::Convert(plan, t->in, t->out, t->words, file, observer);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("vontrask parsers records=%lld seconds=%.3f rate=%.0f\n",
              static_cast<long long>(result.written), seconds,
              seconds > 0 ? static_cast<double>(result.written) / seconds : 0.0);
  return result.ok ? 0 : 1;
}
