// The Qt view: user actions reach the model once, code changes reach the widgets with no handler.
#include "gui/main_view.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <memory>

#include "gui/qt_services.h"
#include "qt_app.h"
#include "support/fake_services.h"
#include "test_window.h"

namespace vt::gui {
namespace {

using Trace = std::vector<std::string>;

class MainViewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::TestApp(); }

  void SetUp() override {
    view = std::make_unique<MainView>(window);
    view->show();
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    window.trace.clear();
  }

  template <typename W>
  W* Widget(const tk::Control& control) {
    W* widget = qobject_cast<W*>(view->WidgetOf(control));
    EXPECT_NE(widget, nullptr) << control.Name();
    return widget;
  }

  void ShowSheet(tk::TabSheet& sheet) {
    window.Pages.SetActivePage(&sheet);
    view->Sync();
    QApplication::processEvents();
  }

  // Gives a widget the focus the way a click does.
  void ClickInto(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, widget->height() / 2));
  }

  tk::testing::FakeServices fakes;
  testing::TestWindow window{fakes.services};
  std::unique_ptr<MainView> view;
};

TEST_F(MainViewTest, CheckBoxClickRunsHandlerOnce) {
  auto* box = Widget<QCheckBox>(window.Check);
  QTest::mouseClick(box, Qt::LeftButton);
  EXPECT_EQ(window.trace, Trace({"Check on"}));
  EXPECT_TRUE(window.Check.Checked());
  EXPECT_TRUE(box->isChecked());
  QTest::mouseClick(box, Qt::LeftButton);
  EXPECT_EQ(window.trace, Trace({"Check on", "Check off"}));
  EXPECT_FALSE(box->isChecked());
}

TEST_F(MainViewTest, CheckBoxSetFromCodeRunsHandlerOnceAndWidgetFollows) {
  auto* box = Widget<QCheckBox>(window.Check);
  window.Check.SetChecked(true);
  EXPECT_EQ(window.trace, Trace({"Check on"}));
  view->Sync();
  EXPECT_TRUE(box->isChecked());
  window.Check.SetChecked(true);
  view->Sync();
  EXPECT_EQ(window.trace, Trace({"Check on"}));
}

TEST_F(MainViewTest, DisabledCheckBoxIgnoresClicks) {
  window.Check.SetEnabled(false);
  view->Sync();
  auto* box = Widget<QCheckBox>(window.Check);
  EXPECT_FALSE(box->isEnabled());
  QTest::mouseClick(box, Qt::LeftButton);
  EXPECT_TRUE(window.trace.empty());
  EXPECT_FALSE(box->isChecked());
}

TEST_F(MainViewTest, RadioClickUnchecksItsGroupInModelAndView) {
  auto* a = Widget<QRadioButton>(window.RadioA);
  auto* b = Widget<QRadioButton>(window.RadioB);
  auto* c = Widget<QRadioButton>(window.RadioC);
  EXPECT_TRUE(a->isChecked());
  QTest::mouseClick(b, Qt::LeftButton);
  EXPECT_EQ(window.trace, Trace({"RadioB"}));
  EXPECT_FALSE(window.RadioA.Checked());
  EXPECT_TRUE(window.RadioB.Checked());
  EXPECT_FALSE(a->isChecked());
  EXPECT_TRUE(b->isChecked());
  EXPECT_FALSE(c->isChecked());
  // A click on the checked button runs nothing and leaves it checked.
  QTest::mouseClick(b, Qt::LeftButton);
  EXPECT_EQ(window.trace, Trace({"RadioB"}));
  EXPECT_TRUE(b->isChecked());
}

