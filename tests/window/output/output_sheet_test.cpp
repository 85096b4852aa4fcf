// Scenarios of the output sheet through the window: fields, sources, re-cuts, questions.
#include <gtest/gtest.h>

#include <string>

#include "output/generated_sources.h"
#include "strings/fixed_text.h"
#include "window/conversion_fixture.h"
#include "window/view_fixture.h"

namespace vt {
namespace {

using testing::Click;
using testing::ClickInputField;
using testing::GoToSheet;
using testing::SelectOutputField;
using testing::SetWidth;
using testing::TypeAndEnter;
using tk::MessageReply;

class OutputSheetTest : public testing::ViewTest {
 protected:
  // Opens a comma file whose first record names the fields and whose second holds `fields`'
  // values, takes the names, and brings the Output sheet forward with comma output chosen.
  // Entering the sheet starts it with one field, Output1, selected.
  TParseView& Start(std::initializer_list<std::pair<const char*, const char*>> fields) {
    std::string names;
    std::string values;
    for (const auto& [name, value] : fields) {
      names += std::string(names.empty() ? "" : ",") + "\"" + name + "\"";
      values += std::string(values.empty() ? "" : ",") + "\"" + value + "\"";
    }
    TParseView& view = OpenInput("in.csv", names + "\n" + values + "\n");
    Click(view.DelimitedInputButton);
    Click(view.TakeFirstRecordAsFieldName);
    GoToSheet(view, view.OutputConfiguration);
    Click(view.DelimitedOutputButton);
    return view;
  }
  // Opens one 40-byte fixed-format record with dividers after the bytes `ends`.
  TParseView& StartFixed(std::initializer_list<int> ends) {
    TParseView& view = OpenInput("in.txt", std::string(40, 'x') + "\n");
    for (int end : ends) Divide(view, end);
    return view;
  }
  // A click under byte `end` of the record (scrolled back to its start, as a click on an input
  // field scrolls it to that field) sets a field divider there, or clears it.
  static void Divide(TParseView& view, int end) {
    view.InputRecordScrollBar.UserSetPosition(0);
    const int cell = view.YardStick.Geometry().width;
    view.InputRecordMarkerLabel.UserMouseMove((end - 1) * cell + 1, 3);
    Click(view.InputRecordMarkerLabel);
  }
  static std::string Name(const TParseView& view, int n) {
    return std::string(TextOf(view.OutputFieldNameTable[static_cast<std::size_t>(n)]));
  }
  static int Source(const TParseView& view, int n) {
    return view.OutputFieldSource[static_cast<std::size_t>(n)];
  }
};

TEST_F(OutputSheetTest, AddedFieldsTakeInputFieldsAsSources) {
  TParseView& view = Start({{"Col1_10", "Smith"}, {"Col11_20", "John"}, {"Col21_30", "12"}});
  // No Add Field: the sheet came forward with its first field.
  EXPECT_EQ(view.OutputFieldCount, 1);
  EXPECT_EQ(Name(view, 1), "Output1");
  EXPECT_EQ(Source(view, 1), -kEmptyField);
  EXPECT_EQ(view.OutputFieldNamesListBox.ItemIndex(), 0);

  ClickInputField(view, 1);
  EXPECT_TRUE(fakes.messages.shown.empty()) << "a field still named Output1 asks nothing";
  EXPECT_EQ(Source(view, 1), 2);
  EXPECT_EQ(Name(view, 1), "Col11_20");
  EXPECT_EQ(view.OutputRecord, "\"John\"");

  fakes.messages.replies.push_back(MessageReply::kYes);
  ClickInputField(view, 0);
  ASSERT_EQ(fakes.messages.shown.size(), 1u);
  EXPECT_EQ(fakes.messages.shown[0].text,
            "Do you want to retain the original output field description and format?");
  EXPECT_EQ(fakes.messages.shown[0].caption, "New source field selected");
  EXPECT_EQ(Name(view, 1), "Col11_20") << "Yes keeps the name";
  EXPECT_EQ(Source(view, 1), 1) << "the source changes all the same";

  Click(view.XML);
  Click(view.AddFieldButton);
  ClickInputField(view, 2);
  EXPECT_EQ(Name(view, 2), "Col21_30");
  EXPECT_EQ(view.OutputRecord, "<Col11_20>Smith</Col11_20><Col21_30>12</Col21_30>");
}

TEST_F(OutputSheetTest, LeftOnTheFieldListRenamesTheSelectedField) {
  TParseView& view = Start({{"A", "a"}, {"B", "b"}});
  Click(view.AddFieldButton);
  SelectOutputField(view, 0);
  const struct {
    int key;
    bool renames;
  } keys[] = {{tk::kKeyRight, false}, {tk::kKeyLeft, true}};
  for (const auto& key : keys) {
    SCOPED_TRACE(key.key);
    EXPECT_EQ(view.OutputFieldNamesListBox.UserKeyDown(key.key), key.renames ? 0 : key.key)
        << "swallowed only when it renames";
    EXPECT_EQ(view.RenameEditBox.Enabled(), key.renames);
    EXPECT_EQ(view.RenameEditBox.Focused(), key.renames);
    EXPECT_EQ(view.OutputFieldNamesListBox.ItemIndex(), 0);
  }
  TypeAndEnter(view.RenameEditBox, "Given");
  EXPECT_EQ(Name(view, 1), "Given");
}

// The column under the mouse, over the record's line or anywhere on its panel.
TEST_F(OutputSheetTest, MouseOverTheOutputRecordReadsTheColumn) {
  TParseView& view = Start({{"A", std::string(300, 'a').c_str()}});
  ClickInputField(view, 0);
  const int cell = view.YardStick.Geometry().width;
  view.OutputRecordScrollBar.UserSetPosition(10);
  const int offset = view.OutputRecordOffset;
  ASSERT_GT(offset, 0);
  const struct {
    tk::Control* control;
    int x;
    int column;  // from the scrolled start
  } moves[] = {
      {&view.OutputRecordPanel, 0, 1},
      {&view.OutputRecordPanel, 3 * cell + 1, 4},
      {&view.OutputRecordLabel, 5 * cell, 6},
  };
  for (const auto& move : moves) {
    SCOPED_TRACE(move.control->Name());
    view.ExitButton.UserMouseMove(1, 1);
    ASSERT_FALSE(view.OutputPosition.Visible());
    move.control->UserMouseMove(move.x, 4);
    EXPECT_TRUE(view.OutputPositionLabel.Visible());
    EXPECT_TRUE(view.OutputPosition.Visible());
    EXPECT_EQ(view.OutputPosition.Caption(), std::to_string(offset + move.column));
  }
}

TEST_F(OutputSheetTest, InsertDeleteAndReorderMoveEveryParallelEntry) {
  TParseView& view = Start({{"A", "a"}, {"B", "b"}, {"C", "c"}});
  for (int i = 0; i < 3; ++i) {
    if (i != 0) Click(view.AddFieldButton);
    ClickInputField(view, i);
    SetWidth(view, std::to_string(i + 1));
    Click(view.DefaultButton);
    TypeAndEnter(view.DefaultValueEditBox, std::string(1, static_cast<char>('x' + i)));
  }
  SelectOutputField(view, 1);
  Click(view.InsertFieldButton);
  ASSERT_EQ(view.OutputFieldCount, 4);
  EXPECT_EQ(Name(view, 2), "Output2") << "the refresh names the new field by its number";
  EXPECT_EQ(Source(view, 2), -kEmptyField);
  EXPECT_EQ(Name(view, 3), "B");
  EXPECT_EQ(Source(view, 3), 2);
  EXPECT_EQ(view.OutputFieldWidths[3], 2);
  EXPECT_EQ(TextOf(view.OutputFieldDefaults[3]), "y");
  EXPECT_EQ(view.OutputFieldWidths[2], 2) << "the inserted field keeps the width that stood there";

  Click(view.DeleteFieldButton);
  ASSERT_EQ(view.OutputFieldCount, 3);
  EXPECT_EQ(Name(view, 2), "B");
  EXPECT_EQ(TextOf(view.OutputFieldDefaults[2]), "y");

  view.OutputFieldNamesListBox.UserMouseDown(false, 0);
  view.OutputFieldNamesListBox.UserDragDrop(-1);  // below the last item
  EXPECT_EQ(Name(view, 1), "B");
  EXPECT_EQ(Name(view, 3), "A");
  EXPECT_EQ(Source(view, 3), 1);
  EXPECT_EQ(view.OutputFieldWidths[3], 1);
  EXPECT_EQ(TextOf(view.OutputFieldDefaults[3]), "x");
  EXPECT_EQ(view.OutputFieldNamesListBox.ItemIndex(), 2);

  view.OutputFieldNamesListBox.UserMouseDown(false, 1);
  view.OutputFieldNamesListBox.UserDragDrop(1);
  EXPECT_EQ(Name(view, 2), "C") << "a drop on the dragged field changes nothing";
}

// A divider set or cleared re-cuts the record; references follow their fields by name.
TEST_F(OutputSheetTest, ReferencesFollowTheirFieldsByNameAfterARecut) {
  TParseView& view = StartFixed({10, 20, 30});  // Col1_10 Col11_20 Col21_30 Col31_End
  GoToSheet(view, view.OutputConfiguration);
  ClickInputField(view, 2);  // Col21_30
  Click(view.AddFieldButton);
  ClickInputField(view, 1);  // Col11_20
  GoToSheet(view, view.ParseStreet);
  testing::Pick(view.Street0, 0);
  ClickInputField(view, 2);
  // The Date sheet offers no source to pick yet: its table entry stands in.
  view.DateTimeSources[1] = 2;

  Divide(view, 5);  // Col1_5 Col6_10 Col11_20 Col21_30 Col31_End
  EXPECT_EQ(Source(view, 1), 4);
  EXPECT_EQ(Source(view, 2), 3);
  EXPECT_EQ(view.SpecialSourceTable[kStreetRow][0], 4);
  EXPECT_EQ(view.DateTimeSources[1], 3);
  EXPECT_TRUE(fakes.messages.shown.empty());

  Divide(view, 15);  // Col11_20 becomes Col11_15 and Col16_20
  EXPECT_EQ(Source(view, 1), 5);
  EXPECT_EQ(Source(view, 2), -kEmptyField) << "a vanished name falls back to Empty Field";
  EXPECT_EQ(view.DateTimeSources[1], 0);
  ASSERT_EQ(fakes.messages.shown.size(), 1u);
  EXPECT_EQ(fakes.messages.shown[0].text, "Do you want to retain the original output field name?");
  EXPECT_EQ(fakes.messages.shown[0].caption, "Source field no longer exists for Col11_20");
  EXPECT_EQ(Name(view, 2), "Output2") << "No renames the field";
}

TEST_F(OutputSheetTest, NamesLeftBehindAfterTheLastFieldDoNotMatch) {
  TParseView& view = StartFixed({10});  // Col1_10 Col11_End
  GoToSheet(view, view.OutputConfiguration);
  ClickInputField(view, 1);
  Divide(view, 10);  // cleared: one field
  ASSERT_EQ(view.InputFieldTotal, 1);
  EXPECT_EQ(view.InputFieldNames[2], "Col11_End") << "left behind in its slot";
  EXPECT_EQ(Source(view, 1), -kEmptyField);
}

// The matching step alone, after a re-cut (written here) that leaves one field of two that
// had the same name: no divider cut gives two fields one name.
TEST_F(OutputSheetTest, DuplicateOldNamesPairUpInOrder) {
  TParseView& view = Start({{"Field1", "a"}, {"Field1", "b"}});
  ClickInputField(view, 0);
  Click(view.AddFieldButton);
  ClickInputField(view, 1);
  view.SaveOldNames.Click();
  view.InputFieldTotal = 1;
  fakes.messages.replies.push_back(MessageReply::kYes);
  view.MatchOldNames.Click();
  EXPECT_EQ(Source(view, 1), 1);
  EXPECT_EQ(Source(view, 2), -kEmptyField);
  EXPECT_EQ(Name(view, 2), "Field1") << "Yes keeps the name";
}

TEST_F(OutputSheetTest, TheLimitOf98Fields) {
  TParseView& view = Start({{"A", "a"}});
  for (int n = 2; n <= 98; ++n) Click(view.AddFieldButton);
  EXPECT_EQ(view.OutputFieldCount, 98);
  EXPECT_TRUE(fakes.messages.shown.empty());
  Click(view.AddFieldButton);
  EXPECT_EQ(view.OutputFieldCount, 98);
  ASSERT_EQ(fakes.messages.shown.size(), 1u);
  EXPECT_EQ(fakes.messages.shown[0].text,
            "You may not define more than 98 output fields. To add another you must first "
            "delete one.");
  EXPECT_EQ(fakes.messages.shown[0].caption, "Too many fields");
  EXPECT_FALSE(view.AddFieldButton.Enabled());
  EXPECT_FALSE(view.InsertFieldButton.Enabled());
  Click(view.DeleteFieldButton);
  EXPECT_EQ(view.OutputFieldCount, 97);
  EXPECT_TRUE(view.AddFieldButton.Enabled());
  EXPECT_TRUE(view.InsertFieldButton.Enabled());
}

TEST_F(OutputSheetTest, GeneratedSourcesDefaultsAndWidths) {
  TParseView& view = Start({{"A", "a"}});
  for (int i = 0; i < 2; ++i) Click(view.AddFieldButton);
  testing::Pick(view.ParsedItemNames, kTodaysYear - kEmptyField);  // the list starts at Empty Field
  EXPECT_TRUE(fakes.messages.shown.empty());
  EXPECT_EQ(Source(view, 3), -kTodaysYear);
  EXPECT_EQ(Name(view, 3), "Today's Year");
  EXPECT_TRUE(view.OutputFieldFlags[3] & kFlagNumeric);
  EXPECT_EQ(view.OutputFieldWidths[3], 4);
  EXPECT_EQ(TextOf(view.OutputFieldDecimals[3]), "0");
  EXPECT_TRUE(view.NumericConversionGroup.Visible());
  EXPECT_EQ(view.RemoveBlanksBox.Caption(), "Zero blanks");

  Click(view.DefaultButton);
  TypeAndEnter(view.DefaultValueEditBox, std::string(40, 'd'));
  EXPECT_EQ(TextOf(view.OutputFieldDefaults[3]), std::string(31, 'd'));
  ASSERT_FALSE(fakes.messages.shown.empty());
  EXPECT_EQ(fakes.messages.shown.back().text, "Truncated to 31 characters");
  EXPECT_EQ(fakes.messages.shown.back().caption, "Too long");

  SetWidth(view, "70000");
  EXPECT_EQ(view.OutputFieldWidths[3], 4) << "a width past the 16-bit store is refused";
  SetWidth(view, "6");
  EXPECT_EQ(view.OutputFieldWidths[3], 6);
}

TEST_F(OutputSheetTest, ThePreviewIsWhatARunWrites) {
  TParseView& view = Start({{"Name", " mary "}, {"Amount", "1234.5"}, {"Flag", "yes"}});
  for (int i = 0; i < 3; ++i) {
    if (i != 0) Click(view.AddFieldButton);
    ClickInputField(view, i);
  }
  SelectOutputField(view, 0);
  Click(view.UpperCaseConversion);
  SelectOutputField(view, 1);
  Click(view.NumericOutputBox);
  TypeAndEnter(view.DecimalPlaces, "2");
  SelectOutputField(view, 0);
  EXPECT_TRUE(view.UpperCaseConversion.Checked()) << "selecting shows the field's own options";
  EXPECT_EQ(view.OutputFieldFlags[1], kFlagRemoveBlanks | kFlagUpperCase);
  EXPECT_EQ(view.OutputFieldFlags[2], kFlagRemoveBlanks | kFlagNumeric);

  const std::string preview = view.OutputRecord;
  EXPECT_EQ(preview, "\"MARY\",1234.50,\"yes\"");
  EXPECT_EQ(view.OutputSizeLabel.Caption(), "20 chars ->");
  EXPECT_EQ(testing::RunInto(view, fakes.dialogs, Path("out.csv")), preview + "\r\n");
}

TEST_F(OutputSheetTest, StripAccentsShowsAtOnceBothWays) {
  TParseView& view = Start({{"Author", "\xC9mile Zola"}});
  ClickInputField(view, 0);
  EXPECT_EQ(view.OutputRecordLabel.Caption(), "\"\xC9mile Zola\"");
  GoToSheet(view, view.Mailing);
  Click(view.StripAccents);
  EXPECT_EQ(view.OutputRecordLabel.Caption(), "\"Emile Zola\"");
  Click(view.StripAccents);
  EXPECT_EQ(view.OutputRecordLabel.Caption(), "\"\xC9mile Zola\"");
}

// Options beside the case choices leads to the capitalisation exceptions on the Mailing sheet.
TEST_F(OutputSheetTest, CaseOptionsBringsTheMailingSheetForward) {
  TParseView& view = Start({{"Name", "mary"}});
  ClickInputField(view, 0);
  Click(view.CaseOptions);
  EXPECT_EQ(view.PageControl.ActivePage(), &view.Mailing);
}

TEST_F(OutputSheetTest, SoundexWithoutLettersAndANumberBeyondRange) {
  TParseView& view = Start({{"Code", "---"}, {"Amount", "1E400"}});
  ClickInputField(view, 0);
  Click(view.SoundexConversion);
  Click(view.DefaultButton);
  TypeAndEnter(view.DefaultValueEditBox, "none");
  Click(view.AddFieldButton);
  ClickInputField(view, 1);
  Click(view.NumericOutputBox);
  TypeAndEnter(view.DecimalPlaces, "2");
  EXPECT_EQ(testing::RunInto(view, fakes.dialogs, Path("out.csv")), "\" 000\",INF\r\n");
}

TEST_F(OutputSheetTest, RightClickCopiesTheFormat) {
  TParseView& view = Start({{"A", "a"}, {"B", "b"}});
  ClickInputField(view, 0);
  Click(view.AddFieldButton);
  ClickInputField(view, 1);
  SelectOutputField(view, 0);
  SetWidth(view, "7");
  view.OutputFieldNamesListBox.UserMouseDown(true, 0);
  EXPECT_EQ(fakes.messages.shown.back().caption, "Output format copying");
  fakes.messages.replies.push_back(MessageReply::kYes);
  view.OutputFieldNamesListBox.UserMouseDown(true, 1);
  EXPECT_EQ(fakes.messages.shown.back().text, "Do you want to copy the field format from A to B?");
  EXPECT_EQ(view.OutputFieldWidths[2], 7);
  EXPECT_EQ(Name(view, 2), "B");
  EXPECT_EQ(Source(view, 2), 2);
}

TEST_F(OutputSheetTest, MiscSheetPicksTheFilterField) {
  TParseView& view = Start({{"A", "a"}, {"B", "b"}});
  GoToSheet(view, view.MiscTab);
  ClickInputField(view, 1);
  EXPECT_EQ(view.FilterSourceField, 2);
  ASSERT_EQ(view.FilterSourceName.Count(), 1);
  EXPECT_EQ(view.FilterSourceName.Item(0), "B");
  GoToSheet(view, view.ParseStreet);
  testing::Pick(view.Street2, 0);
  EXPECT_EQ(view.ActiveStreetSlot, 2);
  ClickInputField(view, 0);
  EXPECT_EQ(view.SpecialSourceTable[kStreetRow][2], 1);
  EXPECT_EQ(view.Street2.Item(0), "A");
  EXPECT_EQ(view.InputFieldNamesListBox.ItemIndex(), -1);
}

// The record filter's field follows its name through a re-cut, as every other reference does.
TEST_F(OutputSheetTest, TheFilterFieldFollowsItsNameAfterARecut) {
  TParseView& view = OpenInput("in.txt", "0123456789KEEP      a\n0123456789DROP      b\n");
  Divide(view, 10);
  Divide(view, 20);  // Col1_10 Col11_20 Col21_End
  GoToSheet(view, view.MiscTab);
  Click(view.Filter);
  view.Timer1.Tick();  // which enables the filter's text and type
  TypeAndEnter(view.FilterText, "KEEP");
  testing::InReach(view.SelectType);
  view.SelectType.UserSelect(1);  // Contains
  ClickInputField(view, 1);
  GoToSheet(view, view.OutputConfiguration);
  ClickInputField(view, 2);

  Divide(view, 5);  // Col1_5 Col6_10 Col11_20 Col21_End
  EXPECT_EQ(view.FilterSourceField, 3);
  EXPECT_EQ(view.FilterSourceName.Items(), (std::vector<std::string>{"Col11_20"}));
  Click(view.TabDelimitedOutputButton);
  EXPECT_EQ(testing::RunInto(view, fakes.dialogs, Path("out.txt")), "a\r\n");

  Divide(view, 15);  // Col11_20 is gone
  EXPECT_EQ(view.FilterSourceField, 0);
  EXPECT_EQ(view.FilterSourceName.Items(), (std::vector<std::string>{"Filter Source"}));
}

TEST_F(OutputSheetTest, CopyAllInputFieldsAndClear) {
  TParseView& view = Start({{"A", "a"}, {"B", "b"}});
  view.Timer1.Tick();  // which shows Copy all input fields while there are fewer than two fields
  Click(view.CloneButton);
  EXPECT_EQ(view.OutputFieldCount, 2);
  EXPECT_EQ(Name(view, 2), "B");
  EXPECT_EQ(Source(view, 2), 2);
  Click(view.ClearOutput);
  EXPECT_EQ(fakes.messages.shown.back().text, "Confirm that you wish to clear the output fields");
  EXPECT_EQ(view.OutputFieldCount, 2) << "No keeps the fields";
  fakes.messages.replies.push_back(MessageReply::kYes);
  Click(view.ClearOutput);
  EXPECT_EQ(view.OutputFieldCount, 1) << "the output sheet starts again with one empty field";
  EXPECT_EQ(Name(view, 1), "Output1");
  EXPECT_EQ(Source(view, 2), 0);
}

}  // namespace
}  // namespace vt
