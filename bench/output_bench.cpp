// Output builder benchmark: one 10-field record with a few conversions, as a conversion run
// builds it.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "output/record_builder.h"
#include "output/writers/writers.h"
#include "strings/fixed_text.h"

namespace vt {
namespace {

struct Setup {
  WordLists lists;
  InputTables in;
  OutputTables out;
  BuildRequest request;
  std::unique_ptr<RecordWriter> writer;

  Setup() {
    in.InputFieldValues.assign(1501, std::string());
    for (auto& v : in.InputFieldValues) v.reserve(1300);
    out.OutputFieldValues.assign(100, std::string());
    for (auto& v : out.OutputFieldValues) v.reserve(1300);
    out.GeneratedSourceValues.assign(120, std::string());
    for (auto& v : out.GeneratedSourceValues) v.reserve(1300);
    const char* values[] = {"  10042 ", "Smith",   "mary ann", "1234.567", "yes",
                            "ON",       "K1A 0B1", "2024",     "  -12 ",   "note"};
    for (int f = 1; f <= 10; ++f) in.InputFieldValues[static_cast<std::size_t>(f)] = values[f - 1];
    in.InputFieldTotal = 10;
    in.InputFileName = "/data/ORDERS.TXT";
    const std::uint32_t flags[] = {kFlagNumeric | kFlagLeadingZeros,
                                   kFlagRemoveBlanks | kFlagUpperCase,
                                   kFlagRemoveBlanks | kFlagProperCase,
                                   kFlagNumeric | kFlagRound,
                                   kFlagDbaseLogic,
                                   kFlagRemoveBlanks,
                                   kFlagRemoveBlanks | kFlagSoundex,
                                   kFlagNumeric | kFlagHex,
                                   kFlagNumeric | kFlagRightJustify,
                                   kFlagRemoveBlanks | kFlagDeDup};
    const int widths[] = {8, 0, 0, 0, 1, 0, 0, 0, 6, 12};
    for (int n = 1; n <= 10; ++n) {
      const auto s = static_cast<std::size_t>(n);
      out.OutputFieldSource[s] = static_cast<std::int16_t>(n);
      out.OutputFieldFlags[s] = flags[n - 1];
      out.OutputFieldWidths[s] = static_cast<std::int16_t>(widths[n - 1]);
      CopyText(out.OutputFieldDecimals[s], n == 4 ? "2" : " ");
      CopyText(out.OutputFieldNameTable[s], "F" + std::to_string(n));
    }
    out.OutputFieldCount = 10;
    out.BatchRun = 1;
    Use(OutputFormat::kComma);
  }
  void Use(OutputFormat format) {
    writer = MakeRecordLayout(format, &out);
    request.writer = writer.get();
  }
};

void BM_Output_FillOutput(benchmark::State& state) {
  Setup s;
  for (auto _ : state) {
    ++s.in.RecordNumber;
    BuildOutputRecord(s.request, s.lists, s.in, s.out);
    benchmark::DoNotOptimize(s.out.OutputRecord.data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Output_FillOutput);

// The preview: every generated source, the address parsers included.
void BM_Output_FillOutputPreview(benchmark::State& state) {
  Setup s;
  s.out.BatchRun = 0;
  s.out.SpecialSourceTable[kStreetRow][0] = 1;
  s.out.SpecialSourceTable[kStreetRow][1] = 2;
  s.out.SpecialSourceTable[kCityRow][1] = 6;
  s.out.SpecialSourceTable[kCityRow][2] = 7;
  for (auto _ : state) {
    BuildOutputRecord(s.request, s.lists, s.in, s.out);
    benchmark::DoNotOptimize(s.out.OutputRecord.data());
  }
}
BENCHMARK(BM_Output_FillOutputPreview);

// The end-to-end layout: ten CSV columns into fixed columns ("No Delimiters"), every field
// trimmed, the id and the amount right-aligned.
void BM_Output_FillOutputFixed10(benchmark::State& state) {
  Setup s;
  const char* values[] = {"731",
                          "Dr. Mary Ann Smith Jr.",
                          "1234 Elm Street Apt 5",
                          "Springfield",
                          "ON",
                          "K1A 0B1",
                          "613-555-0199",
                          "1234.56",
                          "20240315",
                          "paid, \"late\" fee waived"};
  const int widths[] = {8, 32, 32, 16, 2, 10, 14, 10, 8, 20};
  for (int n = 1; n <= 10; ++n) {
    const auto k = static_cast<std::size_t>(n);
    s.in.InputFieldValues[k] = values[n - 1];
    const bool right = n == 1 || n == 8;
    s.out.OutputFieldFlags[k] = kFlagRemoveBlanks | (right ? kFlagRightJustify : 0);
    s.out.OutputFieldWidths[k] = static_cast<std::int16_t>(widths[n - 1]);
    CopyText(s.out.OutputFieldDecimals[k], "  ");
  }
  s.Use(OutputFormat::kFixed);
  for (auto _ : state) {
    ++s.in.RecordNumber;
    BuildOutputRecord(s.request, s.lists, s.in, s.out);
    benchmark::DoNotOptimize(s.out.OutputRecord.data());
  }
  if (s.out.OutputRecord.size() != 152) state.SkipWithError("the record is not 152 bytes long");
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Output_FillOutputFixed10);

}  // namespace
}  // namespace vt