TEST_F(MainViewTest, UserTabChangeRunsHandlerOnceAndCodeChangeNone) {
  auto* tabs = Widget<QTabWidget>(window.Pages);
  QTabBar* bar = tabs->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
  EXPECT_EQ(window.trace, Trace({"Pages Second"}));
  EXPECT_EQ(window.Pages.ActivePage(), &window.Second);
  window.Pages.SetActivePage(&window.First);
  view->Sync();
  EXPECT_EQ(tabs->currentWidget(), view->WidgetOf(window.First));
  EXPECT_EQ(window.trace, Trace({"Pages Second"}));
  // The keys on the tab bar are a user's choice too.
  bar->setFocus();
  QTest::keyClick(bar, Qt::Key_Right);
  EXPECT_EQ(window.trace, Trace({"Pages Second", "Pages Second"}));
}

TEST_F(MainViewTest, HiddenAndDisabledSheets) {
  auto* tabs = Widget<QTabWidget>(window.Pages);
  ASSERT_EQ(tabs->count(), 4);
  EXPECT_FALSE(tabs->isTabVisible(tabs->indexOf(view->WidgetOf(window.Hidden))));
  EXPECT_FALSE(tabs->isTabEnabled(tabs->indexOf(view->WidgetOf(window.Disabled))));
  EXPECT_TRUE(tabs->isTabEnabled(tabs->indexOf(view->WidgetOf(window.Second))));
  window.Hidden.SetTabVisible(true);
  view->Sync();
  EXPECT_TRUE(tabs->isTabVisible(tabs->indexOf(view->WidgetOf(window.Hidden))));
}

TEST_F(MainViewTest, EditExitRunsOnceWhenFocusMovesToAnotherControl) {
  ClickInto(Widget<QLineEdit>(window.Name));
  EXPECT_EQ(window.FocusOwner(), &window.Name);
  EXPECT_TRUE(window.trace.empty());
  ClickInto(Widget<QLineEdit>(window.Other));
  EXPECT_EQ(window.trace, Trace({"Name exit"}));
  EXPECT_EQ(window.FocusOwner(), &window.Other);
}

TEST_F(MainViewTest, FocusInAnotherWindowIsNoExit) {
  ClickInto(Widget<QLineEdit>(window.Name));
  QLineEdit elsewhere;
  elsewhere.show();
  elsewhere.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
  elsewhere.setFocus();
  EXPECT_EQ(QApplication::focusWidget(), &elsewhere);
  EXPECT_TRUE(window.trace.empty());
  elsewhere.hide();
  view->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
  EXPECT_TRUE(window.trace.empty());
  EXPECT_EQ(window.FocusOwner(), &window.Name);
  ClickInto(Widget<QLineEdit>(window.Other));
  EXPECT_EQ(window.trace, Trace({"Name exit"}));
}

TEST_F(MainViewTest, MessageBoxFromAHandlerIsNoExit) {
  QtMessageBoxes boxes;
  boxes.SetParent(view.get());
  auto* name = Widget<QLineEdit>(window.Name);
  window.Name.on_key_press = [&](char& key) {
    if (key == '!') boxes.Show("Not here", "Name", tk::MessageStyle::kStop);
  };
  ClickInto(name);
  bool box_had_focus = false;
  testing::WhenMessageBox([&](QMessageBox& box) {
    box_had_focus = QTest::qWaitFor([&] { return box.isAncestorOf(QApplication::focusWidget()); });
    box.button(QMessageBox::Ok)->click();
  });
  QTest::keyClick(name, '!');
  EXPECT_TRUE(box_had_focus);
  QApplication::processEvents();
  EXPECT_EQ(window.trace, Trace({"Name change !"}));
  EXPECT_EQ(window.FocusOwner(), &window.Name);
}

TEST_F(MainViewTest, FocusSetByCodeMovesQtFocus) {
  ClickInto(Widget<QLineEdit>(window.Name));
  window.Other.SetFocus();
  view->Sync();
  EXPECT_EQ(window.trace, Trace({"Name exit"}));
  EXPECT_EQ(QApplication::focusWidget(), view->WidgetOf(window.Other));
}

