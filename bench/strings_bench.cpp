// Speed of the string helpers on the per-record path: word scanning, search, trimming.
#include <benchmark/benchmark.h>

#include <string>

#include "strings/edit.h"
#include "strings/search.h"
#include "strings/words.h"

namespace {

const std::string kNameLine = "  Dr. Jean-Paul O'Brien-Smith Jr., 1200 Rue St.Laurent  ";

// A delimited record of about `length` bytes with the marker near its end.
std::string MakeRecord(std::size_t length) {
  std::string record;
  while (record.size() < length) record += "\"Smith\",\"John\",\"100 Main Street\",42,";
  record.resize(length);
  record.replace(length - 8, 4, "<tr>");
  return record;
}

void BM_Strings_SkipWords(benchmark::State& state) {
  for (auto _ : state) {
    std::size_t words = 0;
    for (std::size_t pos = vt::SkipToWord(kNameLine, 0); pos < kNameLine.size();
         pos = vt::SkipToWord(kNameLine, vt::SkipWord(kNameLine, pos))) {
      ++words;
    }
    benchmark::DoNotOptimize(words);
  }
}
BENCHMARK(BM_Strings_SkipWords);

void BM_Strings_SplitWords(benchmark::State& state) {
  std::string first, second, rest;
  for (auto _ : state) {
    vt::SplitWords(kNameLine, first, second, rest);
    benchmark::DoNotOptimize(rest.data());
  }
}
BENCHMARK(BM_Strings_SplitWords);

void BM_Strings_SplitLastWord(benchmark::State& state) {
  std::string word;
  for (auto _ : state) {
    benchmark::DoNotOptimize(vt::SplitLastWord(kNameLine, word));
  }
}
BENCHMARK(BM_Strings_SplitLastWord);

void BM_Strings_JoinWords(benchmark::State& state) {
  std::string text;
  text.reserve(kNameLine.size());
  for (auto _ : state) {
    text = kNameLine;
    vt::JoinWords(text);
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_Strings_JoinWords);

// A letter first: every "t" and "T" of the record is a candidate.
void BM_Strings_FindText(benchmark::State& state) {
  const std::string record = MakeRecord(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(vt::FindText(record, "TR>"));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_Strings_FindText)->Arg(64)->Arg(1024)->Arg(32767);

// A letter first that the record rarely holds: a field value that is not there.
void BM_Strings_FindTextRareLetter(benchmark::State& state) {
  const std::string record = MakeRecord(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(vt::FindText(record, "Quebec"));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_Strings_FindTextRareLetter)->Arg(64)->Arg(1024)->Arg(32767);

// A caseless first byte: the candidates come from memchr.
void BM_Strings_FindTextPunctuation(benchmark::State& state) {
  const std::string record = MakeRecord(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(vt::FindText(record, "<TR"));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_Strings_FindTextPunctuation)->Arg(64)->Arg(1024)->Arg(32767);

// The writer's marker swap: BEL markers in a built record become CR LF.
void BM_Strings_ReplaceAllText(benchmark::State& state) {
  std::string base = MakeRecord(static_cast<std::size_t>(state.range(0)));
  for (std::size_t i = 37; i < base.size(); i += 37) base[i] = '\x07';
  std::string record;
  record.reserve(base.size() * 2);
  for (auto _ : state) {
    record = base;
    vt::ReplaceAllText(record, "\x07", "\r\n");
    benchmark::DoNotOptimize(record.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_Strings_ReplaceAllText)->Arg(256)->Arg(4096);

void BM_Strings_TrimTrailing(benchmark::State& state) {
  const std::string value = "Smith Jr.,  ";
  std::string text;
  text.reserve(64);
  for (auto _ : state) {
    text = value;
    vt::TrimTrailing(text);
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_Strings_TrimTrailing);

void BM_Strings_CollapseBlanks(benchmark::State& state) {
  const std::string value = "  100   Main    Street   Apt  4  ";
  std::string text;
  text.reserve(64);
  for (auto _ : state) {
    text = value;
    vt::CollapseBlanks(text);
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_Strings_CollapseBlanks);

}  // namespace
