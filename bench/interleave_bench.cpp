// Interleave pass: a finished file of 40-byte lines rewritten in 4 and 32 streams, beside a plain
// copy of the same bytes (the floor: the pass reads and writes each byte once).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "output/run/interleave.h"

namespace {

namespace fs = std::filesystem;

struct Files {
  explicit Files(std::int64_t records) {
    dir = fs::temp_directory_path() / ("vontrask-interleave-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream out(dir / "from", std::ios::binary);
    out << "names\r\n";
    std::string line = std::string(32, 'x') + "\r\n";
    for (std::int64_t r = 0; r < records; ++r) {
      line.replace(0, 6, std::to_string(100000 + r % 900000));
      out << line;
    }
    end = static_cast<std::int64_t>(out.tellp());
    out << "</TABLE>\r\n";
  }
  ~Files() { fs::remove_all(dir); }
  fs::path dir;
  std::int64_t end = 0;
};

void BM_Interleave_Lines(benchmark::State& state) {
  const Files files(state.range(0));
  const vt::InterleaveLayout layout{.streams = static_cast<int>(state.range(1)),
                                    .records_start = 7,
                                    .records_end = files.end,
                                    .record_length = 0,
                                    .terminator = "\r\n"};
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        vt::InterleaveFile((files.dir / "from").string(), (files.dir / "to").string(), layout));
  }
  state.SetBytesProcessed(state.iterations() * files.end);
}
BENCHMARK(BM_Interleave_Lines)->ArgsProduct({{1 << 12, 1 << 18}, {4, 32}});

void BM_Interleave_CopyFloor(benchmark::State& state) {
  const Files files(state.range(0));
  for (auto _ : state) {
    fs::copy_file(files.dir / "from", files.dir / "to", fs::copy_options::overwrite_existing);
  }
  state.SetBytesProcessed(state.iterations() * files.end);
}
BENCHMARK(BM_Interleave_CopyFloor)->Arg(1 << 12)->Arg(1 << 18);

}  // namespace
