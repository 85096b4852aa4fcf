// FlowLayout: row-wrapping placement of a container's widgets.
#include "gui/flow_layout.h"

#include <QWidget>
#include <algorithm>

namespace vt::gui {
namespace {

constexpr int kSpacing = 6;

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

void FlowLayout::addItem(QLayoutItem* item) {
  items_.append(item);
}

QLayoutItem* FlowLayout::itemAt(int index) const {
  return index >= 0 && index < items_.size() ? items_[index] : nullptr;
}

QLayoutItem* FlowLayout::takeAt(int index) {
  return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

int FlowLayout::heightForWidth(int width) const {
  return Arrange(QRect(0, 0, width, 0), false);
}

QSize FlowLayout::minimumSize() const {
  QSize size;
  for (QLayoutItem* item : items_) {
    if (!item->isEmpty()) size = size.expandedTo(item->minimumSize());
  }
  const QMargins m = contentsMargins();
  size.setWidth(std::min(size.width(), kMaxMinimumWidth));
  return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize FlowLayout::sizeHint() const {
  // One row when the items fit the preferred width, else that width with wrapped rows.
  const QMargins m = contentsMargins();
  int row = m.left() + m.right();
  for (QLayoutItem* item : items_) {
    if (!item->isEmpty()) row += item->sizeHint().width() + kSpacing;
  }
  const int width = std::max(minimumSize().width(), std::min(row, preferred_width_));
  return QSize(width, heightForWidth(width));
}

void FlowLayout::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  Arrange(rect, true);
}

int FlowLayout::Arrange(const QRect& rect, bool apply) const {
  const QMargins m = contentsMargins();
  const QRect area = rect.adjusted(m.left(), m.top(), -m.right(), -m.bottom());
  int x = area.x();
  int y = area.y();
  int row_height = 0;
  for (QLayoutItem* item : items_) {
    if (item->isEmpty()) continue;
    const QSize size = ItemSize(item, area.width());
    if (x > area.x() && x + size.width() > area.right() + 1) {
      x = area.x();
      y += row_height + kSpacing;
      row_height = 0;
    }
    if (apply) item->setGeometry(QRect(QPoint(x, y), size));
    x += size.width() + kSpacing;
    row_height = std::max(row_height, size.height());
  }
  return y + row_height - rect.y() + m.bottom();
}

}  // namespace vt::gui
