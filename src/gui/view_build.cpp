// MainView: making one widget (or menu action) per control, placing it, and wiring its user
// signals.
#include "gui/main_view.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <algorithm>
#include <unordered_set>

#include "gui/cp1252.h"
#include "gui/flow_layout.h"
#include "gui/widgets.h"

namespace vt::gui {
namespace {

// The model measures record columns in character cells 7 units wide (its YardStick label).
constexpr int kCellUnits = 7;
// A line of text, and the size of a list or memo that the model gives none.
constexpr int kLineUnits = 13;
constexpr int kDefaultListWidth = 120;
constexpr int kDefaultRows = 8;

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

const tk::Control& TopLevel(const tk::Control& control) {
  const tk::Control* top = &control;
  while (top->Parent() != nullptr) top = top->Parent();
  return *top;
}

bool Floats(const tk::Control& control) {
  return TopLevel(control).Alignment() == tk::Align::kFloat;
}

// A label in a bar above the sheets shows a record or its dividers, column by column.
bool InBar(const tk::Control& control) {
  return control.Parent() != nullptr && control.Parent()->Parent() == nullptr &&
         control.Parent()->Alignment() == tk::Align::kTop;
}

// A label belongs with the control after it (unless that starts a new row), and so does a button
// that points at it
// ("Default->"); a button that points back ("<-Rename") belongs with the control before it.
bool Glued(const tk::Control* before, const tk::Control& control) {
  if (before == nullptr) return false;
  // A control that starts a row of its own takes nothing along from the row before.
  if (before->Kind() == tk::ControlKind::kLabel && !InBar(*before)) return !control.NewRow();
  if (before->Kind() == tk::ControlKind::kButton && before->Caption().ends_with("->")) return true;
  return control.Kind() == tk::ControlKind::kButton && control.Caption().starts_with("<-");
}

void KeepRoomWhenHidden(QWidget& widget) {
  QSizePolicy policy = widget.sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget.setSizePolicy(policy);
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
  FixRightColumnWidth();
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
  entry.model_size = entry.control->Geometry();
  entry.model_caption = entry.control->Caption();
  QWidget* widget = MakeWidget(entry);
  if (widget == nullptr) return;
  entry.widget = widget;
  ApplySizes(entry);
  if (entry.kind != tk::ControlKind::kTabSheet && entry.kind != tk::ControlKind::kStatusBar) {
    AddToParent(entry);
  }
}

void MainView::Watch(QWidget* widget, tk::Control* control) {
  widget->installEventFilter(this);
  widget->setMouseTracking(true);
  watched_[widget] = control;
}

void MainView::AddToParent(Entry& entry) {
  const tk::Control& control = *entry.control;
  const tk::Control* parent = control.Parent();
  const auto it = parent == nullptr ? entries_.end() : entries_.find(parent);
  if (it == entries_.end() || !it->second->container) {
    AddToBand(entry);
    return;
  }
  Entry& container = *it->second;
  QWidget* target = container.container;
  entry.widget->setParent(target);
  // A control as wide as the window takes the rest of its row.
  const bool fill = entry.model_size.width >= window_.ClientWidth();
  const bool glued = Glued(container.last_child, control);
  container.last_child = &control;
  static_cast<FlowLayout*>(target->layout())
      ->AddWidget(entry.widget, control.NewRow(), fill, glued);
  // A bar keeps its height whatever it shows.
  if (TopLevel(control).Alignment() == tk::Align::kTop) KeepRoomWhenHidden(*entry.widget);
}

void MainView::AddToBand(Entry& entry) {
  QWidget& widget = *entry.widget;
  const tk::Control& control = *entry.control;
  switch (control.Alignment()) {
    case tk::Align::kTop:
      main_layout_->insertWidget(main_layout_->indexOf(top_area_), &widget);
      return;
    case tk::Align::kRight: {
      // The column keeps its width and its rows when a hint comes and goes.
      const bool memo = entry.kind == tk::ControlKind::kMemo && entry.model_size.height <= 0;
      KeepRoomWhenHidden(widget);
      right_layout_->addWidget(&widget, memo ? 1 : 0);
      FixRightColumnWidth();
      return;
    }
    case tk::Align::kClient:
      body_->insertWidget(0, &widget, 1);
      return;
    case tk::Align::kFloat:
      widget.setParent(central_);
      // It lies over other controls, which must not show through it.
      widget.setAutoFillBackground(true);
      entry.floating = true;
      return;
    case tk::Align::kFlow:
      break;
  }
  widget.setParent(top_area_);
  // Read-outs keep their place while hidden; a hidden button here is one of the program's steps.
  if (entry.kind == tk::ControlKind::kLabel || entry.kind == tk::ControlKind::kPanel) {
    KeepRoomWhenHidden(widget);
  }
  const bool fill = entry.model_size.width >= window_.ClientWidth();
  static_cast<FlowLayout*>(top_area_->layout())->AddWidget(&widget, control.NewRow(), fill);
}

void MainView::FixRightColumnWidth() {
  int width = 0;
  for (int i = 0; i < right_layout_->count(); ++i) {
    QWidget* widget = right_layout_->itemAt(i)->widget();
    if (widget == nullptr) continue;
    // A memo without a size of its own takes the column's width.
    const bool memo = qobject_cast<QPlainTextEdit*>(widget) != nullptr;
    if (!memo) width = std::max(width, widget->sizeHint().width());
  }
  if (width > 0) right_column_->setFixedWidth(width);
}

tk::Bounds MainView::DefaultSize(const Entry& entry) const {
  tk::Bounds size = entry.model_size;
  // A memo beside the sheets takes the column's width and what is left of its height.
  if (size.width > 0 || TopLevel(*entry.control).Alignment() == tk::Align::kRight) return size;
  // As many rows as it starts with, from one (a source slot) to eight (a long list).
  int rows = 0;
  if (entry.kind == tk::ControlKind::kListBox) {
    rows = static_cast<const tk::ListBox&>(*entry.control).Count();
  } else {
    rows = static_cast<int>(static_cast<const tk::Memo&>(*entry.control).Lines().size());
  }
  rows = rows == 0 ? kDefaultRows : std::clamp(rows, 1, kDefaultRows);
  size.width = kDefaultListWidth;
  // A row of a list is a little taller than a line of text; two units for the frame.
  size.height = rows * (kLineUnits + 2) + 4;
  return size;
}

void MainView::ApplySizes(Entry& entry) {
  const double scale = Scale();
  QWidget& widget = *entry.widget;
  switch (entry.kind) {
    case tk::ControlKind::kListBox:
      if (static_cast<const tk::ListBox&>(*entry.control).FixedPitch()) {
        // A page image: whole lines in the record font, scrolled sideways when they are long.
        auto& list = static_cast<QListWidget&>(widget);
        list.setFont(RecordFont());
        list.setTextElideMode(Qt::ElideNone);
        list.setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
      }
      ScaleToGeometry(widget, DefaultSize(entry), scale, true);
      return;
    case tk::ControlKind::kMemo:
    case tk::ControlKind::kRichEdit:
      ScaleToGeometry(widget, DefaultSize(entry), scale, true);
      return;
    case tk::ControlKind::kStringGrid:
      ScaleToGeometry(widget, entry.model_size, scale, true);
      return;
    case tk::ControlKind::kRadioButton:  // a width of its own lines up what follows it
      ScaleToGeometry(widget, entry.model_size, scale, false);
      return;
    case tk::ControlKind::kEdit:
    case tk::ControlKind::kMaskEdit:
      ScaleToGeometry(widget, entry.model_size, scale, false);
      return;
    case tk::ControlKind::kScrollBar:
      widget.setMinimumWidth(static_cast<int>(120 * scale));
      ScaleToGeometry(widget, entry.model_size, scale, false);
      return;
    case tk::ControlKind::kLabel:
      SizeLabel(entry);
      return;
    case tk::ControlKind::kImage:
      entry.shown_picture = QImage();  // drawn again at the new scale
      return;
    case tk::ControlKind::kStatusBar:
      for (std::size_t i = 0; i + 1 < entry.panels.size(); ++i) {
        if (entry.panels[i]) entry.panels[i]->setMinimumWidth(static_cast<int>(150 * scale));
      }
      return;
    default:
      return;
  }
}

QFont MainView::RecordFont() const {
  QFont record = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (font().pointSizeF() > 0) {
    record.setPointSizeF(font().pointSizeF());
  } else {
    record.setPixelSize(font().pixelSize());
  }
  // Spaced so that a character is exactly one model cell wide: a mouse position in model units
  // then falls in the column the model computes.
  const double advance = QFontMetricsF(record).horizontalAdvance(QLatin1Char('M'));
  record.setLetterSpacing(QFont::AbsoluteSpacing, kCellUnits * Scale() - advance);
  return record;
}

void MainView::SizeLabel(Entry& entry) {
  auto& label = static_cast<TextLabel&>(*entry.widget);
  const tk::Control& control = *entry.control;
  const bool bar = InBar(control);
  const bool columns = bar || static_cast<const tk::Label&>(control).FixedPitch();
  label.setFont(columns ? RecordFont() : QFont());
  // A floating panel takes the size of what it shows.
  if (Floats(control)) {
    label.SetHintWidth(0, false);
    return;
  }
  if (!bar && control.Parent() != nullptr) {
    QLineEdit box;
    box.setFont(font());
    label.SetLeastHeight(box.sizeHint().height());
  }
  // A label the model gives two lines or more wraps its words within its width.
  if (!bar && entry.model_size.width > 0 && entry.model_size.height >= 2 * kLineUnits) {
    label.setWordWrap(true);
    label.SetLeastHeight(static_cast<int>(entry.model_size.height * Scale()));
  }
  int width = static_cast<int>(entry.model_size.width * Scale());
  if (width <= 0) {
    const QFontMetrics metrics = label.fontMetrics();
    width = std::max(metrics.horizontalAdvance(FromCp1252(entry.model_caption)),
                     metrics.horizontalAdvance(QStringLiteral("00000000")));
  }
  label.SetHintWidth(width, bar);
}

QWidget* MainView::MakeContainer(Entry& entry, QWidget* frame) {
  // A panel above the sheets is a tool bar: one row as long as the window allows.
  const bool bar = entry.control->Parent() == nullptr;
  auto* flow = new FlowLayout(frame, bar ? 100000 : 600);
  if (entry.kind != tk::ControlKind::kTabSheet) {
    flow->setContentsMargins(4, bar ? 2 : 4, 4, bar ? 2 : 4);
    flow->SetSpacing(4);
  }
  entry.container = frame;
  containers_.insert(frame);
  return frame;
}

QWidget* MainView::MakeWidget(Entry& entry) {
  tk::Control* control = entry.control;
  Entry* e = &entry;
  switch (entry.kind) {
    case tk::ControlKind::kButton: {
      auto* button = new QPushButton(this);
      auto* model = static_cast<tk::Button*>(control);
      connect(button, &QPushButton::clicked, this,
              [this, model] { Act([model] { model->UserClick(); }); });
      Watch(button, control);
      focus_[button] = control;
      return button;
    }
    case tk::ControlKind::kCheckBox: {
      auto* box = new QCheckBox(this);
      auto* model = static_cast<tk::CheckBox*>(control);
      connect(box, &QCheckBox::clicked, this,
              [this, model] { Act([model] { model->UserClick(); }); });
      Watch(box, control);
      focus_[box] = control;
      return box;
    }
    case tk::ControlKind::kRadioButton: {
      auto* radio = new QRadioButton(this);
      radio->setAutoExclusive(false);  // the model unchecks the group
      auto* model = static_cast<tk::RadioButton*>(control);
      connect(radio, &QRadioButton::clicked, this,
              [this, model] { Act([model] { model->UserClick(); }); });
      Watch(radio, control);
      focus_[radio] = control;
      return radio;
    }
    case tk::ControlKind::kRadioGroup: {
      auto* group = new QGroupBox(this);
      new QVBoxLayout(group);
      Watch(group, control);
      focus_[group] = control;
      return group;
    }
    case tk::ControlKind::kListBox: {
      auto* list = new UserList(this);
      auto* model = static_cast<tk::ListBox*>(control);
      list->setSelectionMode(QAbstractItemView::SingleSelection);
      list->setUniformItemSizes(true);
      // A one-row slot list has no room for a scroll bar across it: long names are cut. A byte
      // view shows its bytes in the record's cells and scrolls to the end of a long record.
      list->setHorizontalScrollBarPolicy(model->FixedPitch() ? Qt::ScrollBarAsNeeded
                                                             : Qt::ScrollBarAlwaysOff);
      if (model->FixedPitch()) list->setFont(RecordFont());
      // A click selects on release (itemClicked, also for the selected row); the keys that move
      // the selection select. Qt's own moves of the current row (focus, new items) are no choice.
      list->on_key_select = [this, model](int row) { Act([=] { model->UserSelect(row); }); };
      list->on_key_down = [this, model](int key) {
        int result = 0;
        Act([&] { result = model->UserKeyDown(key); });
        return result == key;
      };
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
      Watch(list->viewport(), control);
      focus_[list] = control;
      return list;
    }
    case tk::ControlKind::kStringGrid: {
      auto* grid = new UserGrid(this);
      auto* model = static_cast<tk::StringGrid*>(control);
      grid->horizontalHeader()->hide();
      grid->verticalHeader()->hide();
      // Only the cells the model lets a user edit are editable (SyncGrid sets their flags).
      grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
      grid->setSelectionMode(QAbstractItemView::SingleSelection);
      connect(grid, &QTableWidget::cellClicked, this,
              [this, model](int row, int column) { Act([=] { model->UserSelect(column, row); }); });
      connect(grid, &QTableWidget::itemChanged, this, [this, model](QTableWidgetItem* item) {
        if (syncing_) return;
        const int row = item->row();
        const int column = item->column();
        const std::string text = ToCp1252(item->text());
        Act([=] { model->UserSetCell(column, row, text); });
      });
      grid->on_key_select = [this, model](int row, int column) {
        Act([=] { model->UserSelect(column, row); });
      };
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
      Watch(memo->viewport(), control);
      focus_[memo] = control;
      return memo;
    }
    case tk::ControlKind::kLabel: {
      auto* label = new TextLabel(this);
      Watch(label, control);
      return label;
    }
    case tk::ControlKind::kImage: {
      auto* picture = new QLabel(this);
      Watch(picture, control);
      return picture;
    }
    case tk::ControlKind::kPanel: {
      auto* frame = new QFrame(this);
      frame->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
      MakeContainer(entry, frame);
      entry.caption = new QLabel(frame);
      entry.caption->setTextFormat(Qt::PlainText);
      entry.caption->hide();  // until the panel has a caption to show
      frame->layout()->addWidget(entry.caption);
      Watch(frame, control);
      Watch(entry.caption, control);
      return frame;
    }
    case tk::ControlKind::kGroupBox: {
      auto* group = new QGroupBox(this);
      Watch(group, control);
      return MakeContainer(entry, group);
    }
    case tk::ControlKind::kScrollBar: {
      auto* bar = new QScrollBar(Qt::Horizontal, this);
      auto* model = static_cast<tk::ScrollBar*>(control);
      // An action is a user's (arrows, page, drag, wheel, keys); the slider holds its new place.
      connect(bar, &QScrollBar::actionTriggered, this, [this, model, bar](int) {
        const int position = bar->sliderPosition();
        Act([=] { model->UserSetPosition(position); });
      });
      Watch(bar, control);
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
      Watch(inner, control);
      QSignalBlocker block(tabs);
      tabs->addTab(scroll, FromCp1252(control->Caption()));
      return scroll;
    }
    case tk::ControlKind::kPageControl: {
      auto* tabs = new UserTabs(this);
      auto* model = static_cast<tk::PageControl*>(control);
      tabs->on_user_change = [this, model, tabs](int index) {
        QWidget* page = tabs->widget(index);
        for (tk::TabSheet* sheet : model->Sheets()) {
          if (WidgetOf(*sheet) != page) continue;
          Act([model, sheet] { model->UserSelectPage(sheet); });
          return;
        }
      };
      Watch(tabs, control);
      Watch(tabs->tabBar(), control);
      focus_[tabs] = control;
      return tabs;
    }
    case tk::ControlKind::kStatusBar: {
      const int count = static_cast<tk::StatusBar*>(control)->PanelCount();
      for (int i = 0; i < count; ++i) {
        auto* panel = new QLabel(statusBar());
        panel->setTextFormat(Qt::PlainText);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
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
    watched_.erase(radio.data());
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
    Watch(radio, model);
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
