// Save Preferences to File: the whole set-up written as a preference file.
#include <filesystem>

#include "strings/fixed_text.h"
#include "toolkit/services/file_replace.h"
#include "window/parse_view.h"

namespace vt {

namespace {

// Longer paths would come back cut from the settings file, and the history would list them twice.
constexpr std::size_t kSettingsPathLimit = 254;

}  // namespace

std::string TParseView::PreferenceImage() {
  PrefCaptions captions = GatherCaptions();
  PrefTargets targets = BindPrefTargets(*this, *this, *this, *this, captions);
  // The delimiter box's character, not the working delimiter: tab input cuts at TAB while the
  // box keeps what was typed for other-delimited input. An emptied box keeps the one in use.
  std::array<char, 2> delimiter = InputDelimiter;
  const std::string& typed = SpecialDelimiterInputBox.Text();
  if (!typed.empty()) CopyText(delimiter, typed);
  targets.BindTable<kBlockInputDelimiter>(delimiter);
  return WritePrefImage(targets);
}

void TParseView::SaveConfigurationClick() {
  tk::SettingsStore& settings = *services().settings;
  const std::string last_prefs =
      settings.Read(SettingsFilePath, "Setup", "LastPrefs", ProgramDir, kSettingsPathLimit + 1);
  GatherControlState();
  tk::FileDialogRequest& dialog = SavePrefsDialog.Settings();
  dialog.title = "Please choose a name for the configuration you are saving";
  dialog.filter = "Configuration File|*.VNQ;*.vnq";
  dialog.default_ext = "VNQ";
  dialog.initial_dir = last_prefs;
  if (!SavePrefsDialog.Execute()) return;
  PrefFileName = SavePrefsDialog.FileName();
  if (std::filesystem::exists(PrefFileName) &&
      services().messages->Show(PrefFileName + " exists. Overwrite?", "File exists",
                                tk::MessageStyle::kQuestion) != tk::MessageReply::kYes) {
    return;
  }
  // The whole image first, then one replacement: a failed write keeps the old file whole.
  if (!tk::ReplaceFileWith(PrefFileName, PreferenceImage())) {
    services().messages->Show("Cannot open that file.", PrefFileName, tk::MessageStyle::kStop);
    return;
  }
  if (PrefFileName.size() > kSettingsPathLimit) return;
  if (CmdPrefFileName.empty())
    settings.Write(SettingsFilePath, "Setup", "LastPrefs", FolderOf(PrefFileName));
  PrefHist.Click();
}

}  // namespace vt
