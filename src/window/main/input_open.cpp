// Opening an input file: the name, the refusals, the type guess, dBase headers, XML tags,
// the clipboard as input, and Close Input File.
#include <cstdio>
#include <fstream>
#include <system_error>

#include "input/dbase_header.h"
#include "input/ebcdic.h"
#include "input/type_guess.h"
#include "input/xml_tags.h"
#include "output/field_names.h"
#include "strings/fixed_text.h"
#include "strings/search.h"
#include "window/parse_view.h"

namespace vt {

namespace {

constexpr std::size_t kMarkerLength = 32767;

// The last four characters, when the name has that many.
bool HasExtension(const std::string& name, std::string_view extension) {
  return name.size() >= extension.size() &&
         SameTextN(std::string_view(name).substr(name.size() - extension.size()), extension,
                   extension.size()) == 0;
}

// A failed dBase open leaves the window as it was before the open, ready for another.
void BackToNoInput(TParseView& v) {
  v.InputDataFile.Close();
  v.DbaseInputActive = 0;
  v.PageControl.SetEnabled(false);
  v.ListOtherTabs.SetEnabled(false);
  for (tk::Control* c : std::initializer_list<tk::Control*>{&v.TextFileOpen, &v.Open1, &v.ClipIn})
    c->SetEnabled(true);
  v.InitialInstructions.SetVisible(true);
}

}  // namespace

void TParseView::BindInputHandlers() {
  Open1.on_click = [this] { Open1Click(); };
  TextFileOpen.on_click = [this] { Open1Click(); };
  ClipIn.on_click = [this] { ClipInClick(); };
  CloseFile1.on_click = [this] { CloseFile1Click(); };
  EbcdicIn.on_click = [this] { EbcdicInClick(); };
  NextButton.on_click = [this] { NextButtonClick(); };
  PrevButton.on_click = [this] { PrevButtonClick(); };
  for (tk::RadioButton* b :
       {&DelimitedInputButton, &TabInputButton, &SpecialInputButton, &FixedInputButton,
        &WebFormInput, &PageInputButton, &BinaryInput, &FormFeedButton, &FixedLengthButton,
        &TagTextButton, &BlankLinesPage, &FixedData, &TaggedData}) {
    b->on_click = [this] { InputTypeClick(); };
  }
  SkipBlankLines.on_click = [this] { InputTypeClick(); };
  VFC.on_click = [this] { InputTypeClick(); };
  TagTextIn.on_exit = [this] { InputTypeClick(); };
  TakeFirstRecordAsFieldName.on_click = [this] { TakeFirstRecordAsFieldNameClick(); };
  InputRecordScrollBar.on_change = [this] { InputRecordScrollBarChange(); };
  InputRecordMarkerLabel.on_click = [this] { InputRecordMarkerLabelClick(); };
  for (tk::Control* c : std::initializer_list<tk::Control*>{&InputRecordPanel, &InputRecordLabel,
                                                            &InputRecordMarkerLabel}) {
    c->on_mouse_move = [this](int x, int y) { DisplayPosition(x, y); };
  }
  InputFieldNamesListBox.on_mouse_move = [this](int x, int y) { ScrollFieldNames(x, y); };
  CutUpInputLine.on_click = [this] { CutUpInputLineClick(); };
  DisplayInput.on_click = [this] { DisplayInputClick(); };
  ParseInputLine.on_click = [this] { ParseInputLineClick(); };
  SpecialParse.on_click = [this] { SpecialParseClick(); };
  SpecialDelimiterInputBox.on_change = [this] { SpecialDelimiterInputBoxChange(); };
  DelimChoice.on_click = [this] { DelimChoiceClick(); };
}

void TParseView::Open1Click() {
  XmlInput = 0;
  SkipXmlAnalysis = 0;
  const std::string last_input =
      services().settings->Read(SettingsFilePath, "Setup", "LastInput", ProgramDir, 255);
  PageLinePending = 0;
  BinaryFieldPanel.SetVisible(false);
  BinaryViewPanel.SetVisible(false);
  LocateFieldsButton.SetEnabled(true);
  LocateRecordsButton.SetEnabled(false);
  Splash.SetVisible(false);
  if (InputFileName.empty()) OpenFileDialog.Settings().initial_dir = last_input;

  const bool from_command_line = !CmdInputFileName.empty();
  if (from_command_line) {
    InputFileName = CmdInputFileName;
  } else {
    OpenFileDialog.Settings().title = "Open Input File";
    OpenFileDialog.Settings().filter = "All files|*";
    OpenFileDialog.SetFileName("");
    if (!OpenFileDialog.Execute()) return;
    InputFileName = OpenFileDialog.FileName();
  }
  DbaseInputActive = HasExtension(InputFileName, ".DBF") ? 1 : 0;
  if (HasExtension(InputFileName, ".VNQ") || HasExtension(InputFileName, ".EXE")) {
    const bool prefs = HasExtension(InputFileName, ".VNQ");
    services().messages->Show(
        prefs ? "The extension VNQ indicates a Vontrask saved preferences file, not a file "
                "suitable for parsing."
              : "The extension EXE indicates an executable file, not a file suitable for parsing.",
        "File Open", tk::MessageStyle::kStop);
    DbaseInputActive = 0;
    return;
  }
  FileNameLabel.SetCaption(InputFileName);
  // Only a regular file can be read again from its start for the run; a directory opens
  // without error here but reads nothing.
  std::FILE* file =
      IsRegularFile(InputFileName) ? std::fopen(InputFileName.c_str(), "rb") : nullptr;
  if (file == nullptr) {
    // Said aloud: a silent failure would leave the user guessing why nothing opened.
    services().messages->Show("Cannot open that file.", InputFileName, tk::MessageStyle::kStop);
    DbaseInputActive = 0;
    return;
  }
  services().events->ProcessPendingEvents();
  if (!from_command_line)
    services().settings->Write(SettingsFilePath, "Setup", "LastInput", FolderOf(InputFileName));

  StartOfFileBuffer.fill('\0');
  StartOfFileFull = std::fread(StartOfFileBuffer.data(), kStartBlockSize, 1, file) == 1 ? 1 : 0;
  if (EbcdicIn.Checked()) TranslateEbcdicToAscii(StartOfFileBuffer.data(), kStartBlockSize);
  std::fclose(file);
  services().events->ProcessPendingEvents();

  const StartBlockGuess guess =
      GuessFromStartBlock(std::string_view(StartOfFileBuffer.data(), kStartBlockSize));
  if (guess.xml) {
    XmlInput = 1;
  } else if (guess.html_table) {
    HtmlRowTag = guess.html_row_tag;
    FixedLengthButton.SetChecked(false);
    for (tk::RadioButton* b : {&PageInputButton, &TaggedData, &TagTextButton}) b->SetChecked(true);
    HTMLTableCheckBox.SetChecked(true);
  }
  RefillByteViews(BinaryViewBox, BinaryViewBox);
  PageControl.SetEnabled(true);
  ListOtherTabs.SetEnabled(true);
  for (tk::Control* c : std::initializer_list<tk::Control*>{&TextFileOpen, &Open1, &ClipIn})
    c->SetEnabled(false);
  InitialInstructions.SetVisible(false);

  if (DbaseInputActive != 0) {
    if (!OpenDbaseInput()) return;
  } else {
    OpenTextInput();
  }
  LoadConfiguration1.SetEnabled(true);
  SaveConfiguration.SetEnabled(true);
  for (tk::MenuItem* item : HistoryItems) item->SetEnabled(true);
  if (!CmdPrefFileName.empty()) LoadConfiguration1.Click();
}

bool TParseView::OpenDbaseInput() {
  services().events->ProcessPendingEvents();
  if (!InputDataFile.Open(InputFileName)) {
    services().messages->Show("Cannot open that file.", InputFileName, tk::MessageStyle::kStop);
    BackToNoInput(*this);
    return false;
  }
  DbaseHeader header;
  const DbaseHeaderStatus status = ReadDbaseHeader(InputDataFile, header);
  if (status != DbaseHeaderStatus::kOk) {
    services().messages->Show(status == DbaseHeaderStatus::kUnreadable ? "Cannot open that file."
                                                                       : "Too many fields in file.",
                              InputFileName, tk::MessageStyle::kStop);
    BackToNoInput(*this);
    return false;
  }
  if (header.year_above_99) DBVer.SetChecked(true);
  DbaseRecordCount = header.record_count;
  DbaseHeaderLength = header.header_length;
  DbaseRecordLength = header.record_length;
  DbaseFieldsLength = header.fields_length;
  DbaseFieldCount = static_cast<std::int32_t>(header.fields.size());
  for (std::size_t i = 1; i <= header.fields.size(); ++i) {
    const DbaseField& field = header.fields[i - 1];
    InputFieldNames[i] = field.name.substr(0, InputTables::kNameLimit);
    DbaseFieldTypes[i] = field.type;
    DbaseFieldLengths[i] = field.length;
    DbaseFieldDecimals[i] = field.decimals;
  }
  InputFieldCounts[0] = DbaseFieldCount;
  InputRecordCut();
  for (tk::TabSheet* sheet : {&PageInputTab, &BinaryInputTab}) {
    sheet->SetEnabled(false);
    sheet->SetTabVisible(false);
  }
  LowHint.SetLines(
      {"The file extension DBF indicates that this is a dBase file.",
       "According to its file header it was last updated on " +
           DbaseUpdateDateText(header.year, header.month, header.day) + ".",
       std::to_string(header.record_count) + " records are contained in the dBase table.",
       "This includes fields flagged for deletion by dBase (which will not be "
       "included in the output file)."});
  DbaseInput.SetEnabled(true);
  DbaseInput.SetChecked(true);
  LowHint.SetVisible(LargeHints.Checked());
  NextButton.SetEnabled(true);
  RecordNumber = 0;
  NextButton.Click();
  return true;
}

void TParseView::OpenTextInput() {
  const TextRecordOptions options = {.ebcdic = EbcdicIn.Checked(),
                                     .strip_control = OmitControlChar.Checked()};
  InputTextStream.Open(InputFileName);
  InputTextStream.ReadLine(InputLine);
  PrepareTextLine(InputLine, options);
  FirstLineCopy = InputLine;
  const bool form_feed = FindFormFeedLine(InputLine, InputTextStream, options);
  InputTextStream.Open(InputFileName);

  InitialInstructions.SetVisible(false);
  InputRecordMarkerLabel.SetEnabled(true);
  TabInstructionLabel.SetVisible(true);
  TabInstructionLabel2.SetVisible(true);
  RecordNumber = 0;
  for (tk::RadioButton* b : {&DelimitedInputButton, &TabInputButton, &SpecialInputButton,
                             &WebFormInput, &FixedInputButton, &PageInputButton, &BinaryInput}) {
    b->SetEnabled(true);
  }
  FixedInputButton.SetChecked(true);
  const DelimiterGuess delimiter = GuessFromFirstLine(InputLine);
  if (delimiter == DelimiterGuess::kComma) DelimitedInputButton.SetChecked(true);
  if (delimiter == DelimiterGuess::kTab) TabInputButton.SetChecked(true);
  PageInputTab.SetEnabled(false);
  if (form_feed) {
    PageInputButton.SetChecked(true);
    FormFeedButton.SetChecked(true);
  }
  if (XmlInput != 0 && SkipXmlAnalysis == 0) {
    for (tk::RadioButton* b : {&PageInputButton, &TagTextButton, &TaggedData}) b->SetChecked(true);
    BuildXmlTags();
    IgnoreLineEnds.SetChecked(true);
    XMLTranslate.SetChecked(true);
  }
  MarkerLine.assign(kMarkerLength, ':');
  BinaryInputTab.SetEnabled(false);
  NextButton.SetEnabled(true);
  NextButton.Click();

  LowHint.SetVisible(false);
  LowHint.SetLines(TextOpenHints({.form_feed = form_feed,
                                  .xml = XmlInput != 0,
                                  .comma = DelimitedInputButton.Checked(),
                                  .tab = TabInputButton.Checked(),
                                  .html_table = HTMLTableCheckBox.Checked()}));
  LowHint.SetVisible(LargeHints.Checked());
}

void TParseView::BuildXmlTags() {
  const std::string_view block(StartOfFileBuffer.data());  // the block ends at its NUL
  const XmlTagList list = BuildXmlTagList(block);
  std::string name;
  MakeXmlName(list.table_tag, name);
  XMLTableName.SetText(name);
  TagTextIn.SetText(list.record_tag);
  for (std::size_t t = 0; t < TagTexts.size(); ++t) {
    CopyText(TagTexts[t], "");
    TagOccurrences[t] = 1;
  }
  TagList.Clear();
  std::size_t slot = 1;
  for (const XmlTag& tag : list.tags) {
    if (slot >= TagTexts.size()) break;
    CopyText(TagTexts[slot], tag.text);
    TagOccurrences[slot] = static_cast<std::int16_t>(tag.occurrence);
    TagList.Add(std::string(TextOf(TagTexts[slot])));
    ++slot;
  }
  TagCount = static_cast<std::int32_t>(slot - 1);
  MakeXmlName(list.record_tag, name);
  XMLRecordName.SetText(name);
}

void TParseView::RefillByteViews(tk::ListBox& first, tk::ListBox& second) {
  std::vector<std::string> rows =
      ByteViewRows(std::string_view(StartOfFileBuffer.data(), kStartBlockSize));
  if (&second != &first) second.SetItems(rows);
  first.SetItems(std::move(rows));
}

void TParseView::ClipInClick() {
  ClipContents.Clear();
  ClipContents.PasteFromClipboard();
  std::ofstream out(ClipInTransferPath, std::ios::binary | std::ios::trunc);
  if (!out) {
    services().messages->Show("Cannot open that file.", ClipInTransferPath,
                              tk::MessageStyle::kStop);
    return;
  }
  out << ClipContents.Text();
  if (!ClipContents.Lines().empty()) out << '\n';
  out.close();
  ClipContents.Clear();
  CmdInputFileName = ClipInTransferPath;
  Open1.Click();
}

void TParseView::CloseInput() {
  InputDataFile.Close();
  InputTextStream.Close();
}

void TParseView::CloseFile1Click() {
  PageControl.SetActivePage(&InputConfiguration);
  InputRecordScrollBar.SetPosition(0);
  OutputRecordScrollBar.SetPosition(0);
  TagCount = 0;
  FileNameLabel.SetCaption("");
  PageLinePending = 0;
  CloseInput();
  FormLengthInputBox.SetText("66");
  PageLineCount = 66;
  for (int n = 1; n <= OutputFieldsInUse(); ++n) {
    const auto slot = static_cast<std::size_t>(n);
    OutputFieldSource[slot] = 0;
    CopyText(OutputFieldNameTable[slot], "");
    CopyText(OutputFieldDefaults[slot], "");
  }
  OutputFieldCount = 0;
  FixedInputButton.SetChecked(true);
  TabInstructionLabel.SetVisible(false);
  TabInstructionLabel2.SetVisible(false);
  InitialInstructions.SetVisible(true);
  InputRecordMarkerLabel.SetEnabled(false);
  FieldDivisionLabel.SetVisible(false);
  InputRecordLabel.SetCaption("");
  OutputRecordLabel.SetCaption("");
  PageControl.SetEnabled(false);
  ListOtherTabs.SetEnabled(false);
  for (tk::ListBox* list : {&InputFieldsListBox, &InputPageListBox, &InputFieldNamesListBox,
                            &OutputFieldsListBox, &OutputFieldNamesListBox}) {
    list->Clear();
  }
  InputPageListBox.SetGeometry({InputPageListBox.Geometry().left, InputPageListBox.Geometry().top,
                                InputPageListBox.Geometry().width, 176});
  OutputButton.SetEnabled(false);
  SaveConvertedFile.SetEnabled(false);
  AutoWidth.SetEnabled(false);
  for (tk::Control* c : std::initializer_list<tk::Control*>{&TextFileOpen, &Open1, &ClipIn})
    c->SetEnabled(true);
  PageDataFirstLine = 1;
  PageDataBandEnd = 2;
  PageFooterLine = 99;
  PageBandHeight = 0;
  PageGutter = 0;
  PageBlockStep = 200;
  PageBlockCount = 1;
  FormLengthInUse = 0;
  PagesRead = 0;
  ResetInputSide();
  FirstRecordNameCount = 0;
  TakeFirstRecordAsFieldName.SetVisible(false);
  TakeFirstRecordAsFieldName.SetChecked(false);
  NextPage.SetVisible(true);
  for (auto& row : SpecialSourceTable) row.fill(0);
  for (auto& row : CombinationDividers) {
    for (auto& divider : row) CopyText(divider, " ");
  }
  DateTimeSources.fill(0);
  for (auto& row : DividerMatrix) row.fill(0);
  RecordNumberLabel.SetCaption("");
  DbaseInputActive = 0;
  // Nothing of this file's pages may show in the next file's records; the next table's open
  // checks the box again and so takes its own row tag.
  HTMLTableCheckBox.SetChecked(false);
  TagList.Clear();
  SelectedTag = -1;
  PageLineBuffer.clear();
  for (std::string& found : WebEmails) found.clear();
  for (std::string& found : WebUrls) found.clear();
  // The command-line name was used; the next Open asks for a file again.
  CmdInputFileName.clear();
}

}  // namespace vt