TEST_F(MainViewTest, TypingSetsTheTextAsBytes) {
  auto* name = Widget<QLineEdit>(window.Name);
  ClickInto(name);
  QTest::keyClick(name, Qt::Key_A);
  QTest::sendKeyEvent(QTest::Click, name, Qt::Key_Eacute, QString::fromUtf8("\xC3\xA9"), {});
  EXPECT_EQ(window.Name.Text(), "a\xE9");
  EXPECT_EQ(window.trace, Trace({"Name change a", "Name change a\xE9"}));
  window.Name.SetText("xyz\x80");
  view->Sync();
  EXPECT_EQ(name->text(), QString::fromUtf8("xyz\xE2\x82\xAC"));
  EXPECT_EQ(window.trace.size(), 3u);
}

TEST_F(MainViewTest, KeyHandlerSwallowsOrReplacesKeys) {
  auto* name = Widget<QLineEdit>(window.Name);
  std::vector<int> keys;
  window.Name.on_key_press = [&](char& key) {
    keys.push_back(key);
    if (key == '\r') key = 0;
    if (key == 'a') key = 'A';
  };
  QSignalSpy returns(name, &QLineEdit::returnPressed);
  ClickInto(name);
  QTest::keyClick(name, Qt::Key_Return);
  EXPECT_EQ(returns.count(), 0);
  QTest::keyClick(name, Qt::Key_A);
  QTest::keyClick(name, Qt::Key_B);
  EXPECT_EQ(keys, std::vector<int>({'\r', 'a', 'b'}));
  EXPECT_EQ(window.Name.Text(), "Ab");
  EXPECT_EQ(name->text(), "Ab");
}

TEST_F(MainViewTest, MenusFollowTheModel) {
  ASSERT_EQ(view->menuBar()->actions().size(), 1);
  QMenu* file = view->ActionOf(window.File)->menu();
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->title(), "&File");
  ASSERT_EQ(file->actions().size(), 3);
  EXPECT_TRUE(file->actions()[1]->isSeparator());
  QAction* open = view->ActionOf(window.Open);
  open->trigger();
  EXPECT_EQ(window.trace, Trace({"Open"}));
  window.Open.SetEnabled(false);
  view->Sync();
  EXPECT_FALSE(open->isEnabled());
  open->trigger();
  EXPECT_EQ(window.trace, Trace({"Open"}));
  // A checked item: Qt flips the mark on a click; the model's state wins.
  window.Quit.SetChecked(true);
  view->Sync();
  QAction* quit = view->ActionOf(window.Quit);
  EXPECT_TRUE(quit->isChecked());
  quit->trigger();
  EXPECT_EQ(window.trace, Trace({"Open", "Quit"}));
  EXPECT_TRUE(quit->isChecked());
  window.Quit.SetVisible(false);
  view->Sync();
  EXPECT_FALSE(quit->isVisible());
}

TEST_F(MainViewTest, ListBoxClicksAndKeys) {
  ShowSheet(window.Second);
  auto* list = Widget<QListWidget>(window.Fields);
  ASSERT_EQ(list->count(), 5);
  EXPECT_EQ(list->item(4)->text(), "Field5");
  const QPoint row2 = list->visualItemRect(list->item(2)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row2);
  EXPECT_EQ(window.trace, Trace({"Fields down 2", "Fields 2"}));
  // The selected row clicked again is a click again, as it is for the program.
  window.trace.clear();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row2);
  EXPECT_EQ(window.trace, Trace({"Fields down 2", "Fields 2"}));
  window.trace.clear();
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(window.trace, Trace({"Fields 3"}));
  window.trace.clear();
  window.Fields.SetItemIndex(0);
  window.Fields.SetItem(1, "Renamed \xE9");
  view->Sync();
  EXPECT_EQ(list->currentRow(), 0);
  EXPECT_EQ(list->item(1)->text(), QString::fromUtf8("Renamed \xC3\xA9"));
  EXPECT_TRUE(window.trace.empty());
  // A double click is a click, then a double-click press and its release.
  const QPoint row1 = list->visualItemRect(list->item(1)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row1);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row1);
  QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, row1);
  EXPECT_EQ(window.trace, Trace({"Fields down 1", "Fields 1", "Fields down 1", "Fields double"}));
}

