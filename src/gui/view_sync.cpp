// MainView: bringing every widget in step with its control, with the widgets' signals blocked.
#include "gui/main_view.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <algorithm>

#include "gui/cp1252.h"

namespace vt::gui {
namespace {

// A hint is "short|long": the tooltip shows the short part.
QString ShortHint(const std::string& hint) {
  return FromCp1252(std::string_view(hint).substr(0, hint.find('|')));
}

void SetText(QAbstractButton& button, const std::string& caption) {
  const QString text = FromCp1252(caption);
  if (button.text() != text) button.setText(text);
}

void SetChecked(QAbstractButton& button, bool checked) {
  if (button.isChecked() != checked) button.setChecked(checked);
}

QString JoinLines(const std::vector<std::string>& lines) {
  QString text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i != 0) text += '\n';
    text += FromCp1252(lines[i]);
  }
  return text;
}

// A picture with the wrong number of pixels is no picture.
QImage ImageOf(const tk::Picture& picture) {
  const auto count = static_cast<std::size_t>(std::max(picture.width, 0)) *
                     static_cast<std::size_t>(std::max(picture.height, 0));
  if (count == 0 || picture.pixels.size() != count) return QImage();
  QImage image(picture.width, picture.height, QImage::Format_RGB32);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const std::uint32_t pixel = picture.pixels[static_cast<std::size_t>(y * picture.width + x)];
      image.setPixel(x, y, 0xFF000000u | (pixel & 0xFFFFFFu));
    }
  }
  return image;
}

}  // namespace

void MainView::Sync() {
  if (syncing_) return;
  syncing_ = true;
  if (window_.Controls() != known_) UpdateStructure();
  const QString title = FromCp1252(window_.Caption());
  if (windowTitle() != title) setWindowTitle(title);
  for (tk::Control* control : window_.Controls()) {
    const auto it = entries_.find(control);
    if (it == entries_.end()) continue;
    SyncEntry(*it->second);
    if (it->second->floating) PlaceFloat(*it->second);
  }
  SyncFocus();
  syncing_ = false;
}

