// MainView: construction, user actions, focus and the event filter.
#include "gui/main_view.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/cp1252.h"
#include "gui/flow_layout.h"

namespace vt::gui {
namespace {

// The window's sizes are in pixels of a 13-pixel line; Qt's fonts are usually taller.
double FontScale(const QWidget& widget) {
  return std::max(1.0, widget.fontMetrics().height() / 13.0);
}

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
  auto* central = new QWidget(this);
  main_layout_ = new QVBoxLayout(central);
  main_layout_->setContentsMargins(4, 4, 4, 4);
  top_area_ = new QWidget(central);
  auto* top_flow = new FlowLayout(top_area_, 100000);
  top_flow->setContentsMargins(0, 0, 0, 0);
  main_layout_->addWidget(top_area_);
  setCentralWidget(central);
  containers_.insert(top_area_);

  Sync();

  const double scale = FontScale(*this);
  const int bars = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
  // The model's size was made for a smaller font and fewer rows per sheet: give the sheets room,
  // within the screen.
  QSize size(std::max(static_cast<int>(window_.ClientWidth() * scale), 1000),
             std::max(static_cast<int>(window_.ClientHeight() * scale) + bars, 740));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    size = size.boundedTo(screen->availableGeometry().size());
  }
  resize(size);
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

void MainView::closeEvent(QCloseEvent* event) {
  Act([&] { tk::Fire(window_.on_close); });
  event->accept();
}

bool MainView::eventFilter(QObject* watched, QEvent* event) {
  const auto it = watched_.find(watched);
  if (it == watched_.end()) return QMainWindow::eventFilter(watched, event);
  tk::Control& control = *it->second;
  switch (event->type()) {
    case QEvent::KeyPress:
      if (control.Kind() == tk::ControlKind::kEdit ||
          control.Kind() == tk::ControlKind::kMaskEdit) {
        return EditKey(static_cast<tk::Edit&>(control), watched, event);
      }
      return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
      return MouseEvent(control, watched, event);
    default:
      return false;
  }
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

bool MainView::MouseEvent(tk::Control& control, QObject* watched, QEvent* event) {
  auto* mouse = static_cast<QMouseEvent*>(event);
  auto entry = entries_.find(&control);
  if (entry == entries_.end()) return false;
  Entry& e = *entry->second;
  const QPoint pos = mouse->position().toPoint();
  if (event->type() == QEvent::MouseMove) {
    if (!control.on_mouse_move) return false;
    int y = pos.y();
    if (control.Kind() == tk::ControlKind::kListBox) {
      // Row arithmetic in the model uses its own row height: report the row under the mouse.
      auto* list = static_cast<QListWidget*>(e.widget.data());
      const auto& box = static_cast<tk::ListBox&>(control);
      const int row = list->indexAt(pos).row();
      const int top = std::max(0, list->indexAt(QPoint(1, 1)).row());
      if (row >= 0) y = (row - top) * box.ItemHeight() + box.ItemHeight() / 2;
    }
    Act([&] { control.UserMouseMove(pos.x(), y); });
    return false;
  }
  const bool press = event->type() != QEvent::MouseButtonRelease;
  e.mouse_down = press;
  if (press || mouse->button() != Qt::LeftButton) return false;
  const auto* widget = static_cast<QWidget*>(watched);
  if (!widget->rect().contains(pos)) return false;
  switch (control.Kind()) {
    case tk::ControlKind::kLabel:
      Act([&] { static_cast<tk::Label&>(control).UserClick(); });
      return true;
    case tk::ControlKind::kPanel:
      Act([&] { static_cast<tk::Panel&>(control).UserClick(); });
      return true;
    case tk::ControlKind::kMemo:
    case tk::ControlKind::kRichEdit:
      Act([&] { static_cast<tk::Memo&>(control).UserClick(); });
      return false;
    default:
      return false;
  }
}

}  // namespace vt::gui
