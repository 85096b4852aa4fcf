// Generated-source steps benchmark: one date read, one time read, a five-component combination
// and a twenty-token expression, each as the builder runs it for a record.
#include <benchmark/benchmark.h>

#include <ctime>
#include <string>

#include "output/combinations.h"
#include "output/date_steps.h"
#include "output/evaluator.h"
#include "output/generated_sources.h"
#include "output/output_tables.h"
#include "strings/fixed_text.h"

namespace vt {
namespace {

class UtcTime : public LocalTimeSource {
 public:
  bool Local(std::int64_t seconds, std::tm& out) const override {
    const auto t = static_cast<std::time_t>(seconds);
    return gmtime_r(&t, &out) != nullptr;
  }
};

struct Setup {
  InputTables in;
  OutputTables out;
  DateOptions options;
  UtcTime utc;
  DateStepSetup dates;

  Setup() {
    in.InputFieldValues.assign(10, std::string());
    out.GeneratedSourceValues.assign(120, std::string());
    for (auto& v : out.GeneratedSourceValues) v.reserve(1300);
    const char* values[] = {
        "  December 8th, 2026 10:30 PM", "9:05:07pm", "Smith", "John", "Q", "Public", "Jr"};
    for (int f = 1; f <= 7; ++f) in.InputFieldValues[static_cast<std::size_t>(f)] = values[f - 1];
    in.InputFieldTotal = 7;
    out.DateTimeSources[1] = 1;
    out.DateTimeSources[5] = 2;
    options.time_in_date = true;
    dates = {&options, &utc, false, {}};
    for (int k = 1; k <= 5; ++k) out.SpecialSourceTable[1][static_cast<std::size_t>(k)] = k + 2;
    for (int p = 1; p <= kDividers; ++p) CopyText(CombinationDivider(out, 1, p), ", ");
  }

  // What every build empties before the steps write.
  void EmptyDateSources() {
    for (int k = kDate1; k <= kJulianDate4; ++k)
      out.GeneratedSourceValues[static_cast<std::size_t>(k)].clear();
  }
};

void BM_DateSteps_ReadDateWithTime(benchmark::State& state) {
  Setup s;
  s.out.DateTimeSources[5] = 0;
  for (auto _ : state) {
    s.EmptyDateSources();
    ReadDateSources(s.dates, s.in, s.out);
    benchmark::DoNotOptimize(s.out.GeneratedSourceValues[kDate1].data());
  }
}
BENCHMARK(BM_DateSteps_ReadDateWithTime);

void BM_DateSteps_ReadClockTime(benchmark::State& state) {
  Setup s;
  s.out.DateTimeSources[1] = 0;
  for (auto _ : state) {
    s.EmptyDateSources();
    ReadTimeSources(s.dates, s.in, s.out);
    benchmark::DoNotOptimize(s.out.GeneratedSourceValues[kHour1].data());
  }
}
BENCHMARK(BM_DateSteps_ReadClockTime);

void BM_Combinations_FiveComponents(benchmark::State& state) {
  Setup s;
  std::string& text = s.out.GeneratedSourceValues[kCombination1];
  for (auto _ : state) {
    BuildCombination(s.in, s.out, 1, text);
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_Combinations_FiveComponents);

void BM_Evaluator_TwentyTokens(benchmark::State& state) {
  EvaluatorVariableTable variables{};
  const std::string source = "( 1.5 + Total ) * 3 - 4 / 8 + 2 ^ 3 % 5 - x";
  std::string text;
  text.reserve(1300);
  for (auto _ : state) {
    text.assign(source);
    const Evaluation e = EvaluateExpression(text, variables, nullptr);
    benchmark::DoNotOptimize(e.value);
  }
}
BENCHMARK(BM_Evaluator_TwentyTokens);

}  // namespace
}  // namespace vt
