// The parser sheets as a user sees them: each shows the line its parser read, the parts found
// and its slots' fields; the part orders, the default suite and the titles change the results.
#include <string>
#include <vector>

#include "window/conversion_fixture.h"
#include "window/view_fixture.h"

namespace vt {
namespace {

using testing::Click;
using testing::ClickInputField;
using testing::GoToSheet;
using testing::InReach;
using testing::Pick;
using testing::Type;
using testing::TypeAndEnter;

constexpr char kRecords[] =
    "\"Mr John Q Public Jr\",\"Apt 4 123 N Main St\",\"Toronto ON M5V2T6\",\"(416) 555-1234\","
    "\"555\",\"9876543\"\r\n"
    "\"Mary Smith\",\"12 King St W\",\"Halifax B3H 1A1\",\"\",\"\",\"\"\r\n";

// Std. Address and Std. Name as the Street and Names sheets list them.
constexpr int kStdAddressRow = 8;
constexpr int kStdNameRow = 5;

std::vector<std::string> SlotNames(tk::ListBox* const* lists, int count) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) names.push_back(lists[i]->Count() > 0 ? lists[i]->Item(0) : "?");
  return names;
}

// A user's choice of an item of a radio group.
void Choose(tk::RadioGroup& group, int item) {
  InReach(group);
  group.UserSelect(item);
}

class ParserSheetsTest : public testing::ViewTest {
 protected:
  // Every parser fed from the first record, slot by slot, as a user assigns them.
  TParseView& Start() {
    TParseView& view = OpenInput("in.csv", kRecords);
    const struct {
      tk::TabSheet& sheet;
      tk::ListBox& slot;
      int field_row;
    } feeds[] = {
        {view.ParseStreet, view.Street0, 1},     {view.CityPage, view.City1, 2},
        {view.ParseNameSheet, view.NameIn1, 0},  {view.ParsePhoneSheet, view.Phone1A, 3},
        {view.ParsePhoneSheet, view.Phone2A, 4}, {view.ParsePhoneSheet, view.Phone2B, 5},
    };
    for (const auto& feed : feeds) {
      GoToSheet(view, feed.sheet);
      Pick(feed.slot, 0);
      ClickInputField(view, feed.field_row);
    }
    return view;
  }
};

TEST_F(ParserSheetsTest, EachSheetShowsItsLinePartsAndSlots) {
  TParseView& v = Start();
  const struct {
    tk::TabSheet& sheet;
    std::vector<std::string> lines;  // the line labels' captions
    std::vector<const tk::Label*> labels;
    tk::ListBox& names;
    tk::ListBox& values;
    std::vector<std::string> expected_names;
    std::vector<std::string> expected_values;
    std::vector<std::string> slots;
    std::vector<std::string> expected_slots;
  } sheets[] = {
      {v.ParseStreet,
       {"Apt 4 123 N Main St     "},  // a blank after each of five slots
       {&v.StreetInput},
       v.StreetNames,
       v.StreetParts,
       {"Suite Designator", "Suite Number", "Street Number", "Street Name", "Street Designator",
        "Street Direction", "Non-Civic Addr", "Odd/Even #", "Std. Address"},
       {"Apt", "4", "123", "Main", "St", "N", "", "O", "123 Main St N Apt 4"},
       SlotNames(v.StreetLists, 6),
       {"Field2", "", "", "", "", ""}},
      {v.CityPage,
       {"Toronto ON M5V2T6"},
       {&v.CityInput},
       v.CityNames,
       v.CityParts,
       {"City", "State/Province", "Postal/Zip"},
       {"Toronto", "ON", "M5V 2T6"},
       SlotNames(v.CityLists, 5),
       {"Field3", "", "", "", ""}},
      {v.ParseNameSheet,
       {"Mr John Q Public Jr "},
       {&v.NameInputLabel},
       v.NamePartNames,
       v.NameParts,
       {"Title", "First Name", "Middle Names", "Last Name", "Name Suffix", "Std. Name"},
       {"Mr", "John", "Q", "Public", "Jr", "Mr John Q Public Jr"},
       SlotNames(v.NameLists, 5),
       {"Field1", "", "", "", ""}},
      {v.ParsePhoneSheet,
       {"(416) 555-1234", "5559876543", ""},
       {&v.Phone1Label, &v.Phone2Label, &v.Phone3Label},
       v.PhoneNames,
       v.PhoneParts,
       {"Area Code 1", "Phone 1", "Area Code 2", "Phone 2", "Area Code 3", "Phone 3"},
       {"416", "555-1234", "555", "987-6543", "", ""},
       SlotNames(v.PhoneLists, 6),
       {"Field4", "", "Field5", "Field6", "", ""}},
  };
  for (const auto& s : sheets) {
    SCOPED_TRACE(s.sheet.Name());
    GoToSheet(v, s.sheet);
    for (std::size_t i = 0; i < s.labels.size(); ++i) {
      InReach(*s.labels[i]);
      EXPECT_EQ(s.labels[i]->Caption(), s.lines[i]) << s.labels[i]->Name();
    }
    InReach(s.values);
    EXPECT_EQ(s.names.Items(), s.expected_names);
    EXPECT_EQ(s.values.Items(), s.expected_values);
    EXPECT_EQ(s.slots, s.expected_slots);
  }
}

