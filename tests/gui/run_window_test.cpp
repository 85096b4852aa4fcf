// The Qt runner: start-up order, early termination, the timer loop and the display check.
#include "gui/run_window.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "toolkit/toolkit.h"

namespace vt::gui {
namespace {

// Writes its events to standard error (where Qt may add lines of its own); ends itself from show or
// from its timer.
class RunWindow : public tk::Window {
 public:
  RunWindow(tk::Services& services, bool end_at_show) : tk::Window(services) {
    SetCaption("Run");
    on_create = [this] { created = true; };
    on_show = [this, end_at_show] {
      const char* numeric = std::setlocale(LC_NUMERIC, nullptr);
      std::fprintf(stderr, "show(%s%s) ", numeric, created ? ", created" : "");
      if (end_at_show) Owner().app->Terminate(7);
    };
    on_close = [] { std::fputs("close ", stderr); };
    on_destroy = [] { std::fputs("destroy\n", stderr); };
    Timer1.on_timer = [this] {
      std::fputs("tick ", stderr);
      if (++ticks == 3) Owner().app->Terminate(5);
    };
  }
  tk::Services& Owner() { return services(); }
  tk::Timer Timer1{*this, "Timer1", 100};
  tk::Button Go{*this, "Go"};
  int ticks = 0;
  bool created = false;
};

[[noreturn]] void RunAndExit(bool end_at_show) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  int argc = 1;
  char name[] = "gui_tests";
  char* argv[] = {name, nullptr};
  std::exit(RunQtWindow(argc, argv, [end_at_show](tk::Services& services) {
    return std::make_unique<RunWindow>(services, end_at_show);
  }));
}

class RunWindowTest : public ::testing::Test {
 protected:
  // Each run gets a process of its own: a process holds one QApplication.
  void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(RunWindowTest, TerminateDuringStartUpSkipsTheLoop) {
  EXPECT_EXIT(RunAndExit(true), ::testing::ExitedWithCode(7), "show\\(C, created\\) destroy\n");
}

TEST_F(RunWindowTest, TimerTicksUntilTheProgramEndsItself) {
  EXPECT_EXIT(RunAndExit(false), ::testing::ExitedWithCode(5),
              "show\\(C, created\\) tick tick tick destroy\n");
}

TEST(HasDisplayTest, LooksAtTheDisplayVariables) {
  const char* names[] = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
  std::string saved[3];
  bool had[3] = {};
  for (int i = 0; i < 3; ++i) {
    if (const char* value = std::getenv(names[i])) {
      had[i] = true;
      saved[i] = value;
    }
    unsetenv(names[i]);
  }
  EXPECT_FALSE(HasDisplay());
  for (const char* name : names) {
    SCOPED_TRACE(name);
    setenv(name, "", 1);
    EXPECT_FALSE(HasDisplay()) << "an empty value is no display";
    setenv(name, ":0", 1);
    EXPECT_TRUE(HasDisplay());
    unsetenv(name);
  }
  for (int i = 0; i < 3; ++i) {
    if (had[i]) setenv(names[i], saved[i].c_str(), 1);
  }
}

}  // namespace
}  // namespace vt::gui
