// The main job done through the real widgets only: open a file, define output fields, save.
#include <QFontMetricsF>
#include <QLabel>

#include "flow_fixture.h"

namespace vt::gui {
namespace {

using testing::FlowTest;
using testing::kFlowInput;

TEST_F(FlowTest, InputFieldRenamedSizedUpperCasedThenAllCopied) {
  Open(kFlowInput);
  DefineCopiedFields();
  EXPECT_EQ(Save(),
            "ChristopherAPT 4 123 Toronto ON M5V2T6\r\n"
            "ann12 KING STOttawa ON K1A0B1\r\n");
}

TEST_F(FlowTest, StreetFieldParsedIntoTheStandardAddress) {
  Open(kFlowInput);
  ClickTab(window->ParseStreet);
  ClickRow(window->Street0, 0);
  ClickRow(window->InputFieldNamesListBox, 1);
  EXPECT_EQ(window->Street0.Item(0), window->InputFieldNames[2]);

  ClickTab(window->OutputConfiguration);
  ClickRow(window->ParsedItemNames, "Std. Address");
  EXPECT_EQ(OutputName(1), "Std. Address");
  Click(window->FixedFormatOutputButton);
  EXPECT_EQ(Save(), "123 Main St N Apt 4\r\n12 King St W\r\n");
}

// The hover panel lies where the model puts it from the list's real place and the mouse.
TEST_F(FlowTest, RestingNearAnInputFieldNameShowsItsPanelBesideIt) {
  Open(kFlowInput);
  auto* list = Widget<QListWidget>(window->InputFieldNamesListBox);
  const QRect row = list->visualItemRect(list->item(1));
  QTest::mouseMove(list->viewport(), QPoint(4, row.center().y()));
  ASSERT_TRUE(window->InputFieldPanel.Visible());
  EXPECT_EQ(window->InputFieldNameLabel.Caption(), window->InputFieldNames[2]);
  QWidget* panel = view->WidgetOf(window->InputFieldPanel);
  ASSERT_TRUE(panel->isVisible());
  const QPoint mouse = list->viewport()->mapTo(view->centralWidget(), row.center());
  EXPECT_NEAR(panel->y(), mouse.y(), 3 * row.height()) << "below the row, not elsewhere";
  // Moving off the list onto the window puts it away.
  QTest::mouseMove(view->centralWidget(), QPoint(2, view->centralWidget()->height() - 2));
  EXPECT_FALSE(window->InputFieldPanel.Visible());
  EXPECT_FALSE(panel->isVisible());
}

// The record is drawn in cells of the model's width, so the column under the mouse is the one the
// model reads out.
TEST_F(FlowTest, PointingAtARecordColumnReadsItsPosition) {
  Open(kFlowInput);
  QWidget* record = view->WidgetOf(window->InputRecordLabel);
  QWidget* marker = view->WidgetOf(window->InputRecordMarkerLabel);
  EXPECT_EQ(marker->x(), record->x()) << "the marker line stands under the record";
  EXPECT_EQ(marker->font(), record->font());
  const double cell = 7 * view->Scale();
  for (int column : {0, 9, 40}) {
    SCOPED_TRACE(column);
    const double drawn = QFontMetricsF(record->font()).horizontalAdvance(QString(column, 'W'));
    EXPECT_NEAR(drawn, column * cell, 0.5);
    QTest::mouseMove(record, QPoint(static_cast<int>((column + 0.5) * cell), 4));
    EXPECT_EQ(window->Position.Caption(), std::to_string(column + 1));
  }
}

// Left in the output field list is the rename button's arrow: the name is typed at once.
TEST_F(FlowTest, LeftOnTheOutputFieldListOpensTheRename) {
  Open(kFlowInput);
  ClickTab(window->OutputConfiguration);
  Click(window->AddFieldButton);
  ClickRow(window->OutputFieldNamesListBox, 0);
  auto* list = Widget<QListWidget>(window->OutputFieldNamesListBox);
  ASSERT_EQ(QApplication::focusWidget(), list);
  QTest::keyClick(list, Qt::Key_Left);
  EXPECT_EQ(QApplication::focusWidget(), view->WidgetOf(window->RenameEditBox));
  EXPECT_EQ(list->currentRow(), 0);
  EXPECT_EQ(window->OutputFieldNamesListBox.ItemIndex(), 0);
  Type("Given");
  Press(Qt::Key_Return);
  EXPECT_EQ(OutputName(1), "Given");
}

TEST_F(FlowTest, SplashGoesOnAClickOnItsPictureOrOnTheWindow) {
  QWidget* splash = view->WidgetOf(window->Splash);
  ASSERT_TRUE(splash->isVisible());
  auto* picture = Widget<QLabel>(window->Image1);
  EXPECT_FALSE(picture->pixmap().isNull());
  Click(window->Image1);
  EXPECT_FALSE(splash->isVisible());

  ChooseMenu(window->Help1, window->About1);
  ASSERT_TRUE(splash->isVisible());
  QWidget* central = view->centralWidget();
  const QPoint bare(2, central->height() - 1);
  ASSERT_EQ(central->childAt(bare), nullptr);
  QTest::mouseClick(central, Qt::LeftButton, {}, bare);
  EXPECT_FALSE(splash->isVisible());
}

}  // namespace
}  // namespace vt::gui
