// Output handlers: the binding of the output side's controls, and the automatic field widths.
#include <initializer_list>
#include <string>

#include "input/page_image.h"
#include "window/output/conversion_run.h"
#include "window/parse_view.h"

namespace vt {

namespace {

constexpr int kWidthScanFirst = 1000;

}  // namespace

void TParseView::BindOutputHandlers() {
  BindSourceSlotHandlers();
  DisplayOutput.on_click = [this] { DisplayOutputClick(); };
  FillOutput.on_click = [this] { FillOutputClick(); };
  StoreValues.on_click = [this] { StoreValuesClick(); };
  OutputHint.on_click = [this] { OutputHintClick(); };
  SaveOldNames.on_click = [this] { SaveOldNamesClick(); };
  MatchOldNames.on_click = [this] { MatchOldNamesClick(); };

  OutputFieldNamesListBox.on_click = [this] { OutputFieldNamesListBoxClick(); };
  OutputFieldNamesListBox.on_exit = [this] { OutputFieldNamesListBoxExit(); };
  OutputFieldNamesListBox.on_key_down = [this](int& key) { OutputFieldNamesListBoxKeyDown(key); };
  OutputFieldNamesListBox.on_mouse_down = [this](bool right, int row) {
    OutputFieldNamesListBoxMouseDown(right, row);
  };
  OutputFieldNamesListBox.on_drag_drop = [this](int row) { OutputFieldNamesListBoxDragDrop(row); };
  ParsedItemNames.on_click = [this] { ParsedItemNamesClick(); };
  ParsedItemNames.on_exit = [this] { ParsedItemNamesExit(); };
  OutputRecordScrollBar.on_change = [this] { OutputRecordScrollBarChange(); };
  for (tk::Control* c : std::initializer_list<tk::Control*>{&OutputRecordPanel, &OutputRecordLabel})
    c->on_mouse_move = [this](int x, int y) { OutputRecordPanelMouseMove(x, y); };

  AddFieldButton.on_click = [this] { AddFieldButtonClick(); };
  InsertFieldButton.on_click = [this] { InsertFieldButtonClick(); };
  DeleteFieldButton.on_click = [this] { DeleteFieldButtonClick(); };
  RenameFieldButton.on_click = [this] { RenameFieldButtonClick(); };
  RenameEditBox.on_exit = [this] { RenameEditBoxExit(); };
  DefaultButton.on_click = [this] { DefaultButtonClick(); };
  DefaultValueEditBox.on_exit = [this] { DefaultValueEditBoxExit(); };
  FieldWidthButton.on_click = [this] { FieldWidthButtonClick(); };
  OutputWidthEditBox.on_exit = [this] { OutputWidthEditBoxExit(); };
  DecimalPlaces.on_exit = [this] { DecimalPlacesExit(); };
  // Enter stores the text by moving the focus away from the box.
  for (tk::Edit* box : {&RenameEditBox, &DefaultValueEditBox, &DecimalPlaces}) {
    box->on_key_press = [this](char& key) {
      if (key != '\r') return;
      key = 0;
      InputFieldNamesListBox.SetFocus();
    };
  }
  OutputWidthEditBox.on_key_press = [this](char& key) {
    if (key != '\r') return;
    key = 0;
    FieldWidthButton.SetFocus();
  };
  CloneButton.on_click = [this] { CloneButtonClick(); };
  ClearOutput.on_click = [this] { ClearOutputClick(); };
  AutoWidth.on_click = [this] { AutoWidthClick(); };
  SaveConvertedFile.on_click = [this] { SaveConvertedFileClick(); };
  OutputButton.on_click = [this] { SaveConvertedFileClick(); };
  CancelOutput.on_click = [this] { CancelOutputClick(); };
  BindRunOptionHandlers();

  NumericOutputBox.on_click = [this] { NumericOutputBoxClick(); };
  for (tk::RadioButton* button :
       {&NoCaseConversion, &UpperCaseConversion, &LowerCaseConversion, &ProperCaseConversion,
        &SoundexConversion, &DbaseDateButton, &DbaseLogicButton, &DecimalConversion, &HexConversion,
        &ScientificConversion}) {
    button->on_click = [this] { CaseConversionGroupClick(); };
  }
  for (tk::CheckBox* box : {&Div100, &Mult100, &Round, &NumLdgZero})
    box->on_click = [this] { CaseConversionGroupClick(); };
  CaseOptions.on_click = [this] { CaseOptionsClick(); };
  StripAccents.on_click = [this] { DisplayOutput.Click(); };
  RemoveBlanksBox.on_click = [this] { FieldOptionClick(); };
  RightJustify.on_click = [this] { FieldOptionClick(); };
  DupIfBlank.on_click = [this] { DupIfBlankClick(); };
  DeDup.on_click = [this] { StoreValuesClick(); };
  SkipIfNull.on_click = [this] { SkipIfNullClick(); };
  EmptyButton.on_click = [this] { SkipIfNullClick(); };
  FullButton.on_click = [this] { SkipIfNullClick(); };

  InputFieldNamesListBox.on_click = [this] { InputFieldNamesListBoxClick(); };
  InputFieldNamesListBox.on_exit = [this] { InputFieldNamesListBoxExit(); };
  FilterSourceName.on_click = [this] { FilterSourceNameClick(); };
}

// While a run is going a second one does nothing; the run itself is in conversion_run.cpp.
void TParseView::SaveConvertedFileClick() {
  if (ConversionRunning) return;
  RunConversion(*this);
}

// The capitalisation exceptions that Proper Case follows are kept on the Mailing sheet.
void TParseView::CaseOptionsClick() {
  PageControl.SetActivePage(&Mailing);
}

void TParseView::CancelOutputClick() {
  StopConversion = 1;
  ConversionCancelled = 1;
  CancelOutput.SetEnabled(false);
}

void TParseView::AutoWidthClick() {
  const std::string scanning = "Scanning file to check field widths";
  auto rewind = [this] {
    if (DbaseInputActive != 0) {
      (void)InputDataFile.Seek(DbaseHeaderLength);
    } else if (BinaryInput.Checked()) {
      (void)InputDataFile.Seek(BinaryRecordsStart());
    } else if (PageInputButton.Checked()) {
      RewindPages(*this);
    } else {
      (void)InputTextStream.Rewind();
    }
  };
  auto scan_on = [&](int limit) {
    for (int read = 0; limit <= 0 || read < limit; ++read) {
      // Steps, not record numbers: a page record's number can repeat from page to page.
      const std::int64_t before = RecordsStepped;
      NextButton.Click();
      if (RecordsStepped == before) return true;  // the end of the input
      StatusBar1.SetPanelText(2, scanning + " " + std::to_string(RecordNumber));
    }
    return false;
  };
  StatusBar1.SetPanelText(2, scanning);
  rewind();
  BatchRun = 1;
  OutputFieldLongest.fill(0);
  const bool at_end = scan_on(kWidthScanFirst);
  const bool read_rest =
      !at_end &&
      services().messages->Show(
          "Field widths have been set based on the maximum sizes found in "
          "the first 1000 records. Do you wish to scan the rest of the file "
          "(may take a long time)?",
          "Scanned first 1000 records", tk::MessageStyle::kQuestion) == tk::MessageReply::kYes;
  if (read_rest) scan_on(0);
  for (int n = 1; n < kSlots; ++n) {
    const std::int32_t longest = OutputFieldLongest[static_cast<std::size_t>(n)];
    OutputFieldWidths[static_cast<std::size_t>(n)] =
        static_cast<std::int16_t>(longest > 32767 ? 32767 : longest);
  }
  BatchRun = 0;
  rewind();
  PagesRead = 0;
  RecordNumber = 0;
  NextButton.Click();
  if (TakeFirstRecordAsFieldName.Checked()) NextButton.Click();
  StatusBar1.SetPanelText(2, "");
  DisplayOutput.Click();
}

}  // namespace vt
