// The main window over fake services in the Qt view, with steps that act only as a user can.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "gui/main_view.h"
#include "qt_app.h"
#include "strings/fixed_text.h"
#include "support/fake_services.h"
#include "window/parse_view.h"

namespace vt::gui::testing {

// Two records of three comma-delimited fields: a name, a street address, a city line.
inline constexpr char kFlowInput[] =
    "\"Christopher\",\"Apt 4 123 N Main St\",\"Toronto ON M5V2T6\"\r\n"
    "\"ann\",\"12 King St W\",\"Ottawa ON K1A0B1\"\r\n";

class FlowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { TestApp(); }

  void SetUp() override {
    root_ = std::filesystem::temp_directory_path() /
            ("vontrask-gui-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_ / "program");
    std::filesystem::create_directories(root_ / "settings");
    window = std::make_unique<TParseView>(fakes.services, std::vector<std::string>{});
    window->ProgramDirOverride = (root_ / "program").string();
    window->SettingsDirOverride = (root_ / "settings").string();
    tk::Fire(window->on_create);
    view = std::make_unique<MainView>(*window);
    view->show();
    tk::Fire(window->on_show);
    view->Sync();
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
  }

  void TearDown() override {
    view.reset();
    tk::Fire(window->on_destroy);
    window.reset();
    std::filesystem::remove_all(root_);
  }

  template <typename W>
  W* Widget(const tk::Control& control) {
    W* widget = qobject_cast<W*>(view->WidgetOf(control));
    EXPECT_NE(widget, nullptr) << control.Name();
    return widget;
  }

  // Scrolls the control's sheet to it, as a user would, and checks that a user can reach it.
  QWidget* Reach(const tk::Control& control) {
    QWidget* widget = view->WidgetOf(control);
    if (widget == nullptr) {
      ADD_FAILURE() << control.Name() << " has no widget";
      return nullptr;
    }
    for (QWidget* w = widget->parentWidget(); w != nullptr; w = w->parentWidget()) {
      if (auto* scroll = qobject_cast<QScrollArea*>(w)) {
        scroll->ensureWidgetVisible(widget);
        break;
      }
    }
    QApplication::processEvents();
    EXPECT_TRUE(widget->isVisible() && widget->isEnabled() && !widget->visibleRegion().isEmpty())
        << control.Name() << " is out of a user's reach";
    return widget;
  }

  void Click(const tk::Control& control) {
    QWidget* widget = Reach(control);
    if (widget == nullptr) return;
    // A check box or radio button is clicked on its mark.
    const bool marked = qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget);
    const QPoint at = marked ? QPoint(8, widget->height() / 2) : widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
  }

  void ClickTab(const tk::TabSheet& sheet) {
    auto* tabs = Widget<QTabWidget>(window->PageControl);
    QTabBar* bar = tabs->tabBar();
    const int index = tabs->indexOf(view->WidgetOf(sheet));
    ASSERT_GE(index, 0) << sheet.Name();
    ASSERT_TRUE(bar->isEnabled() && bar->isTabVisible(index) && bar->isTabEnabled(index))
        << sheet.Name();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
  }

  void ClickRow(const tk::ListBox& control, int row) {
    auto* list = qobject_cast<QListWidget*>(Reach(control));
    ASSERT_NE(list, nullptr) << control.Name();
    ASSERT_LT(row, list->count()) << control.Name();
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
  }

  void ClickRow(const tk::ListBox& control, const char* text) {
    auto* list = Widget<QListWidget>(control);
    ASSERT_NE(list, nullptr);
    const QList<QListWidgetItem*> found =
        list->findItems(QString::fromLatin1(text), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text;
    ClickRow(control, list->row(found.front()));
  }

  // Opens a menu of the menu bar and clicks one of its items.
  void ChooseMenu(const tk::MenuItem& menu, const tk::MenuItem& item) {
    QMenuBar* bar = view->menuBar();
    QAction* top = view->ActionOf(menu);
    ASSERT_NE(top, nullptr);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(top).center());
    QMenu* popup = top->menu();
    ASSERT_TRUE(QTest::qWaitFor([&] { return popup->isVisible(); })) << menu.Name();
    QAction* action = view->ActionOf(item);
    ASSERT_TRUE(action->isEnabled() && action->isVisible()) << item.Name();
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(action).center());
  }

  static void Type(const char* text) { QTest::keyClicks(QApplication::focusWidget(), text); }
  static void Press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

  // Opens `bytes` as an input file through the tool bar's Open button and its file dialog.
  void Open(const std::string& bytes) {
    const std::string path = (root_ / "input.csv").string();
    std::ofstream(path, std::ios::binary) << bytes;
    fakes.dialogs.answers.push_back(path);
    Click(window->TextFileOpen);
    ASSERT_EQ(window->InputFileName, path);
  }

  // Saves the converted file through the File menu; its bytes.
  std::string Save() {
    const std::string path = (root_ / "output.txt").string();
    fakes.dialogs.answers.push_back(path);
    ChooseMenu(window->File1, window->SaveConvertedFile);
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  // On the Output sheet (which starts with one field): a second field from input field 1,
  // renamed, ten wide and in upper case; then every input field copied, and no delimiters.
  void DefineCopiedFields() {
    ClickTab(window->OutputConfiguration);
    Click(window->AddFieldButton);
    ASSERT_EQ(window->OutputFieldNamesListBox.ItemIndex(), 1);
    ClickRow(window->InputFieldNamesListBox, 0);
    EXPECT_EQ(window->OutputFieldSource[2], 1);
    Click(window->RenameFieldButton);
    Type("Given");
    Press(Qt::Key_Return);
    EXPECT_EQ(OutputName(2), "Given");
    Click(window->FieldWidthButton);
    Type("10");
    Press(Qt::Key_Return);
    EXPECT_EQ(window->OutputFieldWidths[2], 10);
    Click(window->UpperCaseConversion);

    Click(window->CloneButton);
    // The button disables itself and Qt moves the focus on, maybe into a list; that chooses no
    // source for the selected field.
    ASSERT_EQ(window->OutputFieldCount, 3);
    for (int n = 1; n <= 3; ++n) EXPECT_EQ(window->OutputFieldSource[n], n) << "field " << n;
    EXPECT_EQ(OutputName(1), window->InputFieldNames[1]);
    Click(window->FixedFormatOutputButton);
  }

  std::string OutputName(int n) const {
    return std::string(TextOf(window->OutputFieldNameTable[static_cast<std::size_t>(n)]));
  }

  tk::testing::FakeServices fakes;
  std::unique_ptr<TParseView> window;
  std::unique_ptr<MainView> view;

 private:
  std::filesystem::path root_;
};

}  // namespace vt::gui::testing