TEST_F(ParserSheetsTest, TheSheetsFollowTheRecordAndTheSlots) {
  TParseView& v = Start();
  GoToSheet(v, v.CityPage);
  Click(v.NextButton);
  EXPECT_EQ(v.CityInput.Caption(), "Halifax B3H 1A1");
  EXPECT_EQ(v.CityParts.Items(), (std::vector<std::string>{"Halifax", "NS", "B3H 1A1"}));
  EXPECT_EQ(v.Phone1Label.Caption(), "");
  EXPECT_EQ(v.PhoneParts.Item(1), "");

  // Emptying a slot refreshes every sheet: its list, its line and its parts.
  GoToSheet(v, v.ParseStreet);
  Pick(v.Street0, 0);
  Click(v.StreetClear);
  EXPECT_EQ(v.Street0.Item(0), "");
  EXPECT_EQ(v.StreetInput.Caption(), "");
  EXPECT_EQ(v.StreetParts.Item(kStdAddressRow), "");
}

// One user act on a part-order group and what the preview makes of it.
struct OrderCase {
  const char* name;
  tk::TabSheet TParseView::*sheet;
  tk::RadioGroup TParseView::*group;
  int item;
  tk::RadioGroup* (TParseView::*family)[5];  // a name family; null: the positions
  std::vector<int> family_after;
  int row;  // in the sheet's parts list
  std::string expected;
};

TEST_F(ParserSheetsTest, PartOrderKeepsEachPartInOnePlace) {
  const OrderCase cases[] = {
      {"street number last",
       &TParseView::ParseStreet,
       &TParseView::Position7,
       3,
       nullptr,
       {0, 4, 5, 6, 1, 2, 3},
       kStdAddressRow,
       "Main St N Apt 4 123"},
      {"no street name",
       &TParseView::ParseStreet,
       &TParseView::Position2,
       0,
       nullptr,
       {3, 0, 5, 6, 1, 2, 7},
       kStdAddressRow,
       "123 St N Apt 4"},
      {"last name first",
       &TParseView::ParseNameSheet,
       &TParseView::NameO1,
       4,
       &TParseView::NameOGroups,
       {4, 2, 3, 0, 5},
       kStdNameRow,
       "Public John Q Jr"},
      {"no first name",
       &TParseView::ParseNameSheet,
       &TParseView::NameO2,
       0,
       &TParseView::NameOGroups,
       {1, 0, 3, 4, 5},
       kStdNameRow,
       "Mr Q Public Jr"},
      {"surname arrives first, title guessed",
       &TParseView::ParseNameSheet,
       &TParseView::NameP1,
       4,
       &TParseView::NamePGroups,
       {4, 2, 3, 0, 5},
       kStdNameRow,
       "Mr John Q Public Mr Jr"},
  };
  for (const OrderCase& c : cases) {
    SCOPED_TRACE(c.name);
    TParseView& v = Start();
    GoToSheet(v, v.*c.sheet);
    Choose(v.*c.group, c.item);
    std::vector<int> after;
    if (c.family == nullptr) {
      for (tk::RadioGroup* group : v.PositionGroups) after.push_back(group->ItemIndex());
    } else {
      for (tk::RadioGroup* group : v.*c.family) after.push_back(group->ItemIndex());
    }
    EXPECT_EQ(after, c.family_after);
    const tk::ListBox& parts = c.family == nullptr ? v.StreetParts : v.NameParts;
    EXPECT_EQ(parts.Item(c.row), c.expected);
  }
}

