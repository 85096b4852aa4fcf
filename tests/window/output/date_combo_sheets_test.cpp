// The Date, Time, Combo and Split sheets and the unit conversion panel as a user works them:
// sources picked by clicking input fields, what the preview shows, and the converted file.
#include <gtest/gtest.h>

#include <string>

#include "window/conversion_fixture.h"
#include "window/view_fixture.h"

namespace vt {
namespace {

using testing::Click;
using testing::ClickInputField;
using testing::GoToSheet;
using testing::Pick;
using testing::TypeAndEnter;

constexpr const char* kInput =
    "\"Dec 8 2026\",\"Smith\",\"John\",\"100\",\"10:30\"\r\n"
    "\"3 Mar 1998\",\"Doe\",\"Jane\",\"37.5\",\"0930\"\r\n";

class DateComboSheetsTest : public testing::ViewTest {
 protected:
  const std::string& Source(TParseView& v, int k) {
    return v.GeneratedSourceValues[static_cast<std::size_t>(k)];
  }
};

TEST_F(DateComboSheetsTest, SourcesPickedOnTheSheetsReachThePreviewAndTheFile) {
  TParseView& v = OpenInput("in.csv", kInput);

  // A date source on the Date sheet, written day first.
  GoToSheet(v, v.DateSheet);
  EXPECT_EQ(v.TodayLabel.Caption(), "Mar 04 1998");
  EXPECT_EQ(v.WeekdayLabel.Caption(), "Wed");
  Pick(v.DateChoiceBox, 0);
  ClickInputField(v, 0);
  EXPECT_EQ(v.DateChoiceBox.Item(0), v.InputFieldNames[1]);
  EXPECT_EQ(v.DateValues.Item(0), "Dec 08 2026");
  Click(v.DateDMY);
  EXPECT_EQ(v.DateValues.Item(0), "08 Dec 2026");
  EXPECT_EQ(v.WeekdayValues.Item(0), "Tue");

  // A time source on the Time sheet.
  GoToSheet(v, v.Time);
  Pick(v.TimeSource, 0);
  ClickInputField(v, 4);
  EXPECT_EQ(v.HourValue.Item(0), "10");
  EXPECT_EQ(v.MinuteValue.Item(0), "30");

  // Combination 1 is first name, ", ", last name; combination 3 the amount.
  GoToSheet(v, v.CombineInputFields);
  Pick(v.ComboIn1, 0);
  ClickInputField(v, 2);
  Pick(v.ComboIn2, 0);
  ClickInputField(v, 1);
  Pick(v.ComboDiv2, 0);
  TypeAndEnter(v.ComboDivEnter, ", ");
  Pick(v.ComboIn1, 2);
  ClickInputField(v, 3);
  EXPECT_EQ(v.CombinationValue.Item(0), " John, Smith ");
  EXPECT_EQ(v.ComboDiv2.Item(0), ", ");
  EXPECT_EQ(v.ComboIn2.Item(0), v.InputFieldNames[2]);

  // A split of the first name, on the Split sheet's second source.
  GoToSheet(v, v.SplitSheet);
  Pick(v.SplitIn2, 0);
  ClickInputField(v, 2);
  EXPECT_EQ(Source(v, kSplit2A), "John");

  // Convert 3: Celsius to Fahrenheit of combination 3; Convert 1 typed into the grid.
  GoToSheet(v, v.CombineInputFields);
  Click(v.ConvButton);
  ASSERT_EQ(v.PageControl.ActivePage(), &v.MiscTab);
  testing::InReach(v.ConvSelect);
  v.ConvSelect.UserSelect(2);
  v.ConvType.UserSelect(5);
  Pick(v.ConvFrom, 0);
  Pick(v.ConvTo, 1);
  EXPECT_EQ(v.ConversionEditMult.Text(), "1.8");
  EXPECT_EQ(v.ConversionEditConst.Text(), "32");
  EXPECT_EQ(v.ConvResultLabel.Caption(), "212");
  EXPECT_EQ(v.Conv.Cell(2, 3), "212");
  testing::InReach(v.Conv);
  v.Conv.UserSetCell(3, 1, "5");
  v.Conv.UserSelect(0, 1);  // leaving the cell refreshes
  EXPECT_EQ(v.Conv.Cell(2, 1), "5");

  GoToSheet(v, v.OutputConfiguration);
  for (int k : {kDate1, kCombination1, kConvert3, kHour1}) {
    if (k != kDate1) Click(v.AddFieldButton);
    Pick(v.ParsedItemNames, k - kEmptyField);
  }
  EXPECT_EQ(v.OutputFieldsListBox.Item(0), "08 Dec 2026");
  EXPECT_EQ(v.OutputFieldsListBox.Item(1), "John, Smith");
  EXPECT_EQ(v.OutputFieldsListBox.Item(2), "212");
  // An hour is a numeric field two wide.
  EXPECT_EQ(testing::RunInto(v, fakes.dialogs, Path("out.csv")),
            "\"08 Dec 2026\",\"John, Smith\",\"212\",10\r\n"
            "\"03 Mar 1998\",\"Jane, Doe\",\"99.5\",9 \r\n");
}

TEST_F(DateComboSheetsTest, ClearSelectedFieldTouchesOnlyCombinations) {
  TParseView& v = OpenInput("in.csv", kInput);
  GoToSheet(v, v.CombineInputFields);
  EXPECT_EQ(v.ClearCombo.Caption(), "Clear Selected Field");
  Pick(v.ComboIn2, 0);
  ClickInputField(v, 1);
  Pick(v.ComboIn2, 0);
  // A street slot picked meanwhile must not be what the Combo sheet's button clears.
  GoToSheet(v, v.ParseStreet);
  Pick(v.Street2, 0);
  ClickInputField(v, 0);
  GoToSheet(v, v.CombineInputFields);
  Click(v.ClearCombo);
  EXPECT_EQ(v.SpecialSourceTable[kStreetRow][2], 1);
  EXPECT_EQ(v.SpecialSourceTable[1][2], 2);
  Pick(v.ComboIn2, 0);
  Click(v.ClearCombo);
  EXPECT_EQ(v.SpecialSourceTable[1][2], 0);
  EXPECT_FALSE(v.ClearCombo.Enabled());
}

}  // namespace
}  // namespace vt
