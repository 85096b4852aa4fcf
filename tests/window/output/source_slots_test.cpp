// The parsers' source slots as a user sets them: a slot click shows its field and arms the
// sheet's Clear button; Clear empties that slot alone.
#include "window/view_fixture.h"

namespace vt {
namespace {

using testing::Click;
using testing::ClickInputField;
using testing::GoToSheet;
using testing::Pick;

class SourceSlotsTest : public testing::ViewTest {};

TEST_F(SourceSlotsTest, SlotClickShowsItsFieldAndClearEmptiesOnlyThatSlot) {
  TParseView& view = OpenInput("in.csv", "\"a\",\"b\",\"c\"\n");
  struct Case {
    tk::TabSheet* sheet;
    tk::ListBox* first;
    tk::ListBox* second;
    int first_slot;  // the slot of `first`; `second` is the next one
    int row;
    tk::Button* clear;
  };
  const Case cases[] = {
      {&view.ParseStreet, &view.Street0, &view.Street1, 0, kStreetRow, &view.StreetClear},
      {&view.CityPage, &view.City1, &view.City2, 1, kCityRow, &view.CityClear},
      {&view.ParseNameSheet, &view.NameIn1, &view.NameIn2, 1, kNameRow, &view.NameClear},
      {&view.ParsePhoneSheet, &view.Phone1A, &view.Phone1B, 0, kPhoneRow, &view.PhoneClear},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sheet->Name());
    GoToSheet(view, *c.sheet);
    EXPECT_FALSE(c.clear->Enabled()) << "nothing to clear before a slot is picked";
    const auto& row = view.SpecialSourceTable[static_cast<std::size_t>(c.row)];
    const auto slot = static_cast<std::size_t>(c.first_slot);
    Pick(*c.first, 0);
    ClickInputField(view, 2);
    Pick(*c.second, 0);
    EXPECT_EQ(view.InputFieldNamesListBox.ItemIndex(), -1) << "an empty slot shows no field";
    ClickInputField(view, 1);
    EXPECT_EQ(row[slot], 3);
    EXPECT_EQ(row[slot + 1], 2);
    EXPECT_FALSE(c.clear->Enabled()) << "a filled slot disarms Clear";

    Pick(*c.first, 0);
    EXPECT_EQ(view.ActiveSourceRow, c.row);
    EXPECT_EQ(view.InputFieldNamesListBox.ItemIndex(), 2);
    EXPECT_EQ(c.second->ItemIndex(), -1) << "one slot of a sheet is picked at a time";
    Click(*c.clear);
    EXPECT_EQ(row[slot], 0);
    EXPECT_EQ(row[slot + 1], 2);
    EXPECT_FALSE(c.clear->Enabled());
  }
}

}  // namespace
}  // namespace vt
