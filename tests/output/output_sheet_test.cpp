// Scenarios of the output sheet through the window: fields, sources, re-cuts, questions.
#include <gtest/gtest.h>

#include <string>

#include "main/strings/fixed_text.h"
#include "main/view_fixture.h"

namespace vt {
namespace {

using tk::MessageReply;

class OutputSheetTest : public testing::ViewTest {
 protected:
  TParseView& Start(std::initializer_list<std::pair<const char*, const char*>> fields) {
    TParseView& view = CreateAndShow();
    view.PageControl.SetActivePage(&view.OutputConfiguration);
    view.OutputFieldNamesListBox.SetEnabled(true);
    view.DelimitedOutputButton.SetChecked(true);
    Recut(view, fields);
    return view;
  }
  static void Recut(TParseView& view,
                    std::initializer_list<std::pair<const char*, const char*>> fields) {
    int f = 0;
    view.InputFieldNamesListBox.Clear();
    for (std::string& name : view.InputFieldNames) name.clear();
    for (const auto& [name, value] : fields) {
      view.InputFieldNames[static_cast<std::size_t>(++f)] = name;
      view.InputFieldValues[static_cast<std::size_t>(f)] = value;
      view.InputFieldNamesListBox.Add(name);
    }
    view.InputFieldTotal = f;
    view.RecordNumber = 1;
    view.InputRecordCut();
  }
  static void ClickInput(TParseView& view, int item) {
    view.InputFieldNamesListBox.SetItemIndex(item);
    tk::Fire(view.InputFieldNamesListBox.on_click);
  }
  static void SelectOutput(TParseView& view, int item) {
    view.OutputFieldNamesListBox.SetItemIndex(item);
    tk::Fire(view.OutputFieldNamesListBox.on_click);
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
  view.AddFieldButton.Click();
  EXPECT_EQ(view.OutputFieldCount, 1);
  EXPECT_EQ(Name(view, 1), "Output1");
  EXPECT_EQ(Source(view, 1), -1);
  EXPECT_EQ(view.OutputFieldNamesListBox.ItemIndex(), 0);

  ClickInput(view, 1);
  EXPECT_TRUE(fakes.messages.shown.empty()) << "a field still named Output1 asks nothing";
  EXPECT_EQ(Source(view, 1), 2);
  EXPECT_EQ(Name(view, 1), "Col11_20");
  EXPECT_EQ(view.OutputRecord, "\"John\"");
  view.DelimitedOutputButton.SetChecked(false);

  fakes.messages.replies.push_back(MessageReply::kYes);
  ClickInput(view, 0);
  ASSERT_EQ(fakes.messages.shown.size(), 1u);
  EXPECT_EQ(fakes.messages.shown[0].text,
            "Do you want to retain the original output field description and format?");
  EXPECT_EQ(fakes.messages.shown[0].caption, "New source field selected");
  EXPECT_EQ(Name(view, 1), "Col11_20") << "Yes keeps the name";
  EXPECT_EQ(Source(view, 1), 1) << "the source changes all the same";

  view.XML.SetChecked(true);
  view.AddFieldButton.Click();
  ClickInput(view, 2);
  EXPECT_EQ(Name(view, 2), "Col21_30");
  EXPECT_EQ(view.OutputRecord, "<Col11_20>Smith</Col11_20><Col21_30>12</Col21_30>");
}

TEST_F(OutputSheetTest, InsertDeleteAndReorderMoveEveryParallelEntry) {
  TParseView& view = Start({{"A", "a"}, {"B", "b"}, {"C", "c"}});
  for (int i = 0; i < 3; ++i) {
    view.AddFieldButton.Click();
    ClickInput(view, i);
    view.OutputFieldWidths[static_cast<std::size_t>(i + 1)] = static_cast<std::int16_t>(i + 1);
    CopyText(view.OutputFieldDefaults[static_cast<std::size_t>(i + 1)], std::string(1, 'x' + i));
    view.OutputFieldFlags[static_cast<std::size_t>(i + 1)] = 0x100u << i;
  }
  view.DelimitedOutputButton.SetChecked(true);
  SelectOutput(view, 1);
  view.InsertFieldButton.Click();
  ASSERT_EQ(view.OutputFieldCount, 4);
  EXPECT_EQ(Name(view, 2), "Output2") << "the refresh names the new field by its number";
  EXPECT_EQ(Source(view, 2), -1);
  EXPECT_EQ(Name(view, 3), "B");
  EXPECT_EQ(Source(view, 3), 2);
  EXPECT_EQ(view.OutputFieldWidths[3], 2);
  EXPECT_EQ(TextOf(view.OutputFieldDefaults[3]), "y");
  EXPECT_EQ(view.OutputFieldWidths[2], 2) << "the inserted field keeps the width that stood there";

  view.DeleteFieldButton.Click();
  ASSERT_EQ(view.OutputFieldCount, 3);
  EXPECT_EQ(Name(view, 2), "B");
  EXPECT_EQ(TextOf(view.OutputFieldDefaults[2]), "y");

  view.OutputFieldNamesListBoxMouseDown(false, 0);
  view.OutputFieldNamesListBoxDragDrop(-1);  // below the last item
  EXPECT_EQ(Name(view, 1), "B");
  EXPECT_EQ(Name(view, 3), "A");
  EXPECT_EQ(Source(view, 3), 1);
  EXPECT_EQ(view.OutputFieldWidths[3], 1);
  EXPECT_EQ(TextOf(view.OutputFieldDefaults[3]), "x");
  EXPECT_EQ(view.OutputFieldNamesListBox.ItemIndex(), 2);

  view.OutputFieldNamesListBoxMouseDown(false, 1);
  view.OutputFieldNamesListBoxDragDrop(1);
  EXPECT_EQ(Name(view, 2), "C") << "a drop on the dragged field changes nothing";
}

TEST_F(OutputSheetTest, ReferencesFollowTheirFieldsByNameAfterARecut) {
  TParseView& view = Start({{"Col1_10", "1"}, {"Col11_20", "2"}, {"Col21_30", "3"}});
  view.AddFieldButton.Click();
  ClickInput(view, 2);
  view.AddFieldButton.Click();
  ClickInput(view, 1);
  view.SpecialSourceTable[5][0] = 3;
  view.DateTimeSources[1] = 2;

  view.SaveOldNames.Click();
  Recut(view, {{"Col1_5", "1"}, {"Col6_10", "1"}, {"Col11_20", "2"}, {"Col21_30", "3"}});
  view.MatchOldNames.Click();
  EXPECT_EQ(Source(view, 1), 4);
  EXPECT_EQ(Source(view, 2), 3);
  EXPECT_EQ(view.SpecialSourceTable[5][0], 4);
  EXPECT_EQ(view.DateTimeSources[1], 3);
  EXPECT_TRUE(fakes.messages.shown.empty());

  view.SaveOldNames.Click();
  Recut(view, {{"Col1_5", "1"}, {"Col6_10", "1"}, {"Col11_15", "2"}, {"Col21_30", "3"}});
  view.MatchOldNames.Click();
  EXPECT_EQ(Source(view, 1), 4);
  EXPECT_EQ(Source(view, 2), -1) << "a vanished name falls back to Empty Field";
  EXPECT_EQ(view.DateTimeSources[1], 0);
  ASSERT_EQ(fakes.messages.shown.size(), 1u);
  EXPECT_EQ(fakes.messages.shown[0].text, "Do you want to retain the original output field name?");
  EXPECT_EQ(fakes.messages.shown[0].caption, "Source field no longer exists for Col11_20");
  EXPECT_EQ(Name(view, 2), "Output2") << "No renames the field";
}

TEST_F(OutputSheetTest, NamesLeftBehindAfterTheLastFieldDoNotMatch) {
  TParseView& view = Start({{"A", "a"}, {"B", "b"}});
  view.AddFieldButton.Click();
  ClickInput(view, 1);
  view.SaveOldNames.Click();
  view.InputFieldNames[1] = "Z";
  view.InputFieldTotal = 1;  // "B" still stands in slot 2, but the record has one field
  view.MatchOldNames.Click();
  EXPECT_EQ(Source(view, 1), -1);
}

TEST_F(OutputSheetTest, DuplicateOldNamesPairUpInOrder) {
  TParseView& view = Start({{"Field1", "a"}, {"Field1", "b"}});
  view.AddFieldButton.Click();
  ClickInput(view, 0);
  view.AddFieldButton.Click();
  ClickInput(view, 1);
  view.SaveOldNames.Click();
  Recut(view, {{"Field1", "a"}});
  fakes.messages.replies.push_back(MessageReply::kYes);
  view.MatchOldNames.Click();
  EXPECT_EQ(Source(view, 1), 1);
  EXPECT_EQ(Source(view, 2), -1);
  EXPECT_EQ(Name(view, 2), "Field1") << "Yes keeps the name";
}

TEST_F(OutputSheetTest, TheLimitOf98Fields) {
  TParseView& view = Start({{"A", "a"}});
  view.OutputFieldCount = 97;
  view.AddFieldButton.Click();
  EXPECT_EQ(view.OutputFieldCount, 98);
  view.AddFieldButton.Click();
  EXPECT_EQ(view.OutputFieldCount, 98);
  ASSERT_EQ(fakes.messages.shown.size(), 1u);
  EXPECT_EQ(fakes.messages.shown[0].text,
            "You may not define more than 98 output fields. To add another you must first "
            "delete one.");
  EXPECT_EQ(fakes.messages.shown[0].caption, "Too many fields");
  EXPECT_FALSE(view.AddFieldButton.Enabled());
  EXPECT_FALSE(view.InsertFieldButton.Enabled());
  view.DeleteFieldButton.Click();
  EXPECT_EQ(view.OutputFieldCount, 97);
  EXPECT_TRUE(view.AddFieldButton.Enabled());
  EXPECT_TRUE(view.InsertFieldButton.Enabled());
}

TEST_F(OutputSheetTest, GeneratedSourcesDefaultsAndWidths) {
  TParseView& view = Start({{"A", "a"}});
  for (int i = 0; i < 3; ++i) view.AddFieldButton.Click();
  view.ParsedItemNames.SetItemIndex(48);  // Today's Year
  tk::Fire(view.ParsedItemNames.on_click);
  EXPECT_TRUE(fakes.messages.shown.empty());
  EXPECT_EQ(Source(view, 3), -49);
  EXPECT_EQ(Name(view, 3), "Today's Year");
  EXPECT_TRUE(view.OutputFieldFlags[3] & kFlagNumeric);
  EXPECT_EQ(view.OutputFieldWidths[3], 4);
  EXPECT_EQ(TextOf(view.OutputFieldDecimals[3]), "0");
  EXPECT_TRUE(view.NumericConversionGroup.Visible());
  EXPECT_EQ(view.RemoveBlanksBox.Caption(), "Zero blanks");

  view.DefaultButton.Click();
  view.DefaultValueEditBox.SetText(std::string(40, 'd'));
  view.InputFieldNamesListBox.SetFocus();
  EXPECT_EQ(TextOf(view.OutputFieldDefaults[3]), std::string(31, 'd'));
  ASSERT_FALSE(fakes.messages.shown.empty());
  EXPECT_EQ(fakes.messages.shown.back().text, "Truncated to 31 characters");
  EXPECT_EQ(fakes.messages.shown.back().caption, "Too long");

  view.FieldWidthButton.Click();
  view.OutputWidthEditBox.SetText("70000");
  view.InputFieldNamesListBox.SetFocus();
  EXPECT_EQ(view.OutputFieldWidths[3], 4) << "a width past the 16-bit store is refused";
  view.FieldWidthButton.Click();
  view.OutputWidthEditBox.SetText("6");
  view.InputFieldNamesListBox.SetFocus();
  EXPECT_EQ(view.OutputFieldWidths[3], 6);
}

TEST_F(OutputSheetTest, ThePreviewIsWhatARunWrites) {
  TParseView& view = Start({{"Name", " mary "}, {"Amount", "1234.5"}, {"Flag", "yes"}});
  view.DelimitedOutputButton.SetChecked(true);
  for (int i = 0; i < 3; ++i) {
    view.AddFieldButton.Click();
    ClickInput(view, i);
  }
  SelectOutput(view, 0);
  view.UpperCaseConversion.SetChecked(true);
  SelectOutput(view, 1);
  view.NumericOutputBox.SetChecked(true);
  view.DecimalPlaces.SetFocus();
  view.DecimalPlaces.SetText("2");
  view.InputFieldNamesListBox.SetFocus();
  SelectOutput(view, 0);
  EXPECT_TRUE(view.UpperCaseConversion.Checked()) << "selecting shows the field's own options";
  EXPECT_EQ(view.OutputFieldFlags[1], kFlagRemoveBlanks | kFlagUpperCase);
  EXPECT_EQ(view.OutputFieldFlags[2], kFlagRemoveBlanks | kFlagNumeric);

  const std::string preview = view.OutputRecord;
  EXPECT_EQ(preview, "\"MARY\",1234.50,\"yes\"");
  view.BatchRun = 1;
  view.FillOutput.Click();
  EXPECT_EQ(view.OutputRecord, preview);
  EXPECT_EQ(view.OutputSizeLabel.Caption(), "20 chars ->");
}

TEST_F(OutputSheetTest, RightClickCopiesTheFormat) {
  TParseView& view = Start({{"A", "a"}, {"B", "b"}});
  view.AddFieldButton.Click();
  ClickInput(view, 0);
  view.AddFieldButton.Click();
  ClickInput(view, 1);
  view.OutputFieldWidths[1] = 7;
  SelectOutput(view, 0);
  view.OutputFieldNamesListBoxMouseDown(true, 0);
  EXPECT_EQ(fakes.messages.shown.back().caption, "Output format copying");
  fakes.messages.replies.push_back(MessageReply::kYes);
  view.OutputFieldNamesListBoxMouseDown(true, 1);
  EXPECT_EQ(fakes.messages.shown.back().text, "Do you want to copy the field format from A to B?");
  EXPECT_EQ(view.OutputFieldWidths[2], 7);
  EXPECT_EQ(Name(view, 2), "B");
  EXPECT_EQ(Source(view, 2), 2);
}

TEST_F(OutputSheetTest, MiscSheetPicksTheFilterField) {
  TParseView& view = Start({{"A", "a"}, {"B", "b"}});
  view.PageControl.SetActivePage(&view.MiscTab);
  ClickInput(view, 1);
  EXPECT_EQ(view.FilterSourceField, 2);
  ASSERT_EQ(view.FilterSourceName.Count(), 1);
  EXPECT_EQ(view.FilterSourceName.Item(0), "B");
  view.PageControl.SetActivePage(&view.ParseStreet);
  view.ActiveStreetSlot = 2;
  view.Street2.Add("");
  view.Street2.SetItemIndex(0);
  ClickInput(view, 0);
  EXPECT_EQ(view.SpecialSourceTable[5][2], 1);
  EXPECT_EQ(view.Street2.Item(0), "A");
  EXPECT_EQ(view.InputFieldNamesListBox.ItemIndex(), -1);
}

TEST_F(OutputSheetTest, CopyAllInputFieldsAndClear) {
  TParseView& view = Start({{"A", "a"}, {"B", "b"}});
  view.CloneButton.Click();
  EXPECT_EQ(view.OutputFieldCount, 2);
  EXPECT_EQ(Name(view, 2), "B");
  EXPECT_EQ(Source(view, 2), 2);
  view.ClearOutput.Click();
  EXPECT_EQ(fakes.messages.shown.back().text, "Confirm that you wish to clear the output fields");
  EXPECT_EQ(view.OutputFieldCount, 2) << "No keeps the fields";
  fakes.messages.replies.push_back(MessageReply::kYes);
  view.ClearOutput.Click();
  EXPECT_EQ(view.OutputFieldCount, 1) << "the output sheet starts again with one empty field";
  EXPECT_EQ(Name(view, 1), "Output1");
  EXPECT_EQ(Source(view, 2), 0);
}

}  // namespace
}  // namespace vt
