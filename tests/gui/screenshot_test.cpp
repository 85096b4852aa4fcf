// Screenshots of the view, written to the build folder for a person to look at.
#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
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

// The parser sheets with every parser fed from a record, as a user sets their slots.
TEST_F(FlowScreenshotTest, ParserSheetsWithARecord) {
  Open(
      "\"Mr John Q Public Jr\",\"Apt 4 123 N Main St\",\"Toronto ON M5V2T6\","
      "\"(416) 555-1234\"\r\n");
  const struct {
    tk::TabSheet& sheet;
    tk::ListBox& slot;
    int field;
  } feeds[] = {
      {window->ParseStreet, window->Street0, 1},      {window->CityPage, window->City1, 2},
      {window->ParseNameSheet, window->NameIn1, 0},   {window->ParsePhoneSheet, window->Phone1A, 3},
      {window->GenderSheet, window->GenderSource, 0},
  };
  QDir(QStringLiteral(VONTRASK_BINARY_DIR)).mkpath(QStringLiteral("screens"));
  for (const auto& feed : feeds) {
    ClickTab(feed.sheet);
    ClickRow(feed.slot, 0);
    ClickRow(window->InputFieldNamesListBox, feed.field);
    view->Sync();
    QApplication::processEvents();
    const QString path = QStringLiteral(VONTRASK_BINARY_DIR "/screens/parsed-%1.png")
                             .arg(QString::fromStdString(feed.sheet.Name()));
    EXPECT_TRUE(view->grab().save(path, "PNG")) << path.toStdString();
  }
  EXPECT_EQ(window->StreetParts.Item(8), "123 Main St N Apt 4");
}

// The word-list editors in use: an entry typed through the widgets, a row of each sheet picked.
TEST_F(FlowScreenshotTest, WordListEditorsInUse) {
  Open(testing::kFlowInput);
  ClickTab(window->Mailing);
  Click(window->StreetTypeAdd);
  Type("Wynd");
  Click(window->StreetTypeSubstIn);
  // Leaving the entry box showed the entry as its substitute; the user types over it.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
  Type("Wy");
  Press(Qt::Key_Return);
  EXPECT_EQ(SlotText(window->StreetTypeWords[45]), "Wynd");
  EXPECT_EQ(SlotText(window->StreetTypeSubstitutes[45]), "Wy");
  ClickRow(window->CapitalExceptionsIn, "II<");
  EXPECT_EQ(Widget<QLineEdit>(window->CapitalExceptionIn)->text(), QStringLiteral("II<"));
  ClickTab(window->ParseNameSheet);
  ClickRow(window->TitleSubstsIn, 4);
  EXPECT_EQ(Widget<QLineEdit>(window->TitleIn)->text(), QStringLiteral("Mr-Mrs"));
  ClickTab(window->CityPage);
  ClickRow(window->States, "Ontario");
  EXPECT_EQ(Widget<QLineEdit>(window->StateSubstIn)->text(), QStringLiteral("ON"));
  QDir(QStringLiteral(VONTRASK_BINARY_DIR)).mkpath(QStringLiteral("screens"));
  for (tk::TabSheet* sheet : {&window->Mailing, &window->ParseNameSheet, &window->CityPage}) {
    ClickTab(*sheet);
    view->Sync();
    QApplication::processEvents();
    const QString path = QStringLiteral(VONTRASK_BINARY_DIR "/screens/editors-%1.png")
                             .arg(QString::fromStdString(sheet->Name()));
    EXPECT_TRUE(view->grab().save(path, "PNG")) << path.toStdString();
  }
}

// The Binary sheet as a user finds the records of a file by clicks in its byte view, then the
// reading panel over a field.
TEST_F(FlowScreenshotTest, BinarySheetFoundByClicks) {
  std::string bytes("HEADER\x01\x02\x00\x00", 10);  // before the records
  for (int r = 1; r <= 30; ++r) {
    bytes += "Item" + std::to_string(10 + r);
    bytes += std::string("\x01\x23\x4C\x34\x12\x00\x00", 7);  // packed 1234, int32 4660
    bytes += "0012C";
    bytes += std::string(2, static_cast<char>(0xE9));
  }
  Open(bytes);
  Click(window->BinaryInput);
  ASSERT_EQ(window->PageControl.ActivePage(), &window->BinaryInputTab);
  auto* list = Widget<QListWidget>(window->BinaryHeaderList);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->font(), Widget<QWidget>(window->InputRecordLabel)->font());
  // Byte c of a row lies in cell c of the record font, after the list's own margin.
  const double cell = 7 * view->Scale();
  const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
  auto at_byte = [&](int c) {
    return QPoint(margin + static_cast<int>((c - 0.5) * cell),
                  list->visualItemRect(list->item(0)).center().y());
  };
  QTest::mouseMove(list->viewport(), at_byte(11));
  EXPECT_EQ(window->BinaryPositionLabel.Caption(), "11");
  EXPECT_EQ(window->BinaryTextLabel.Caption(), "I");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at_byte(11));
  EXPECT_EQ(window->BinaryHeaderSize(), 10);
  QTest::mouseMove(list->viewport(), at_byte(31));
  QTest::mouseClick(list->viewport(), Qt::RightButton, {}, at_byte(31));
  EXPECT_EQ(window->BinaryRecordLength, 20);
  EXPECT_EQ(window->InputLine.substr(0, 6), "Item11");
  ASSERT_GT(window->BinaryRecords.Count(), 2);
  EXPECT_EQ(window->BinaryRecords.Item(1).substr(0, 6), "Item12");
  QDir(QStringLiteral(VONTRASK_BINARY_DIR)).mkpath(QStringLiteral("screens"));
  auto shoot = [&](const char* name) {
    view->Sync();
    QApplication::processEvents();
    const QString path = QStringLiteral(VONTRASK_BINARY_DIR "/screens/binary-%1.png").arg(name);
    EXPECT_TRUE(view->grab().save(path, "PNG")) << path.toStdString();
  };
  shoot("records");
  // Fields end at columns 6, 9, 13 and 18: a name, a packed number, an integer, a zoned number.
  QWidget* marker = view->WidgetOf(window->InputRecordMarkerLabel);
  for (int column : {6, 9, 13, 18}) {
    const QPoint at(static_cast<int>((column - 0.5) * cell), 4);
    QTest::mouseMove(marker, at);
    QTest::mouseClick(marker, Qt::LeftButton, {}, at);
  }
  ASSERT_EQ(window->InputFieldCounts[0], 5);
  Click(window->LocateFieldsButton);
  ClickRow(window->InputFieldNamesListBox, 3);
  Click(window->BinZoned);
  EXPECT_EQ(window->SelectedValue.Caption(), "+00123");
  ClickRow(window->InputFieldNamesListBox, 1);
  Click(window->BinPacked);
  EXPECT_EQ(window->InputFieldValues[2], " 01234");
  shoot("fields");
  ClickTab(window->InputConfiguration);
  Click(window->ViewBinary);
  shoot("view");
  Click(window->HideBinary);
  EXPECT_FALSE(window->BinaryViewPanel.Visible());
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
