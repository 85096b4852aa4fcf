// Reading and stepping through records: Next and Previous for every input type, and the
// first record as field names.
#include <algorithm>
#include <cstdint>
#include <limits>

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
          .web_form = WebFormInput.Checked()};
}

void TParseView::NextButtonClick() {
  for (int i = 0; i < kMaxFields; ++i) InputFieldValues[static_cast<std::size_t>(i)].clear();
  InputLine.clear();
  const int names_top = InputFieldNamesListBox.TopIndex();
  const int output_top = OutputFieldNamesListBox.TopIndex();

  if (DbaseInputActive != 0) {
    ReadDbaseRecord();
  } else if (BinaryInput.Checked()) {
    ReadBinaryRecord();
  } else if (ReadTextRecord()) {
    TakeFirstRecordNames();
  }
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
  // A page reader that found no lines has no record to step to: the end, not an endless walk.
  const bool no_page = page && PageLineCount <= 0;
  if ((!page && InputTextStream.AtEnd()) || no_page) {
    InputRecordLabel.SetCaption(kEndOfFile);
    return false;
  }
  if (!page) {
    InputTextStream.ReadRecord(InputLine, TextOptions());
    RefreshRecordView();
  }
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

// Bands of the data area; a page whose bands are not defined yet counts as one band.
static int BandCount(const TParseView& v) {
  const std::int64_t lines = v.PageLineCount < v.PageDataFirstLine
                                 ? 0
                                 : std::int64_t{v.PageFooterLine} - v.PageDataFirstLine + 1;
  if (v.PageBandHeight < 1) return 1;
  return std::max(1, ToInt(lines / v.PageBandHeight));
}

// The first column of the current block; a block step below 1 counts as 1.
static std::int32_t BlockColumn(const TParseView& v) {
  const std::int64_t step = std::max<std::int32_t>(v.PageBlockStep, 1);
  return ToInt((std::int64_t{v.PageBlockIndex} - 1) * step + v.PageGutter + 1);
}

void TParseView::PageStepForward() {
  const int bands = BandCount(*this);
  const std::int64_t height = std::max<std::int32_t>(PageBandHeight, 1);
  if (PageBlockIndex < PageBlockCount) {
    ++PageBlockIndex;
  } else if (PageBandIndex < bands) {
    PageBlockIndex = 1;
    ++PageBandIndex;
    InputPageListBox.SetItemIndex(ToInt(InputPageListBox.ItemIndex() + height));
  } else {
    ReadPage.Click();
    PageBlockIndex = 1;
    PageBandIndex = 1;
    InputPageListBox.SetItemIndex(ToInt(std::int64_t{PageDataFirstLine} + PageLineInBand - 2));
  }
  PageSelectedColumn = BlockColumn(*this);
  PageClick.Click();
}

void TParseView::PageStepBack() {
  const int bands = BandCount(*this);
  const std::int64_t height = std::max<std::int32_t>(PageBandHeight, 1);
  // The last block of a band; a block count below 1 counts as 1.
  const std::int32_t last_block = std::max<std::int32_t>(PageBlockCount, 1);
  if (PageBlockIndex < 2) {
    if (PageBandIndex < 2) {
      PrevPage.Click();
      PageBlockIndex = last_block;
      PageBandIndex = bands;
      InputPageListBox.SetItemIndex(
          ToInt((bands - 1) * height + PageDataFirstLine + PageLineInBand - 2));
    } else {
      PageBlockIndex = last_block;
      --PageBandIndex;
      InputPageListBox.SetItemIndex(ToInt(InputPageListBox.ItemIndex() - height));
    }
  } else {
    --PageBlockIndex;
  }
  PageSelectedColumn = BlockColumn(*this);
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
