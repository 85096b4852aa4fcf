// Fuzz target: a text input (comma with quotes, tab, other-delimited, fixed, web form) opened
// the way the window opens one, stepped as the preview steps, then read again as a run reads.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "input/ebcdic.h"
#include "input/fixed_fields.h"
#include "input/readers/readers.h"
#include "input/type_guess.h"
#include "input/web_form.h"
#include "strings/fixed_text.h"
#include "support/fuzz_files.h"
#include "support/fuzz_input.h"
#include "support/fuzz_tables.h"
#include "support/fuzz_targets.h"

namespace vt::fuzz {
namespace {

constexpr InputKind kTextKinds[] = {InputKind::kComma, InputKind::kTab, InputKind::kSpecial,
                                    InputKind::kFixed, InputKind::kWebForm};
// Records stepped per pass: enough for every branch, few enough for thousands of runs a second.
constexpr int kStepLimit = 80;

// The first look at a file: the start block, the first line, the form-feed search.
void OpenAsTheWindowDoes(InputTables& in, const std::string& bytes, const TextRecordOptions& text,
                         bool byte_view) {
  in.StartOfFileBuffer.fill('\0');
  const std::size_t n = std::min(bytes.size(), kStartBlockSize);
  std::copy_n(bytes.data(), n, in.StartOfFileBuffer.data());
  // Zeros translate to zeros: only the file's bytes need it.
  if (text.ebcdic) TranslateEbcdicToAscii(in.StartOfFileBuffer.data(), n);
  const StartBlockGuess guess = GuessFromStartBlock(in.StartOfFileBuffer.data());
  // The byte view only shows the block; rarely, since its 300 rows cost more than the rest.
  if (byte_view) (void)ByteViewRows(std::string_view(in.StartOfFileBuffer.data(), kStartBlockSize));
  if (!in.InputTextStream.Open(in.InputFileName)) std::abort();
  in.InputTextStream.ReadLine(in.InputLine);
  PrepareTextLine(in.InputLine, text);
  const bool form_feed = FindFormFeedLine(in.InputLine, in.InputTextStream, text);
  (void)TextOpenHints({.form_feed = form_feed,
                       .xml = guess.xml,
                       .comma = GuessFromFirstLine(in.InputLine) == DelimiterGuess::kComma,
                       .html_table = guess.html_table});
  if (!in.InputTextStream.Open(in.InputFileName)) std::abort();
}

// The marker line under the record: clicks that add and remove dividers, the row rebuilt.
void ClickDividers(FuzzInput& fuzz, InputTables& in) {
  std::string marker(static_cast<std::size_t>(fuzz.IntIn(0, 400)), ':');
  const int clicks = fuzz.IntIn(0, 12);
  int total = 1;
  for (int c = 0; c < clicks; ++c)
    (void)ToggleDivider(marker, Hostile<int>(fuzz, -2, 410), total++);
  (void)RebuildDividerRow(marker, in.DividerMatrix[0], in.DividerListText);
  (void)RecordView(marker, Hostile<int>(fuzz, 0, 500), false);
}

void Step(RecordReader& reader, InputTables& in, bool views) {
  in.CutIntoViews = views;
  reader.Rewind(in);
  bool have = reader.Read(in);
  if (have && reader.SkipsNamesRecord()) have = reader.Read(in);
  for (int r = 0; have && r < kStepLimit; ++r) {
    reader.Cut(in);
    in.SettleInputValues();
    (void)RecordView(in.InputLine, in.InputLineOffset, true);
    in.InputLine.clear();
    have = reader.Read(in);
  }
  in.CutIntoViews = false;
  in.InputRecordCut();
}

}  // namespace

void InputText(FuzzInput& fuzz) {
  const InputKind kind = fuzz.Pick(kTextKinds);
  ReaderSetup setup;
  setup.text = {
      .ebcdic = fuzz.Bool(),
      .strip_control = fuzz.Bool(),
      .web_form = kind == InputKind::kWebForm ? WebFormLines::kFirstBang : WebFormLines::kNone};
  setup.delimiter = fuzz.Int<char>();
  setup.names_from_first_record = fuzz.Bool();

  const InputTablesPtr in = MakeInputTables();
  in->InputFieldCounts[0] = Hostile<std::int32_t>(fuzz, 0, 99);
  if (fuzz.Bool()) {
    ClickDividers(fuzz, *in);
  } else {
    const int dividers = fuzz.IntIn(0, 99);
    for (int k = 1; k <= dividers; ++k)
      in->DividerMatrix[0][static_cast<std::size_t>(k)] = Hostile<std::int16_t>(fuzz, 0, 300);
  }
  in->InputLineOffset = Hostile<std::int32_t>(fuzz, 0, 200);
  in->TagCount = Hostile<std::int32_t>(fuzz, 0, 5);
  for (std::size_t t = 1; t <= 5; ++t) CopyText(in->TagTexts[t], fuzz.Text(8));

  const bool byte_view = fuzz.IntIn(0, 63) == 63;
  in->InputFileName = ScratchPath("input.txt");
  const std::string bytes = fuzz.Rest();
  WriteScratch(in->InputFileName, bytes);
  OpenAsTheWindowDoes(*in, bytes, setup.text, byte_view);

  const std::unique_ptr<RecordReader> reader = ReaderFor(kind).make(setup);
  // The preview: a web form adds the names it meets.
  in->InputTextStream.ReadRecord(in->InputLine, setup.text);
  if (kind == InputKind::kWebForm) (void)CutWebForm(*in, true);
  Step(*reader, *in, false);
  reader->TablesChanged();
  Step(*reader, *in, true);
}

}  // namespace vt::fuzz

VONTRASK_FUZZ_ENTRY(InputText)
