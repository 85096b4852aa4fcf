// User-intent widgets: key moves in lists and grids, tab changes by a user, fixed-width labels.
#include "gui/widgets.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QTabBar>
#include <QWheelEvent>
#include <algorithm>

#include "toolkit/control.h"

namespace vt::gui {
namespace {

// The code a list's key-down handler hears; 0 for keys the program has no code for.
int KeyDownCode(const QKeyEvent& event) {
  const int key = event.key();
  // Qt's letter and digit keys are their upper-case characters, as the codes are.
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return key;
  switch (key) {
    case Qt::Key_Backspace:
      return tk::kKeyBack;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return tk::kKeyReturn;
    case Qt::Key_Escape:
      return tk::kKeyEscape;
    case Qt::Key_Space:
      return tk::kKeySpace;
    case Qt::Key_PageUp:
      return tk::kKeyPageUp;
    case Qt::Key_PageDown:
      return tk::kKeyPageDown;
    case Qt::Key_End:
      return tk::kKeyEnd;
    case Qt::Key_Home:
      return tk::kKeyHome;
    case Qt::Key_Left:
      return tk::kKeyLeft;
    case Qt::Key_Up:
      return tk::kKeyUp;
    case Qt::Key_Right:
      return tk::kKeyRight;
    case Qt::Key_Down:
      return tk::kKeyDown;
    case Qt::Key_Delete:
      return tk::kKeyDelete;
    default:
      return 0;
  }
}

bool MovesInList(int key) {
  switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
      return true;
    default:
      return false;
  }
}

bool MovesInGrid(int key) {
  return MovesInList(key) || key == Qt::Key_Left || key == Qt::Key_Right;
}

}  // namespace

void UserList::keyPressEvent(QKeyEvent* event) {
  const int code = KeyDownCode(*event);
  if (code != 0 && on_key_down && !on_key_down(code)) {
    event->accept();
    return;
  }
  const int before = currentRow();
  QListWidget::keyPressEvent(event);
  const int row = currentRow();
  if (!MovesInList(event->key()) || row < 0 || row == before) return;
  if (on_key_select) on_key_select(row);
}

void UserList::focusInEvent(QFocusEvent* event) {
  const QModelIndex before = currentIndex();
  QListWidget::focusInEvent(event);
  if (currentIndex() != before)
    selectionModel()->setCurrentIndex(before, QItemSelectionModel::NoUpdate);
}

void UserGrid::keyPressEvent(QKeyEvent* event) {
  const int row_before = currentRow();
  const int column_before = currentColumn();
  QTableWidget::keyPressEvent(event);
  const int row = currentRow();
  const int column = currentColumn();
  if (!MovesInGrid(event->key()) || row < 0 || column < 0) return;
  if (row == row_before && column == column_before) return;
  if (on_key_select) on_key_select(row, column);
}

// The tab bar marks the time its own user events take; the page change happens within them.
class UserTabs::Bar : public QTabBar {
 public:
  Bar(QWidget* parent, bool& user) : QTabBar(parent), user_(user) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    const Acting acting(user_);
    QTabBar::mousePressEvent(event);
  }
  void keyPressEvent(QKeyEvent* event) override {
    const Acting acting(user_);
    QTabBar::keyPressEvent(event);
  }
  void wheelEvent(QWheelEvent* event) override {
    const Acting acting(user_);
    QTabBar::wheelEvent(event);
  }

 private:
  struct Acting {
    explicit Acting(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~Acting() { flag_ = old_; }
    bool& flag_;
    bool old_;
  };
  bool& user_;
};

UserTabs::UserTabs(QWidget* parent) : QTabWidget(parent) {
  setTabBar(new Bar(this, user_));
  connect(this, &QTabWidget::currentChanged, this, [this](int index) {
    if (user_ && on_user_change) on_user_change(index);
  });
}

void UserTabs::keyPressEvent(QKeyEvent* event) {
  // Ctrl+Tab and Ctrl+PageUp/PageDown from anywhere on the page.
  const bool old = user_;
  user_ = true;
  QTabWidget::keyPressEvent(event);
  user_ = old;
}

TextLabel::TextLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
}

void TextLabel::SetHintWidth(int width, bool clip) {
  if (hint_width_ == width && clip_ == clip) return;
  hint_width_ = width;
  clip_ = clip;
  updateGeometry();
}

void TextLabel::SetLeastHeight(int height) {
  if (least_height_ == height) return;
  least_height_ = height;
  updateGeometry();
}

QSize TextLabel::sizeHint() const {
  QSize size = QLabel::sizeHint();
  if (hint_width_ > 0) size.setWidth(hint_width_);
  size.setHeight(std::max(size.height(), least_height_));
  return size;
}

QSize TextLabel::minimumSizeHint() const {
  QSize size = QLabel::minimumSizeHint();
  if (hint_width_ > 0) size.setWidth(std::min(hint_width_, fontMetrics().averageCharWidth() * 4));
  return size;
}

void TextLabel::paintEvent(QPaintEvent* event) {
  const QRect area = contentsRect();
  if (clip_ || wordWrap() || fontMetrics().horizontalAdvance(text()) <= area.width()) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
  style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(),
                        shown, foregroundRole());
}

}  // namespace vt::gui
