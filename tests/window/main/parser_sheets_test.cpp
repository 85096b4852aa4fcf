// The parser sheets as a user sees them: each shows the line its parser read, the parts found
// and its slots' fields; the part orders, the default suite and the titles change the results.
#include <span>
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
using Texts = std::vector<std::string>;

constexpr char kRecords[] =
    "\"Mr John Q Public Jr\",\"Apt 4 123 N Main St\",\"Toronto ON M5V2T6\",\"(416) 555-1234\","
    "\"555\",\"9876543\"\r\n"
    "\"Mary Smith\",\"12 King St W\",\"Halifax B3H 1A1\",\"\",\"\",\"\"\r\n";

// Std. Address and Std. Name as the Street and Names sheets list them.
constexpr int kStdAddressRow = 8;
constexpr int kStdNameRow = 5;

// Texts joined by "|", so that a table row reads as one line.
std::string Joined(const Texts& texts) {
  std::string joined;
  for (std::size_t i = 0; i < texts.size(); ++i) joined += (i == 0 ? "" : "|") + texts[i];
  return joined;
}

std::string Captions(std::initializer_list<const tk::Label*> labels) {
  Texts texts;
  for (const tk::Label* label : labels) texts.push_back(label->Caption());
  return Joined(texts);
}

std::string SlotNames(tk::ListBox* const* lists, int count) {
  Texts names;
  for (int i = 0; i < count; ++i) names.push_back(lists[i]->Count() == 1 ? lists[i]->Item(0) : "?");
  return Joined(names);
}

class ParserSheetsTest : public testing::ViewTest {
 protected:
  // Every parser fed from the first record, slot by slot, as a user assigns them.
  TParseView& Start() {
    TParseView& v = OpenInput("in.csv", kRecords);
    const struct {
      tk::TabSheet& sheet;
      tk::ListBox& slot;
      int field_row;
    } feeds[] = {{v.ParseStreet, v.Street0, 1},     {v.CityPage, v.City1, 2},
                 {v.ParseNameSheet, v.NameIn1, 0},  {v.ParsePhoneSheet, v.Phone1A, 3},
                 {v.ParsePhoneSheet, v.Phone2A, 4}, {v.ParsePhoneSheet, v.Phone2B, 5}};
    for (const auto& feed : feeds) {
      GoToSheet(v, feed.sheet);
      Pick(feed.slot, 0);
      ClickInputField(v, feed.field_row);
    }
    return v;
  }
};

TEST_F(ParserSheetsTest, EachSheetShowsItsLinePartsAndSlots) {
  TParseView& v = Start();
  const struct {
    tk::TabSheet& sheet;
    const tk::ListBox &names, &values;
    std::string lines, expected_lines, parts, slots, expected_slots;
  } rows[] = {
      // A blank follows each of the first five street values, then the parser collapses them.
      {v.ParseStreet, v.StreetNames, v.StreetParts, Captions({&v.StreetInput}),
       "Apt 4 123 N Main St     ", "Apt|4|123|Main|St|N||O|123 Main St N Apt 4",
       SlotNames(v.StreetLists, 6), "Field2|||||"},
      {v.CityPage, v.CityNames, v.CityParts, Captions({&v.CityInput}), "Toronto ON M5V2T6",
       "Toronto|ON|M5V 2T6", SlotNames(v.CityLists, 5), "Field3||||"},
      {v.ParseNameSheet, v.NamePartNames, v.NameParts, Captions({&v.NameInputLabel}),
       "Mr John Q Public Jr ", "Mr|John|Q|Public|Jr|Mr John Q Public Jr", SlotNames(v.NameLists, 5),
       "Field1||||"},
      {v.ParsePhoneSheet, v.PhoneNames, v.PhoneParts,
       Captions({&v.Phone1Label, &v.Phone2Label, &v.Phone3Label}), "(416) 555-1234|5559876543|",
       "416|555-1234|555|987-6543||", SlotNames(v.PhoneLists, 6), "Field4||Field5|Field6||"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.sheet.Name());
    GoToSheet(v, row.sheet);
    InReach(row.values);
    EXPECT_EQ(row.lines, row.expected_lines);
    EXPECT_EQ(Joined(row.values.Items()), row.parts);
    EXPECT_EQ(row.names.Count(), row.values.Count());
    EXPECT_EQ(row.slots, row.expected_slots);
  }
  EXPECT_EQ(v.StreetNames.Item(kStdAddressRow), "Std. Address");
  EXPECT_EQ(v.NamePartNames.Item(kStdNameRow), "Std. Name");

  // The next record, and a slot emptied, show at once; the refresh keeps the slot picked.
  Click(v.NextButton);
  EXPECT_EQ(Joined(v.CityParts.Items()), "Halifax|NS|B3H 1A1");
  GoToSheet(v, v.ParseStreet);
  Pick(v.Street0, 0);
  Click(v.StreetClear);
  EXPECT_EQ(v.StreetInput.Caption(), "");
  EXPECT_EQ(v.StreetParts.Item(kStdAddressRow), "");
  ClickInputField(v, 1);
  EXPECT_EQ(v.StreetParts.Item(kStdAddressRow), "12 King St W");
}

