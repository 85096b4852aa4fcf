// Part order: the radio groups that order the Std. Address and the name's parts keep each part
// in one place of a family; these and the options beside them refresh the preview.
#include "window/parse_view.h"

namespace vt {

void TParseView::BindPartOrderHandlers() {
  for (const std::span<tk::RadioGroup* const> family :
       {std::span<tk::RadioGroup* const>(PositionGroups),
        std::span<tk::RadioGroup* const>(NamePGroups),
        std::span<tk::RadioGroup* const>(NameOGroups)}) {
    for (tk::RadioGroup* group : family)
      group->on_click = [this, family, group] { PartOrderClick(family, *group); };
  }
  SuiteDesignatorOut.on_key_press = [this](char& key) { SuiteDesignatorOutKeyPress(key); };
  SuiteDesignatorOut.on_exit = [this] { SuiteDesignatorOutExit(); };
  for (tk::CheckBox* box : {&UseDefaultSuite, &GuessTitle, &GenderFromTitle})
    box->on_click = [this] { DisplayOutputClick(); };
  MaleTitleIn.on_exit = [this] { MaleTitleInExit(); };
  FemaleTitleIn.on_exit = [this] { FemaleTitleInExit(); };
  NameOptions.on_click = [this] { NameOptionsClick(); };
}

void TParseView::PartOrderClick(std::span<tk::RadioGroup* const> family, tk::RadioGroup& group) {
  const int part = group.ItemIndex();
  // "None" may stand in several groups; a group reset here runs its own click in turn.
  for (tk::RadioGroup* other : family) {
    if (other != &group && part > 0 && other->ItemIndex() == part) other->SetItemIndex(0);
  }
  DisplayOutput.Click();
}

void TParseView::SuiteDesignatorOutKeyPress(char& key) {
  if (key != '\r') return;
  // Moving the focus ends the edit, so the exit handler rebuilds the address.
  Position1.SetFocus();
}

void TParseView::SuiteDesignatorOutExit() {
  DisplayOutput.Click();
}

void TParseView::MaleTitleInExit() {
  DisplayOutput.Click();
}

void TParseView::FemaleTitleInExit() {
  DisplayOutput.Click();
}

void TParseView::NameOptionsClick() {
  PageControl.SetActivePage(&ParseNameSheet);
}

}  // namespace vt