TEST_F(MainViewTest, RadioGroupItems) {
  ShowSheet(window.Second);
  auto* group = Widget<QGroupBox>(window.Mode);
  const QList<QRadioButton*> radios = group->findChildren<QRadioButton*>();
  ASSERT_EQ(radios.size(), 3);
  QTest::mouseClick(radios[1], Qt::LeftButton);
  EXPECT_EQ(window.trace, Trace({"Mode 1"}));
  EXPECT_EQ(window.Mode.ItemIndex(), 1);
  window.Mode.SetItemIndex(2);
  view->Sync();
  EXPECT_EQ(window.trace, Trace({"Mode 1", "Mode 2"}));
  EXPECT_FALSE(radios[1]->isChecked());
  EXPECT_TRUE(radios[2]->isChecked());
}

TEST_F(MainViewTest, ScrollBarGridMemoAndStatus) {
  ShowSheet(window.Second);
  auto* bar = Widget<QScrollBar>(window.Scroll);
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(window.trace, Trace({"Scroll 1"}));
  window.Scroll.SetPosition(5);
  view->Sync();
  EXPECT_EQ(bar->value(), 5);
  EXPECT_EQ(window.trace, Trace({"Scroll 1", "Scroll 5"}));

  auto* grid = Widget<QTableWidget>(window.Grid);
  EXPECT_EQ(grid->item(2, 1)->text(), "1,2");
  window.Grid.SetCell(1, 2, "x");
  view->Sync();
  EXPECT_EQ(grid->item(2, 1)->text(), "x");

  auto* memo = Widget<QPlainTextEdit>(window.Notes);
  EXPECT_EQ(memo->toPlainText(), "line 1\nline 2");
  memo->appendPlainText("typed\x7f");
  EXPECT_EQ(window.Notes.Lines(), std::vector<std::string>({"line 1", "line 2", "typed\x7f"}));

  window.Status.SetPanelText(1, "Working \x85");
  view->Sync();
  QStringList panels;
  for (QLabel* label : view->statusBar()->findChildren<QLabel*>()) panels << label->text();
  EXPECT_TRUE(panels.contains(QString::fromUtf8("Working \xE2\x80\xA6")))
      << panels.join('|').toStdString();
  EXPECT_TRUE(panels.contains("Panel 0"));
  EXPECT_EQ(view->windowTitle(), QString::fromUtf8("Test \xE2\x82\xAC window"));
}

TEST_F(MainViewTest, EditableGridCellsAndEditBoxClicks) {
  ShowSheet(window.Second);
  window.Grid.SetColumnEditable(2, true);
  window.Grid.on_set_edit_text = [this](int column, int row) {
    window.trace.push_back("Grid " + std::to_string(column) + "," + std::to_string(row) + " " +
                           window.Grid.Cell(column, row));
  };
  window.Grid.SetCell(2, 1, "old");
  window.Grid.SetCell(1, 1, "fixed");
  view->Sync();
  auto* grid = Widget<QTableWidget>(window.Grid);
  auto edit_cell = [&](int column, int row, const char* text) {
    const QPoint at = grid->visualItemRect(grid->item(row, column)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);  // a double click starts with one
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
    QWidget* editor = QApplication::focusWidget();
    if (editor == grid) return;  // no editor opened
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
  };
  edit_cell(2, 1, "42");
  edit_cell(1, 1, "no");
  EXPECT_EQ(window.Grid.Cell(2, 1), "42");
  EXPECT_EQ(window.Grid.Cell(1, 1), "fixed");
  EXPECT_EQ(window.trace.back(), "Grid 2,1 42");

  ShowSheet(window.First);
  window.trace.clear();
  window.Name.on_click = [this] { window.trace.push_back("Name click"); };
  ClickInto(Widget<QLineEdit>(window.Name));
  EXPECT_EQ(window.trace, Trace({"Name click"}));
}

