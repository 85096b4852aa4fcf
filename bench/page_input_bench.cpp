// Page-image input: a generated printed report read page by page, and converted by the engine
// band by band (fixed data) and page by page (tagged data with its web patterns).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "input/page_image.h"
#include "output/run/conversion.h"
#include "strings/fixed_text.h"

namespace {

namespace fs = std::filesystem;

constexpr int kLinesPerPage = 60;
constexpr int kDataLines = kLinesPerPage - 4;

// `pages` pages opened by a form feed: two header lines, 56 detail lines, a blank and a total.
fs::path MakeReport(int pages) {
  const fs::path dir = fs::temp_directory_path() / ("vontrask-pages-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const fs::path path = dir / ("report-" + std::to_string(pages) + ".txt");
  if (fs::exists(path)) return path;
  std::ofstream out(path, std::ios::binary);
  for (int p = 1; p <= pages; ++p) {
    out << "\fACME SUPPLY CO.        INVOICE REGISTER       Invoice: " << 1000 + p
        << "  PAGE " << p << "\r\nINVOICE  CUSTOMER              DATE        AMOUNT\r\n";
    for (int r = 0; r < kDataLines; ++r) {
      out << "  " << p * 100 + r << "   Customer " << r % 37 << "            2024-03-"
          << 10 + r % 18 << "   " << r * 3 << ".50 contact c" << r << "@example.com\r\n";
    }
    out << "\r\n                                 PAGE TOTAL   4200.00\r\n";
  }
  return path;
}

struct Tables {
  vt::InputTables in;
  vt::OutputTables out;
  vt::WordLists words;
};

std::unique_ptr<Tables> ReportTables(const fs::path& report, bool tagged) {
  auto t = std::make_unique<Tables>();
  t->in.InputFieldValues.assign(vt::InputTables::kMaxFields + 1, "");
  t->in.InputFieldNames.assign(vt::InputTables::kMaxFields + 1, "");
  t->out.OutputFieldValues.assign(vt::OutputTables::kSlots, "");
  t->out.GeneratedSourceValues.assign(vt::OutputTables::kGeneratedSlots, "");
  t->in.InputFileName = report.string();
  (void)t->in.InputTextStream.Open(t->in.InputFileName);
  t->in.FormLength = 99;
  t->in.PageDataFirstLine = 3;
  t->in.PageFooterLine = kLinesPerPage - 2;
  t->in.PageBandHeight = 1;
  // The header line cut at the page number, a detail line at its four columns.
  t->in.InputFieldCounts[1] = 2;
  t->in.DividerMatrix[1][1] = 70;
  t->in.InputFieldCounts[3] = 4;
  t->in.DividerMatrix[3][1] = 8;
  t->in.DividerMatrix[3][2] = 30;
  t->in.DividerMatrix[3][3] = 42;
  int sources[] = {3, 4, 5, 2};
  if (tagged) {
    vt::CopyText(t->in.TagTexts[1], "Invoice: ");
    vt::CopyText(t->in.TagTexts[2], "PAGE TOTAL ");
    t->in.TagCount = 2;
    t->in.PageBandHeight = 99;
    t->in.InputFieldCounts.fill(0);
    sources[0] = 1;
    sources[1] = 2;
    sources[2] = -vt::kTaggedEmail1;
    sources[3] = -vt::kTaggedUrl1;
  }
  t->out.OutputFieldCount = 4;
  for (std::size_t n = 1; n <= 4; ++n) {
    t->out.OutputFieldSource[n] = static_cast<std::int16_t>(sources[n - 1]);
    t->out.OutputFieldWidths[n] = 12;
    t->out.OutputFieldFlags[n] = vt::kFlagRemoveBlanks;
    vt::CopyText(t->out.OutputFieldDecimals[n], " ");
  }
  return t;
}

void BM_PageInput_ReadPages(benchmark::State& state) {
  const int pages = static_cast<int>(state.range(0));
  const fs::path report = MakeReport(pages);
  vt::InputTables in;
  in.InputFileName = report.string();
  const vt::PageOptions options{.mode = vt::PageBreak::kFormFeed};
  for (auto _ : state) {
    vt::RewindPages(in);
    int read = 0;
    while (vt::ReadNextPage(in, options)) ++read;
    if (read != pages) state.SkipWithError("not every page was read");
    benchmark::DoNotOptimize(in.PageText.data());
  }
  state.SetItemsProcessed(state.iterations() * pages);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(report)));
}
BENCHMARK(BM_PageInput_ReadPages)->Range(64, 8192)->Unit(benchmark::kMillisecond);

void BM_PageInput_Convert(benchmark::State& state) {
  const int pages = static_cast<int>(state.range(0));
  const bool tagged = state.range(1) != 0;
  const fs::path report = MakeReport(pages);
  const fs::path output = report.parent_path() / "out.txt";
  vt::RunPlan plan;
  plan.input = vt::InputKind::kPage;
  plan.reader.page.breaks.mode = vt::PageBreak::kFormFeed;
  plan.reader.page.cut.tagged = tagged;
  plan.format = vt::OutputFormat::kFixed;
  vt::RunObserver observer;
  std::int64_t written = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto t = ReportTables(report, tagged);
    plan.build.writer = nullptr;
    std::FILE* file = std::fopen(output.string().c_str(), "wb");
    state.ResumeTiming();
    written = vt::Convert(plan, t->in, t->out, t->words, file, observer).written;
  }
  const std::int64_t expected = tagged ? pages : std::int64_t{pages} * kDataLines;
  if (written != expected) state.SkipWithError("not every record was written");
  state.SetItemsProcessed(state.iterations() * written);
  state.SetLabel(tagged ? "tagged pages" : "bands");
}
BENCHMARK(BM_PageInput_Convert)
    ->ArgsProduct({{512, 4096}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
