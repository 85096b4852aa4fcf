// Reading and stepping through records: Next and Previous for every input type, and the
// first record as field names.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "input/page_fields.h"
#include "input/page_image.h"
#include "input/readers/binary_reader.h"
#include "input/readers/dbase_reader.h"
#include "window/parse_view.h"

namespace vt {

namespace {

constexpr const char* kEndOfFile = "*** End of File Reached ***";

// Page positions are made in 64 bits from the page geometry a preference file left, then
// brought back into the range of an int.
int ToInt(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

}  // namespace

TextRecordOptions TParseView::TextOptions() const {
  return {.ebcdic = EbcdicIn.Checked(),
          .strip_control = OmitControlChar.Checked(),
          .web_form = WebFormInput.Checked() ? WebFormLines::kFirstBang : WebFormLines::kNone};
}

void TParseView::NextButtonClick() {
  for (int i = 0; i < kMaxFields; ++i) InputFieldValues[static_cast<std::size_t>(i)].clear();
  InputLine.clear();
  const int names_top = InputFieldNamesListBox.TopIndex();
  const int output_top = OutputFieldNamesListBox.TopIndex();

  const std::int32_t before = RecordNumber;
  bool read = false;
  if (DbaseInputActive != 0) {
    ReadDbaseRecord();
    read = RecordNumber != before;
  } else if (BinaryInput.Checked()) {
    ReadBinaryRecord();
    read = RecordNumber != before;
  } else {
    read = ReadTextRecord();
  }
  if (read) ++RecordsStepped;
  if (read && DbaseInputActive == 0 && !BinaryInput.Checked()) TakeFirstRecordNames();
  RecordNumberLabel.SetCaption(std::to_string(RecordNumber));
  if (BinaryInput.Checked()) MakeBinaryValue.Click();
  PrevButton.SetEnabled(RecordNumber > 1);
  InputFieldNamesListBox.SetTopIndex(names_top);
  OutputFieldNamesListBox.SetTopIndex(output_top);
}

void TParseView::ReadDbaseRecord() {
  char flag = ' ';
  std::string raw;
  // The end of the file ends the input, whatever count the header claims.
  if (!ReadDbaseRecordValues(*this, flag, raw)) {
    InputRecordLabel.SetCaption(kEndOfFile);
    return;
  }
  DeletedWarning.SetVisible(flag == '*');
  DisplayInput.Click();
  DisplayOutput.Click();
  ++RecordNumber;
  if (RecordNumber >= static_cast<std::int64_t>(DbaseRecordCount)) NextButton.SetEnabled(false);
}

void TParseView::ReadBinaryRecord() {
  // A record length no record can have reads nothing, as the end of the file does.
  // The preview shows a short last record too; a run converts whole records only.
  if (!ReadBinaryRecordBytes(*this, EbcdicIn.Checked(), true)) {
    InputRecordLabel.SetCaption(kEndOfFile);
    return;
  }
  RefreshRecordView();
  ++RecordNumber;
  CutUpInputLine.Click();
  DisplayOutput.Click();
}

bool TParseView::ReadTextRecord() {
  const bool page = PageInputButton.Checked();
  // Page input ends as the other kinds do: past the last record of the last page. A text
  // line ends the input as in a run: when the read runs into the end and gets nothing.
  const bool at_end =
      page ? !PageRecordAhead() : !InputTextStream.ReadRecord(InputLine, TextOptions());
  if (at_end) {
    InputRecordLabel.SetCaption(kEndOfFile);
    return false;
  }
  if (!page) RefreshRecordView();
  ++RecordNumber;
  PrevButton.SetEnabled(RecordNumber > 1);
  if (FixedInputButton.Checked()) {
    CutUpInputLine.Click();
  } else if (DelimitedInputButton.Checked()) {
    ParseInputLine.Click();
  } else if (TabInputButton.Checked() || SpecialInputButton.Checked()) {
    SpecialParse.Click();
  } else if (WebFormInput.Checked()) {
    WebForm.Click();
  } else if (page) {
    PageStepForward();
  }
  DisplayOutput.Click();
  return true;
}

bool TParseView::PageRecordAhead() {
  if (PagesRead > 0 && PageBlockIndex < BlockCountOf(*this)) return true;
  if (PagesRead > 0 && PageBandIndex < PageBandCount(*this)) return true;
  return !PageInputAtEnd(*this);
}

// The page line of the current band's line PageLineInBand, within the page.
static int BandLineRow(const TParseView& v) {
  const std::int64_t height = BandHeightOf(v);
  const std::int64_t in_band = std::clamp<std::int64_t>(v.PageLineInBand, 1, height);
  const std::int64_t row =
      (std::int64_t{v.PageBandIndex} - 1) * height + v.PageDataFirstLine + in_band - 2;
  return ToInt(std::clamp<std::int64_t>(row, 0, std::max(v.PageLineCount - 1, 0)));
}

void TParseView::PageStepForward() {
  if (PagesRead > 0 && PageBlockIndex < BlockCountOf(*this)) {
    ++PageBlockIndex;
  } else if (PagesRead > 0 && PageBandIndex < PageBandCount(*this)) {
    PageBlockIndex = 1;
    ++PageBandIndex;
  } else {
    // A page without data lines holds no record, as in a run: the next page is read.
    do {
      ReadPage.Click();
    } while (PageBandCount(*this) == 0 && !PageInputAtEnd(*this));
    PageBlockIndex = 1;
    PageBandIndex = 1;
  }
  InputPageListBox.SetItemIndex(BandLineRow(*this));
  PageSelectedColumn = ToInt(BlockStart(*this, PageBlockIndex));
  PageClick.Click();
}

void TParseView::PageStepBack() {
  if (PageBlockIndex >= 2) {
    --PageBlockIndex;
  } else if (PageBandIndex >= 2) {
    PageBlockIndex = BlockCountOf(*this);
    --PageBandIndex;
  } else {
    if (PagesRead < 2) return;  // the first record has none before it
    do {
      PrevPage.Click();
    } while (PageBandCount(*this) == 0 && PagesRead >= 2);
    PageBlockIndex = BlockCountOf(*this);
    PageBandIndex = std::max(PageBandCount(*this), 1);
  }
  InputPageListBox.SetItemIndex(BandLineRow(*this));
  PageSelectedColumn = ToInt(BlockStart(*this, PageBlockIndex));
  PageClick.Click();
  if (PageControl.ActivePage() == nullptr || PageControl.ActivePage()->Name() != "PageInputTab") {
    ShowDataBlock.Click();
    DisplayOutput.Click();
  }
}

void TParseView::TakeFirstRecordNames() {
  if (!TakeFirstRecordAsFieldName.Checked() || FirstRecordNamesTaken != 0) return;
  FirstRecordNamesTaken = 1;
  const int count = std::clamp(InputFieldCounts[0], 0, kMaxFields);
  for (int i = 1; i <= count; ++i) {
    const std::string& value = InputFieldValues[static_cast<std::size_t>(i)];
    if (!value.empty())
      InputFieldNames[static_cast<std::size_t>(i)] = value.substr(0, InputTables::kNameLimit);
  }
  FirstRecordNameCount = count;
  NextButton.Click();
}

void TParseView::PrevButtonClick() {
  if (DbaseInputActive != 0) {
    // Seeking to the record's own place also lands right after a short last record.
    RecordNumber = std::max(RecordNumber - 2, 0);
    InputDataFile.Seek(static_cast<std::int64_t>(DbaseHeaderLength) +
                       static_cast<std::int64_t>(RecordNumber) * DbaseRecordLength);
    NextButton.Click();
    NextButton.SetEnabled(RecordNumber < static_cast<std::int64_t>(DbaseRecordCount));
  } else if (BinaryInput.Checked()) {
    RecordNumber = std::max(RecordNumber - 2, 0);
    const std::int64_t length = BinaryLengthUsable() ? BinaryRecordLength : 0;
    InputDataFile.Seek(BinaryRecordsStart() + RecordNumber * length);
    NextButton.Click();
    NextButton.SetEnabled(true);
  } else if (PageInputButton.Checked()) {
    PageStepBack();
  } else {
    InputTextStream.Open(InputFileName);
    const TextRecordOptions options = TextOptions();
    for (int r = 1; r <= RecordNumber - 2; ++r) InputTextStream.ReadRecord(InputLine, options);
    RecordNumber -= 2;
    if (RecordNumber < 1) FirstRecordNamesTaken = 0;
    NextButton.Click();
  }
  if (RecordNumber < 2) PrevButton.SetEnabled(false);
  if (RecordNumber > 1) NextButton.SetEnabled(true);
  if (BinaryInput.Checked()) MakeBinaryValue.Click();
}

void TParseView::TakeFirstRecordAsFieldNameClick() {
  InputTextStream.Open(InputFileName);
  FirstRecordNamesTaken = 0;
  RecordNumber = 0;
  NextButton.Click();
}

}  // namespace vt
