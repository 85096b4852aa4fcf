// MainView: making one widget (or menu action) per control and wiring its user signals.
#include "gui/main_view.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <unordered_set>

#include "gui/cp1252.h"
#include "gui/flow_layout.h"

namespace vt::gui {
namespace {

bool IsMenuOf(const tk::Control* control, const tk::Control* parent) {
  return control->Kind() == tk::ControlKind::kMenuItem && control->Parent() == parent;
}

// Splits a plain-text edit's text into lines; an empty text has none.
std::vector<std::string> Lines(const QString& text) {
  std::vector<std::string> lines;
  if (text.isEmpty()) return lines;
  for (const QString& line : text.split('\n')) lines.push_back(ToCp1252(line));
  return lines;
}

void ScaleToGeometry(QWidget& widget, const tk::Bounds& bounds, double scale, bool height) {
  if (bounds.width <= 0) return;
  const int width = static_cast<int>(bounds.width * scale);
  if (height && bounds.height > 0) {
    widget.setFixedSize(width, static_cast<int>(bounds.height * scale));
  } else {
    widget.setFixedWidth(width);
  }
}

}  // namespace

void MainView::UpdateStructure() {
  const std::vector<tk::Control*>& controls = window_.Controls();
  const std::unordered_set<const tk::Control*> present(controls.begin(), controls.end());
  std::vector<const tk::Control*> gone;
  for (const auto& [control, entry] : entries_) {
    // A control destroyed and another made at the same address is a new control.
    if (present.count(control) == 0 || entry->name != control->Name() ||
        entry->kind != control->Kind()) {
      gone.push_back(control);
    }
  }
  for (const tk::Control* control : gone) RemoveEntry(control);
  for (tk::Control* control : controls) {
    if (entries_.count(control) == 0) Create(control);
  }
  ArrangeMenus();
  known_ = controls;
}

void MainView::Create(tk::Control* control) {
  auto owned = std::make_unique<Entry>();
  Entry& entry = *owned;
  entry.control = control;
  entry.kind = control->Kind();
  entry.name = control->Name();
  entries_[control] = std::move(owned);
  switch (entry.kind) {
    case tk::ControlKind::kMenuItem:
      CreateMenuItem(entry, static_cast<tk::MenuItem&>(*control));
      return;
    case tk::ControlKind::kTimer:
    case tk::ControlKind::kOpenDialog:
    case tk::ControlKind::kSaveDialog:
      return;
    default:
      CreateWidget(entry);
  }
}

void MainView::CreateMenuItem(Entry& entry, tk::MenuItem& item) {
  tk::MenuItem* model = &item;
  const auto& controls = window_.Controls();
  const bool has_items = std::any_of(controls.begin(), controls.end(),
                                     [&](const tk::Control* c) { return IsMenuOf(c, model); });
  if (item.Parent() == nullptr || has_items) {
    // Opening a menu is a click on its item, as the program expects (it may refresh the items).
    entry.menu = new QMenu(this);
    entry.action = entry.menu->menuAction();
    connect(entry.menu, &QMenu::aboutToShow, this,
            [this, model] { Act([model] { model->UserClick(); }); });
    return;
  }
  entry.action = new QAction(this);
  connect(entry.action, &QAction::triggered, this,
          [this, model] { Act([model] { model->UserClick(); }); });
}

void MainView::ArrangeMenus() {
  const auto& controls = window_.Controls();
  auto set_actions = [](QWidget* widget, const QList<QAction*>& actions) {
    if (widget->actions() == actions) return;
    for (QAction* action : widget->actions()) widget->removeAction(action);
    widget->addActions(actions);
  };
  auto items_of = [&](const tk::Control* parent) {
    QList<QAction*> actions;
    for (const tk::Control* c : controls) {
      if (!IsMenuOf(c, parent)) continue;
      const auto it = entries_.find(c);
      if (it != entries_.end() && it->second->action) actions << it->second->action.data();
    }
    return actions;
  };
  set_actions(menuBar(), items_of(nullptr));
  for (const auto& [control, entry] : entries_) {
    if (entry->menu) set_actions(entry->menu, items_of(control));
  }
}

void MainView::CreateWidget(Entry& entry) {
  QWidget* widget = MakeWidget(entry);
  if (widget == nullptr) return;
  entry.widget = widget;
  if (entry.kind != tk::ControlKind::kTabSheet && entry.kind != tk::ControlKind::kStatusBar) {
    AddToParent(entry);
  }
}

void MainView::AddToParent(Entry& entry) {
  const tk::Control* parent = entry.control->Parent();
  QWidget* target = nullptr;
  if (parent != nullptr) {
    const auto it = entries_.find(parent);
    if (it != entries_.end() && it->second->container) target = it->second->container;
  }
  if (target == nullptr && entry.kind == tk::ControlKind::kPageControl) {
    main_layout_->addWidget(entry.widget, 1);
    return;
  }
  if (target == nullptr) target = top_area_;
  entry.widget->setParent(target);
  target->layout()->addWidget(entry.widget);
}

QWidget* MainView::MakeContainer(Entry& entry, QWidget* frame) {
  // A panel above the sheets is a tool bar: one row as long as the window allows.
  const bool bar = entry.control->Parent() == nullptr;
  new FlowLayout(frame, bar ? 100000 : 600);
  entry.container = frame;
  containers_.insert(frame);
  return frame;
}

QWidget* MainView::MakeWidget(Entry& entry) {
  tk::Control* control = entry.control;
  const double scale = std::max(1.0, fontMetrics().height() / 13.0);
  Entry* e = &entry;
  switch (entry.kind) {
    case tk::ControlKind::kButton: {
      auto* button = new QPushButton(this);
      auto* model = static_cast<tk::Button*>(control);
      connect(button, &QPushButton::clicked, this,
              [this, model] { Act([model] { model->UserClick(); }); });
      focus_[button] = control;
      return button;
    }
    case tk::ControlKind::kCheckBox: {
      auto* box = new QCheckBox(this);
      auto* model = static_cast<tk::CheckBox*>(control);
      connect(box, &QCheckBox::clicked, this,
              [this, model] { Act([model] { model->UserClick(); }); });
      focus_[box] = control;
      return box;
    }
    case tk::ControlKind::kRadioButton: {
      auto* radio = new QRadioButton(this);
      radio->setAutoExclusive(false);  // the model unchecks the group
      auto* model = static_cast<tk::RadioButton*>(control);
      connect(radio, &QRadioButton::clicked, this,
              [this, model] { Act([model] { model->UserClick(); }); });
      focus_[radio] = control;
      return radio;
    }
    case tk::ControlKind::kRadioGroup: {
      auto* group = new QGroupBox(this);
      new QVBoxLayout(group);
      focus_[group] = control;
      return group;
    }
    case tk::ControlKind::kListBox: {
      auto* list = new QListWidget(this);
      auto* model = static_cast<tk::ListBox*>(control);
      list->setSelectionMode(QAbstractItemView::SingleSelection);
      list->setUniformItemSizes(true);
      // A mouse click selects on release (itemClicked, also for the selected row); the keys move
      // the current row.
      connect(list, &QListWidget::currentRowChanged, this, [this, model, e](int row) {
        if (!e->mouse_down && row >= 0) Act([model, row] { model->UserSelect(row); });
      });
      connect(list, &QListWidget::itemClicked, this, [this, model, list](QListWidgetItem* item) {
        const int row = list->row(item);
        Act([model, row] { model->UserSelect(row); });
      });
      connect(list, &QListWidget::itemDoubleClicked, this, [this, model](QListWidgetItem*) {
        // The first click of the pair has selected the row already.
        Act([model] {
          if (model->Reachable()) tk::Fire(model->on_double_click);
        });
      });
      connect(list->verticalScrollBar(), &QScrollBar::valueChanged, this, [this, model, list, e] {
        if (syncing_) return;
        model->SetTopIndex(std::max(0, list->indexAt(QPoint(1, 1)).row()));
        e->shown_top = model->TopIndex();
      });
      ScaleToGeometry(*list, control->Geometry(), scale, true);
      list->viewport()->installEventFilter(this);
      Watch(list->viewport(), control);
      if (control->on_mouse_move) list->viewport()->setMouseTracking(true);
      focus_[list] = control;
      return list;
    }
    case tk::ControlKind::kStringGrid: {
      auto* grid = new QTableWidget(this);
      auto* model = static_cast<tk::StringGrid*>(control);
      grid->horizontalHeader()->hide();
      grid->verticalHeader()->hide();
      grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
      grid->setSelectionMode(QAbstractItemView::SingleSelection);
      connect(grid, &QTableWidget::cellClicked, this,
              [this, model](int row, int column) { Act([=] { model->UserSelect(column, row); }); });
      connect(grid, &QTableWidget::currentCellChanged, this, [this, model, e](int row, int column) {
        if (!e->mouse_down && row >= 0 && column >= 0) Act([=] { model->UserSelect(column, row); });
      });
      ScaleToGeometry(*grid, control->Geometry(), scale, true);
      grid->viewport()->installEventFilter(this);
      Watch(grid->viewport(), control);
      focus_[grid] = control;
      return grid;
    }
    case tk::ControlKind::kEdit:
    case tk::ControlKind::kMaskEdit: {
      auto* line = new QLineEdit(this);
      auto* model = static_cast<tk::Edit*>(control);
      connect(line, &QLineEdit::textEdited, this, [this, model](const QString& text) {
        Act([&] { model->UserSetText(ToCp1252(text)); });
      });
      ScaleToGeometry(*line, control->Geometry(), scale, false);
      line->installEventFilter(this);
      Watch(line, control);
      focus_[line] = control;
      return line;
    }
    case tk::ControlKind::kMemo:
    case tk::ControlKind::kRichEdit: {
      auto* memo = new QPlainTextEdit(this);
      auto* model = static_cast<tk::Memo*>(control);
      if (entry.kind == tk::ControlKind::kRichEdit) memo->setLineWrapMode(QPlainTextEdit::NoWrap);
      // Typing changes the lines; setting lines runs nothing, so no sync is needed.
      connect(memo, &QPlainTextEdit::textChanged, this, [this, model, memo, e] {
        if (syncing_) return;
        e->shown_items = Lines(memo->toPlainText());
        model->SetLines(e->shown_items);
      });
      ScaleToGeometry(*memo, control->Geometry(), scale, true);
      memo->viewport()->installEventFilter(this);
      Watch(memo->viewport(), control);
      focus_[memo] = control;
      return memo;
    }
    case tk::ControlKind::kLabel: {
      auto* label = new QLabel(this);
      label->setTextFormat(Qt::PlainText);
      label->installEventFilter(this);
      if (control->on_mouse_move) label->setMouseTracking(true);
      Watch(label, control);
      return label;
    }
    case tk::ControlKind::kPanel: {
      auto* frame = new QFrame(this);
      frame->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
      MakeContainer(entry, frame);
      entry.caption = new QLabel(frame);
      entry.caption->setTextFormat(Qt::PlainText);
      frame->layout()->addWidget(entry.caption);
      frame->installEventFilter(this);
      if (control->on_mouse_move) frame->setMouseTracking(true);
      Watch(frame, control);
      return frame;
    }
    case tk::ControlKind::kGroupBox:
      return MakeContainer(entry, new QGroupBox(this));
    case tk::ControlKind::kScrollBar: {
      auto* bar = new QScrollBar(Qt::Horizontal, this);
      auto* model = static_cast<tk::ScrollBar*>(control);
      bar->setMinimumWidth(static_cast<int>(120 * scale));
      connect(bar, &QScrollBar::valueChanged, this,
              [this, model](int value) { Act([=] { model->UserSetPosition(value); }); });
      ScaleToGeometry(*bar, control->Geometry(), scale, false);
      focus_[bar] = control;
      return bar;
    }
    case tk::ControlKind::kTabSheet: {
      const auto pages = entries_.find(control->Parent());
      if (pages == entries_.end() || !pages->second->widget) return nullptr;
      auto* tabs = static_cast<QTabWidget*>(pages->second->widget.data());
      auto* scroll = new QScrollArea(tabs);
      scroll->setWidgetResizable(true);
      scroll->setFrameShape(QFrame::NoFrame);
      scroll->setFocusPolicy(Qt::NoFocus);
      auto* inner = new QWidget(scroll);
      MakeContainer(entry, inner);
      scroll->setWidget(inner);
      containers_.insert(scroll);
      containers_.insert(scroll->viewport());
      QSignalBlocker block(tabs);
      tabs->addTab(scroll, FromCp1252(control->Caption()));
      return scroll;
    }
    case tk::ControlKind::kPageControl: {
      auto* tabs = new QTabWidget(this);
      auto* model = static_cast<tk::PageControl*>(control);
      connect(tabs, &QTabWidget::currentChanged, this, [this, model, tabs](int index) {
        QWidget* page = tabs->widget(index);
        for (tk::TabSheet* sheet : model->Sheets()) {
          if (WidgetOf(*sheet) != page) continue;
          Act([model, sheet] { model->UserSelectPage(sheet); });
          return;
        }
      });
      focus_[tabs] = control;
      return tabs;
    }
    case tk::ControlKind::kStatusBar: {
      const int count = static_cast<tk::StatusBar*>(control)->PanelCount();
      for (int i = 0; i < count; ++i) {
        auto* panel = new QLabel(statusBar());
        panel->setTextFormat(Qt::PlainText);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (i + 1 < count) panel->setMinimumWidth(static_cast<int>(150 * scale));
        statusBar()->addWidget(panel, i + 1 == count ? 1 : 0);
        entry.panels.push_back(panel);
      }
      return statusBar();
    }
    case tk::ControlKind::kMenuItem:
    case tk::ControlKind::kTimer:
    case tk::ControlKind::kOpenDialog:
    case tk::ControlKind::kSaveDialog:
      return nullptr;
  }
  return nullptr;
}

void MainView::RebuildRadios(Entry& entry, const tk::RadioGroup& group) {
  auto* box = static_cast<QGroupBox*>(entry.widget.data());
  for (const QPointer<QRadioButton>& radio : entry.radios) {
    if (!radio) continue;
    focus_.erase(radio.data());
    radio->blockSignals(true);
    radio->hide();
    radio->deleteLater();  // it may be the sender of the click that got us here
  }
  entry.radios.clear();
  auto* model = const_cast<tk::RadioGroup*>(&group);
  for (std::size_t i = 0; i < group.Items().size(); ++i) {
    auto* radio = new QRadioButton(FromCp1252(group.Items()[i]), box);
    radio->setAutoExclusive(false);
    const int index = static_cast<int>(i);
    connect(radio, &QRadioButton::clicked, this,
            [this, model, index] { Act([=] { model->UserSelect(index); }); });
    box->layout()->addWidget(radio);
    focus_[radio] = model;
    entry.radios.push_back(radio);
  }
  entry.shown_items = group.Items();
}

void MainView::RemoveEntry(const tk::Control* control) {
  const auto it = entries_.find(control);
  if (it == entries_.end()) return;
  Entry& entry = *it->second;
  std::erase_if(focus_, [&](const auto& pair) { return pair.second == control; });
  std::erase_if(watched_, [&](const auto& pair) { return pair.second == control; });
  if (entry.container) containers_.erase(entry.container.data());
  if (entry.kind == tk::ControlKind::kStatusBar) {
    for (const QPointer<QLabel>& panel : entry.panels) delete panel.data();
  } else if (entry.menu) {
    entry.menu->blockSignals(true);
    entry.menu->deleteLater();
  } else if (entry.action) {
    entry.action->blockSignals(true);
    entry.action->deleteLater();
  } else if (entry.widget) {
    for (QObject* child : entry.widget->findChildren<QObject*>()) child->blockSignals(true);
    entry.widget->blockSignals(true);
    entry.widget->hide();
    entry.widget->deleteLater();
  }
  entries_.erase(it);
}

}  // namespace vt::gui
