// The sheets as a user changes them: each sheet's work and instructions, the tab list, help,
// the log menu, the enlarged view and the splash panel.
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "window/help_topics.h"
#include "window/view_fixture.h"

namespace vt {
namespace {

class SheetSwitchTest : public testing::ViewTest {
 protected:
  TParseView& OpenCsv() {
    WriteFile(
        Path("in.csv"),
        "\"Ann\",\"Apt 4 123 N Main St\",\"Toronto ON M5V2T6\"\n\"Bob\",\"1 Elm St\",\"Oslo\"\n");
    TParseView& view = CreateAndShow({Path("in.csv")});
    EXPECT_EQ(view.InputFieldNamesListBox.Count(), 3);
    return view;
  }
  static std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static std::string Hint(const TParseView& view) {
    const auto& lines = view.InstructionHints.Lines();
    return lines.empty() ? std::string() : lines.front();
  }
};

TEST_F(SheetSwitchTest, EverySheetShowsItsInstructions) {
  TParseView& view = OpenCsv();
  struct Row {
    tk::TabSheet TParseView::*sheet;
    std::size_t lines;
    const char* first;  // the whole first line where it carries quotation marks
    std::size_t length;
  };
  const Row rows[] = {
      {&TParseView::CombineInputFields, 2,
       "To combine several input fields into single \"Parser Generated Fields\" click on the "
       "individual field elements under \"Combination Component Specifications\" and then "
       "select the source fields.  You may also select separators to go ahead of, between and "
       "after the elements.",
       268},
      {&TParseView::GenderSheet, 1, "This tab permits genderization based on first name.", 432},
      {&TParseView::ParseNameSheet, 1, "This tab permits the parsing (or re-parsing)", 358},
      {&TParseView::Mailing, 1, "This tab allows you to specify options for handling address", 449},
      {&TParseView::ParseStreet, 1, "This tab allows you to parse into components street", 311},
      {&TParseView::CityPage, 1, "This tab allows you to parse out City, State and Postal/Zip",
       286},
      {&TParseView::DateSheet, 1,
       "To convert dates, select the input and output format options, then click on source1, "
       "source2 etc and then select the incoming date field's Field Name. Use the Output tab to "
       "take the converted date from a \"Parser Generated Field \" to an output field.  You can "
       "also parse out times if included in the same field as dates (see Time tab).",
       334},
      {&TParseView::Time, 0, "", 0},
      {&TParseView::ParsePhoneSheet, 0, "", 0},
      {&TParseView::SplitSheet, 0, "", 0},
      {&TParseView::MiscTab, 0, "", 0},
  };
  for (const Row& row : rows) {
    tk::TabSheet& sheet = view.*row.sheet;
    SCOPED_TRACE(sheet.Name());
    view.PageControl.UserSelectPage(&sheet);
    ASSERT_EQ(view.PageControl.ActivePage(), &sheet);
    EXPECT_EQ(view.InstructionHints.Visible(), row.lines != 0);
    if (row.lines == 0) continue;
    EXPECT_EQ(view.InstructionHints.Lines().size(), row.lines);
    EXPECT_EQ(Hint(view).rfind(row.first, 0), 0u) << Hint(view);
    EXPECT_EQ(Hint(view).size(), row.length);
  }
  view.PageControl.UserSelectPage(&view.CombineInputFields);
  EXPECT_EQ(view.InstructionHints.Lines()[1],
            "You may also provide a \"Plug In\" program to further modify these fields via a "
            "transfer file (see Help).");
  view.PageControl.UserSelectPage(&view.Mailing);
  EXPECT_NE(Hint(view).find("(e.g. \"fax line\" etc. from names"), std::string::npos);

  view.LargeHints.UserClick();  // hints off: filled, not shown
  EXPECT_FALSE(view.LargeHints.Checked());
  view.PageControl.UserSelectPage(&view.GenderSheet);
  EXPECT_FALSE(view.InstructionHints.Visible());
  EXPECT_EQ(Hint(view).rfind("This tab permits genderization", 0), 0u);
}

TEST_F(SheetSwitchTest, OutputSheetStartsWithAFieldAndExplainsIt) {
  TParseView& view = OpenCsv();
  EXPECT_FALSE(view.SaveConvertedFile.Enabled());
  view.PageControl.UserSelectPage(&view.OutputConfiguration);
  EXPECT_EQ(view.OutputFieldCount, 1);
  EXPECT_TRUE(view.OutputFieldNamesListBox.Reachable());
  EXPECT_EQ(view.OutputFieldNamesListBox.ItemIndex(), 0);
  EXPECT_TRUE(view.SaveConvertedFile.Enabled());
  EXPECT_TRUE(view.AutoWidth.Enabled());
  EXPECT_TRUE(view.OutputButton.Enabled());
  EXPECT_TRUE(view.InstructionHints.Visible());
  const std::string change =
      "You may click on a field name in either the \"Input Field Names\" box or in the "
      "\"Parser Generated Fields\" box to change your selection of the item to go into the "
      "field labelled ";
  const std::string also =
      "\".  You may also click on an item in the \"Output File Format\" area to make changes to "
      "the output format of the file or in the \"Detail Setup\" area to make changes in the "
      "output format of the field, to rename it or to set a default value. Right clicking will "
      "copy the formatting to another field.";
  EXPECT_EQ(Hint(view), change + "Output1\" instead of Parser Generated \"Empty Field" + also);

  // The field list beside the sheets feeds the selected output field.
  view.InputFieldNamesListBox.UserSelect(1);
  EXPECT_EQ(view.OutputFieldSource[1], 2);
  view.OutputFieldNamesListBox.UserSelect(0);
  EXPECT_EQ(Hint(view), change + "Field2\" instead of input field \"Field2" + also);
  view.AddFieldButton.UserClick();
  view.PageControl.UserSelectPage(&view.ParseStreet);
  EXPECT_FALSE(view.OutputFieldNamesListBox.Enabled());
  EXPECT_FALSE(view.AddFieldButton.Reachable()) << "the Output sheet is not in front";
  view.PageControl.UserSelectPage(&view.OutputConfiguration);
  EXPECT_EQ(view.OutputFieldCount, 2) << "a sheet with fields gets no new one";
  EXPECT_EQ(view.OutputFieldNamesListBox.ItemIndex(), 1) << "the remembered selection";
}

TEST_F(SheetSwitchTest, OutputSheetShowsTheNumericOptionsOfANumericField) {
  TParseView& view = OpenCsv();
  view.PageControl.UserSelectPage(&view.OutputConfiguration);
  view.NumericOutputBox.UserClick();
  EXPECT_TRUE(view.NumericConversionGroup.Visible());
  view.PageControl.UserSelectPage(&view.MiscTab);
  view.PageControl.UserSelectPage(&view.OutputConfiguration);
  EXPECT_TRUE(view.NumericConversionGroup.Visible());
  EXPECT_FALSE(view.CaseConversionGroup.Visible());
  EXPECT_TRUE(view.NoCaseConversion.Checked());
}

TEST_F(SheetSwitchTest, DateSheetOffersTheY2kHeaderOnlyForDbaseOutput) {
  TParseView& view = OpenCsv();
  view.PageControl.UserSelectPage(&view.DateSheet);
  EXPECT_FALSE(view.DBVer.Enabled());
  view.PageControl.UserSelectPage(&view.OutputConfiguration);
  view.FieldWidthButton.UserClick();
  view.OutputWidthEditBox.UserSetText("8");
  view.OutputWidthEditBox.UserKeyPress('\r');
  view.DbaseOutputButton.UserClick();
  ASSERT_TRUE(view.DbaseOutputButton.Checked());
  view.PageControl.UserSelectPage(&view.DateSheet);
  EXPECT_TRUE(view.DBVer.Enabled());
}

TEST_F(SheetSwitchTest, TabListBringsTheChosenSheetForward) {
  TParseView& view = OpenCsv();
  view.ListOtherTabs.UserClick();
  ASSERT_TRUE(view.TabListBox.Visible());
  std::vector<std::string> enabled;
  for (const tk::TabSheet* sheet : view.PageControl.Sheets()) {
    if (sheet->Enabled()) enabled.push_back(sheet->Caption());
  }
  EXPECT_EQ(view.TabListBox.Items(), enabled);
  EXPECT_EQ(view.TabListBox.Geometry().height, std::min(13 * view.TabListBox.Count() + 8, 200));
  view.TabListBox.UserSelect(-1);  // a click beside the rows
  EXPECT_TRUE(view.TabListBox.Visible());
  EXPECT_EQ(view.PageControl.ActivePage(), &view.InputConfiguration);
  const auto street = std::find(enabled.begin(), enabled.end(), "Street") - enabled.begin();
  view.TabListBox.UserSelect(static_cast<int>(street));
  EXPECT_EQ(view.PageControl.ActivePage(), &view.ParseStreet);
  EXPECT_FALSE(view.TabListBox.Visible());
  EXPECT_EQ(Hint(view).rfind("This tab allows you to parse into components", 0), 0u);

  view.ListOtherTabs.UserClick();
  view.NextButton.UserClick();  // the focus leaves the list
  EXPECT_FALSE(view.TabListBox.Visible());
}

TEST_F(SheetSwitchTest, HelpOpensTheTopicOfWhereTheUserIs) {
  TParseView& view = OpenCsv();
  const std::string& file = view.HelpFilePath;
  view.HelpButton.UserClick();
  view.Contents1.UserClick();
  view.SearchforHelpOn1.UserClick();
  EXPECT_EQ(fakes.help.calls, (std::vector<std::string>{"contents " + file, "contents " + file,
                                                        "search " + file + " []"}));
  fakes.help.calls.clear();
  const struct {
    const tk::Control* control;
    int topic;
  } rows[] = {
      {nullptr, kHelpWindow},
      {&view.ExitButton, kHelpWindow},
      {&view.InputFieldNamesListBox, kHelpRecordView},
      {&view.DelimChoice, kHelpInputSheet},
      {&view.PageHelp, kHelpPageSheet},
      {&view.AddFieldButton, kHelpOutputSheet},
      {&view.XML, kHelpOutputFormat},
      {&view.UpperCaseConversion, kHelpFieldOptions},
      {&view.Street0, kHelpStreetSheet},
      {&view.TestNameIn, kHelpGenderSheet},
      {&view.FilterText, kHelpMiscSheet},
  };
  for (const auto& row : rows) {
    fakes.help.calls.clear();
    view.UserHelp(row.control);
    EXPECT_EQ(fakes.help.calls,
              std::vector<std::string>{"topic " + file + " " + std::to_string(row.topic)})
        << (row.control != nullptr ? row.control->Name() : "window");
  }
}

TEST_F(SheetSwitchTest, ClearLogLeavesTheTimeOfClearingAndViewOpensIt) {
  TParseView& view = OpenCsv();
  WriteFile(view.LogFilePath, "old entries\n");
  ASSERT_EQ(view.StatusBar1.PanelText(0), "") << "no tick yet: the status bar has no time";
  view.ClearLogFile1.UserClick();
  EXPECT_EQ(Contents(view.LogFilePath), "Wed Mar  4 09:06:07 1998\nLog File Cleared");
  view.ViewLogFile1.UserClick();
  EXPECT_EQ(fakes.shell.opened, std::vector<std::string>{view.LogFilePath});

  view.LogFilePath = Path("missing/VontraskLog.txt");  // cannot be opened: nothing, no message
  view.ClearLogFile1.UserClick();
  EXPECT_FALSE(std::filesystem::exists(view.LogFilePath));
  EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(SheetSwitchTest, EnlargedViewTogglesAndSaysWhy) {
  TParseView& view = OpenCsv();
  view.PageControl.UserSelectPage(&view.MiscTab);
  view.Zoom.UserClick();
  EXPECT_TRUE(view.Zoom.Checked());
  view.Zoom.UserClick();
  EXPECT_FALSE(view.Zoom.Checked()) << "a second click goes back, it never enlarges twice";
  ASSERT_EQ(fakes.messages.shown.size(), 2u);
  EXPECT_EQ(fakes.messages.shown[0].text,
            "Vontrask is designed to be viewed at its normal scaling. This larger scale is "
            "provided for those with visual difficulties, however some screen elements do not "
            "scale proportionally.");
  EXPECT_EQ(fakes.messages.shown[1].text,
            "Vontrask is designed to be viewed at its normal scaling. However some screen "
            "elements do not re-scale proportionally when returning from the enlarged scale.");
  EXPECT_EQ(fakes.messages.shown[1].caption, "Form scaling");
  EXPECT_EQ(fakes.app.scalings, (std::vector<std::vector<int>>{{678, 500, 0, 0, 860, 640},
                                                               {500, 678, -1, -1, 629, 469}}));
  EXPECT_EQ(view.PageControl.ActivePage(), &view.InputConfiguration);

  view.Minimise.UserClick();
  EXPECT_EQ(fakes.app.minimised, 1);
  view.About1.UserClick();
  EXPECT_TRUE(view.Splash.Visible());
  view.SplashSubtitle.UserClick();
  EXPECT_FALSE(view.Splash.Visible());
}

TEST_F(SheetSwitchTest, SplashHidesOnAClickOnItsPictureOrOnTheWindow) {
  TParseView& view = CreateAndShow();
  const struct {
    const char* where;
    std::function<void()> click;
  } clicks[] = {
      {"the picture", [&] { view.Image1.UserClick(); }},
      {"the window", [&] { view.UserClick(); }},
  };
  for (const auto& click : clicks) {
    SCOPED_TRACE(click.where);
    EXPECT_TRUE(view.Splash.Visible());
    click.click();
    EXPECT_FALSE(view.Splash.Visible());
    view.About1.UserClick();
  }
}

TEST_F(SheetSwitchTest, HoverPanelOfAGeneratedSourceNeedsASteadyMouseNearTheEdge) {
  TParseView& view = OpenCsv();
  view.PageControl.UserSelectPage(&view.OutputConfiguration);
  const struct {
    const char* name;
    int x;
    int y;
    bool shown;
  } moves[] = {
      {"first move from far away", 10, 20, false}, {"steady near the edge", 12, 22, true},
      {"moved 10 pixels at once", 12, 32, false},  {"steady but 20 from the edge", 20, 33, false},
      {"steady at the edge again", 15, 33, true},  {"above the first row's text", 16, 3, false},
  };
  for (const auto& move : moves) {
    SCOPED_TRACE(move.name);
    view.ParsedItemNames.UserMouseMove(move.x, move.y);
    EXPECT_EQ(view.InputFieldPanel.Visible(), move.shown);
  }
  view.ParsedItemNames.UserMouseMove(15, 27);
  view.ParsedItemNames.UserMouseMove(15, 27);  // row 2: generated source 3
  EXPECT_EQ(view.InputFieldNumberLabel.Caption(), "Parsed");
  EXPECT_EQ(view.InputFieldNameLabel.Caption(), view.ParsedItemNames.Item(2));
  view.ExitButton.UserMouseMove(1, 1);
  EXPECT_FALSE(view.InputFieldPanel.Visible());
}

TEST_F(SheetSwitchTest, ADirectoryIsNoInputFile) {
  std::filesystem::create_directories(Path("folder"));
  TParseView& view = CreateAndShow({Path("folder")});
  ASSERT_EQ(fakes.messages.shown.size(), 1u);
  EXPECT_EQ(fakes.messages.shown[0].text, "Cannot open that file.");
  EXPECT_EQ(fakes.messages.shown[0].caption, Path("folder"));
  EXPECT_FALSE(view.PageControl.Enabled());
}

}  // namespace
}  // namespace vt
