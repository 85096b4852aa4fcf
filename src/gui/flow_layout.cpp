// FlowLayout: row-wrapping placement of a container's widgets.
#include "gui/flow_layout.h"

#include <QWidget>
#include <algorithm>

namespace vt::gui {
namespace {

// A flow never asks for more width than this: a long label is cut rather than widening the window.
constexpr int kMaxMinimumWidth = 240;

// The size an item asks for, at most `width` pixels wide (a wider item is cut).
QSize ItemSize(QLayoutItem* item, int width) {
  QSize size = item->sizeHint();
  size.setWidth(std::max(1, std::min(size.width(), width)));
  if (item->hasHeightForWidth()) size.setHeight(item->heightForWidth(size.width()));
  return size;
}

}  // namespace

FlowLayout::FlowLayout(QWidget* parent, int preferred_width)
    : QLayout(parent), preferred_width_(preferred_width) {
  setContentsMargins(6, 6, 6, 6);
}

FlowLayout::~FlowLayout() {
  while (QLayoutItem* item = takeAt(0)) delete item;
}

void FlowLayout::AddWidget(QWidget* widget, bool new_row, bool fill, bool glued) {
  addChildWidget(widget);
  items_.append({new QWidgetItem(widget), new_row, fill, glued});
  invalidate();
}

void FlowLayout::addItem(QLayoutItem* item) {
  items_.append({item, false, false, false});
}

QLayoutItem* FlowLayout::itemAt(int index) const {
  return index >= 0 && index < items_.size() ? items_[index].item : nullptr;
}

QLayoutItem* FlowLayout::takeAt(int index) {
  return index >= 0 && index < items_.size() ? items_.takeAt(index).item : nullptr;
}

int FlowLayout::heightForWidth(int width) const {
  return Arrange(QRect(0, 0, width, 0), false);
}

QSize FlowLayout::minimumSize() const {
  QSize size;
  for (const Item& entry : items_) {
    if (!entry.item->isEmpty()) size = size.expandedTo(entry.item->minimumSize());
  }
  const QMargins m = contentsMargins();
  size.setWidth(std::min(size.width(), kMaxMinimumWidth));
  return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize FlowLayout::sizeHint() const {
  if (hint_.isValid()) return hint_;
  // The rows the items make at the preferred width, as wide as the widest of them.
  const QMargins m = contentsMargins();
  const int least = minimumSize().width();
  const int most = std::max(least, preferred_width_);
  int widest = 0;
  Arrange(QRect(0, 0, most, 0), false, &widest);
  const int width = std::clamp(widest + m.right(), least, most);
  hint_ = QSize(width, heightForWidth(width));
  return hint_;
}

void FlowLayout::invalidate() {
  hint_ = QSize();
  QLayout::invalidate();
}

void FlowLayout::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  Arrange(rect, true);
}

int FlowLayout::RunWidth(qsizetype first, int width) const {
  int run = 0;
  for (qsizetype i = first; i < items_.size(); ++i) {
    const Item& entry = items_[i];
    if (i > first && !entry.glued) break;
    if (entry.item->isEmpty()) continue;
    run += (run > 0 ? spacing_ : 0) + ItemSize(entry.item, width).width();
  }
  return run;
}

int FlowLayout::Arrange(const QRect& rect, bool apply, int* widest) const {
  const QMargins m = contentsMargins();
  const QRect area = rect.adjusted(m.left(), m.top(), -m.right(), -m.bottom());
  const int right = area.x() + std::max(area.width(), 1);
  int x = area.x();
  int y = area.y();
  int row_height = 0;
  for (qsizetype i = 0; i < items_.size(); ++i) {
    const Item& entry = items_[i];
    QLayoutItem* item = entry.item;
    if (item->isEmpty()) continue;
    QSize size = ItemSize(item, area.width());
    const int left = right - x;
    // An item that others are glued to moves on with them.
    const int run = entry.glued ? size.width() : RunWidth(i, area.width());
    const bool full = entry.fill ? left < area.width() / 2 : x + run > right;
    if (x > area.x() && (entry.new_row || full)) {
      x = area.x();
      y += row_height + spacing_;
      row_height = 0;
    }
    if (entry.fill) {
      size.setWidth(std::max(1, right - x));
      if (item->hasHeightForWidth()) size.setHeight(item->heightForWidth(size.width()));
    }
    if (apply) item->setGeometry(QRect(QPoint(x, y), size));
    if (widest != nullptr) *widest = std::max(*widest, x + size.width() - rect.x());
    x += size.width() + spacing_;
    row_height = std::max(row_height, size.height());
  }
  return y + row_height - rect.y() + m.bottom();
}

}  // namespace vt::gui
