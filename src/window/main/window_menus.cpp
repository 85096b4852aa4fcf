// The window's own commands: help, the log file, the enlarged view, minimising, the splash
// panel and the yellow hint panels.
#include <cstdio>

#include "strings/asctime_text.h"
#include "window/help_topics.h"
#include "window/parse_view.h"

namespace vt {

namespace {

constexpr char kScalingCaption[] = "Form scaling";
constexpr int kNormalScale = 500;
constexpr int kLargeScale = 678;
constexpr int kBinaryViewColumns = 55;

}  // namespace

void TParseView::BindWindowHandlers() {
  PageControl.on_change = [this] { PageControlChange(); };
  PageControlSwitch.on_click = [this] { PageControlSwitchClick(); };
  ListOtherTabs.on_click = [this] { ListOtherTabsClick(); };
  TabListBox.on_click = [this] { TabListBoxClick(); };
  TabListBox.on_exit = [this] { TabListBoxExit(); };
  HelpButton.on_click = [this] { HelpButtonClick(); };
  Contents1.on_click = [this] { HelpButton.Click(); };
  SearchforHelpOn1.on_click = [this] { SearchforHelpOn1Click(); };
  PageHelp.on_click = [this] { PageHelpClick(); };
  ViewLogFile1.on_click = [this] { ViewLogFile1Click(); };
  ClearLogFile1.on_click = [this] { ClearLogFile1Click(); };
  Zoom.on_click = [this] { ZoomClick(); };
  Minimise.on_click = [this] { MinimiseClick(); };
  About1.on_click = [this] { About1Click(); };
  LargeHints.on_click = [this] { LargeHints.SetChecked(!LargeHints.Checked()); };
  for (tk::Label* label : {&SplashTitle, &SplashSubtitle, &VersionLabel})
    label->on_click = [this] { SplashClick(); };
  Splash.on_click = [this] { SplashClick(); };
  Image1.on_click = [this] { SplashClick(); };
  on_click = [this] { SplashClick(); };
  InstructionHints.on_click = [this] { InstructionHints.SetVisible(false); };
  LowHint.on_click = [this] { LowHint.SetVisible(false); };
  BindHoverHandlers();
}

void TParseView::HelpButtonClick() {
  services().help->Contents(HelpFilePath);
}

void TParseView::SearchforHelpOn1Click() {
  services().help->Search(HelpFilePath, "");
}

void TParseView::PageHelpClick() {
  services().help->Topic(HelpFilePath, kHelpPageSheet);
}

void TParseView::ViewLogFile1Click() {
  services().shell->OpenDocument(LogFilePath);
}

void TParseView::ClearLogFile1Click() {
  std::FILE* log = std::fopen(LogFilePath.c_str(), "w");
  if (log == nullptr) return;
  // The time of the clearing itself, not whatever the status bar last showed.
  tk::Clock& clock = *services().clock;
  const std::string text = AscTimeText(clock.Local(clock.Now())) + "Log File Cleared";
  std::fputs(text.c_str(), log);
  std::fclose(log);
}

void TParseView::ZoomClick() {
  tk::Application& app = *services().app;
  if (!Zoom.Checked()) {
    services().messages->Show(
        "Vontrask is designed to be viewed at its normal scaling. This larger scale is provided "
        "for those with visual difficulties, however some screen elements do not scale "
        "proportionally.",
        kScalingCaption, tk::MessageStyle::kNote);
    app.ScaleWindow(kLargeScale, kNormalScale, 0, 0, 860, 640);
    Zoom.SetChecked(true);
  } else {
    services().messages->Show(
        "Vontrask is designed to be viewed at its normal scaling. However some screen elements "
        "do not re-scale proportionally when returning from the enlarged scale.",
        kScalingCaption, tk::MessageStyle::kNote);
    app.ScaleWindow(kNormalScale, kLargeScale, -1, -1, 629, 469);
    Zoom.SetChecked(false);
    PageControl.SetActivePage(&InputConfiguration);
  }
  tk::Bounds view = BinaryViewBox.Geometry();
  view.width = kBinaryViewColumns * YardStick.Geometry().width;
  BinaryViewBox.SetGeometry(view);
}

void TParseView::MinimiseClick() {
  services().app->Minimise();
}

void TParseView::SplashClick() {
  Splash.SetVisible(false);
}

void TParseView::About1Click() {
  Splash.SetVisible(true);
}

}  // namespace vt
