// Gender sheet: the gender source slots, the name test box and the added first names' editor.
#include <cstring>
#include <string>

#include "output/generated_sources.h"
#include "parsing/capitalise.h"
#include "parsing/gender.h"
#include "parsing/word_list_edit.h"
#include "strings/edit.h"
#include "window/parse_view.h"

namespace vt {

namespace {

// The test box gives a verdict from two characters on.
constexpr std::size_t kShortestTestName = 2;

std::string_view GenderLetter(std::int32_t gender) {
  if (gender > 0) return "M";
  if (gender < 0) return "F";
  return "?";
}

}  // namespace

void TParseView::BindNameHandlers() {
  GenderSource.on_click = [this] { GenderSourceClick(); };
  TestNameIn.on_exit = [this] { TestNameInExit(); };
  AddedNames.on_click = [this] { AddedNamesClick(); };
  AddedGenders.on_click = [this] { AddedGendersClick(); };
  AddedGenderAdd.on_click = [this] { AddedGenderAddClick(); };
  AddedGenderDelete.on_click = [this] { AddedGenderDeleteClick(); };
  AddedNameIn.on_exit = [this] { AddedNameInExit(); };
  AddedNameIn.on_key_press = [this](char& key) { AddedNameInKeyPress(key); };
  AddedMale.on_click = [this] { AddedMaleClick(); };
  AddedFemale.on_click = [this] { AddedFemaleClick(); };
  AddedAmbig.on_click = [this] { AddedAmbigClick(); };
  BindPartOrderHandlers();
}

void TParseView::GenderSourceClick() {
  const int row = GenderSource.ItemIndex();
  if (row < 0 || row > 2) return;
  ActiveGenderSlot = row + 1;
  const std::int32_t field = SpecialSourceTable[kGenderSplitRow][static_cast<std::size_t>(row)];
  InputFieldNamesListBox.SetItemIndex(field > 0 ? field - 1 : -1);
}

void TParseView::TestNameInExit() {
  const int gender = GenderOfName(TestNameIn.Text(), *this, *this);
  TestNameLabel.SetCaption(std::string(GenderVerdict(gender)));
}

void TParseView::AddedNamesClick() {
  const int row = AddedNames.ItemIndex();
  if (row < 0 || row >= static_cast<int>(kAddedNameSlots)) return;
  AddedGenders.SetItemIndex(row);
  AddedNameSelected = row;
  AddedNameIn.SetText(std::string(SlotText(AddedFirstNames[row])));
  ShowAddedGender(AddedFirstNameGenders[row]);
}

void TParseView::AddedGendersClick() {
  const int row = AddedGenders.ItemIndex();
  if (row < 0 || row >= static_cast<int>(kAddedNameSlots)) return;
  AddedNames.SetItemIndex(row);
  AddedNamesClick();
}

void TParseView::AddedGenderAddClick() {
  // The lookup reads no further than the editor's slots: on a full list Add offers the last one.
  AddedNameSelected =
      static_cast<std::int32_t>(AddTarget(SlotTable(AddedFirstNames), kAddedNameEditorSlots));
  AddedNameIn.SetText("");
  ShowAddedGender(0);
  AddedNameIn.SetFocus();
}

void TParseView::AddedNameInExit() {
  const bool selected =
      AddedNameSelected >= 0 && AddedNameSelected < static_cast<std::int32_t>(kAddedNameSlots);
  if (!selected || AddedNameIn.Text().empty()) return;
  std::string name = AddedNameIn.Text().substr(0, kAddedNameWidth - 1);
  TrimTrailing(name);
  // A name that trims away would empty its slot and so hide every added name after it.
  if (name.empty()) return;
  CapitaliseName(name, *this);
  SetSlot(AddedFirstNames[AddedNameSelected], name);
  AddedFirstNameGenders[AddedNameSelected] = 0;
  ShowAddedGender(0);
  DisplayOutput.Click();
}

void TParseView::AddedNameInKeyPress(char& key) {
  if (key != '\r') return;
  // Moving the focus ends the edit, so the exit handler stores the name.
  AddedAmbig.SetFocus();
}

void TParseView::AddedGenderDeleteClick() {
  if (AddedNameSelected < 0) return;
  const auto selected = static_cast<std::size_t>(AddedNameSelected);
  for (std::size_t i = selected; i < kAddedNameEditorSlots; ++i) {
    std::memcpy(AddedFirstNames[i], AddedFirstNames[i + 1], kAddedNameWidth);
    AddedFirstNameGenders[i] = AddedFirstNameGenders[i + 1];
  }
  AddedNameIn.SetText("");
  // Only shown: the name that moved into the selected slot keeps its own gender.
  ShowAddedGender(0);
  DisplayOutput.Click();
}

void TParseView::AddedMaleClick() {
  SetAddedGender(kMale);
}

void TParseView::AddedFemaleClick() {
  SetAddedGender(kFemale);
}

void TParseView::AddedAmbigClick() {
  SetAddedGender(kUndefined);
}

void TParseView::SetAddedGender(std::int32_t gender) {
  if (ShowingAddedGender) return;
  if (AddedNameSelected < 0 || AddedNameSelected >= static_cast<std::int32_t>(kAddedNameSlots)) {
    return;
  }
  AddedFirstNameGenders[AddedNameSelected] = gender;
  DisplayOutput.Click();
}

void TParseView::ShowAddedGender(std::int32_t gender) {
  ShowingAddedGender = true;
  tk::RadioButton& button = gender > 0 ? AddedMale : gender < 0 ? AddedFemale : AddedAmbig;
  button.SetChecked(true);
  ShowingAddedGender = false;
}

void TParseView::DisplayGenderSheet() {
  GenderSource.Clear();
  for (std::size_t slot = 0; slot < 3; ++slot) {
    const std::int32_t field = SpecialSourceTable[kGenderSplitRow][slot];
    const bool named = field > 0 && static_cast<std::size_t>(field) < InputFieldNames.size();
    GenderSource.Add(named ? InputFieldNames[static_cast<std::size_t>(field)]
                           : "(Source " + std::to_string(slot + 1) + ")");
  }
  GenderNames.Clear();
  GenderValues.Clear();
  for (std::size_t i = 0; i < 3; ++i) {
    const auto k = static_cast<std::size_t>(kGender1) + i;
    GenderNames.Add("Gender " + std::to_string(i + 1));
    GenderValues.Add(k < GeneratedSourceValues.size() ? GeneratedSourceValues[k] : "");
  }
  AddedNames.Clear();
  AddedGenders.Clear();
  for (std::size_t i = 0; i < kAddedNameEditorSlots && AddedFirstNames[i][0] != '\0'; ++i) {
    AddedNames.Add(std::string(SlotText(AddedFirstNames[i])));
    AddedGenders.Add(std::string(GenderLetter(AddedFirstNameGenders[i])));
  }
  AddedNames.SetItemIndex(AddedNameSelected);
  AddedGenders.SetItemIndex(AddedNameSelected);
  const std::string& test = TestNameIn.Text();
  TestNameLabel.SetCaption(test.size() < kShortestTestName
                               ? std::string()
                               : std::string(GenderVerdict(GenderOfName(test, *this, *this))));
}

}  // namespace vt