TEST_F(MainViewTest, LabelAndPanelClicks) {
  QTest::mouseClick(Widget<QLabel>(window.Info), Qt::LeftButton);
  EXPECT_EQ(window.trace, Trace({"Info"}));
  QTest::mouseClick(Widget<QPushButton>(window.Go), Qt::LeftButton);
  EXPECT_EQ(window.trace, Trace({"Info", "Go"}));
}

TEST_F(MainViewTest, TimerTicksOnlyWhileEnabled) {
  view->TickTimers();
  EXPECT_EQ(window.trace, Trace({"Tick"}));
  window.Tick.SetEnabled(false);
  view->TickTimers();
  EXPECT_EQ(window.trace, Trace({"Tick"}));
}

TEST_F(MainViewTest, VisibilityAndControlsMadeLater) {
  window.Go.SetVisible(false);
  view->Sync();
  EXPECT_TRUE(view->WidgetOf(window.Go)->isHidden());
  auto extra = std::make_unique<tk::Button>(window, "Extra", &window.First);
  extra->SetCaption("Extra");
  extra->on_click = [&] { window.trace.push_back("Extra"); };
  view->Sync();
  auto* button = qobject_cast<QPushButton*>(view->WidgetOf(*extra));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), "Extra");
  button->click();
  EXPECT_EQ(window.trace, Trace({"Extra"}));
  const tk::Control* gone = extra.get();
  extra.reset();
  view->Sync();
  EXPECT_EQ(view->WidgetOf(*gone), nullptr);
}

TEST_F(MainViewTest, FocusArrivingInAListOrGridSelectsNothingAndKeysDo) {
  ShowSheet(window.Second);
  // The program moves the focus; Qt makes a current row of its own, which is no choice.
  window.Fields.SetFocus();
  view->Sync();
  auto* list = Widget<QListWidget>(window.Fields);
  ASSERT_EQ(QApplication::focusWidget(), list);
  EXPECT_TRUE(window.trace.empty());
  EXPECT_EQ(window.Fields.ItemIndex(), -1);
  QTest::keyClick(list, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_End);
  QTest::keyClick(list, Qt::Key_End);
  EXPECT_EQ(window.trace, Trace({"Fields 0", "Fields 4"})) << "from no row Down is the first";

  auto* grid = Widget<QTableWidget>(window.Grid);
  grid->setFocus();
  QTest::keyClick(grid, Qt::Key_Right);
  QTest::keyClick(grid, Qt::Key_Down);
  EXPECT_EQ(window.Grid.Column(), 1);
  EXPECT_EQ(window.Grid.Row(), 1);
}

TEST_F(MainViewTest, RightClickAndDragInAList) {
  ShowSheet(window.Second);
  auto* list = Widget<QListWidget>(window.Fields);
  QWidget* area = list->viewport();
  const QPoint row1 = list->visualItemRect(list->item(1)).center();
  const QPoint row3 = list->visualItemRect(list->item(3)).center();
  QTest::mouseClick(area, Qt::RightButton, {}, row3);
  EXPECT_EQ(window.trace, Trace({"Fields right 3"}));
  EXPECT_EQ(window.Fields.ItemIndex(), -1) << "a right click selects nothing";
  window.trace.clear();
  QTest::mousePress(area, Qt::LeftButton, {}, row1);
  QTest::mouseMove(area, row3);
  QTest::mouseRelease(area, Qt::LeftButton, {}, row3);
  EXPECT_EQ(window.trace, Trace({"Fields down 1", "Fields drop 3"}));
}

