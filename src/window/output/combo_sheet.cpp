// The Combo and Split sheets: the components and dividers of the four combinations, and the
// sources of the three splits.
#include <string>

#include "output/combinations.h"
#include "output/generated_sources.h"
#include "strings/fixed_text.h"
#include "window/parse_view.h"

namespace vt {

namespace {

constexpr int kSplitSources = 3;

}  // namespace

void TParseView::DisplayComboClick() {
  if (PageControl.ActivePage() != &CombineInputFields) return;
  auto name_of = [this](std::int32_t field) {
    const auto at = static_cast<std::size_t>(field);
    return field > 0 && at < InputFieldNames.size() ? InputFieldNames[at] : std::string();
  };
  CombinationName.Clear();
  CombinationValue.Clear();
  for (tk::ListBox* list : ComboLists) list->Clear();
  for (tk::ListBox* list : ComboDivLists) list->Clear();
  for (int c = 1; c <= kCombinations; ++c) {
    const int k = kCombination1 + c - 1;
    CombinationName.Add(std::string(GeneratedSourceName(k)));
    CombinationValue.Add(GeneratedSourceValues[static_cast<std::size_t>(k)]);
    const auto& components = SpecialSourceTable[static_cast<std::size_t>(c)];
    for (int i = 0; i < kComponents; ++i)
      ComboLists[i]->Add(name_of(components[static_cast<std::size_t>(i + 1)]));
    for (int p = 1; p <= kDividers; ++p)
      ComboDivLists[p - 1]->Add(std::string(TextOf(CombinationDivider(*this, c, p))));
  }
}

void TParseView::ComboInClick(int component) {
  tk::ListBox& list = *ComboLists[component - 1];
  const int row = list.ItemIndex();
  if (row < 0 || row >= kCombinations) return;
  ActiveComboSlot = component;
  ActiveSourceRow = kFirstCombinationRow + row;
  for (tk::ListBox* other : ComboLists) {
    if (other != &list) other->SetItemIndex(-1);
  }
  const std::int32_t field = SpecialSourceTable[static_cast<std::size_t>(ActiveSourceRow)]
                                               [static_cast<std::size_t>(ActiveComboSlot)];
  InputFieldNamesListBox.SetItemIndex(
      field > 0 && field <= InputFieldNamesListBox.Count() ? field - 1 : -1);
  ClearCombo.SetEnabled(true);
}

void TParseView::ComboDivClick(int position) {
  const int row = ComboDivLists[position - 1]->ItemIndex();
  if (row < 0 || row >= kCombinations) return;
  EditedDividerPosition = position;
  EditedDividerCombination = kFirstCombinationRow + row;
  ComboDivEnter.SetText(
      std::string(TextOf(CombinationDivider(*this, EditedDividerCombination, position))));
  ComboDivLabel.SetEnabled(true);
  ComboDivLabel2.SetEnabled(true);
  ComboDivEnter.SetFocus();
}

void TParseView::ComboDivEnterExit() {
  CopyText(CombinationDivider(*this, EditedDividerCombination, EditedDividerPosition),
           ComboDivEnter.Text());
  ComboDivLabel.SetEnabled(false);
  ComboDivLabel2.SetEnabled(false);
  OutputFieldNamesListBox.SetEnabled(true);
  DisplayOutput.Click();
  OutputFieldNamesListBox.SetEnabled(false);
}

void TParseView::ComboDivEnterKeyPress(char& key) {
  if (key != '\r') return;
  key = 0;
  ComboIn1.SetFocus();
}

void TParseView::ClearComboClick() {
  // Another sheet's slot click may have moved the active row off the combinations.
  if (IsCombinationRow(ActiveSourceRow)) {
    SpecialSourceTable[static_cast<std::size_t>(ActiveSourceRow)]
                      [static_cast<std::size_t>(ActiveComboSlot)] = 0;
  }
  ClearCombo.SetEnabled(false);
  DisplayOutput.Click();
}

void TParseView::SplitInClick(int split) {
  ActiveSplitSlot = split;
  ActiveSourceRow = kGenderSplitRow;
  for (int s = 0; s < kSplitSources; ++s) {
    if (s != split - 1) SplitLists[s]->SetItemIndex(-1);
  }
  const std::int32_t field =
      SpecialSourceTable[kGenderSplitRow][static_cast<std::size_t>(kFirstSplitSlot + split - 1)];
  InputFieldNamesListBox.SetItemIndex(
      field > 0 && field <= InputFieldNamesListBox.Count() ? field - 1 : -1);
  SplitClear.SetEnabled(true);
}

void TParseView::SplitClearClick() {
  SpecialSourceTable[kGenderSplitRow]
                    [static_cast<std::size_t>(kFirstSplitSlot + ActiveSplitSlot - 1)] = 0;
  SplitClear.SetEnabled(false);
  DisplayOutput.Click();
}

}  // namespace vt