// City, State, Zip: the city parser takes the street's fields and cuts the city parts off the
// street line; the timer then finds the slots equal and leaves the box checked.
TEST_F(ParserSheetsTest, CityStateZipReadsTheStreetLine) {
  TParseView& v = OpenInput("in.csv", "\"Mary Smith\",\"12 King St W Halifax NS B3H 1A1\"\r\n");
  GoToSheet(v, v.ParseStreet);
  Pick(v.Street0, 0);
  ClickInputField(v, 1);
  GoToSheet(v, v.CityPage);
  EXPECT_EQ(SlotNames(v.CityLists, 5), "||||");
  Click(v.CityInStreet);
  EXPECT_EQ(SlotNames(v.CityLists, 5), "Field2||||") << "at once";
  v.Timer1.Tick();
  v.Timer1.Tick();
  EXPECT_TRUE(v.CityInStreet.Checked());
  EXPECT_EQ(v.CityInput.Caption(), "12 King St W Halifax NS B3H 1A1");
  EXPECT_EQ(Joined(v.CityParts.Items()), "Halifax|NS|B3H 1A1");
  GoToSheet(v, v.ParseStreet);
  EXPECT_EQ(v.StreetParts.Item(kStdAddressRow), "12 King St W");
}

TEST_F(ParserSheetsTest, PartOrderKeepsEachPartInOnePlace) {
  using Family = tk::RadioGroup*(TParseView::*)[5];
  const struct {
    const char* name;
    tk::RadioGroup TParseView::*group;
    int item;
    Family family;             // null: the seven positions
    std::string family_after;  // the item index of each group of the family
    std::string standard;      // Std. Address or Std. Name
  } cases[] = {
      {"street number last", &TParseView::Position7, 3, nullptr, "0456123", "Main St N Apt 4 123"},
      {"no street name", &TParseView::Position2, 0, nullptr, "3056127", "123 St N Apt 4"},
      {"last name first", &TParseView::NameO1, 4, &TParseView::NameOGroups, "42305",
       "Public John Q Jr"},
      {"no first name", &TParseView::NameO2, 0, &TParseView::NameOGroups, "10345",
       "Mr Q Public Jr"},
      // "Mr" is then the last name, and the title is guessed from John.
      {"surname arrives first", &TParseView::NameP1, 4, &TParseView::NamePGroups, "42305",
       "Mr John Q Public Mr Jr"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TParseView& v = Start();
    GoToSheet(v, c.family == nullptr ? v.ParseStreet : v.ParseNameSheet);
    InReach(v.*c.group);
    (v.*c.group).UserSelect(c.item);
    std::string after;
    const std::span<tk::RadioGroup* const> family =
        c.family == nullptr ? std::span<tk::RadioGroup* const>(v.PositionGroups) : v.*c.family;
    for (const tk::RadioGroup* group : family) after += std::to_string(group->ItemIndex());
    EXPECT_EQ(after, c.family_after);
    EXPECT_EQ(
        c.family == nullptr ? v.StreetParts.Item(kStdAddressRow) : v.NameParts.Item(kStdNameRow),
        c.standard);
  }
}

TEST_F(ParserSheetsTest, DefaultSuiteDesignator) {
  TParseView& v = Start();
  GoToSheet(v, v.ParseStreet);
  testing::TypeAndEnter(v.SuiteDesignatorOut, "Unit");
  EXPECT_TRUE(v.Position1.Focused()) << "Enter ends the entry on the first position";
  EXPECT_EQ(v.StreetParts.Item(kStdAddressRow), "123 Main St N Apt 4") << "the line names one";
  Click(v.UseDefaultSuite);
  EXPECT_EQ(v.StreetParts.Item(kStdAddressRow), "123 Main St N Unit 4");
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
  // The blank after the last name stays when there is no suffix.
  EXPECT_EQ(Joined(v.NameParts.Items()), "Sir|John||Smith||Sir John Smith ");
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
  InReach(v.Position7);
  v.Position7.UserSelect(3);
  testing::SetUpFields(v, {{"Addr", -kStdAddress, 0, 0, ""}});
  const std::string bytes = testing::RunInto(v, fakes.dialogs, Path("out.csv"));
  EXPECT_EQ(bytes, "\"Main St N Apt 4 123\"\r\n\"King St W 12\"\r\n");
}

}  // namespace
}  // namespace vt
