// Start-up of the main window: command line, starting state, timer duties, gender list, exit.
#include <string>
#include <vector>

#include "strings/fixed_text.h"
#include "window/view_fixture.h"

namespace vt {
namespace {

using testing::ViewTest;

TEST_F(ViewTest, CommandLineFillsTheSlotsInOrder) {
  struct Row {
    const char* name;
    std::vector<std::string> args;
    std::string input, prefs, output;
  };
  const std::string long_path = "/tmp/" + std::string(600, 'x') + ".txt";
  const Row rows[] = {
      {"none", {}, "", "", ""},
      {"input only", {"in.txt"}, "in.txt", "", ""},
      {"input and prefs", {"in.txt", "p.vnq"}, "in.txt", "p.vnq", ""},
      {"all three", {"*", "p.vnq", "*"}, "*", "p.vnq", "*"},
      {"extra ignored", {"a", "b", "c", "d"}, "a", "b", "c"},
      {"a long path is kept whole", {long_path}, long_path, "", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TParseView& view = Create(row.args);
    EXPECT_EQ(view.CmdInputFileName, row.input);
    EXPECT_EQ(view.CmdPrefFileName, row.prefs);
    EXPECT_EQ(view.CmdOutputFileName, row.output);
  }
}

TEST_F(ViewTest, CreateNamesEveryDelimiterChoiceAndThePaths) {
  TParseView& view = Create();
  ASSERT_EQ(view.DelimChoice.Count(), 255);
  const struct {
    int code;
    const char* name;
  } rows[] = {{1, "CTRL-A  ASCII 1"},   {9, "CTRL-I  ASCII 9"},  {31, "CTRL-_  ASCII 31"},
              {32, "SPACE  ASCII 32"},  {44, ",  ASCII 44"},     {124, "|  ASCII 124"},
              {200, "\xC8  ASCII 200"}, {255, "\xFF  ASCII 255"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.code);
    EXPECT_EQ(view.DelimChoice.Item(row.code - 1), row.name);
    EXPECT_EQ(view.DelimChoiceNames[static_cast<std::size_t>(row.code - 1)], row.name);
  }
  EXPECT_EQ(view.SettingsFilePath, SettingsDir() + "/vontrask.ini");
  EXPECT_EQ(view.LogFilePath, SettingsDir() + "/VontraskLog.txt");
  EXPECT_EQ(view.ClipInTransferPath, SettingsDir() + "/~vontclip.txt");
  EXPECT_EQ(view.TempFilePath, SettingsDir() + "/~$vnstemp.tmp");
  EXPECT_EQ(view.PlugInFileLabel.Caption(), SettingsDir() + "/~vntplug.txt");
  EXPECT_EQ(view.InterLeaf.ItemIndex(), 0);
  EXPECT_EQ(view.InputFieldValues.size(), 1501u);
}

TEST_F(ViewTest, ShowGivesTheTablesTheirStartingState) {
  TParseView& view = CreateAndShow();
  for (int n = 1; n <= 99; ++n) {
    SCOPED_TRACE(n);
    const auto slot = static_cast<std::size_t>(n);
    EXPECT_EQ(TextOf(view.OutputFieldNameTable[slot]), "Output" + std::to_string(n));
    EXPECT_EQ(view.OutputFieldFlags[slot], 0x2u);
    EXPECT_EQ(TextOf(view.OutputFieldDecimals[slot]), " ");
    EXPECT_EQ(view.OutputFieldSource[slot], 0);
  }
  EXPECT_EQ(TextOf(view.OutputFieldNameTable[0]), "");
  EXPECT_EQ(view.OutputFieldCount, 0);
  EXPECT_EQ(view.RecordTerminator, "\r\n");
  EXPECT_EQ(view.FormLength, 99);

  ASSERT_EQ(view.ParsedItemNames.Count(), 109);
  EXPECT_EQ(view.ParsedItemNames.Item(0), "Empty Field");
  EXPECT_EQ(view.ParsedItemNames.Item(108), "1403 Skip");
  EXPECT_EQ(view.ParsedItemValues.Count(), 109);

  EXPECT_EQ(view.MarkerLine, std::string(32767, ':'));
  EXPECT_EQ(view.InputRecordMarkerLabel.Caption(), std::string(1000, ':'));

  EXPECT_EQ(TextOf(view.CombinationDividers[1][0]), "")
      << "position 0 of row 1 keeps its empty text";
  EXPECT_EQ(TextOf(view.CombinationDividers[1][5]), " ");
  EXPECT_EQ(TextOf(view.CombinationDividers[4][1]), " ");
  EXPECT_EQ(TextOf(view.CombinationDividers[5][0]), " ");
  EXPECT_EQ(TextOf(view.CombinationDividers[5][1]), "");

  for (tk::RadioButton* b :
       {&view.DelimitedInputButton, &view.FixedInputButton, &view.DbaseInput}) {
    EXPECT_FALSE(b->Enabled()) << b->Name();
    EXPECT_FALSE(b->Checked()) << b->Name();
  }
  EXPECT_EQ(view.Conv.Cell(0, 4), "Convert4");
  EXPECT_EQ(view.Conv.Cell(1, 0), "Source");
  EXPECT_EQ(view.Conv.Cell(4, 0), "Multiplier");
  EXPECT_EQ(view.ConversionChoices[3][2], -1);
  EXPECT_EQ(view.VersionLabel.Caption(), "v2.0f");
  EXPECT_EQ(view.TagOccurrences[99], 1);
  EXPECT_TRUE(view.Splash.Visible());
  EXPECT_FALSE(view.PageControl.Enabled()) << "no input yet";
}

TEST_F(ViewTest, TimerKeepsControlsInStepWithTheState) {
  TParseView& view = CreateAndShow();
  view.Timer1.Tick();
  EXPECT_FALSE(view.SkipBlankLines.Visible()) << "only for page input";
  EXPECT_TRUE(view.TagBelow.Visible());
  EXPECT_FALSE(view.SaveConvertedFile.Enabled());
  EXPECT_FALSE(view.ClearOutput.Visible());
  EXPECT_TRUE(view.HeaderBlockFile.Enabled());
  EXPECT_FALSE(view.FilterText.Enabled());
  EXPECT_TRUE(view.CoverFieldPanel.Visible());

  view.IgnoreLineEnds.SetChecked(true);
  view.PageInputButton.SetChecked(true);
  view.SkipBlankLines.SetChecked(true);
  view.BlankLinesPage.SetChecked(true);
  view.XML.SetChecked(true);
  view.Filter.SetChecked(true);
  view.SkipIfNull.SetChecked(true);
  view.OutputFieldCount = 1;
  view.InputFieldTotal = 3;
  view.OutputFieldNamesListBox.SetItems({"Output1"});
  view.OutputFieldNamesListBox.SetItemIndex(0);
  view.InputFieldNamesListBox.SetItems({"a", "b", "c"});
  view.InputFieldsListBox.SetItems({"1", "2", "3"});
  view.InputFieldNamesListBox.SetTopIndex(2);
  view.Timer1.Tick();
  EXPECT_FALSE(view.TagBelow.Visible());
  EXPECT_TRUE(view.SkipBlankLines.Visible());
  EXPECT_FALSE(view.BlankLinesPage.Checked()) << "skipping blank lines rules out blank-line pages";
  EXPECT_FALSE(view.HeaderBlockFile.Enabled()) << "no header blocks in XML";
  EXPECT_FALSE(view.TrailerBlockFileBrowse.Enabled());
  EXPECT_TRUE(view.FilterText.Enabled());
  EXPECT_TRUE(view.MiscSkipLabel.Visible());
  EXPECT_TRUE(view.FullButton.Enabled());
  EXPECT_TRUE(view.SaveConvertedFile.Enabled());
  EXPECT_TRUE(view.OutputButton.Enabled());
  EXPECT_TRUE(view.ClearOutput.Visible());
  EXPECT_TRUE(view.CloneButton.Visible());
  EXPECT_FALSE(view.CoverFieldPanel.Visible());
  EXPECT_EQ(view.InputFieldsListBox.TopIndex(), 2);
}

TEST_F(ViewTest, TimerHidesAndUnchecksFirstRecordNamesAndFollowsHtmlTables) {
  TParseView& view = CreateAndShow();
  int name_clicks = 0;
  view.TakeFirstRecordAsFieldName.on_click = [&] { ++name_clicks; };
  view.TakeFirstRecordAsFieldName.SetChecked(true);
  view.TakeFirstRecordAsFieldName.SetVisible(false);
  int page_clicks = 0;
  view.PageInputButton.on_click = [&] { ++page_clicks; };
  view.HTMLTableCheckBox.SetChecked(true);
  view.Timer1.Tick();
  view.Timer1.Tick();
  EXPECT_FALSE(view.TakeFirstRecordAsFieldName.Checked());
  EXPECT_EQ(name_clicks, 2) << "checked once by the test, unchecked once by the timer";
  EXPECT_TRUE(view.PageInputButton.Checked());
  EXPECT_TRUE(view.TaggedData.Checked());
  EXPECT_TRUE(view.TagTextButton.Checked());
  EXPECT_EQ(page_clicks, 1) << "a second tick finds them checked";
}

TEST_F(ViewTest, TimerSyncsCityInStreetWithTheSourceSlots) {
  TParseView& view = CreateAndShow();
  view.Timer1.Tick();
  EXPECT_FALSE(view.CityInStreet.Checked()) << "equal slots but no street field";
  for (std::size_t i = 0; i < 5; ++i) {
    view.SpecialSourceTable[kStreetRow][i] = static_cast<std::int32_t>(i + 3);
    view.SpecialSourceTable[kCityRow][i + 1] = static_cast<std::int32_t>(i + 3);
  }
  view.Timer1.Tick();
  EXPECT_TRUE(view.CityInStreet.Checked());
  EXPECT_EQ(view.CityInStreetState, 1);
  view.SpecialSourceTable[kCityRow][5] = 99;
  view.Timer1.Tick();
  EXPECT_FALSE(view.CityInStreet.Checked());
  EXPECT_EQ(view.CityInStreetState, 0);
}

TEST_F(ViewTest, UnattendedCountdownEndsTheProgramOnTheFifthTick) {
  TParseView& view = CreateAndShow();
  view.UnattendedExitCountdown = 1;
  for (int tick = 1; tick <= 4; ++tick) view.Timer1.Tick();
  EXPECT_TRUE(fakes.app.exit_codes.empty());
  view.Timer1.Tick();
  EXPECT_EQ(fakes.app.exit_codes, std::vector<int>{0});
}

TEST_F(ViewTest, StatusPanelShowsTheAscTimeOfTheLocalClock) {
  TParseView& view = CreateAndShow();
  view.Timer1.Tick();
  EXPECT_EQ(view.StatusBar1.PanelText(0), "Wed Mar  4 09:06:07 1998\n");
  fakes.clock.now += 86400 * 300 + 3600 * 15;
  view.Timer1.Tick();
  EXPECT_EQ(view.StatusBar1.PanelText(0), "Wed Dec 30 00:06:07 1998\n");
}

TEST_F(ViewTest, GenderListLoadsNamesAndTheirLetters) {
  WriteFile(ProgramDir() + "/gender.txt",
            "Robin,F\r\n"
            "chris,male\n"
            "\"Smith, Pat\",Female\n"
            "Alexandermaximilian,m\n"
            "Kim,X\n"
            "Lee\n"
            "Sam,\n"
            "Jo,f");
  TParseView& view = Create();
  const struct {
    const char* name;
    int gender;
  } rows[] = {{"ROBIN", -1}, {"CHRIS", 1}, {"SMITH, PAT", -1}, {"ALEXANDERMAXIMI", 1},
              {"KIM", 0},    {"LEE", 0},   {"SAM", 0},         {"JO", -1}};
  for (std::size_t k = 0; k < std::size(rows); ++k) {
    SCOPED_TRACE(rows[k].name);
    EXPECT_EQ(TextOf(view.GenderListNames[k]), rows[k].name);
    EXPECT_EQ(view.GenderListValues[k], rows[k].gender);
  }
  EXPECT_EQ(TextOf(view.GenderListNames[std::size(rows)]), "") << "the list ends here";
}

TEST_F(ViewTest, GenderListReadsAtMostTenThousandLines) {
  std::string text;
  for (int i = 0; i < 10005; ++i) text += "N" + std::to_string(i) + ",M\n";
  WriteFile(ProgramDir() + "/gender.txt", text);
  TParseView& view = Create();
  EXPECT_EQ(TextOf(view.GenderListNames[9999]), "N9999");
  EXPECT_EQ(TextOf(view.GenderListNames[10000]), "");
}

TEST_F(ViewTest, MissingGenderListLeavesTheListEmptySilently) {
  TParseView& view = Create();
  EXPECT_EQ(TextOf(view.GenderListNames[0]), "");
  EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(ViewTest, InputAndPreferencesOnTheCommandLineOpenThenLoad) {
  WriteFile(Path("in.txt"), "a,b\n");
  TParseView& view = Create({Path("in.txt"), Path("p.vnq")});
  int loads = 0;
  view.LoadConfiguration1.on_click = [&] { ++loads; };
  tk::Fire(view.on_show);
  EXPECT_EQ(view.InputFileName, Path("in.txt"));
  EXPECT_FALSE(view.Open1.Enabled());
  EXPECT_TRUE(view.PageControl.Enabled());
  EXPECT_TRUE(view.Hist1.Enabled());
  EXPECT_EQ(loads, 1);
}

TEST_F(ViewTest, InputThatCannotBeOpenedSaysSoAndStaysWithoutInput) {
  TParseView& view = CreateAndShow({Path("missing.txt")});
  ASSERT_EQ(fakes.messages.shown.size(), 1u);
  EXPECT_EQ(fakes.messages.shown[0].text, "Cannot open that file.");
  EXPECT_EQ(fakes.messages.shown[0].caption, Path("missing.txt"));
  EXPECT_EQ(fakes.messages.shown[0].style, tk::MessageStyle::kStop);
  EXPECT_TRUE(view.Open1.Enabled());
  EXPECT_FALSE(view.PageControl.Enabled());
}

TEST_F(ViewTest, ClipboardAsInputIsOpenedOnce) {
  fakes.clipboard.text = "Name,City\r\nAnn,Oslo";
  TParseView& view = Create({"*"});
  int opens = 0;
  view.Open1.on_click = [&] {
    ++opens;
    view.Open1Click();
  };
  tk::Fire(view.on_show);
  EXPECT_EQ(opens, 1);
  EXPECT_EQ(view.InputFileName, view.ClipInTransferPath);
  std::ifstream in(view.ClipInTransferPath, std::ios::binary);
  std::string saved((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(saved, "Name,City\r\nAnn,Oslo\n");
}

TEST_F(ViewTest, ExitEndsTheProgramWithStatus0AndDestroyQuitsHelp) {
  TParseView& view = CreateAndShow();
  testing::Click(view.Exit1);
  testing::Click(view.ExitButton);
  EXPECT_EQ(fakes.app.exit_codes, (std::vector<int>{0, 0}));
  tk::Fire(view.on_destroy);
  ASSERT_EQ(fakes.help.calls.size(), 1u);
  EXPECT_EQ(fakes.help.calls[0], "quit " + view.HelpFilePath);
}

TEST_F(ViewTest, WindowHasFifteenSheetsAndAUserSheetChangeRunsTheSwitchOnce) {
  TParseView& view = OpenInput("in.txt", "a\n");
  EXPECT_EQ(view.PageControl.Sheets().size(), 15u);
  int switches = 0;
  view.PageControlSwitch.on_click = [&] { ++switches; };
  testing::GoToSheet(view, view.MiscTab);
  view.PageControl.UserSelectPage(&view.MiscTab);  // the sheet in front already
  EXPECT_EQ(switches, 1);
}

}  // namespace
}  // namespace vt
