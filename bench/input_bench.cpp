// Reading records: a million-line comma-delimited file stepped with Next to its end, and the
// shared record reader alone.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "input/delimited_split.h"
#include "input/input_files.h"
#include "toolkit/services/headless_services.h"
#include "window/parse_view.h"

namespace {

namespace fs = std::filesystem;

fs::path MakeCsv(int lines) {
  const fs::path dir = fs::temp_directory_path() / ("vontrask-bench-" + std::to_string(::getpid()));
  fs::create_directories(dir / "program");
  fs::create_directories(dir / "settings");
  const fs::path path = dir / "million.csv";
  std::ofstream out(path, std::ios::binary);
  for (int i = 0; i < lines; ++i)
    out << "\"Name " << i << "\",\"Street " << i % 977 << "\",City,ZZ," << i << "\r\n";
  return path;
}

long ResidentKiB() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return resident * 4;
}

void BM_Input_StepMillionCsv(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  const fs::path csv = MakeCsv(lines);
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  tk::HeadlessServices headless(in, out, err);
  long growth = 0;
  for (auto _ : state) {
    vt::TParseView view(headless.services, {csv.string()});
    view.ProgramDirOverride = (csv.parent_path() / "program").string();
    view.SettingsDirOverride = (csv.parent_path() / "settings").string();
    tk::Fire(view.on_create);
    tk::Fire(view.on_show);
    long early = 0;
    while (view.InputRecordLabel.Caption() != "*** End of File Reached ***") {
      view.NextButton.Click();
      if (view.RecordNumber == 1000) early = ResidentKiB();
    }
    growth = ResidentKiB() - early;
    if (view.RecordNumber != lines) state.SkipWithError("not every record was read");
  }
  state.counters["rss_growth_KiB"] = static_cast<double>(growth);
  state.SetItemsProcessed(state.iterations() * lines);
  fs::remove_all(csv.parent_path());
}
BENCHMARK(BM_Input_StepMillionCsv)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_Input_ReadAndSplitRecords(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  const fs::path csv = MakeCsv(lines);
  vt::TextInput input;
  std::string record;
  std::vector<std::string> values;
  for (auto _ : state) {
    input.Open(csv.string());
    int fields = 0;
    while (input.ReadRecord(record, {})) fields += vt::SplitCommaRecord(record, values);
    benchmark::DoNotOptimize(fields);
  }
  state.SetItemsProcessed(state.iterations() * lines);
  fs::remove_all(csv.parent_path());
}
BENCHMARK(BM_Input_ReadAndSplitRecords)->Range(1000, 1000000)->Unit(benchmark::kMillisecond);

}  // namespace