TEST_F(ParserSheetsTest, DefaultSuiteDesignator) {
  TParseView& v = Start();
  GoToSheet(v, v.ParseStreet);
  TypeAndEnter(v.SuiteDesignatorOut, "Unit");
  EXPECT_TRUE(v.Position1.Focused()) << "Enter ends the entry on the first position";
  EXPECT_EQ(v.StreetParts.Item(kStdAddressRow), "123 Main St N Apt 4") << "the line names one";
  Click(v.UseDefaultSuite);
  EXPECT_EQ(v.StreetParts.Item(kStdAddressRow), "123 Main St N Unit 4");
  Click(v.UseDefaultSuite);
  EXPECT_EQ(v.StreetParts.Item(kStdAddressRow), "123 Main St N Apt 4");
}

TEST_F(ParserSheetsTest, InferredTitlesFollowTheirBoxes) {
  TParseView& v = OpenInput("in.csv", "\"John Smith\"\r\n\"Mary Smith\"\r\n");
  GoToSheet(v, v.ParseNameSheet);
  Pick(v.NameIn1, 0);
  ClickInputField(v, 0);
  EXPECT_EQ(v.NameParts.Item(0), "Mr");

  GoToSheet(v, v.GenderSheet);
  Type(v.MaleTitleIn, "Sir");
  Type(v.FemaleTitleIn, "Dame");  // leaving the male box stores it
  Pick(v.GenderNames, -1);        // and a click beside stores the female one
  EXPECT_EQ(v.GenderValues.Item(0), "");
  Click(v.GenderFromTitle);
  EXPECT_EQ(v.GenderValues.Item(0), "M") << "Gender 1 from the title, at once";
  Click(v.NameOptions);
  EXPECT_EQ(v.PageControl.ActivePage(), &v.ParseNameSheet);
  EXPECT_EQ(v.NameParts.Items(),
            (std::vector<std::string>{"Sir", "John", "", "Smith", "", "Sir John Smith "}));
  Click(v.NextButton);
  EXPECT_EQ(v.NameParts.Item(0), "Dame");

  GoToSheet(v, v.GenderSheet);
  Click(v.GuessTitle);
  Click(v.NameOptions);
  EXPECT_EQ(v.NameParts.Item(0), "");
  EXPECT_EQ(v.NameParts.Item(kStdNameRow), "Mary Smith ");
}

TEST_F(ParserSheetsTest, ARunWritesTheChosenOrder) {
  TParseView& v = Start();
  GoToSheet(v, v.ParseStreet);
  Choose(v.Position7, 3);
  testing::SetUpFields(v, {{"Addr", -kStdAddress, 0, 0, ""}});
  const std::string bytes = testing::RunInto(v, fakes.dialogs, Path("out.csv"));
  EXPECT_EQ(bytes, "\"Main St N Apt 4 123\"\r\n\"King St W 12\"\r\n");
}

}  // namespace
}  // namespace vt
