// The Qt runner: start-up order, early termination, the timer loop, the display check and the
// main window's command-line run.
#include "gui/run_window.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "toolkit/toolkit.h"
#include "window/parse_view.h"

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

// The main window started with all three arguments, the output in a folder that is not there.
// A message box would wait for an answer nobody gives: one that comes up is named and ends the
// program with a status of its own.
[[noreturn]] void RunCommandLineIntoAMissingFolder() {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  namespace fs = std::filesystem;
  const fs::path root = fs::temp_directory_path() / ("vontrask-cmd-" + std::to_string(::getpid()));
  fs::create_directories(root / "program");
  const std::string golden = VONTRASK_SOURCE_DIR "/tests/golden/unattended/comma/";
  const std::vector<std::string> args = {golden + "input.csv", golden + "setup.vnq",
                                         (root / "missing" / "out.csv").string()};
  int argc = 1;
  char name[] = "gui_tests";
  char* argv[] = {name, nullptr};
  const int code = RunQtWindow(argc, argv, [&](tk::Services& services) {
    auto* poll = new QTimer(QCoreApplication::instance());
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        std::fprintf(stderr, "a message box: %s\n", box->text().toUtf8().constData());
        std::_Exit(3);
      }
    });
    poll->start();
    auto window = std::make_unique<TParseView>(services, args);
    window->ProgramDirOverride = (root / "program").string();
    window->SettingsDirOverride = (root / "settings").string();
    return window;
  });
  fs::remove_all(root);
  std::exit(code);
}

TEST_F(RunWindowTest, ACommandLineRunThatCannotOpenItsOutputSaysSoAndEndsWithAFailure) {
  EXPECT_EXIT(RunCommandLineIntoAMissingFolder(), ::testing::ExitedWithCode(1),
              "missing/out\\.csv: Cannot open that file\\.\n");
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
