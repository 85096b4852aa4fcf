// Run options: Append and the interleave streams exclude each other; the header and trailer block
// files are browsed for; the plug-in program is shown and run with the Combo sheet's option.
#include <string>

#include "window/parse_view.h"

namespace vt {

namespace {

void RefuseAppendWithInterleave(TParseView& v) {
  v.services().messages->Show(
      "Using Append with interleaving would result in a scrambled file "
      "sequence.",
      "Action Cancelled", tk::MessageStyle::kStop);
}

}  // namespace

void TParseView::BindRunOptionHandlers() {
  AppendFile.on_click = [this] { AppendFileClick(); };
  InterLeaf.on_click = [this] { InterLeafClick(); };
  HeaderBlockFileBrowse.on_click = [this] { HeaderBlockFileBrowseClick(); };
  TrailerBlockFileBrowse.on_click = [this] { TrailerBlockFileBrowseClick(); };
  UsePlugIn.on_click = [this] { UsePlugInClick(); };
  PlugInProg.on_exit = [this] { PlugInProgExit(); };
}

void TParseView::AppendFileClick() {
  if (InterLeaf.ItemIndex() <= 0 || !AppendFile.Checked()) return;
  AppendFile.SetChecked(false);
  RefuseAppendWithInterleave(*this);
}

void TParseView::InterLeafClick() {
  if (InterLeaf.ItemIndex() <= 0 || !AppendFile.Checked()) return;
  InterLeaf.SetItemIndex(0);
  RefuseAppendWithInterleave(*this);
}

void TParseView::HeaderBlockFileBrowseClick() {
  BrowseBlockFile(HeaderBlockFile);
}

void TParseView::TrailerBlockFileBrowseClick() {
  BrowseBlockFile(TrailerBlockFile);
}

void TParseView::BrowseBlockFile(tk::Edit& edit) {
  OpenFileDialog.Settings().initial_dir = ProgramDir;
  OpenFileDialog.SetFileName("");
  edit.SetText(OpenFileDialog.Execute() ? OpenFileDialog.FileName() : std::string());
}

void TParseView::UsePlugInClick() {
  const bool on = UsePlugIn.Checked();
  PlugInProg.SetVisible(on);
  PlugInProgLabel.SetVisible(on);
  PlugInFileLabel.SetVisible(on);
  DisplayOutput.Click();
}

void TParseView::PlugInProgExit() {
  DisplayOutput.Click();
}

}  // namespace vt
