// Fuzz target: printed report pages, tagged pages, XML and HTML tables, under page settings as
// hostile as a preference file can make them: pages read and cut as the page view cuts them,
// then the records stepped band by band and block by block as a run steps them.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "input/page_fields.h"
#include "input/page_image.h"
#include "input/readers/readers.h"
#include "input/tag_fields.h"
#include "input/type_guess.h"
#include "input/web_patterns.h"
#include "input/xml_tags.h"
#include "strings/fixed_text.h"
#include "support/fuzz_files.h"
#include "support/fuzz_input.h"
#include "support/fuzz_tables.h"
#include "support/fuzz_targets.h"

namespace vt::fuzz {
namespace {

constexpr PageBreak kBreaks[] = {PageBreak::kFixedLength, PageBreak::kFormFeed, PageBreak::kTagText,
                                 PageBreak::kBlankLines};
// Pages viewed and records stepped: enough for every branch, few enough for thousands of runs a
// second.
constexpr int kPageLimit = 16;
constexpr int kStepLimit = 120;

// The page geometry and dividers a preference file may hold.
void SetGeometry(FuzzInput& fuzz, InputTables& in) {
  in.FormLength = Hostile<std::int32_t>(fuzz, 1, 99);
  in.PageDataFirstLine = Hostile<std::int32_t>(fuzz, 0, 12);
  in.PageDataBandEnd = Hostile<std::int32_t>(fuzz, 0, 30);
  in.PageFooterLine = Hostile<std::int32_t>(fuzz, 0, 99);
  in.PageBandHeight = Hostile<std::int32_t>(fuzz, 0, 6);
  in.PageGutter = Hostile<std::int32_t>(fuzz, 0, 10);
  in.PageBlockStep = Hostile<std::int32_t>(fuzz, 0, 80);
  in.PageBlockCount = Hostile<std::int32_t>(fuzz, 0, 4);
  in.PageSelectedColumn = Hostile<std::int32_t>(fuzz, 1, 300);
  const int rows = fuzz.IntIn(0, 8);
  for (int r = 0; r < rows; ++r) {
    const auto row = fuzz.IntIn<std::size_t>(0, 98);
    const int dividers = fuzz.IntIn(0, 6);
    for (int k = 1; k <= dividers; ++k)
      in.DividerMatrix[row][static_cast<std::size_t>(k)] = Hostile<std::int16_t>(fuzz, 0, 260);
    in.InputFieldCounts[row] = Hostile<std::int32_t>(fuzz, 0, dividers + 1);
  }
}

// The tag table as the tag editor fills it.
void SetTags(FuzzInput& fuzz, InputTables& in) {
  in.TagOccurrences.fill(1);
  const int tags = fuzz.IntIn(0, 6);
  for (int t = 1; t <= tags; ++t) {
    CopyText(in.TagTexts[static_cast<std::size_t>(t)], fuzz.Text(12));
    in.TagOccurrences[static_cast<std::size_t>(t)] = Hostile<std::int16_t>(fuzz, -3, 3);
  }
  in.TagCount = Hostile<std::int32_t>(fuzz, 0, tags);
}

// The tag table of XML input: the tag list the start block gives, as the open makes it.
void SetXmlTags(InputTables& in, std::string_view bytes) {
  const XmlTagList list = BuildXmlTagList(UpToNul(bytes.substr(0, kStartBlockSize)));
  std::size_t slot = 1;
  for (const XmlTag& tag : list.tags) {
    if (slot >= in.TagTexts.size()) break;
    CopyText(in.TagTexts[slot], tag.text);
    in.TagOccurrences[slot] = static_cast<std::int16_t>(tag.occurrence);
    ++slot;
  }
  in.TagCount = static_cast<std::int32_t>(slot - 1);
}

// Where the page view looks on every page: a line, a block of it and a column.
struct Probe {
  int line = 0;
  int block = 0;
  std::int32_t column = 0;  // PageSelectedColumn
};

// The page view: every page read, its record cut, its lines and blocks looked at.
void ViewPages(const Probe& probe, InputTables& in, const PageSetup& setup) {
  RewindPages(in);
  for (int p = 0; p < kPageLimit && ReadNextPage(in, setup.breaks); ++p) {
    FindWebPatterns(in, setup.cut.ignore_line_ends);
    CutPageRecord(in, setup.cut);
    (void)CutTagFields(in, setup.cut.ignore_line_ends, setup.cut.selected_tag);
    (void)RowKindOf(in, probe.line);
    (void)FirstBandLine(in, probe.line);
    (void)BlockText(in, PageLineText(in, probe.line), probe.block);
    (void)BlockStart(in, BlockAtColumn(in, probe.column));
  }
  (void)PageInputAtEnd(in);
}

// A run: records stepped by the page reader, the fields cut into views.
void RunPages(InputTables& in, const ReaderSetup& setup) {
  const std::unique_ptr<RecordReader> reader = ReaderFor(InputKind::kPage).make(setup);
  in.CutIntoViews = true;
  reader->Rewind(in);
  for (int r = 0; r < kStepLimit && reader->Read(in); ++r) {
    reader->Cut(in);
    (void)in.CountedFields(in.CutCountSum());
    in.SettleInputValues();
  }
  in.CutIntoViews = false;
}

}  // namespace

void InputPage(FuzzInput& fuzz) {
  ReaderSetup setup;
  setup.text.ebcdic = fuzz.Bool();
  setup.text.strip_control = fuzz.Bool();
  setup.page.breaks = {.mode = fuzz.Pick(kBreaks),
                       .tag = fuzz.Text(10),
                       .tag_at_left_only = fuzz.Bool(),
                       .skip_blank_lines = fuzz.Bool()};
  setup.page.cut = {.tagged = fuzz.Bool(),
                    .html_table = fuzz.Bool(),
                    .ignore_line_ends = fuzz.Bool(),
                    .selected_tag = Hostile<int>(fuzz, 0, 8)};

  const InputTablesPtr in = MakeInputTables();
  SetGeometry(fuzz, *in);
  in->HtmlRowTag = fuzz.Bool() ? "<tr" : "<TR";
  const bool xml = fuzz.Bool();
  if (!xml) SetTags(fuzz, *in);
  const Probe probe{Hostile<int>(fuzz, 0, 100), Hostile<int>(fuzz, 0, 5),
                    Hostile<std::int32_t>(fuzz, 0, 300)};
  const std::string bytes = fuzz.Rest();
  if (xml) SetXmlTags(*in, bytes);
  (void)GuessFromStartBlock(UpToNul(std::string_view(bytes).substr(0, kStartBlockSize)));

  in->InputFileName = ScratchPath("pages.txt");
  WriteScratch(in->InputFileName, bytes);
  if (!in->InputTextStream.Open(in->InputFileName)) std::abort();
  ViewPages(probe, *in, setup.page);
  RunPages(*in, setup);
}

}  // namespace vt::fuzz

VONTRASK_FUZZ_ENTRY(InputPage)
