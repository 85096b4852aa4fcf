// Load Saved Preferences: a preference file made the current set-up, the current input record
// cut again under it, and in an unattended run the conversion that follows.
#include <algorithm>
#include <cstdio>

#include "input/type_guess.h"
#include "prefs/loading_scope.h"
#include "prefs/pref_file.h"
#include "strings/fixed_text.h"
#include "window/parse_view.h"

namespace vt {

namespace {

// Longer paths would come back cut from the settings file.
constexpr std::size_t kSettingsPathLimit = 254;
constexpr std::size_t kMarkerLength = 32767;
constexpr std::size_t kMarkerView = 1000;

}  // namespace

std::string TParseView::FormatCoefficient(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", value);
  return text;
}

void TParseView::ShowConversionSlot() {
  const auto slot = static_cast<std::size_t>(std::clamp(ConvSelect.ItemIndex(), 0, 3));
  ConversionEditConst.SetText(FormatCoefficient(ConversionCoefficients[slot][0]));
  ConversionEditMult.SetText(FormatCoefficient(ConversionCoefficients[slot][1]));
}

bool TParseView::ChoosePreferenceFile(const std::string& title, bool from_command_line,
                                      bool start_in_last_folder) {
  const std::string last_prefs = services().settings->Read(SettingsFilePath, "Setup", "LastPrefs",
                                                           ProgramDir, kSettingsPathLimit + 1);
  if (from_command_line) {
    PrefFileName = CmdPrefFileName;
    return true;
  }
  tk::FileDialogRequest& dialog = OpenPrefsDialog.Settings();
  dialog.title = title;
  dialog.filter = "Vontrask configuration|*.vnq;*.VNQ";
  dialog.default_ext = "VNQ";
  dialog.initial_dir = start_in_last_folder ? last_prefs : ProgramDir;
  if (!OpenPrefsDialog.Execute()) return false;
  PrefFileName = OpenPrefsDialog.FileName();
  return true;
}

bool TParseView::BeginPreferenceRead(const std::string& title, bool from_command_line,
                                     bool start_in_last_folder, PrefCaptions& captions) {
  const PrefCaptions before = GatherCaptions();
  // What a file too short to hold them leaves in these boxes.
  PlugInProg.SetText("");
  XMLTableName.SetText("TABLE");
  XMLRecordName.SetText("RECORD");
  if (!ChoosePreferenceFile(title, from_command_line, start_in_last_folder)) {
    ApplyCaptions(before);  // Cancel changes nothing
    return false;
  }
  captions = GatherCaptions();
  return true;
}

void TParseView::RememberPreferenceFolder() {
  if (!CmdPrefFileName.empty() || PrefFileName.size() > kSettingsPathLimit) return;
  services().settings->Write(SettingsFilePath, "Setup", "LastPrefs", FolderOf(PrefFileName));
}

void TParseView::LoadConfiguration1Click() {
  if (ConversionRunning) return;
  PrefCaptions captions;
  // The dialog starts in the last folder used only while no preference file is current.
  if (!BeginPreferenceRead("Please choose a saved Vontrask configuration file",
                           !CmdPrefFileName.empty(), PrefFileName.empty(), captions)) {
    return;
  }
  std::array<char, 2> delimiter{};
  std::array<std::int32_t, 99> counts{};
  {
    const LoadingScope loading(LoadingPreferences);
    const PrefFileRead read =
        ReadPreferenceFile(PrefFileName, BindPrefTargets(*this, *this, *this, *this, captions));
    if (!read.opened) {
      services().messages->Show("Cannot open that file.", PrefFileName, tk::MessageStyle::kStop);
      return;
    }
    PageControl.SetActivePage(&InputConfiguration);
    // Handlers of the input type shown before the load may run during the restore; the loaded
    // delimiter and field counts must outlive them.
    delimiter = InputDelimiter;
    counts = InputFieldCounts;
    ApplyCaptions(captions);
    RestoreControlState(delimiter);
    InputDelimiter = delimiter;
    InputFieldCounts = counts;
    RestoreCurrentInput();
    ShowConversionSlot();
    // A later exit from a box the restore focused must not undo what was loaded.
    PageControl.SetFocus();
  }
  RememberPreferenceFolder();
  PrefHist.Click();
  if (CmdOutputFileName.empty()) return;
  PageControl.SetActivePage(&OutputConfiguration);
  SaveConvertedFile.SetEnabled(true);
  AutoWidth.SetEnabled(true);
  SaveConvertedFile.Click();
  // Served once: a refused run must not turn every later load into a silent conversion.
  CmdOutputFileName.clear();
}

void TParseView::RestoreCurrentInput() {
  const std::uint32_t b = OptionFlagsB;
  if ((b & 0x1) && DbaseInputActive == 0) ParseInputLine.Click();
  if ((b & 0x4) && DbaseInputActive == 0) {
    TakeFirstRecordAsFieldName.SetVisible(true);
    SpecialInputButton.SetChecked(true);
    SpecialParse.Click();
  }
  if (TabInputButton.Checked()) {
    TakeFirstRecordAsFieldName.SetVisible(true);
    InputDelimiter = {'\t', '\0'};
    SpecialParse.Click();
  }
  if (PageInputButton.Checked()) {
    PageControl.SetActivePage(&PageInputTab);
    PageInputTab.SetVisible(true);
    PageControlSwitch.Click();
    // A first data line outside the page selects nothing, and PageClick then does nothing.
    InputPageListBox.SetItemIndex(PageDataFirstLine > 0 ? PageDataFirstLine - 1 : -1);
    PageClick.Click();
  }
  if (BinaryInput.Checked()) RestoreBinaryInput();
  if (FixedInputButton.Checked() || BinaryInput.Checked()) {
    MarkerLine.assign(kMarkerLength, ':');
    const int n = std::min(InputFieldCounts[0], 99);
    for (int k = 1; k < n; ++k) {
      const int column = DividerMatrix[0][static_cast<std::size_t>(k)];
      if (column >= 1) MarkerLine[static_cast<std::size_t>(column - 1)] = '^';
    }
    const auto offset =
        std::min(static_cast<std::size_t>(std::max(InputLineOffset, 0)), MarkerLine.size());
    MarkerLineView = MarkerLine.substr(offset, kMarkerView);
    InputRecordMarkerLabel.SetCaption(MarkerLineView);
    CutUpInputLine.Click();
  }
  if (XmlInput == 1) ReadPage.Click();

  SyncCityInStreet();
  DisplayOutput.Click();

  TagList.Clear();
  for (std::size_t i = 1; i < TagTexts.size() && TagTexts[i][0] != '\0'; ++i)
    TagList.Add(std::string(TextOf(TagTexts[i])));
  if (Filter.Checked()) {
    const bool known = FilterSourceField >= 0 && FilterSourceField <= kMaxFields;
    FilterSourceName.SetItems(
        {known ? InputFieldNames[static_cast<std::size_t>(FilterSourceField)] : std::string()});
  }
  if (((b & 0x20000000) != 0) != EbcdicIn.Checked()) EbcdicIn.Click();
}

void TParseView::RestoreBinaryInput() {
  RefillBinaryRecords();
  // A file that cannot be positioned is read from where it stands.
  (void)InputDataFile.Seek(BinaryRecordsStart());
  BinaryViewBox.SetItems(ByteViewRows(std::string_view(StartOfFileBuffer.data(), kStartBlockSize)));
  RecordNumber = 0;
  NextButton.Click();
}

}  // namespace vt
