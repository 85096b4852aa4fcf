// Opening an input file: the name from the command line or the dialog, the clipboard as input.
#include <cstdio>
#include <fstream>

#include "main/parse_view.h"

namespace vt {

void TParseView::BindInputHandlers() {
  Open1.on_click = [this] { Open1Click(); };
  TextFileOpen.on_click = [this] { Open1Click(); };
  ClipIn.on_click = [this] { ClipInClick(); };
}

void TParseView::Open1Click() {
  std::string name = CmdInputFileName;
  if (name.empty()) {
    OpenFileDialog.Settings().title = "Open Input File";
    OpenFileDialog.Settings().filter = "All files|*";
    if (!OpenFileDialog.Execute()) return;
    name = OpenFileDialog.FileName();
  }
  std::FILE* file = std::fopen(name.c_str(), "rb");
  if (file == nullptr) {
    services().messages->Show("Cannot open that file.", name, tk::MessageStyle::kStop);
    return;
  }
  std::fclose(file);
  InputFileName = name;
  FileNameLabel.SetCaption(name);
  Splash.SetVisible(false);
  PageControl.SetEnabled(true);
  ListOtherTabs.SetEnabled(true);
  for (tk::Control* c : std::initializer_list<tk::Control*>{&TextFileOpen, &Open1, &ClipIn}) {
    c->SetEnabled(false);
  }
  InitialInstructions.SetVisible(false);
  LoadConfiguration1.SetEnabled(true);
  SaveConfiguration.SetEnabled(true);
  for (tk::MenuItem* item : HistoryItems) item->SetEnabled(true);
  if (!CmdPrefFileName.empty()) LoadConfiguration1.Click();
}

void TParseView::ClipInClick() {
  std::string text = services().clipboard->GetText();
  std::ofstream out(ClipInTransferPath, std::ios::binary | std::ios::trunc);
  if (!out) {
    services().messages->Show("Cannot open that file.", ClipInTransferPath,
                              tk::MessageStyle::kStop);
    return;
  }
  out << text;
  if (!text.empty() && text.back() != '\n') out << '\n';
  out.close();
  CmdInputFileName = ClipInTransferPath;
  Open1.Click();
}

}  // namespace vt
