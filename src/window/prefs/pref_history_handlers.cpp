// Preference history handlers: the nine history items of the File menu and their settings keys.
#include "prefs/history.h"
#include "window/parse_view.h"

namespace vt {

namespace {

std::string HistoryKey(std::size_t k) {
  return "File" + std::to_string(k + 1);
}

}  // namespace

void TParseView::PrefHistClick() {
  tk::SettingsStore& settings = *services().settings;
  HistoryEntries entries;
  for (std::size_t k = 0; k < entries.size(); ++k) {
    entries[k] = settings.Read(SettingsFilePath, "History", HistoryKey(k), "", 255);
  }
  if (!MergeHistory(entries, PrefFileName)) return;
  for (std::size_t k = 0; k < entries.size(); ++k) {
    HistoryItems[k]->SetCaption(entries[k]);
    HistoryItems[k]->SetVisible(!entries[k].empty());
  }
  std::vector<std::pair<std::string, std::string>> keys;
  for (std::size_t k = 0; k < entries.size(); ++k) keys.emplace_back(HistoryKey(k), entries[k]);
  settings.WriteKeys(SettingsFilePath, "History", keys);
}

void TParseView::Hist1Click(tk::MenuItem& sender) {
  if (ConversionRunning) return;
  // The pick loads that file once; the slot then gets back what the command line put there,
  // so later opens do not keep reloading a file the user picked only once.
  const std::string saved = CmdPrefFileName;
  CmdPrefFileName = sender.Caption();
  LoadConfiguration1.Click();
  CmdPrefFileName = saved;
}

}  // namespace vt
