// The Gender sheet: the name test box, the added first names' editor and the source slots.
#include <string>
#include <vector>

#include "parsing/word_lists.h"
#include "window/view_fixture.h"

namespace vt {
namespace {

using testing::Click;
using testing::ClickInputField;
using testing::Pick;
using testing::Type;
using testing::TypeAndEnter;
using testing::ViewTest;

class GenderSheetTest : public ViewTest {
 protected:
  // The sheet is in a user's reach once an input file is open: a record of two first names.
  TParseView& Start() {
    TParseView& view = OpenInput("in.csv", "\"John\",\"Mary\"\n");
    testing::GoToSheet(view, view.GenderSheet);
    return view;
  }
};

// Types into the test box and leaves it for the gender list beside it.
std::string Verdict(TParseView& view, const std::string& text) {
  Type(view.TestNameIn, text);
  Pick(view.GenderNames, -1);  // a click beside the rows
  return view.TestNameLabel.Caption();
}

// A click on an added name of the sheet's list.
void PickAddedName(tk::ListBox& list, int row) {
  EXPECT_LT(row, list.Count()) << "the Gender sheet does not list the added names";
  Pick(list, row);
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

TEST_F(GenderSheetTest, TestBoxVerdicts) {
  TParseView& view = Start();
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

TEST_F(GenderSheetTest, UserListAndAddedNamesOverrideTheDictionary) {
  WriteFile(ProgramDir() + "/gender.txt", "MARY,M\nKIM,F\nRobin,F\n,M\nJohn,F\n");
  TParseView& view = Start();
  EXPECT_EQ(Verdict(view, "Mary"), "is defined as a male name");
  EXPECT_EQ(Verdict(view, "Kim"), "is ambiguous or undefined") << "the added Kim is 0";
  EXPECT_EQ(Verdict(view, "robin"), "is defined as a female name");
  EXPECT_EQ(Verdict(view, "John"), "is defined as a male name") << "lines after ',M' are unread";
}

TEST_F(GenderSheetTest, AddStoresACapitalisedTrimmedNameAsAmbiguous) {
  TParseView& view = Start();
  Click(view.AddedGenderAdd);
  EXPECT_EQ(view.AddedNameSelected, 2);
  EXPECT_TRUE(view.AddedNameIn.Focused());
  EXPECT_TRUE(view.AddedAmbig.Checked());
  Type(view.AddedNameIn, "mcrobin-lee..");
  view.AddedNameIn.UserKeyPress('a');
  EXPECT_TRUE(view.AddedNameIn.Focused()) << "only Enter moves on";
  view.AddedNameIn.UserKeyPress('\r');
  // Enter moved the focus away, and leaving the box stored the name.
  EXPECT_EQ(AddedNames(view), (std::vector<std::string>{"Walt", "Kim", "McRobin-Lee"}));
  EXPECT_EQ(view.AddedFirstNameGenders[2], 0);

  Click(view.AddedFemale);
  EXPECT_EQ(view.AddedFirstNameGenders[2], -1);
  EXPECT_EQ(Verdict(view, "McRobin-Lee"), "is ambiguous or undefined")
      << "the hyphen splits the test text into two words";
  EXPECT_EQ(Verdict(view, "Mcrobin"), "is ambiguous or undefined");

  Click(view.AddedGenderAdd);
  TypeAndEnter(view.AddedNameIn, "abcdefghijklmnopqrst");
  EXPECT_EQ(AddedNames(view).back(), "Abcdefghijklmno");
}

TEST_F(GenderSheetTest, ANameThatTrimsAwayLeavesTheSlotAlone) {
  TParseView& view = Start();
  PickAddedName(view.AddedNames, 0);
  EXPECT_EQ(view.AddedNameSelected, 0);
  TypeAndEnter(view.AddedNameIn, "--");
  EXPECT_EQ(AddedNames(view), (std::vector<std::string>{"Walt", "Kim"}));
  EXPECT_EQ(view.AddedFirstNameGenders[0], 1);
}

TEST_F(GenderSheetTest, ClickingAnAddedNameShowsItWithoutChangingIt) {
  TParseView& view = Start();
  PickAddedName(view.AddedGenders, 0);
  EXPECT_EQ(view.AddedNames.ItemIndex(), 0);
  EXPECT_EQ(view.AddedNameSelected, 0);
  EXPECT_EQ(view.AddedNameIn.Text(), "Walt");
  EXPECT_TRUE(view.AddedMale.Checked());
  PickAddedName(view.AddedNames, 1);
  EXPECT_EQ(view.AddedGenders.ItemIndex(), 1);
  EXPECT_TRUE(view.AddedAmbig.Checked());
  EXPECT_EQ(view.AddedFirstNameGenders[0], 1);
  EXPECT_EQ(view.AddedFirstNameGenders[1], 0);
}

TEST_F(GenderSheetTest, DeleteWithNothingSelectedDoesNothing) {
  TParseView& view = Start();
  Click(view.AddedGenderDelete);
  Click(view.AddedMale);
  EXPECT_EQ(AddedNames(view), (std::vector<std::string>{"Walt", "Kim"}));
  EXPECT_EQ(view.AddedFirstNameGenders[0], 1);
  EXPECT_EQ(view.AddedFirstNameGenders[1], 0);
}

TEST_F(GenderSheetTest, DeleteMovesTheLaterNamesUpWithTheirGenders) {
  TParseView& view = Start();
  Click(view.AddedGenderAdd);
  TypeAndEnter(view.AddedNameIn, "Mary");
  Click(view.AddedFemale);
  PickAddedName(view.AddedNames, 1);
  Click(view.AddedGenderDelete);
  EXPECT_EQ(AddedNames(view), (std::vector<std::string>{"Walt", "Mary"}));
  EXPECT_EQ(view.AddedFirstNameGenders[1], -1) << "the moved name keeps its gender";
  EXPECT_EQ(view.AddedNameSelected, 1);
  EXPECT_EQ(view.AddedNameIn.Text(), "");
  EXPECT_TRUE(view.AddedAmbig.Checked());
}

TEST_F(GenderSheetTest, TheNinetyNinthNameIsTheLastAndAFurtherAddReplacesIt) {
  TParseView& view = Start();
  for (std::size_t n = AddedNames(view).size(); n < 98; ++n) {
    Click(view.AddedGenderAdd);
    TypeAndEnter(view.AddedNameIn, "Name" + std::string{char('a' + n / 26), char('a' + n % 26)});
  }
  Click(view.AddedGenderAdd);
  TypeAndEnter(view.AddedNameIn, "Zlast");
  Click(view.AddedFemale);
  EXPECT_EQ(view.AddedNames.Count(), 99);
  EXPECT_EQ(Verdict(view, "Zlast"), "is defined as a female name");

  Click(view.AddedGenderAdd);
  EXPECT_EQ(view.AddedNameSelected, 98) << "the lookup reads no hundredth name";
  TypeAndEnter(view.AddedNameIn, "Zextra");
  Click(view.AddedFemale);
  EXPECT_EQ(view.AddedNames.Count(), 99);
  EXPECT_EQ(view.AddedNames.Items().back(), "Zextra");
  EXPECT_EQ(view.AddedGenders.Items().back(), "F");
  EXPECT_EQ(Verdict(view, "Zextra"), "is defined as a female name");
  EXPECT_EQ(SlotText(view.AddedFirstNames[99]), "");
}

TEST_F(GenderSheetTest, GenderSourceClickSelectsTheSlotsField) {
  TParseView& view = Start();
  Pick(view.GenderSource, 1);
  EXPECT_EQ(view.ActiveGenderSlot, 2);
  ClickInputField(view, 1);
  EXPECT_EQ(view.SpecialSourceTable[kGenderSplitRow][1], 2);
  Pick(view.GenderSource, 0);
  EXPECT_EQ(view.ActiveGenderSlot, 1);
  EXPECT_EQ(view.InputFieldNamesListBox.ItemIndex(), -1);
  Pick(view.GenderSource, 1);
  EXPECT_EQ(view.InputFieldNamesListBox.ItemIndex(), 1);
}

TEST_F(GenderSheetTest, TheSheetShowsSourcesGendersAddedNamesAndTheVerdict) {
  TParseView& view = Start();
  Verdict(view, "J");
  Pick(view.GenderSource, 0);
  ClickInputField(view, 1);
  Pick(view.GenderSource, 2);
  ClickInputField(view, 0);
  EXPECT_EQ(view.GenderSource.Items(),
            (std::vector<std::string>{"Field2", "(Source 2)", "Field1"}));
  EXPECT_EQ(view.GenderNames.Items(),
            (std::vector<std::string>{"Gender 1", "Gender 2", "Gender 3"}));
  EXPECT_EQ(view.GenderValues.Items(), (std::vector<std::string>{"F", "", "M"}));
  EXPECT_EQ(view.AddedNames.Items(), (std::vector<std::string>{"Walt", "Kim"}));
  EXPECT_EQ(view.AddedGenders.Items(), (std::vector<std::string>{"M", "?"}));
  EXPECT_EQ(view.AddedNames.ItemIndex(), -1);
  EXPECT_EQ(view.TestNameLabel.Caption(), "") << "one character gives no verdict";
}

}  // namespace
}  // namespace vt
