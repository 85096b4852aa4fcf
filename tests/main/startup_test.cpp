// Start-up of the main window: command line, timer duties, exit.
#include <gtest/gtest.h>

#include "main/parse_view.h"
#include "support/fake_services.h"

namespace vt {
namespace {

TEST(Startup, CommandLineFillsTheSlotsInOrder) {
  struct Row {
    const char* name;
    std::vector<std::string> args;
    const char* input;
    const char* prefs;
    const char* output;
  };
  const std::string long_path = "/tmp/" + std::string(600, 'x') + ".txt";
  const Row rows[] = {
      {"none", {}, "", "", ""},
      {"input only", {"in.txt"}, "in.txt", "", ""},
      {"input and prefs", {"in.txt", "p.vnq"}, "in.txt", "p.vnq", ""},
      {"all three", {"*", "p.vnq", "*"}, "*", "p.vnq", "*"},
      {"extra ignored", {"a", "b", "c", "d"}, "a", "b", "c"},
      {"long path kept whole", {long_path}, long_path.c_str(), "", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    tk::testing::FakeServices fakes;
    TParseView view(fakes.services, row.args);
    tk::Fire(view.on_create);
    EXPECT_EQ(view.CmdInputFileName, row.input);
    EXPECT_EQ(view.CmdPrefFileName, row.prefs);
    EXPECT_EQ(view.CmdOutputFileName, row.output);
  }
}

TEST(Startup, TimerShowsTheAscTimeOfTheLocalClockInPanel0) {
  tk::testing::FakeServices fakes;
  TParseView view(fakes.services, {});
  view.Timer1.Tick();
  EXPECT_EQ(view.StatusBar1.PanelText(0), "Wed Mar  4 09:06:07 1998\n");
}

TEST(Startup, ExitEndsTheProgramWithStatus0) {
  tk::testing::FakeServices fakes;
  TParseView view(fakes.services, {});
  view.Exit1.Click();
  view.ExitButton.UserClick();
  EXPECT_EQ(fakes.app.exit_codes, (std::vector<int>{0, 0}));
}

TEST(Startup, WindowHasFifteenSheetsAndAUserSheetChangeRunsTheSwitchOnce) {
  tk::testing::FakeServices fakes;
  TParseView view(fakes.services, {});
  EXPECT_EQ(view.PageControl.Sheets().size(), 15u);
  int switches = 0;
  view.PageControlSwitch.on_click = [&] { ++switches; };
  view.PageControl.SetActivePage(&view.OutputConfiguration);
  view.PageControl.UserSelectPage(&view.MiscTab);
  EXPECT_EQ(switches, 1);
}

}  // namespace
}  // namespace vt
