// Qt widgets that tell a user's own act from a change that focus or code makes, and a label
// whose width does not follow its text.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <functional>

namespace vt::gui {

// Qt moves a list's current row when the list gains the focus or its items change; only the
// keys that move the selection (Up, Down, PageUp, PageDown, Home, End) are a user's choice. The
// focus leaves the current row where it was, so that Down from no selection selects the first.
// The program hears a key by its code before the list moves on it, and may swallow it.
class UserList : public QListWidget {
 public:
  using QListWidget::QListWidget;
  std::function<void(int row)> on_key_select;
  // Returns false when the key goes no further.
  std::function<bool(int key_code)> on_key_down;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
};

// The same for a grid, whose arrow keys also move between columns.
class UserGrid : public QTableWidget {
 public:
  using QTableWidget::QTableWidget;
  std::function<void(int row, int column)> on_key_select;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

// Tabs that report a change of the current page only while a user's click, key or wheel on
// them is being handled; Qt also changes the page when a tab is hidden or removed.
class UserTabs : public QTabWidget {
 public:
  explicit UserTabs(QWidget* parent = nullptr);
  std::function<void(int index)> on_user_change;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  class Bar;
  bool user_ = false;
};

// A label of a width chosen once (0: its text's), so that new text never moves its neighbours:
// text that does not fit is cut, with an ellipsis unless `clip` (a record line is cut plainly).
class TextLabel : public QLabel {
 public:
  explicit TextLabel(QWidget* parent = nullptr);
  void SetHintWidth(int width, bool clip);
  int HintWidth() const { return hint_width_; }
  // At least this high: a label beside an edit box is as high as the box, its text centred.
  void SetLeastHeight(int height);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int hint_width_ = 0;
  int least_height_ = 0;
  bool clip_ = false;
};

}  // namespace vt::gui
