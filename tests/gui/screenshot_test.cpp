// Screenshots of the view, written to the build folder for a person to look at.
#include <gtest/gtest.h>

#include <QDir>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include "flow_fixture.h"
#include "gui/main_view.h"
#include "qt_app.h"
#include "support/fake_services.h"
#include "test_window.h"
#include "window/parse_view.h"

namespace vt::gui {
namespace {

class ScreenshotTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::TestApp(); }

  // Shows the window the way the runner does and saves what it looks like.
  static void Shoot(tk::Window& window, MainView& view, const char* file) {
    view.show();
    tk::Fire(window.on_show);
    view.Sync();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QApplication::processEvents();
    const QString path = QStringLiteral(VONTRASK_BINARY_DIR "/") + QString::fromLatin1(file);
    const QPixmap shot = view.grab();
    EXPECT_GT(shot.width(), 300);
    EXPECT_GT(shot.height(), 200);
    EXPECT_TRUE(shot.save(path, "PNG")) << path.toStdString();
  }
};

TEST_F(ScreenshotTest, TestWindow) {
  tk::testing::FakeServices fakes;
  testing::TestWindow window(fakes.services);
  MainView view(window);
  Shoot(window, view, "gui-test-window.png");
}

TEST_F(ScreenshotTest, MainWindow) {
  tk::testing::FakeServices fakes;
  TParseView window(fakes.services, {});
  window.SettingsDirOverride = VONTRASK_BINARY_DIR;
  tk::Fire(window.on_create);
  MainView view(window);
  tk::Fire(window.on_show);
  Shoot(window, view, "vontrask-window.png");
  auto* tabs = qobject_cast<QTabWidget*>(view.WidgetOf(window.PageControl));
  ASSERT_NE(tabs, nullptr);
  int shown = 0;
  for (int i = 0; i < tabs->count(); ++i) shown += tabs->isTabVisible(i) ? 1 : 0;
  EXPECT_EQ(shown, 15);
  // Every sheet too, for whoever lays out its controls.
  QDir(QStringLiteral(VONTRASK_BINARY_DIR)).mkpath(QStringLiteral("screens"));
  for (tk::TabSheet* sheet : window.PageControl.Sheets()) {
    window.PageControl.SetActivePage(sheet);
    view.Sync();
    QApplication::processEvents();
    const QString path = QStringLiteral(VONTRASK_BINARY_DIR "/screens/sheet-%1.png")
                             .arg(QString::fromStdString(sheet->Name()));
    EXPECT_TRUE(view.grab().save(path, "PNG")) << path.toStdString();
  }
  tk::Fire(window.on_destroy);
}

using FlowScreenshotTest = testing::FlowTest;

// Every sheet with a record showing and fields defined, as a user leaves the window.
TEST_F(FlowScreenshotTest, EverySheetAfterTheFlow) {
  Open(testing::kFlowInput);
  ClickTab(window->ParseStreet);
  ClickRow(window->Street0, 0);
  ClickRow(window->InputFieldNamesListBox, 1);
  DefineCopiedFields();
  // The window fits a 1280x1024 screen with its frame.
  EXPECT_LE(view->width(), 1280 - 8);
  EXPECT_LE(view->height(), 1000 - 32);
  QDir(QStringLiteral(VONTRASK_BINARY_DIR)).mkpath(QStringLiteral("screens"));
  for (tk::TabSheet* sheet : window->PageControl.Sheets()) {
    window->PageControl.SetActivePage(sheet);
    view->Sync();
    QApplication::processEvents();
    const QString name = QString::fromStdString(sheet->Name());
    const QString path = QStringLiteral(VONTRASK_BINARY_DIR "/screens/flow-%1.png").arg(name);
    EXPECT_TRUE(view->grab().save(path, "PNG")) << path.toStdString();
    // The sheets of the main job show whole.
    if (sheet != &window->InputConfiguration && sheet != &window->OutputConfiguration) continue;
    auto* scroll = qobject_cast<QScrollArea*>(view->WidgetOf(*sheet));
    ASSERT_NE(scroll, nullptr);
    EXPECT_FALSE(scroll->verticalScrollBar()->isVisible()) << sheet->Name() << " scrolls";
  }
}

// The Page sheet with a printed report open, its bands marked and a data line chosen.
TEST_F(FlowScreenshotTest, PageSheetWithAReport) {
  std::string report;
  for (int page = 1; page <= 2; ++page) {
    report += "\fACME SUPPLY CO.             INVOICE REGISTER                PAGE " +
              std::to_string(page) + "\n\nINVOICE  CUSTOMER              DATE        AMOUNT\n";
    for (int row = 1; row <= 6; ++row) {
      report += "  " + std::to_string(1000 * page + row) + "   Customer " + std::to_string(row) +
                "            2024-03-0" + std::to_string(row) + "   " + std::to_string(row * 125) +
                ".50\n";
    }
    report += "\n                                 PAGE TOTAL   4200.00\n";
  }
  Open(report);
  ClickTab(window->PageInputTab);
  ClickRow(window->InputPageListBox, 3);
  Click(window->SetPageHeaderButton);
  ClickRow(window->InputPageListBox, 3);
  Click(window->PageDataButton);
  ClickRow(window->InputPageListBox, 8);
  Click(window->SetPageFooterButton);
  ClickRow(window->InputPageListBox, 4);
  view->Sync();
  QApplication::processEvents();
  EXPECT_EQ(window->RowTypeLabel.Caption(), "Horiz. Band 2 Row 1 Vert. Band 1");
  const QString path = QStringLiteral(VONTRASK_BINARY_DIR "/page-sheet.png");
  EXPECT_TRUE(view->grab().save(path, "PNG")) << path.toStdString();
  // And the Input sheet with the page options of a report.
  ClickTab(window->InputConfiguration);
  view->Sync();
  QApplication::processEvents();
  const QString input = QStringLiteral(VONTRASK_BINARY_DIR "/page-input-sheet.png");
  EXPECT_TRUE(view->grab().save(input, "PNG")) << input.toStdString();
}

}  // namespace
}  // namespace vt::gui
