// The Gender sheet: the name test box, the added first names' editor and the source slots.
#include <string>
#include <vector>

#include "main/view_fixture.h"
#include "parsing/word_lists.h"

namespace vt {
namespace {

using testing::ViewTest;

// The sheet is out of a user's reach until an input file is open, so the tests type from code.
void Type(tk::Edit& box, const std::string& text) {
  box.SetFocus();
  box.SetText(text);
}

// Types into the test box and leaves it.
std::string Verdict(TParseView& view, const std::string& text) {
  Type(view.TestNameIn, text);
  view.AddedNameIn.SetFocus();
  return view.TestNameLabel.Caption();
}

std::vector<std::string> AddedNames(const TParseView& view) {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < kAddedNameSlots && view.AddedFirstNames[i][0] != '\0'; ++i) {
    names.emplace_back(SlotText(view.AddedFirstNames[i]));
  }
  return names;
}

TEST_F(ViewTest, GenderSheetCaptions) {
  TParseView& view = Create();
  EXPECT_EQ(view.AddedMale.Caption(), "M");
  EXPECT_EQ(view.AddedFemale.Caption(), "F");
  EXPECT_EQ(view.AddedAmbig.Caption(), "?");
  EXPECT_EQ(view.AddedGenderAdd.Caption(), "Add");
  EXPECT_EQ(view.AddedGenderDelete.Caption(), "Delete");
  EXPECT_EQ(view.AddedNameIn.Parent(), &view.AddedNamesGroup);
  EXPECT_EQ(view.TestNameIn.Parent(), &view.GenderSheet);
}

TEST_F(ViewTest, TestBoxVerdicts) {
  TParseView& view = Create();
  const struct {
    const char* text;
    const char* verdict;
  } rows[] = {
      {"John", "is defined as a male name"},      {"Mary", "is defined as a female name"},
      {"John Mary", "is defined as a male name"}, {"John Smith", "is defined as a male name"},
      {"Chris", "is ambiguous or undefined"},     {"Walt", "is defined as a male name"},
      {"", "is ambiguous or undefined"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(Verdict(view, row.text), row.verdict);
  }
}

TEST_F(ViewTest, UserListAndAddedNamesOverrideTheDictionary) {
  WriteFile(ProgramDir() + "/gender.txt", "MARY,M\nKIM,F\nRobin,F\n,M\nJohn,F\n");
  TParseView& view = Create();
  EXPECT_EQ(Verdict(view, "Mary"), "is defined as a male name");
  EXPECT_EQ(Verdict(view, "Kim"), "is ambiguous or undefined") << "the added Kim is 0";
  EXPECT_EQ(Verdict(view, "robin"), "is defined as a female name");
  EXPECT_EQ(Verdict(view, "John"), "is defined as a male name") << "lines after ',M' are unread";
}

TEST_F(ViewTest, AddStoresACapitalisedTrimmedNameAsAmbiguous) {
  TParseView& view = Create();
  view.AddedGenderAddClick();
  EXPECT_EQ(view.AddedNameSelected, 2);
  EXPECT_TRUE(view.AddedNameIn.Focused());
  EXPECT_TRUE(view.AddedAmbig.Checked());
  view.AddedNameIn.SetText("mcrobin-lee..");
  char key = 'a';
  view.AddedNameIn.on_key_press(key);
  EXPECT_TRUE(view.AddedNameIn.Focused()) << "only Enter moves on";
  key = '\r';
  view.AddedNameIn.on_key_press(key);
  // Enter moved the focus away, and leaving the box stored the name.
  EXPECT_EQ(AddedNames(view), (std::vector<std::string>{"Walt", "Kim", "McRobin-Lee"}));
  EXPECT_EQ(view.AddedFirstNameGenders[2], 0);

  view.AddedFemale.SetChecked(true);
  EXPECT_EQ(view.AddedFirstNameGenders[2], -1);
  EXPECT_EQ(Verdict(view, "McRobin-Lee"), "is ambiguous or undefined")
      << "the hyphen splits the test text into two words";
  EXPECT_EQ(Verdict(view, "Mcrobin"), "is ambiguous or undefined");

  view.AddedGenderAddClick();
  Type(view.AddedNameIn, "abcdefghijklmnopqrst");
  view.AddedMale.SetFocus();
  EXPECT_EQ(AddedNames(view).back(), "Abcdefghijklmno");
}

TEST_F(ViewTest, ANameThatTrimsAwayLeavesTheSlotAlone) {
  TParseView& view = Create();
  view.DisplayGenderSheet();
  view.AddedNames.SetItemIndex(0);
  view.AddedNamesClick();
  Type(view.AddedNameIn, "--");
  view.AddedAmbig.SetFocus();
  EXPECT_EQ(AddedNames(view), (std::vector<std::string>{"Walt", "Kim"}));
  EXPECT_EQ(view.AddedFirstNameGenders[0], 1);
}

TEST_F(ViewTest, ClickingAnAddedNameShowsItWithoutChangingIt) {
  TParseView& view = Create();
  view.DisplayGenderSheet();
  view.AddedGenders.SetItemIndex(0);
  view.AddedGendersClick();
  EXPECT_EQ(view.AddedNames.ItemIndex(), 0);
  EXPECT_EQ(view.AddedNameSelected, 0);
  EXPECT_EQ(view.AddedNameIn.Text(), "Walt");
  EXPECT_TRUE(view.AddedMale.Checked());
  view.AddedNames.SetItemIndex(1);
  view.AddedNamesClick();
  EXPECT_EQ(view.AddedGenders.ItemIndex(), 1);
  EXPECT_TRUE(view.AddedAmbig.Checked());
  EXPECT_EQ(view.AddedFirstNameGenders[0], 1);
  EXPECT_EQ(view.AddedFirstNameGenders[1], 0);
}

TEST_F(ViewTest, DeleteWithNothingSelectedDoesNothing) {
  TParseView& view = Create();
  view.AddedGenderDelete.Click();
  view.AddedMale.SetChecked(true);
  EXPECT_EQ(AddedNames(view), (std::vector<std::string>{"Walt", "Kim"}));
  EXPECT_EQ(view.AddedFirstNameGenders[0], 1);
  EXPECT_EQ(view.AddedFirstNameGenders[1], 0);
}

TEST_F(ViewTest, DeleteMovesTheLaterNamesUpWithTheirGenders) {
  TParseView& view = Create();
  SetSlot(view.AddedFirstNames[2], "Mary");
  view.AddedFirstNameGenders[2] = -1;
  view.DisplayGenderSheet();
  view.AddedNames.SetItemIndex(1);
  view.AddedNamesClick();
  view.AddedGenderDelete.Click();
  EXPECT_EQ(AddedNames(view), (std::vector<std::string>{"Walt", "Mary"}));
  EXPECT_EQ(view.AddedFirstNameGenders[1], -1) << "the moved name keeps its gender";
  EXPECT_EQ(view.AddedNameSelected, 1);
  EXPECT_EQ(view.AddedNameIn.Text(), "");
  EXPECT_TRUE(view.AddedAmbig.Checked());
}

TEST_F(ViewTest, GenderSourceClickSelectsTheSlotsField) {
  TParseView& view = Create();
  view.InputFieldNamesListBox.SetItems({"Name", "City", "First"});
  view.SpecialSourceTable[9][1] = 3;
  view.DisplayGenderSheet();
  view.GenderSource.SetItemIndex(1);
  view.GenderSourceClick();
  EXPECT_EQ(view.ActiveGenderSlot, 2);
  EXPECT_EQ(view.InputFieldNamesListBox.ItemIndex(), 2);
  view.GenderSource.SetItemIndex(0);
  view.GenderSourceClick();
  EXPECT_EQ(view.ActiveGenderSlot, 1);
  EXPECT_EQ(view.InputFieldNamesListBox.ItemIndex(), -1);
}

TEST_F(ViewTest, DisplayShowsSourcesGendersAddedNamesAndTheVerdict) {
  TParseView& view = Create();
  view.InputFieldNames.assign(5, "");
  view.InputFieldNames[2] = "First";
  view.SpecialSourceTable[9][1] = 2;
  view.SpecialSourceTable[9][2] = 40;  // past the known fields
  view.GeneratedSourceValues.assign(110, "");
  view.GeneratedSourceValues[42] = "M";
  view.GeneratedSourceValues[44] = "F";
  view.TestNameIn.SetText("J");
  view.DisplayGenderSheet();
  EXPECT_EQ(view.GenderSource.Items(),
            (std::vector<std::string>{"(Source 1)", "First", "(Source 3)"}));
  EXPECT_EQ(view.GenderNames.Items(),
            (std::vector<std::string>{"Gender 1", "Gender 2", "Gender 3"}));
  EXPECT_EQ(view.GenderValues.Items(), (std::vector<std::string>{"M", "", "F"}));
  EXPECT_EQ(view.AddedNames.Items(), (std::vector<std::string>{"Walt", "Kim"}));
  EXPECT_EQ(view.AddedGenders.Items(), (std::vector<std::string>{"M", "?"}));
  EXPECT_EQ(view.AddedNames.ItemIndex(), -1);
  EXPECT_EQ(view.TestNameLabel.Caption(), "") << "one character gives no verdict";
  view.TestNameIn.SetText("Zq");
  view.DisplayGenderSheet();
  EXPECT_EQ(view.TestNameLabel.Caption(), "is ambiguous or undefined");
}

}  // namespace
}  // namespace vt
