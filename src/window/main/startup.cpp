// Start-up and shut-down of the main window: buffers, paths, starting state, exit.
#include <new>

#include "output/gender_list_file.h"
#include "output/generated_sources.h"
#include "strings/fixed_text.h"
#include "window/delim_choice_names.h"
#include "window/parse_view.h"

namespace vt {

namespace {

constexpr std::size_t kValueBuffer = 1300;
constexpr std::size_t kMarkerLength = 32767;
constexpr std::size_t kMarkerView = 1000;

void Allocate(std::vector<std::string>& values, std::size_t count) {
  values.assign(count, std::string());
  for (std::string& value : values) value.reserve(kValueBuffer);
}

}  // namespace

bool TParseView::AllocateBuffers() {
  const char* what = "Can't allocate output array";
  try {
    Allocate(OutputFieldValues, kSlots);
    Allocate(GeneratedSourceValues, kGeneratedSlots);
    what = "Can't allocate input array";
    Allocate(InputFieldValues, kMaxFields + 1);
    InputFieldNames.assign(kMaxFields + 1, std::string());
  } catch (const std::bad_alloc&) {
    services().messages->Show(what, "Memory Allocation", tk::MessageStyle::kStop);
    return false;
  }
  return true;
}

void TParseView::FormCreate() {
  LineBreakMarker = "\x07";
  SetClientSize(ClientWidth(), 408);
  DelimChoiceNames.clear();
  DelimChoice.Clear();
  for (int code = 1; code <= 255; ++code) {
    DelimChoiceNames.push_back(DelimChoiceName(code));
    DelimChoice.Add(DelimChoiceNames.back());
  }
  if (!AllocateBuffers()) {
    services().app->Terminate(1);  // nothing can work without the buffers
    return;
  }
  InterLeaf.SetItemIndex(0);

  if (!CommandLine.empty()) CmdInputFileName = CommandLine[0];
  if (CommandLine.size() >= 2) CmdPrefFileName = CommandLine[1];
  if (CommandLine.size() >= 3) CmdOutputFileName = CommandLine[2];

  const std::string program_dir = ProgramDirOverride.empty() ? ExecutableDir() : ProgramDirOverride;
  const std::string settings_dir =
      SettingsDirOverride.empty() ? DefaultSettingsDir() : SettingsDirOverride;
  static_cast<ProgramPaths&>(*this) = MakeProgramPaths(program_dir, settings_dir);
  SetHelpFile(HelpFilePath);
  PlugInFileLabel.SetCaption(PlugInTransferPath);

  NumericConversionGroup.SetLeft(192);
  TabListBox.SetLeft(360);
  Splash.SetLeft(60);
  DefineTagsGroupBox.SetLeft(0);
  DefineTagsGroupBox.SetTop(176);

  LoadGenderListFile(GenderListPath, *this);
}

// The starting state of the tables and the input side; Close Input File returns to it too.
void TParseView::ResetInputSide() {
  FormLength = 99;
  PagesRead = 0;
  OutputFieldCount = 0;
  RecordTerminator = "\r\n";
  InputFieldCounts.fill(0);

  for (std::size_t t = 0; t < TagTexts.size(); ++t) {
    CopyText(TagTexts[t], "");
    TagOccurrences[t] = 1;
  }
  RecordNumber = 0;

  InputFieldNamesListBox.Clear();
  InputFieldsListBox.Clear();
  InstructionHints.SetVisible(false);
  OutputFieldNamesListBox.SetEnabled(false);
  OutputFieldNamesListBox.SetItemIndex(-1);

  MarkerLine.assign(kMarkerLength, ':');
  InputRecordMarkerLabel.SetCaption(
      MarkerLine.substr(static_cast<std::size_t>(InputLineOffset), kMarkerView));

  for (int n = 1; n < kSlots; ++n) {
    const auto slot = static_cast<std::size_t>(n);
    CopyText(OutputFieldDecimals[slot], " ");
    CopyText(OutputFieldNameTable[slot], "Output" + std::to_string(n));
    OutputFieldDefaults[slot].fill('\0');
    OutputFieldWidths[slot] = 0;
    OutputFieldFlags[slot] = kFlagRemoveBlanks;
    OutputFieldSource[slot] = 0;
  }

  ParsedItemValues.Clear();
  ParsedItemNames.Clear();
  for (int k = kEmptyField; k < kGeneratedSourceCount && !GeneratedSourceName(k).empty(); ++k) {
    GeneratedSourceValues[static_cast<std::size_t>(k)].clear();
    ParsedItemValues.Add("");
    ParsedItemNames.Add(std::string(GeneratedSourceName(k)));
  }

  for (int row = 1; row <= 4; ++row) {
    for (int position = 1; position <= 5; ++position)
      CopyText(CombinationDividers[row][position], " ");
  }
  for (int row = 2; row <= 5; ++row) CopyText(CombinationDividers[row][0], " ");
  DisplayDates.Click();

  LowHint.SetVisible(false);
  RowSelectedPanel.SetVisible(false);
  PanelLineDivision.SetVisible(false);
  for (tk::Control* c : std::initializer_list<tk::Control*>{&InputRecordLabel, &InputRecordPanel,
                                                            &InputRecordMarkerLabel}) {
    c->SetColor(0xFFFFFF);
  }

  for (tk::RadioButton* b :
       {&DelimitedInputButton, &TabInputButton, &SpecialInputButton, &FixedInputButton,
        &WebFormInput, &PageInputButton, &BinaryInput, &DbaseInput}) {
    b->SetEnabled(false);
    b->SetChecked(false);
  }
}

void TParseView::FormShow() {
  FormLengthInUse = 0;
  BlankLineText.assign(255, ' ');
  CloneButton.SetVisible(false);

  ResetInputSide();

  const char* const kColumn0[] = {"Function", "Convert1", "Convert2", "Convert3", "Convert4"};
  const char* const kColumn1[] = {"Source", "Combo1", "Combo2", "Combo3", "Combo4"};
  for (int row = 0; row < 5; ++row) {
    Conv.SetCell(0, row, kColumn0[row]);
    Conv.SetCell(1, row, kColumn1[row]);
  }
  Conv.SetCell(2, 0, "RESULT");
  Conv.SetCell(3, 0, "Constant");
  Conv.SetCell(4, 0, "Multiplier");

  for (int slot = 0; slot < kFirstSplitSlot; ++slot)
    SpecialSourceTable[kGenderSplitRow][static_cast<std::size_t>(slot)] = 0;
  for (auto& choice : ConversionChoices) choice.fill(-1);

  VersionLabel.SetCaption("v2.0f");
  PrefHist.Click();
  FirstRecordNameCount = 0;

  if (CmdInputFileName == "*") {
    CmdInputFileName.clear();
    ClipIn.Click();
  }
  // A successful open disables Open1, so after a clipboard open this click does nothing.
  if (!CmdInputFileName.empty()) Open1.Click();
}

void TParseView::FormClose() {
  CloseInput();
}

void TParseView::FormDestroy() {
  services().help->Quit(HelpFilePath);
  CloseInput();
}

void TParseView::Exit1Click() {
  if (ConversionRunning) CancelOutputClick();  // the run closes its file before the end
  services().app->Terminate(0);
}

}  // namespace vt
