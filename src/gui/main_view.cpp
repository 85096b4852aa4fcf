// MainView: construction, the window's areas, user actions, focus and the event filter.
#include "gui/main_view.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <algorithm>

#include "gui/cp1252.h"
#include "gui/flow_layout.h"

namespace vt::gui {
namespace {

// The largest window that fits a 1280x1024 screen, and what a window manager's frame adds to it
// (not known before the window is first shown).
constexpr QSize kLargestWindow(1280, 1000);
constexpr QSize kFrame(8, 32);
// Where a byte view's first byte starts in the model: one record cell less two units.
constexpr int kByteViewMarginUnits = 7 - 2;

// The byte a key event types into an edit box, or 0 for keys that type nothing.
char KeyByte(const QKeyEvent& key) {
  if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
  switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return '\r';
    case Qt::Key_Backspace:
      return '\b';
    case Qt::Key_Escape:
      return '\x1b';
    default:
      break;
  }
  const QString text = key.text();
  if (text.size() != 1 || !text[0].isPrint()) return 0;
  const std::string byte = ToCp1252(text);
  if (byte == "?" && text != QStringLiteral("?")) return 0;
  return byte[0];
}

}  // namespace

MainView::MainView(tk::Window& window, QWidget* parent) : QMainWindow(parent), window_(window) {
  central_ = new QWidget(this);
  main_layout_ = new QVBoxLayout(central_);
  main_layout_->setContentsMargins(4, 2, 4, 2);
  main_layout_->setSpacing(2);
  top_area_ = new QWidget(central_);
  auto* top_flow = new FlowLayout(top_area_, 100000);
  top_flow->setContentsMargins(2, 0, 2, 0);
  main_layout_->addWidget(top_area_);
  body_ = new QHBoxLayout;
  body_->setSpacing(4);
  main_layout_->addLayout(body_, 1);
  right_column_ = new QWidget(central_);
  right_layout_ = new QVBoxLayout(right_column_);
  right_layout_->setContentsMargins(0, 0, 0, 0);
  right_layout_->setSpacing(4);
  body_->addWidget(right_column_);
  setCentralWidget(central_);
  for (QWidget* area : {central_, top_area_, right_column_}) {
    containers_.insert(area);
    Watch(area, nullptr);
  }

  auto* help = new QAction(this);
  help->setShortcut(QKeySequence(Qt::Key_F1));
  help->setShortcutContext(Qt::WindowShortcut);
  addAction(help);
  connect(help, &QAction::triggered, this, &MainView::Help);

  Sync();
  resize(InitialSize());
  connect(qApp, &QApplication::focusChanged, this, &MainView::OnFocusChanged);
}

MainView::~MainView() {
  // Widgets still emit signals and events while Qt deletes them; the model must not hear them.
  disconnect(qApp, nullptr, this, nullptr);
  for (QObject* child : findChildren<QObject*>()) {
    child->blockSignals(true);
    child->removeEventFilter(this);
  }
  focus_.clear();
  watched_.clear();
}

double MainView::Scale() const {
  return std::max(1.0, fontMetrics().height() / 13.0);
}

QSize MainView::InitialSize() {
  QSize most = kLargestWindow - kFrame;
  if (const QScreen* screen = this->screen()) {
    most = most.boundedTo(screen->availableGeometry().size() - kFrame);
  }
  // As tall as the tallest sheet needs, as far as the screen allows: the sheets scroll only when
  // they must.
  const QSize shown = most.expandedTo(minimumSizeHint());
  const QTabWidget* tabs = findChild<QTabWidget*>();
  if (tabs == nullptr) return shown;
  // Before the first show the areas have no sizes of their own yet: measure from the hints.
  const QMargins m = main_layout_->contentsMargins();
  const int width = shown.width() - m.left() - m.right();
  int above = menuBar()->sizeHint().height() + statusBar()->sizeHint().height() + m.top() +
              m.bottom() + tabs->tabBar()->sizeHint().height() + 8;
  for (int i = 0; i < main_layout_->count(); ++i) {
    QLayoutItem* item = main_layout_->itemAt(i);
    if (item->layout() == body_ || item->isEmpty()) continue;
    above += item->hasHeightForWidth() ? item->heightForWidth(width) : item->sizeHint().height();
    above += main_layout_->spacing();
  }
  const int sheet_width = width - right_column_->sizeHint().width() - body_->spacing() - 8;
  int tallest = right_column_->minimumSizeHint().height() - tabs->tabBar()->sizeHint().height();
  for (int i = 0; i < tabs->count(); ++i) {
    const auto* scroll = qobject_cast<const QScrollArea*>(tabs->widget(i));
    if (scroll == nullptr || scroll->widget() == nullptr || !tabs->isTabVisible(i)) continue;
    tallest = std::max(tallest, scroll->widget()->heightForWidth(sheet_width));
  }
  return QSize(shown.width(),
               std::max(minimumSizeHint().height(), std::min(above + tallest, most.height())));
}

