// Qt services: filter conversion, message box styles and clipboard bytes.
#include "gui/qt_services.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

#include "qt_app.h"

namespace vt::gui {
namespace {

class QtServicesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::TestApp(); }
};

struct FilterRow {
  const char* name;
  const char* filter;
  QStringList expected;
};

TEST_F(QtServicesTest, NameFilters) {
  const FilterRow rows[] = {
      {"empty", "", {}},
      {"one", "Text files|*.txt", {"Text files (*.txt)"}},
      {"several patterns", "Data|*.csv;*.txt", {"Data (*.csv *.txt)"}},
      {"star dot star is every file", "All files|*.*", {"All files (*)"}},
      {"two filters", "Prefs|*.vnq|All|*.*", {"Prefs (*.vnq)", "All (*)"}},
      {"brackets replaced", "Prefs (*.vnq)|*.vnq", {"Prefs (*.vnq)"}},
      {"other brackets kept", "Old (1998)|*.old", {"Old (1998) (*.old)"}},
      {"no description", "|*.dbf", {"*.dbf (*.dbf)"}},
      {"dangling description", "Text|*.txt|Orphan", {"Text (*.txt)"}},
      {"byte 0xE9", "R\xE9sum\xE9|*.r", {QString::fromUtf8("R\xC3\xA9sum\xC3\xA9 (*.r)")}},
  };
  for (const FilterRow& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(QtNameFilters(row.filter), row.expected);
  }
}

struct MessageRow {
  const char* name;
  tk::MessageStyle style;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton press;
  tk::MessageReply reply;
};

TEST_F(QtServicesTest, MessageBoxStyles) {
  const MessageRow rows[] = {
      {"stop", tk::MessageStyle::kStop, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok,
       tk::MessageReply::kOk},
      {"note", tk::MessageStyle::kNote, QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok,
       tk::MessageReply::kOk},
      {"question yes", tk::MessageStyle::kQuestion, QMessageBox::Question,
       QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, tk::MessageReply::kYes},
      {"question no", tk::MessageStyle::kQuestion, QMessageBox::Question,
       QMessageBox::Yes | QMessageBox::No, QMessageBox::No, tk::MessageReply::kNo},
  };
  for (const MessageRow& row : rows) {
    SCOPED_TRACE(row.name);
    QtMessageBoxes boxes;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QMessageBox::StandardButtons buttons;
    QString text;
    QString title;
    testing::WhenMessageBox([&](QMessageBox& box) {
      icon = box.icon();
      buttons = box.standardButtons();
      text = box.text();
      title = box.windowTitle();
      box.button(row.press)->click();
    });
    const tk::MessageReply reply =
        boxes.Show("Cannot open <that> file\x85", "/tmp/\xE9.txt", row.style);
    EXPECT_EQ(reply, row.reply);
    EXPECT_EQ(icon, row.icon);
    EXPECT_EQ(buttons, row.buttons);
    EXPECT_EQ(text, QString::fromUtf8("Cannot open <that> file\xE2\x80\xA6"));
    EXPECT_EQ(title, QString::fromUtf8("/tmp/\xC3\xA9.txt"));
  }
}

TEST_F(QtServicesTest, ClipboardKeepsBytes) {
  QtClipboard clipboard;
  std::string bytes;
  for (int byte = 1; byte < 256; ++byte) bytes.push_back(static_cast<char>(byte));
  clipboard.SetText(bytes);
  const std::string back = clipboard.GetText();
  ASSERT_EQ(back.size(), bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    EXPECT_EQ(back[i], bytes[i]) << "byte 0x" << std::hex << (i + 1);
  }
}

// QtApplication::Terminate is tested in run_window_test.cpp, in processes of their own: exit()
// marks the whole application as quitting, and every later event loop (a message box's) would
// end at once.

}  // namespace
}  // namespace vt::gui