// Mouse moves reach the control under the mouse alone, in the model's units, with the control's
// real place written back first.
TEST_F(MainViewTest, MouseMovesInModelUnits) {
  const double scale = view->Scale();
  auto units = [&](int pixels) { return std::to_string(static_cast<int>(pixels / scale)); };
  QWidget* go = view->WidgetOf(window.Go);
  QTest::mouseMove(go, QPoint(20, 5));
  ASSERT_FALSE(window.moves.empty());
  EXPECT_EQ(window.moves.back(), "Go " + units(20) + "," + units(5));
  const QPoint at = go->mapTo(view->centralWidget(), QPoint(0, 0));
  EXPECT_EQ(window.Go.Geometry().left, static_cast<int>(at.x() / scale));
  EXPECT_EQ(window.Go.Geometry().width, static_cast<int>(go->width() / scale));

  // A control without a handler takes the move: its sheet hears nothing.
  window.moves.clear();
  QTest::mouseMove(view->WidgetOf(window.Check), QPoint(4, 4));
  EXPECT_TRUE(window.moves.empty());
  QWidget* central = view->centralWidget();
  QTest::mouseMove(central, QPoint(2, central->height() - 1));
  EXPECT_EQ(window.moves,
            std::vector<std::string>({"window " + units(2) + "," + units(central->height() - 1)}));

  // Over a list the model's rows count: the middle of the row under the mouse.
  ShowSheet(window.Second);
  window.moves.clear();
  auto* list = Widget<QListWidget>(window.Fields);
  QTest::mouseMove(list->viewport(), list->visualItemRect(list->item(2)).center());
  ASSERT_EQ(window.moves.size(), 1u);
  EXPECT_EQ(window.moves[0].substr(window.moves[0].find(',')), "," + std::to_string(2 * 13 + 6));
}

TEST_F(MainViewTest, F1AsksForTheTopicOfTheFocusedControl) {
  QTest::keyClick(view.get(), Qt::Key_F1);
  ClickInto(Widget<QLineEdit>(window.Name));
  QTest::keyClick(Widget<QLineEdit>(window.Name), Qt::Key_F1);
  EXPECT_EQ(fakes.help.calls,
            std::vector<std::string>({"contents help.html", "topic help.html 7"}));
}

TEST_F(MainViewTest, FloatsLieAtTheirBoundsAndNothingMovesForAHintOrACaption) {
  auto* tabs = Widget<QTabWidget>(window.Pages);
  const QRect pages = tabs->geometry();
  const QRect info = view->WidgetOf(window.Info)->geometry();
  window.Hint.SetVisible(false);
  window.Info.SetCaption(std::string(300, 'x'));
  window.Popup.SetVisible(true);
  view->Sync();
  QApplication::processEvents();
  EXPECT_EQ(tabs->geometry(), pages) << "the sheets do not move for a hint or a caption";
  EXPECT_EQ(view->WidgetOf(window.Info)->geometry(), info);
  QWidget* popup = view->WidgetOf(window.Popup);
  const double scale = view->Scale();
  EXPECT_EQ(popup->geometry(), QRect(static_cast<int>(20 * scale), static_cast<int>(30 * scale),
                                     static_cast<int>(60 * scale), static_cast<int>(26 * scale)));
  EXPECT_EQ(popup->parentWidget(), view->centralWidget());
  // Placed inside the window whatever the model asks.
  window.Popup.SetLeft(100000);
  view->Sync();
  EXPECT_EQ(popup->geometry().right(), view->centralWidget()->rect().right());
}

TEST_F(MainViewTest, ScaleWindowEnlargesFontSizesAndWindow) {
  QtApplication app;
  app.SetWindow(view.get());
  const QPoint place = view->pos();
  const double point = view->font().pointSizeF();
  auto* list = Widget<QListWidget>(window.Fields);
  app.ScaleWindow(3, 2, -1, -1, 400, 300);
  const double scale = view->Scale();
  EXPECT_DOUBLE_EQ(view->font().pointSizeF(), point * 3 / 2);
  EXPECT_EQ(list->minimumWidth(), static_cast<int>(120 * scale)) << "sizes follow the font";
  EXPECT_EQ(view->pos(), place) << "a negative place stays where it is";
  EXPECT_EQ(view->size(), QSize(static_cast<int>(400 * scale), static_cast<int>(300 * scale)));
  app.ScaleWindow(2, 3, 10, 20, 400, 300);
  EXPECT_DOUBLE_EQ(view->font().pointSizeF(), point);
  EXPECT_EQ(view->pos(), QPoint(10, 20));
}

}  // namespace
}  // namespace vt::gui