void MainView::Act(const std::function<void()>& action) {
  action();
  Sync();
}

void MainView::TickTimers() {
  const std::vector<tk::Control*> controls = window_.Controls();
  Act([&] {
    for (tk::Control* control : controls) {
      if (control->Kind() == tk::ControlKind::kTimer) static_cast<tk::Timer*>(control)->Tick();
    }
  });
}

QWidget* MainView::WidgetOf(const tk::Control& control) const {
  const auto it = entries_.find(&control);
  return it == entries_.end() ? nullptr : it->second->widget.data();
}

QAction* MainView::ActionOf(const tk::MenuItem& item) const {
  const auto it = entries_.find(&item);
  return it == entries_.end() ? nullptr : it->second->action.data();
}

tk::Control* MainView::ControlAt(QWidget* widget) const {
  for (QObject* w = widget; w != nullptr && w != this; w = w->parent()) {
    const auto it = focus_.find(w);
    if (it != focus_.end()) return it->second;
    if (containers_.count(w) != 0) return nullptr;
  }
  return nullptr;
}

void MainView::OnFocusChanged(QWidget* /*old_widget*/, QWidget* now) {
  // Focus that leaves for a message box, a menu or another window is not an exit; when it comes
  // back to the same control, SetFocus runs nothing.
  if (syncing_ || now == nullptr || now->window() != this) return;
  tk::Control* control = ControlAt(now);
  if (control == nullptr) return;
  Act([&] { window_.SetFocus(control); });
}

void MainView::Help() {
  const tk::Control* control = ControlAt(QApplication::focusWidget());
  Act([&] { window_.UserHelp(control); });
}

void MainView::closeEvent(QCloseEvent* event) {
  Act([&] { tk::Fire(window_.on_close); });
  event->accept();
}

void MainView::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::FontChange) return;
  // A new font is a new scale: every size the model gave follows it.
  for (const auto& [control, entry] : entries_) {
    if (entry->widget) ApplySizes(*entry);
  }
  FixRightColumnWidth();
  Sync();
}

bool MainView::eventFilter(QObject* watched, QEvent* event) {
  const auto it = watched_.find(watched);
  if (it == watched_.end()) return QMainWindow::eventFilter(watched, event);
  tk::Control* control = it->second;
  if (event->type() == QEvent::MouseMove) {
    return MouseMove(control, *static_cast<QWidget*>(watched), *static_cast<QMouseEvent*>(event));
  }
  if (control == nullptr) return WindowClick(*static_cast<QWidget*>(watched), *event);
  switch (event->type()) {
    case QEvent::KeyPress:
      if (control->Kind() == tk::ControlKind::kEdit ||
          control->Kind() == tk::ControlKind::kMaskEdit) {
        return EditKey(static_cast<tk::Edit&>(*control), watched, event);
      }
      return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
      return MouseEvent(*control, watched, event);
    default:
      return false;
  }
}

bool MainView::WindowClick(QWidget& area, QEvent& event) {
  if (event.type() != QEvent::MouseButtonRelease) return false;
  const auto& mouse = static_cast<QMouseEvent&>(event);
  const QPoint pos = mouse.position().toPoint();
  // Only on the bare window: a click that a control below the mouse let through is no click on it.
  if (mouse.button() != Qt::LeftButton || !area.rect().contains(pos) ||
      area.childAt(pos) != nullptr) {
    return false;
  }
  Act([&] { window_.UserClick(); });
  return true;
}

bool MainView::EditKey(tk::Edit& edit, QObject* line, QEvent* event) {
  const char key = KeyByte(*static_cast<QKeyEvent*>(event));
  if (key == 0) return false;
  char result = 0;
  Act([&] { result = edit.UserKeyPress(key); });
  if (result == key) return false;
  // Swallowed, or the handler typed another key in its place.
  auto* box = static_cast<QLineEdit*>(line);
  if (static_cast<unsigned char>(result) >= 0x20) {
    box->insert(FromCp1252(std::string(1, result)));
    Act([&] { edit.UserSetText(ToCp1252(box->text())); });
  }
  return true;
}

void MainView::NoteGeometry(tk::Control& control, const QWidget& widget) {
  const double scale = Scale();
  const QPoint at = widget.mapTo(central_, QPoint(0, 0));
  control.SetGeometry({static_cast<int>(at.x() / scale), static_cast<int>(at.y() / scale),
                       static_cast<int>(widget.width() / scale),
                       static_cast<int>(widget.height() / scale)});
}

