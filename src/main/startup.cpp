// Start-up, the housekeeping timer and shut-down of the main window.
#include <cstdio>
#include <ctime>

#include "main/parse_view.h"

namespace vt {

namespace {

// asctime's fixed form in the C locale, "Wed Jun 30 21:49:08 1993\n", whatever the user's locale.
std::string AscTime(const std::tm& t) {
  static const char kDays[7][4] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char kMonths[12][4] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  char text[64];
  std::snprintf(text, sizeof text, "%.3s %.3s%3d %.2d:%.2d:%.2d %d\n", kDays[(t.tm_wday % 7 + 7) % 7],
                kMonths[(t.tm_mon % 12 + 12) % 12], t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec,
                1900 + t.tm_year);
  return text;
}

}  // namespace

void TParseView::FormCreate() {
  if (!CommandLine.empty()) CmdInputFileName = CommandLine[0];
  if (CommandLine.size() >= 2) CmdPrefFileName = CommandLine[1];
  if (CommandLine.size() >= 3) CmdOutputFileName = CommandLine[2];
}

void TParseView::FormShow() {}

void TParseView::HalfSecondTimer() {
  if (UnattendedExitCountdown != 0) {
    ++UnattendedExitCountdown;
    if (UnattendedExitCountdown > 5) {
      services().app->Terminate(0);
      return;
    }
  }
  tk::Clock& clock = *services().clock;
  StatusBar1.SetPanelText(0, AscTime(clock.Local(clock.Now())));
}

void TParseView::FormClose() {}

void TParseView::FormDestroy() {
  if (services().help != nullptr) services().help->Quit(HelpFilePath);
}

void TParseView::Exit1Click() { services().app->Terminate(0); }

void TParseView::PageControlChange() { PageControlSwitch.Click(); }

}  // namespace vt
