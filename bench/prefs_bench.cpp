// Speed of the preference image: writing the current layout and reading it back.
#include <benchmark/benchmark.h>

#include <memory>

#include "prefs/pref_tables.h"

namespace {

struct Tables {
  vt::InputTables in;
  vt::OutputTables out;
  vt::WordLists words;
  vt::PrefStaging staging;
  vt::PrefCaptions captions;
  vt::PrefTargets targets = vt::BindPrefTargets(in, out, words, staging, captions);
};

void BM_Prefs_Write(benchmark::State& state) {
  auto t = std::make_unique<Tables>();
  for (auto _ : state) {
    std::string image = vt::WritePrefImage(t->targets);
    benchmark::DoNotOptimize(image.data());
  }
}
BENCHMARK(BM_Prefs_Write);

void BM_Prefs_Read(benchmark::State& state) {
  auto t = std::make_unique<Tables>();
  const std::string image = vt::WritePrefImage(t->targets);
  for (auto _ : state) {
    vt::ReadPrefImage(image, static_cast<std::int64_t>(image.size()), t->targets);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Prefs_Read);

}  // namespace