bool MainView::MouseMove(tk::Control* control, QWidget& widget, QMouseEvent& mouse) {
  // A drag belongs to the widget (selecting text, scrolling a list).
  if (mouse.buttons() != Qt::NoButton) return false;
  // The move is the control's (or the window's) alone: it goes to no parent.
  mouse.accept();
  const double scale = Scale();
  const QPoint pos = mouse.position().toPoint();
  if (control == nullptr) {
    const QPoint at = widget.mapTo(central_, pos);
    Act([&] {
      window_.UserMouseMove(static_cast<int>(at.x() / scale), static_cast<int>(at.y() / scale));
    });
    return true;
  }
  if (!control->on_mouse_move || !control->Reachable()) return true;
  const auto entry = entries_.find(control);
  if (entry != entries_.end() && !entry->second->floating) NoteGeometry(*control, widget);
  int x = static_cast<int>(pos.x() / scale);
  int y = static_cast<int>(pos.y() / scale);
  if (control->Kind() == tk::ControlKind::kListBox && entry != entries_.end()) {
    // Row arithmetic in the model uses its own row height: report the row under the mouse.
    auto* list = static_cast<QListWidget*>(entry->second->widget.data());
    const auto& box = static_cast<tk::ListBox&>(*control);
    if (box.FixedPitch()) {
      // A byte view's model counts its first byte from five units in, where the program's own
      // lists drew it (a cell less two): report the mouse from there.
      const int text_left =
          list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1 +
          list->horizontalScrollBar()->value();
      x = static_cast<int>((pos.x() - text_left) / scale) + kByteViewMarginUnits;
    }
    const int row = list->indexAt(pos).row();
    const int top = std::max(0, list->indexAt(QPoint(1, 1)).row());
    if (row >= 0) y = (row - top) * box.ItemHeight() + box.ItemHeight() / 2;
  }
  Act([&] { control->UserMouseMove(x, y); });
  return true;
}

bool MainView::ListMouse(Entry& entry, QMouseEvent& mouse) {
  auto& box = static_cast<tk::ListBox&>(*entry.control);
  auto* list = static_cast<QListWidget*>(entry.widget.data());
  const QPoint pos = mouse.position().toPoint();
  const int row = list->indexAt(pos).row();
  const bool right = mouse.button() == Qt::RightButton;
  if (mouse.type() != QEvent::MouseButtonRelease) {
    entry.press = right ? QPoint(-1, -1) : pos;
    Act([&] { box.UserMouseDown(right, row); });
    // A right click selects nothing; it is the program's own (copying a field's format).
    return right;
  }
  if (right || entry.press == QPoint(-1, -1)) return false;
  const QPoint moved = pos - entry.press;
  entry.press = QPoint(-1, -1);
  // A drag within the list drops on the row under the mouse; a click is left to the list.
  const bool inside = list->viewport()->rect().contains(pos);
  if (inside && moved.manhattanLength() >= QApplication::startDragDistance()) {
    Act([&] { box.UserDragDrop(row); });
  }
  return false;
}

bool MainView::MouseEvent(tk::Control& control, QObject* watched, QEvent* event) {
  auto* mouse = static_cast<QMouseEvent*>(event);
  if (control.Kind() == tk::ControlKind::kListBox && mouse->button() != Qt::MiddleButton) {
    const auto entry = entries_.find(&control);
    if (entry != entries_.end() && entry->second->widget) return ListMouse(*entry->second, *mouse);
  }
  if (event->type() != QEvent::MouseButtonRelease || mouse->button() != Qt::LeftButton) {
    return false;
  }
  const auto* widget = static_cast<QWidget*>(watched);
  if (!widget->rect().contains(mouse->position().toPoint())) return false;
  switch (control.Kind()) {
    case tk::ControlKind::kLabel:
      Act([&] { static_cast<tk::Label&>(control).UserClick(); });
      return true;
    case tk::ControlKind::kPanel:
      Act([&] { static_cast<tk::Panel&>(control).UserClick(); });
      return true;
    case tk::ControlKind::kImage:
      Act([&] { static_cast<tk::Image&>(control).UserClick(); });
      return true;
    case tk::ControlKind::kMemo:
    case tk::ControlKind::kRichEdit:
      Act([&] { static_cast<tk::Memo&>(control).UserClick(); });
      return false;
    case tk::ControlKind::kEdit:
    case tk::ControlKind::kMaskEdit:
      Act([&] { static_cast<tk::Edit&>(control).UserClick(); });
      return false;
    default:
      return false;
  }
}

}  // namespace vt::gui
