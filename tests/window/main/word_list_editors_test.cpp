// The word-list editors through the window: an entry added, changed and deleted shows at once
// in the record preview; Add's slot on a full list; Enter; selections kept by refreshes.
#include <string>

#include "output/generated_sources.h"
#include "window/conversion_fixture.h"
#include "window/view_fixture.h"

namespace vt {
namespace {

using testing::Click;
using testing::ClickInputField;
using testing::GoToSheet;
using testing::Pick;
using testing::Type;
using testing::TypeAndEnter;
using testing::ViewTest;

// Names, street lines and a city line for the parsers, and a name in capitals.
constexpr char kRecord[] =
    "\"Hon John Smith\",\"John Smith Fils\",\"John Smith Plumber\",\"John Da Silva\","
    "\"Flat 4 12 Main Wynd\",\"Casilla 45\",\"Springfield Narnia 12345\",\"MACDONALD\"\n";

class WordListEditorsTest : public ViewTest {
 protected:
  // The preview's one output field shows generated source k of the parser fed from `field`.
  TParseView& Start(tk::TabSheet TParseView::*sheet, tk::ListBox TParseView::*slot, int field,
                    int k) {
    TParseView& view = OpenInput("in.csv", kRecord);
    GoToSheet(view, view.*sheet);
    Pick(view.*slot, 0);
    ClickInputField(view, field);
    GoToSheet(view, view.OutputConfiguration);
    Pick(view.ParsedItemNames, k - kEmptyField);
    return view;
  }
  static std::string Preview(const TParseView& view) { return view.OutputRecordLabel.Caption(); }
};

// An editor fed by a parser's slot; each edit is an entry and, for two-box editors, a second.
struct EditorRow {
  tk::TabSheet TParseView::*parser_sheet;
  tk::ListBox TParseView::*slot;
  int field;
  int source;
  tk::TabSheet TParseView::*sheet;
  tk::ListBox TParseView::*list;
  tk::Edit TParseView::*entry;
  tk::Edit TParseView::*second;  // nullptr: a one-box editor
  tk::Button TParseView::*add;
  tk::Button TParseView::*remove;
  const char* before;
  const char* add_entry;
  const char* add_second;
  const char* after_add;
  const char* change_entry;
  const char* change_second;
  const char* after_change;
};

// Types an edit into the editor's boxes; Enter in the last box stores it.
void Enter(TParseView& view, const EditorRow& row, const char* entry, const char* second) {
  if (row.second == nullptr) return TypeAndEnter(view.*row.entry, entry);
  Type(view.*row.entry, entry);
  TypeAndEnter(view.*row.second, second);
}

TEST_F(WordListEditorsTest, AddChangeAndDeleteShowInThePreview) {
  using V = TParseView;
  const EditorRow rows[] = {
      {&V::ParseNameSheet, &V::NameIn1, 0, kTitle, &V::ParseNameSheet, &V::TitlesIn, &V::TitleIn,
       &V::TitleSubstIn, &V::AddTitle, &V::DeleteTitle, "\"Mr\"", "Hon.", "", "\"Hon.\"", "Hon",
       "The Hon", "\"The Hon\""},
      {&V::ParseNameSheet, &V::NameIn1, 1, kNameSuffix, &V::ParseNameSheet, &V::SufficesIn,
       &V::SuffixIn, &V::SuffixSubstIn, &V::AddSuffices, &V::DeleteSuffices, "\"\"", "Fils", "",
       "\"Fils\"", "Fils", "Jr", "\"Jr\""},
      {&V::ParseNameSheet, &V::NameIn1, 2, kLastName, &V::Mailing, &V::NameStripsIn,
       &V::NameStripIn, nullptr, &V::AddNameStrip, &V::DeleteNameStrip, "\"Plumber\"", "plumber.",
       "", "\"Smith\"", "plumbers", "", "\"Plumber\""},
      {&V::ParseNameSheet, &V::NameIn1, 3, kLastName, &V::Mailing, &V::NamePrefixes,
       &V::NamePrefixIn, nullptr, &V::AddNamePrefix, &V::DeleteNamePrefix, "\"Silva\"", "Da", "",
       "\"Da Silva\"", "Di", "", "\"Silva\""},
      {&V::ParseStreet, &V::Street0, 4, kStreetDesignator, &V::Mailing, &V::StreetTypes,
       &V::StreetTypeIn, &V::StreetTypeSubstIn, &V::StreetTypeAdd, &V::StreetTypeDelete, "\"\"",
       "Wynd", "Wy", "\"Wy\"", "Wynd", "", "\"Wynd\""},
      {&V::ParseStreet, &V::Street0, 4, kSuiteDesignator, &V::Mailing, &V::SuiteDesignatorsIn,
       &V::SuiteDesignatorIn, &V::SuiteDesignatorSubstIn, &V::SuiteDesignatorAdd,
       &V::SuiteDesignatorDelete, "\"\"", "Flat", "", "\"Flat\"", "Flat", "Apt", "\"Apt\""},
      {&V::ParseStreet, &V::Street0, 5, kNonCivicAddress, &V::Mailing, &V::NonCivicsIn,
       &V::NonCivicIn, &V::NonCivicSubstIn, &V::NonCivicAdd, &V::NonCivicDelete, "\"\"", "Casilla",
       "PO Box", "\"PO Box 45\"", "Casilla", "", "\"Casilla 45\""},
      {&V::CityPage, &V::City1, 6, kStateProvince, &V::CityPage, &V::States, &V::StateIn,
       &V::StateSubstIn, &V::AddState, &V::DeleteState, "\"Narnia\"", "Narnia", "", "\"NA\"",
       "Narnia", "NR", "\"NR\""},
  };
  for (const EditorRow& row : rows) {
    TParseView& view = Start(row.parser_sheet, row.slot, row.field, row.source);
    SCOPED_TRACE((view.*row.list).Name());
    EXPECT_EQ(Preview(view), row.before);
    GoToSheet(view, view.*row.sheet);
    Click(view.*row.add);
    Enter(view, row, row.add_entry, row.add_second);
    EXPECT_EQ(Preview(view), row.after_add);
    const int added = (view.*row.list).Count() - 1;
    Pick(view.*row.list, added);
    Enter(view, row, row.change_entry, row.change_second);
    EXPECT_EQ(Preview(view), row.after_change);
    EXPECT_EQ((view.*row.list).ItemIndex(), added) << "the refill keeps the selection";
    Click(view.*row.remove);
    EXPECT_EQ(Preview(view), row.before);
    EXPECT_EQ((view.*row.list).Count(), added);
  }
}

TEST_F(WordListEditorsTest, CapitalExceptionsShapeProperCaseAndKeepTheirBlank) {
  TParseView& view = OpenInput("in.csv", kRecord);
  GoToSheet(view, view.OutputConfiguration);
  ClickInputField(view, 7);
  Click(view.ProperCaseConversion);
  EXPECT_EQ(Preview(view), "\"Macdonald\"");
  GoToSheet(view, view.Mailing);
  Click(view.AddCapitalException);
  TypeAndEnter(view.CapitalExceptionIn, "Mac");
  EXPECT_EQ(Preview(view), "\"MacDonald\"");
  EXPECT_TRUE(view.AddNameStrip.Focused()) << "Enter goes to the name strips' Add";
  Pick(view.CapitalExceptionsIn, 6);
  EXPECT_EQ(view.CapitalExceptionIn.Text(), "II<");
  Click(view.AddCapitalException);
  TypeAndEnter(view.CapitalExceptionIn, "Jr<");
  EXPECT_EQ(std::string(view.CapitalExceptions[10], 4), std::string("Jr \0", 4));
  EXPECT_EQ(view.CapitalExceptionsIn.Items().back(), "Jr<");
}

TEST_F(WordListEditorsTest, AddOnAFullListReplacesTheLastSlotTheParserReads) {
  TParseView& view = OpenInput("in.csv", kRecord);
  GoToSheet(view, view.CityPage);
  for (int n = UsedSlots(view.StateNames); n < 99; ++n) {
    Click(view.AddState);
    TypeAndEnter(view.StateIn, "State" + std::to_string(n));
  }
  EXPECT_EQ(view.States.Count(), 99);
  Click(view.AddState);
  EXPECT_EQ(view.StateSelected, 98) << "slot 99 is never read by the parser";
  TypeAndEnter(view.StateIn, "Last");
  EXPECT_EQ(SlotText(view.StateNames[98]), "Last");
  EXPECT_EQ(SlotText(view.StateNames[99]), "");
}

TEST_F(WordListEditorsTest, DeleteOnAHundredStatesMovesTheHundredthIntoTheList) {
  TParseView& view = OpenInput("in.csv", kRecord);
  fakes.dialogs.answers.push_back(Path("states.vnq"));
  Click(view.SaveConfiguration);
  std::string file = testing::ReadBytes(Path("states.vnq"));
  auto name = [](std::size_t i) { return "State" + std::to_string(i); };
  auto code = [](std::size_t i) { return std::string{char('A' + i / 10), char('A' + i % 10)}; };
  for (std::size_t i = 0; i < kStateSlots; ++i) {
    testing::SetPrefElement(file, kBlockStateNames, i, name(i));
    testing::SetPrefElement(file, kBlockStateCodes, i, code(i));
  }
  WriteFile(Path("states.vnq"), file);
  fakes.dialogs.answers.push_back(Path("states.vnq"));
  Click(view.LoadConfiguration1);
  GoToSheet(view, view.CityPage);
  ASSERT_EQ(view.States.Count(), 99);
  Pick(view.States, 0);
  Click(view.DeleteState);
  for (std::size_t i = 0; i + 1 < kStateSlots; ++i) {
    EXPECT_EQ(SlotText(view.StateNames[i]), name(i + 1));
    EXPECT_EQ(SlotText(view.StateCodes[i]), code(i + 1));
  }
  EXPECT_EQ(SlotText(view.StateNames[99]), "") << "no copy of the hundredth stays behind";
  EXPECT_EQ(SlotText(view.StateCodes[99]), "");
  EXPECT_EQ(view.States.Items().back(), name(99));
}

TEST_F(WordListEditorsTest, APreferenceLoadRefillsTheListsAndKeepsTheSelection) {
  TParseView& view = OpenInput("in.csv", kRecord);
  GoToSheet(view, view.ParseNameSheet);
  Click(view.AddTitle);
  TypeAndEnter(view.TitleIn, "Hon");
  fakes.dialogs.answers.push_back(Path("titles.vnq"));
  Click(view.SaveConfiguration);
  Pick(view.TitlesIn, 2);
  Click(view.DeleteTitle);
  ASSERT_EQ(view.TitlesIn.Count(), 17);
  fakes.dialogs.answers.push_back(Path("titles.vnq"));
  Click(view.LoadConfiguration1);
  EXPECT_EQ(view.TitlesIn.Count(), 18);
  EXPECT_EQ(view.TitlesIn.Items().back(), "Hon");
  EXPECT_EQ(view.TitleSelected, 2);
  EXPECT_EQ(view.TitlesIn.ItemIndex(), 2);
  EXPECT_EQ(view.TitleSubstsIn.ItemIndex(), 2);
}

TEST_F(WordListEditorsTest, ButtonsLeadToTheMailingAndGenderSheets) {
  TParseView& view = OpenInput("in.csv", kRecord);
  GoToSheet(view, view.ParseStreet);
  Click(view.ShowMailing);
  EXPECT_EQ(view.PageControl.ActivePage(), &view.Mailing);
  Click(view.NonCivicAdd);
  TypeAndEnter(view.NonCivicIn, "Apartado");
  EXPECT_TRUE(view.StreetTypeAdd.Focused()) << "Enter goes to the street types' Add";
  EXPECT_EQ(view.NonCivicSubstIn.Text(), "Apartado");
  GoToSheet(view, view.ParseNameSheet);
  Click(view.MailingOptionButton);
  EXPECT_EQ(view.PageControl.ActivePage(), &view.GenderSheet);
}

}  // namespace
}  // namespace vt
