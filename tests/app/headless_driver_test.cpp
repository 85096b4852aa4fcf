// The headless driver: how an unattended run ends, and its exit status.
#include "app/headless_driver.h"

#include <sstream>

#include <gtest/gtest.h>

#include "support/fake_services.h"

namespace vt {
namespace {

struct Drive {
  tk::testing::FakeServices fakes;
  std::ostringstream err;
  int ticks = 0;

  int Run(TParseView& view) {
    HeadlessHooks hooks;
    hooks.ended = [&] { return !fakes.app.exit_codes.empty(); };
    hooks.exit_code = [&] { return fakes.app.exit_codes.front(); };
    hooks.wait_tick = [&] {
      ++ticks;
      ASSERT_LT(ticks, 1000) << "the driver never ended";
    };
    return DriveHeadless(view, hooks, err);
  }
};

TEST(HeadlessDriver, StoppedUnattendedChainEndsAtOnceWithStatus1) {
  Drive drive;
  TParseView view(drive.fakes.services, {"in.txt", "prefs.vnq", "out.csv"});
  EXPECT_EQ(drive.Run(view), 1);
  EXPECT_EQ(drive.ticks, 0);
  EXPECT_NE(drive.err.str().find("out.csv"), std::string::npos) << drive.err.str();
}

// A run that could not write its output started the countdown all the same, with a failure.
TEST(HeadlessDriver, FinishedRunEndsAtOnceWithTheCountdownsStatus) {
  for (const int status : {0, 1}) {
    SCOPED_TRACE(status);
    Drive drive;
    TParseView view(drive.fakes.services, {"in.txt", "prefs.vnq", "out.csv"});
    tk::Handler show = view.on_show;
    view.on_show = [&] {
      show();
      view.UnattendedExitCountdown = 1;  // what a finished conversion run leaves
      view.UnattendedExitStatus = status;
    };
    EXPECT_EQ(drive.Run(view), status);
    EXPECT_EQ(drive.ticks, 0) << "no window shows the finished run: nothing to wait for";
    EXPECT_EQ(drive.err.str().find("out.csv") != std::string::npos, status != 0) << drive.err.str();
  }
}

TEST(HeadlessDriver, ExitMenuEndsTheLoopWithItsStatus) {
  Drive drive;
  TParseView view(drive.fakes.services, {});
  int ticks_before_exit = 3;
  view.Timer1.on_timer = [&] {
    if (--ticks_before_exit == 0) view.Exit1.UserClick();
  };
  EXPECT_EQ(drive.Run(view), 0);
  EXPECT_EQ(drive.ticks, 3);
  ASSERT_EQ(drive.fakes.help.calls.size(), 1u) << "destroy tells the help viewer to quit";
}

}  // namespace
}  // namespace vt
