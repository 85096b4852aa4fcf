// Binary records: a file of mainframe-style records (text, packed, zoned, integers, floats) read
// and cut by the run's reader, and each reading alone.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "input/binary_fields.h"
#include "input/readers/binary_reader.h"

namespace {

namespace fs = std::filesystem;

// One 64-byte record: name (20), packed S9(9) (5), zoned S9(7) (7), int32 (4), int64 (8),
// float (4), double (8), text (8).
std::string Record(int i) {
  std::string r = "Customer " + std::to_string(i);
  r.resize(20, ' ');
  r += std::string("\x12\x34\x56\x78\x9D", 5);
  r += "123456" + std::string(1, static_cast<char>('J' + i % 9));
  for (int b = 0; b < 4; ++b) r += static_cast<char>(i >> (8 * b));
  r += std::string("\x01\x02\x03\x04\x05\x06\x07\x08", 8);
  r += std::string("\x00\x00\x80\x3F", 4);
  r += std::string("\x00\x00\x00\x00\x00\x00\xF8\x3F", 8);
  r += "ABCDEFGH";
  return r;
}

fs::path MakeFile(int records) {
  const fs::path path =
      fs::temp_directory_path() / ("vontrask-binary-bench-" + std::to_string(::getpid()));
  std::ofstream out(path, std::ios::binary);
  for (int i = 0; i < records; ++i) out << Record(i);
  return path;
}

void SetUpLayout(vt::InputTables& in) {
  in.InputFieldValues.assign(vt::InputTables::kMaxFields + 1, "");
  in.InputFieldNames.assign(vt::InputTables::kMaxFields + 1, "");
  in.BinaryRecordLength = 64;
  const struct {
    int end;
    std::int16_t type;
  } fields[] = {{20, vt::kBinaryText},   {25, vt::kBinaryPacked},   {32, vt::kBinaryZoned},
                {36, vt::kBinarySigned}, {44, vt::kBinaryUnsigned}, {48, vt::kBinaryFloat},
                {56, vt::kBinaryFloat},  {64, vt::kBinaryText}};
  for (std::size_t f = 1; f <= std::size(fields); ++f) {
    if (f < std::size(fields))
      in.DividerMatrix[0][f] = static_cast<std::int16_t>(fields[f - 1].end);
    in.BinaryTypeBits(static_cast<int>(f)) = fields[f - 1].type;
  }
}

void BM_Binary_ReadAndCutRecords(benchmark::State& state) {
  const int records = static_cast<int>(state.range(0));
  const fs::path path = MakeFile(records);
  vt::InputTables in;
  SetUpLayout(in);
  const auto reader = vt::MakeBinaryReader({});
  for (auto _ : state) {
    if (!in.InputDataFile.Open(path.string())) state.SkipWithError("no input");
    reader->Rewind(in);
    int read = 0;
    while (reader->Read(in)) {
      reader->Cut(in);
      ++read;
    }
    if (read != records) state.SkipWithError("not every record was read");
  }
  state.SetItemsProcessed(state.iterations() * records);
  state.SetBytesProcessed(state.iterations() * records * 64);
  fs::remove(path);
}
BENCHMARK(BM_Binary_ReadAndCutRecords)->Range(1000, 1000000)->Unit(benchmark::kMillisecond);

void BM_Binary_Reading(benchmark::State& state) {
  const auto type = static_cast<vt::BinaryType>(state.range(0));
  const std::string record = Record(7);
  const std::string_view bytes = type == vt::kBinaryPacked  ? std::string_view(record).substr(20, 5)
                                 : type == vt::kBinaryZoned ? std::string_view(record).substr(25, 7)
                                 : type == vt::kBinaryFloat ? std::string_view(record).substr(48, 8)
                                 : type == vt::kBinaryText  ? std::string_view(record).substr(0, 20)
                                                           : std::string_view(record).substr(36, 8);
  std::string value;
  for (auto _ : state) {
    vt::ReadBinaryValue(bytes, type, {.high_byte_first = true}, value);
    benchmark::DoNotOptimize(value.data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Binary_Reading)
    ->Arg(vt::kBinaryText)
    ->Arg(vt::kBinarySigned)
    ->Arg(vt::kBinaryFloat)
    ->Arg(vt::kBinaryPacked)
    ->Arg(vt::kBinaryZoned);

}  // namespace
