// Choosing the input type: the controls of each type and the restart of the input.
#include <cstdlib>

#include "input/ebcdic.h"
#include "input/fixed_fields.h"
#include "input/type_guess.h"
#include "window/parse_view.h"

namespace vt {

namespace {

constexpr std::size_t kMarkerLength = 32767;

void ShowAll(std::initializer_list<tk::Control*> controls, bool visible) {
  for (tk::Control* c : controls) c->SetVisible(visible);
}

}  // namespace

void TParseView::InputTypeClick() {
  for (tk::ListBox* list : {&InputFieldsListBox, &InputFieldNamesListBox, &OutputFieldsListBox,
                            &OutputFieldNamesListBox}) {
    list->Clear();
  }
  ShowAll({&HTMLTableCheckBox, &DefineTagsGroupBox, &WebFindLabel}, TaggedData.Checked());
  ShowAll({&TagTextLabel, &TagTextIn, &VFC}, TagTextButton.Checked());
  BlankLinesPage.SetVisible(!TagTextButton.Checked());
  const bool page_break_found =
      TagTextButton.Checked() || BlankLinesPage.Checked() || FormFeedButton.Checked();
  if (page_break_found && LoadingPreferences == 0) {
    // One band covering the whole page until the user marks the bands.
    FormLength = 99;
    PageDataFirstLine = 1;
    PageBandHeight = 99;
    PageFooterLine = 99;
    PageFooterLabel.SetCaption("99");
  }
  if (page_break_found) DataBandLabel.SetCaption(std::to_string(PageBandHeight));

  const bool page = PageInputButton.Checked();
  const bool fixed = FixedInputButton.Checked();
  if (!page && !fixed) {
    MarkerLine.assign(kMarkerLength, ':');
    InputRecordMarkerLabel.SetCaption(RecordView(MarkerLine, InputLineOffset, false));
  }
  const bool fixed_length = FixedLengthButton.Checked();
  ShowAll({&FormLengthInputBox, &FormLengthLabel2}, fixed_length);
  if (fixed_length && PageLengthGroupBox.Visible()) FormLengthInputBox.SetFocus();

  InputTextStream.Open(InputFileName);
  RecordNumber = 0;
  PrevButton.SetEnabled(false);  // nothing lies before the first record
  PagesRead = 0;
  PageLinePending = 0;
  ShowAll({&PageLengthGroupBox, &DataLocationGroupBox, &PageNotes}, page);
  PageInputTab.SetEnabled(page);
  PageInputTab.SetTabVisible(page);
  if (page) {
    TakeFirstRecordAsFieldName.SetVisible(false);
    TakeFirstRecordAsFieldName.SetChecked(false);
  } else {
    NextButton.SetEnabled(true);
    ShowAll({&FormLengthLabel2, &FormLengthInputBox}, false);
    // Addresses are found on pages; records without pages have none.
    for (std::string& found : WebEmails) found.clear();
    for (std::string& found : WebUrls) found.clear();
  }

  if (DelimitedInputButton.Checked()) {
    TakeFirstRecordAsFieldName.SetVisible(true);
    ParseInputLine.Click();
  } else if (TabInputButton.Checked()) {
    TakeFirstRecordAsFieldName.SetVisible(true);
    InputDelimiter[0] = '\t';
    SpecialParse.Click();
  } else if (WebFormInput.Checked()) {
    WebForm.Click();
  }

  if (fixed) {
    TakeFirstRecordAsFieldName.SetVisible(false);
    TakeFirstRecordAsFieldName.SetChecked(false);
    ShowAll({&TabInstructionLabel, &TabInstructionLabel2}, true);
    if (std::atoi(FieldNumberLabel.Caption().c_str()) > 0) PanelLineDivision.SetVisible(true);
    InputRecordMarkerLabel.SetEnabled(true);
  } else {
    ShowAll({&TabInstructionLabel, &TabInstructionLabel2, &PanelLineDivision}, false);
    InputRecordMarkerLabel.SetEnabled(false);
  }

  const bool special = SpecialInputButton.Checked();
  ShowAll({&DelimiterGroup, &SpecialDelimiterLabel, &SpecialDelimiterInputBox, &DelimChoice},
          special);
  if (special) {
    TakeFirstRecordAsFieldName.SetVisible(true);
    SpecialDelimiterInputBox.SetFocus();
    DelimChoice.SetItemIndex(static_cast<unsigned char>(InputDelimiter[0]) - 1);
  }

  if (BinaryInput.Checked()) {
    if (!OpenBinaryInput()) return;
  } else {
    if (DbaseInputActive == 0) InputDataFile.Close();
    BinaryInputTab.SetEnabled(false);
    BinaryInputTab.SetTabVisible(false);
    ShowAll({&BinaryRecordSizeLabel, &BinaryRecordSize}, false);
  }
  if (WebFormInput.Checked() && !InputLine.empty() && InputLine.back() == '!') NextButton.Click();
  DisplayOutput.Click();
}

bool TParseView::OpenBinaryInput() {
  BinaryInputTab.SetEnabled(true);
  BinaryInputTab.SetTabVisible(true);
  TakeFirstRecordAsFieldName.SetVisible(false);
  TakeFirstRecordAsFieldName.SetChecked(false);
  InputTextStream.Close();
  PageLinePending = 0;
  RecordNumber = 0;
  PagesRead = 0;
  if (!InputDataFile.Open(InputFileName)) {
    FixedInputButton.SetChecked(true);
    InputTextStream.Open(InputFileName);
    NextButton.Click();
    return false;
  }
  BinaryRecordSize.SetText(std::to_string(BinaryRecordLength));
  BinaryHeaderSizeIn.SetText(std::to_string(BinaryHeaderSize()));
  StartOfFileBuffer.fill('\0');
  StartOfFileFull =
      InputDataFile.Read(StartOfFileBuffer.data(), kStartBlockSize) == kStartBlockSize ? 1 : 0;
  if (EbcdicIn.Checked()) TranslateEbcdicToAscii(StartOfFileBuffer.data(), kStartBlockSize);
  RefillByteViews(BinaryHeaderList, BinaryHeaderList);
  BinaryRecords.Clear();
  InputDataFile.Seek(0);
  ShowAll({&TabInstructionLabel, &TabInstructionLabel2}, true);
  InputRecordMarkerLabel.SetEnabled(true);
  ShowAll({&BinaryRecordSizeLabel, &BinaryRecordSize}, true);
  for (tk::RadioButton* b : {&DelimitedInputButton, &TabInputButton, &SpecialInputButton,
                             &FixedInputButton, &WebFormInput, &PageInputButton, &DbaseInput}) {
    b->SetEnabled(false);
  }
  PageControl.SetActivePage(&BinaryInputTab);
  LowHint.SetVisible(false);
  InstructionHints.SetLines(
      {"Many binary files consist of two main parts. The first part is a header block giving "
       "information about the file (some files have no header block).  The next part is a series "
       "of identically formatted data blocks. This tab allows you to skip the header block and "
       "extract the data.  You need to identify the file structure by trial and error using the "
       "binary file image in the upper panel, until a logical file structure is seen in the "
       "lower panel. Then define fields by clicking below the input line image."});
  InstructionHints.SetVisible(LargeHints.Checked());
  if (LoadingPreferences == 0) {
    for (int f = 1; f <= 98; ++f) BinaryTypeBits(f) = 1;
  }
  return true;
}

}  // namespace vt