void MainView::SyncEntry(Entry& entry) {
  tk::Control& control = *entry.control;
  switch (entry.kind) {
    case tk::ControlKind::kMenuItem:
      SyncMenuItem(entry);
      return;
    case tk::ControlKind::kTabSheet:  // the page control shows its sheets
    case tk::ControlKind::kTimer:
    case tk::ControlKind::kOpenDialog:
    case tk::ControlKind::kSaveDialog:
      return;
    default:
      break;
  }
  if (!entry.widget) return;
  QWidget& widget = *entry.widget;
  const QSignalBlocker block(&widget);
  SyncCommon(entry);
  switch (entry.kind) {
    case tk::ControlKind::kButton:
      SetText(static_cast<QPushButton&>(widget), control.Caption());
      return;
    case tk::ControlKind::kCheckBox: {
      auto& box = static_cast<QCheckBox&>(widget);
      SetText(box, control.Caption());
      SetChecked(box, static_cast<tk::CheckBox&>(control).Checked());
      return;
    }
    case tk::ControlKind::kRadioButton: {
      auto& radio = static_cast<QRadioButton&>(widget);
      SetText(radio, control.Caption());
      SetChecked(radio, static_cast<tk::RadioButton&>(control).Checked());
      return;
    }
    case tk::ControlKind::kRadioGroup:
      SyncRadioGroup(entry);
      return;
    case tk::ControlKind::kListBox:
      SyncList(entry);
      return;
    case tk::ControlKind::kStringGrid:
      SyncGrid(entry);
      return;
    case tk::ControlKind::kEdit:
    case tk::ControlKind::kMaskEdit: {
      auto& line = static_cast<QLineEdit&>(widget);
      const auto& edit = static_cast<tk::Edit&>(control);
      const int max = edit.MaxLength() == 0 ? 32767 : static_cast<int>(edit.MaxLength());
      if (line.maxLength() != max) line.setMaxLength(max);
      if (ToCp1252(line.text()) != edit.Text()) line.setText(FromCp1252(edit.Text()));
      return;
    }
    case tk::ControlKind::kMemo:
    case tk::ControlKind::kRichEdit:
      SyncMemo(entry);
      return;
    case tk::ControlKind::kLabel:
      if (entry.shown_text != control.Caption()) {
        entry.shown_text = control.Caption();
        static_cast<QLabel&>(widget).setText(FromCp1252(entry.shown_text));
      }
      return;
    case tk::ControlKind::kImage: {
      const QImage image = ImageOf(static_cast<tk::Image&>(control).Pixels());
      if (!entry.shown_picture.isNull() && image == entry.shown_picture) return;
      entry.shown_picture = image;
      // Whole pixels, so that the picture stays sharp.
      const int scale = std::max(1, qRound(Scale()));
      static_cast<QLabel&>(widget).setPixmap(QPixmap::fromImage(
          image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
      return;
    }
    case tk::ControlKind::kPanel:
      if (entry.caption && entry.shown_text != control.Caption()) {
        entry.shown_text = control.Caption();
        entry.caption->setText(FromCp1252(entry.shown_text));
        entry.caption->setVisible(!entry.shown_text.empty());
      }
      return;
    case tk::ControlKind::kGroupBox: {
      auto& group = static_cast<QGroupBox&>(widget);
      const QString title = FromCp1252(control.Caption());
      if (group.title() != title) group.setTitle(title);
      return;
    }
    case tk::ControlKind::kScrollBar: {
      auto& bar = static_cast<QScrollBar&>(widget);
      const auto& model = static_cast<tk::ScrollBar&>(control);
      if (bar.minimum() != model.Min() || bar.maximum() != model.Max()) {
        bar.setRange(model.Min(), model.Max());
      }
      if (bar.value() != model.Position()) bar.setValue(model.Position());
      return;
    }
    case tk::ControlKind::kPageControl:
      SyncPages(entry);
      return;
    case tk::ControlKind::kStatusBar: {
      const auto& bar = static_cast<tk::StatusBar&>(control);
      for (std::size_t i = 0; i < entry.panels.size(); ++i) {
        const QString text = FromCp1252(bar.PanelText(static_cast<int>(i)));
        if (entry.panels[i] && entry.panels[i]->text() != text) entry.panels[i]->setText(text);
      }
      return;
    }
    case tk::ControlKind::kMenuItem:
    case tk::ControlKind::kTabSheet:
    case tk::ControlKind::kTimer:
    case tk::ControlKind::kOpenDialog:
    case tk::ControlKind::kSaveDialog:
      return;
  }
}

void MainView::SyncCommon(Entry& entry) {
  const tk::Control& control = *entry.control;
  QWidget& widget = *entry.widget;
  if (widget.isHidden() == control.Visible()) widget.setVisible(control.Visible());
  if (widget.testAttribute(Qt::WA_Disabled) == control.Enabled()) {
    widget.setEnabled(control.Enabled());
  }
  if (entry.shown_hint != control.Hint()) {
    entry.shown_hint = control.Hint();
    widget.setToolTip(ShortHint(entry.shown_hint));
  }
  if (entry.shown_color != control.Color()) {
    entry.shown_color = control.Color();
    if (entry.shown_color < 0) {
      widget.setPalette(QPalette());
      widget.setAutoFillBackground(false);
      return;
    }
    QPalette palette = widget.palette();
    const QColor color(QRgb(static_cast<unsigned>(entry.shown_color) & 0xFFFFFFu));
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
      palette.setColor(role, color);
    }
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
  }
}

void MainView::PlaceFloat(Entry& entry) {
  QWidget* widget = entry.widget;
  if (widget == nullptr || widget->isHidden()) return;
  const tk::Bounds& bounds = entry.control->Geometry();
  const double scale = Scale();
  QSize size = widget->sizeHint();
  if (bounds.width > 0) size.setWidth(static_cast<int>(bounds.width * scale));
  if (bounds.height > 0) {
    size.setHeight(static_cast<int>(bounds.height * scale));
  } else if (widget->hasHeightForWidth()) {
    size.setHeight(widget->heightForWidth(size.width()));
  }
  // Inside the window, wherever the model puts it.
  const QRect area = central_->rect();
  size = size.boundedTo(area.size());
  const int left =
      std::clamp(static_cast<int>(bounds.left * scale), 0, area.width() - size.width());
  const int top =
      std::clamp(static_cast<int>(bounds.top * scale), 0, area.height() - size.height());
  const QRect place(QPoint(left, top), size);
  if (widget->geometry() != place) widget->setGeometry(place);
  widget->raise();
}

void MainView::SyncMenuItem(Entry& entry) {
  if (!entry.action) return;
  const auto& item = static_cast<const tk::MenuItem&>(*entry.control);
  QAction& action = *entry.action;
  const QSignalBlocker block(&action);
  if (!entry.menu && action.isSeparator() != item.Separator())
    action.setSeparator(item.Separator());
  const QString text = FromCp1252(item.Caption());
  if (action.text() != text) {
    if (entry.menu) {
      entry.menu->setTitle(text);
    } else {
      action.setText(text);
    }
  }
  if (action.isEnabled() != item.Enabled()) action.setEnabled(item.Enabled());
  if (action.isVisible() != item.Visible()) action.setVisible(item.Visible());
  if (entry.menu) return;
  // Qt draws a check mark only on checkable actions; a click flips it, and the model sets it back.
  if (action.isCheckable() != item.Checked()) action.setCheckable(item.Checked());
  if (action.isChecked() != item.Checked()) action.setChecked(item.Checked());
}

void MainView::SyncPages(Entry& entry) {
  auto& tabs = static_cast<QTabWidget&>(*entry.widget);
  const auto& pages = static_cast<const tk::PageControl&>(*entry.control);
  for (tk::TabSheet* sheet : pages.Sheets()) {
    const int index = tabs.indexOf(WidgetOf(*sheet));
    if (index < 0) continue;
    const QString text = FromCp1252(sheet->Caption());
    if (tabs.tabText(index) != text) tabs.setTabText(index, text);
    if (tabs.isTabVisible(index) != sheet->TabVisible())
      tabs.setTabVisible(index, sheet->TabVisible());
    if (tabs.isTabEnabled(index) != sheet->Enabled()) tabs.setTabEnabled(index, sheet->Enabled());
  }
  QWidget* active = pages.ActivePage() == nullptr ? nullptr : WidgetOf(*pages.ActivePage());
  if (active != nullptr && tabs.currentWidget() != active) tabs.setCurrentWidget(active);
}

void MainView::SyncList(Entry& entry) {
  auto& list = static_cast<QListWidget&>(*entry.widget);
  const auto& box = static_cast<const tk::ListBox&>(*entry.control);
  const QSignalBlocker block_scroll(list.verticalScrollBar());
  const std::vector<std::string>& items = box.Items();
  if (items != entry.shown_items) {
    const int count = box.Count();
    // A byte view's stand-in for unprintable bytes (127) shows as a mark of one cell, as it
    // does in the program's own font.
    auto shown = [&box](const std::string& text) {
      QString line = FromCp1252(text);
      if (box.FixedPitch()) line.replace(QChar(0x7F), QChar(0x2302));
      return line;
    };
    while (list.count() > count) delete list.takeItem(list.count() - 1);
    for (int row = 0; row < count; ++row) {
      const std::string& text = items[static_cast<std::size_t>(row)];
      if (row >= list.count()) {
        list.addItem(shown(text));
      } else if (static_cast<std::size_t>(row) >= entry.shown_items.size() ||
                 entry.shown_items[static_cast<std::size_t>(row)] != text) {
        list.item(row)->setText(shown(text));
      }
    }
    entry.shown_items = items;
    entry.shown_top = -1;
  }
  if (list.currentRow() != box.ItemIndex()) {
    list.setCurrentRow(box.ItemIndex());
    if (box.ItemIndex() < 0) list.clearSelection();
  }
  if (box.TopIndex() != entry.shown_top && box.Count() > 0) {
    list.scrollToItem(list.item(box.TopIndex()), QAbstractItemView::PositionAtTop);
    entry.shown_top = box.TopIndex();
  }
}

void MainView::SyncGrid(Entry& entry) {
  auto& table = static_cast<QTableWidget&>(*entry.widget);
  const auto& grid = static_cast<const tk::StringGrid&>(*entry.control);
  if (table.columnCount() != grid.ColumnCount()) table.setColumnCount(grid.ColumnCount());
  if (table.rowCount() != grid.RowCount()) table.setRowCount(grid.RowCount());
  const auto cells = static_cast<std::size_t>(grid.ColumnCount() * grid.RowCount());
  if (entry.shown_items.size() != cells) entry.shown_items.assign(cells, std::string(1, '\0'));
  bool changed = false;
  for (int row = 0; row < grid.RowCount(); ++row) {
    for (int column = 0; column < grid.ColumnCount(); ++column) {
      std::string& shown =
          entry.shown_items[static_cast<std::size_t>(row * grid.ColumnCount() + column)];
      if (shown == grid.Cell(column, row)) continue;
      shown = grid.Cell(column, row);
      auto* item = new QTableWidgetItem(FromCp1252(shown));
      // Row 0 and column 0 are headings.
      if (row == 0 || column == 0) item->setBackground(palette().button());
      if (!grid.CellEditable(column, row)) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
      table.setItem(row, column, item);
      changed = true;
    }
  }
  if (changed) table.resizeColumnsToContents();
  if (table.currentRow() != grid.Row() || table.currentColumn() != grid.Column()) {
    table.setCurrentCell(grid.Row(), grid.Column());
  }
}

void MainView::SyncMemo(Entry& entry) {
  const auto& memo = static_cast<const tk::Memo&>(*entry.control);
  if (memo.Lines() == entry.shown_items) return;
  entry.shown_items = memo.Lines();
  static_cast<QPlainTextEdit&>(*entry.widget).setPlainText(JoinLines(entry.shown_items));
}

void MainView::SyncRadioGroup(Entry& entry) {
  auto& box = static_cast<QGroupBox&>(*entry.widget);
  const auto& group = static_cast<const tk::RadioGroup&>(*entry.control);
  const QString title = FromCp1252(group.Caption());
  if (box.title() != title) box.setTitle(title);
  if (group.Items() != entry.shown_items || entry.radios.size() != group.Items().size()) {
    RebuildRadios(entry, group);
  }
  for (std::size_t i = 0; i < entry.radios.size(); ++i) {
    if (!entry.radios[i]) continue;
    const QSignalBlocker block(entry.radios[i].data());
    SetChecked(*entry.radios[i], static_cast<int>(i) == group.ItemIndex());
  }
}

void MainView::SyncFocus() {
  // Only a focus move made by the program is shown; Qt's own moves already reached the model.
  const tk::Control* owner = window_.FocusOwner();
  if (owner == shown_focus_) return;
  shown_focus_ = owner;
  if (owner == nullptr || ControlAt(QApplication::focusWidget()) == owner) return;
  const auto it = entries_.find(owner);
  if (it == entries_.end() || !it->second->widget) return;
  QWidget* target = it->second->widget;
  if (!it->second->radios.empty() && it->second->radios.front())
    target = it->second->radios.front();
  if (!target->isVisibleTo(this) || !target->isEnabled()) return;
  target->setFocus(Qt::OtherFocusReason);
  // An edit box the program moves to has its text selected, so that typing replaces it.
  if (auto* line = qobject_cast<QLineEdit*>(target)) line->selectAll();
}

}  // namespace vt::gui
