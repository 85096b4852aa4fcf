// Option controls whose state the preference file keeps: their start-up state.
#include <string>
#include <vector>

#include "window/view_fixture.h"

namespace vt {
namespace {

using testing::ViewTest;

TEST_F(ViewTest, RadioButtonsCheckedAtStartUp) {
  TParseView& v = CreateAndShow();
  const struct {
    const tk::RadioButton& button;
    bool checked;
  } rows[] = {
      {v.DateInMDY, true}, {v.DateInDMY, false}, {v.DateInYMD, false}, {v.DateMDY, true},
      {v.DateDMY, false},  {v.DateYMD, false},   {v.Years2, false},    {v.Years4, true},
      {v.MonthD1, false},  {v.MonthD2, false},   {v.MonthA1, true},    {v.MonthA2, false},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(row.button.Checked(), row.checked) << row.button.Name();
  }
  for (const auto& source : v.SplitButtons) {
    for (int column = 0; column < 6; ++column) {
      // Three parts (column 3) and any non-alphanumeric (column 6) are the defaults.
      EXPECT_EQ(source[column]->Checked(), column == 2 || column == 5) << source[column]->Name();
    }
  }
}

TEST_F(ViewTest, CheckBoxesAndTextsAtStartUp) {
  TParseView& v = CreateAndShow();
  EXPECT_FALSE(v.TimeInDate.Checked());
  EXPECT_TRUE(v.DaysLZ.Checked());
  EXPECT_TRUE(v.DateSeparatorNeeded.Checked());
  EXPECT_FALSE(v.UseDefaultSuite.Checked());
  const struct {
    const tk::Edit& edit;
    const char* text;
  } rows[] = {
      {v.CenturyBreak, "29"},         {v.DateSeparator, " "},  {v.SuiteDesignatorOut, "#"},
      {v.MaleTitleIn, "Mr"},          {v.FemaleTitleIn, "Ms"}, {v.JointTitleIn, "Mr & Mrs"},
      {v.DefaultTitleIn, "Mr or Ms"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(row.edit.Text(), row.text) << row.edit.Name();
  }
}

TEST_F(ViewTest, CaptionsAndHintsAtStartUp) {
  TParseView& v = CreateAndShow();
  const struct {
    const tk::Control& control;
    const char* caption;
    const char* hint;
  } rows[] = {
      {v.PageLengthGroupBox, "Page Length Indication", ""},
      {v.OutputButton, "Out&put", "Save converted file"},
      {v.CaseOptions, "Options", ""},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(row.control.Caption(), row.caption) << row.control.Name();
    EXPECT_EQ(row.control.Hint(), row.hint) << row.control.Name();
  }
  // F1 on Options opens the topic of the case choices beside it.
  EXPECT_NE(v.CaseOptions.HelpTopic(), 0);
  EXPECT_EQ(v.CaseOptions.HelpTopic(), v.ProperCaseConversion.HelpTopic());
}

TEST_F(ViewTest, RadioGroupsAtStartUp) {
  TParseView& v = CreateAndShow();
  const struct {
    const tk::RadioGroup& group;
    int index;
    std::size_t items;
  } rows[] = {
      {v.TimeType, 0, 3},  {v.ConvSelect, 0, 4}, {v.ConvType, -1, 7}, {v.Position1, 3, 8},
      {v.Position2, 4, 8}, {v.Position3, 5, 8},  {v.Position4, 6, 8}, {v.Position5, 1, 8},
      {v.Position6, 2, 8}, {v.Position7, 7, 8},  {v.NameP1, 1, 6},    {v.NameP2, 2, 6},
      {v.NameP3, 3, 6},    {v.NameP4, 4, 6},     {v.NameP5, 5, 6},    {v.NameO1, 1, 6},
      {v.NameO2, 2, 6},    {v.NameO3, 3, 6},     {v.NameO4, 4, 6},    {v.NameO5, 5, 6},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(row.group.ItemIndex(), row.index) << row.group.Name();
    EXPECT_EQ(row.group.Items().size(), row.items) << row.group.Name();
  }
  EXPECT_EQ(v.ConvFrom.Count(), 0);
  EXPECT_EQ(v.ConvTo.Count(), 0);
}

// Checking one split button unchecks its two group mates and leaves the other groups alone.
TEST_F(ViewTest, SplitButtonsExcludeOnlyTheirGroupMates) {
  TParseView& v = CreateAndShow();
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 6; ++column) {
      tk::RadioButton* button = v.SplitButtons[row][column];
      SCOPED_TRACE(button->Name());
      button->SetChecked(true);
      const int first = column < 3 ? 0 : 3;
      for (int mate = first; mate < first + 3; ++mate) {
        EXPECT_EQ(v.SplitButtons[row][mate]->Checked(), mate == column);
      }
      const int other = 3 - first;
      EXPECT_EQ(v.SplitButtons[row][other]->Checked() + v.SplitButtons[row][other + 1]->Checked() +
                    v.SplitButtons[row][other + 2]->Checked(),
                1);
    }
  }
}

}  // namespace
}  // namespace vt
