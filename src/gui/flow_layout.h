// FlowLayout: places widgets left to right in their order, starting a new row when one is full.
#pragma once

#include <QLayout>
#include <QList>

namespace vt::gui {

// A sheet of the main window holds many controls; rows that wrap keep every one of them visible
// at any window width (the sheet scrolls vertically). Hidden widgets take no room unless their
// size policy retains it. An item may start a new row, and a filling item takes the rest of its
// row (a whole row when less than half of one is left). An item glued to the one before it goes
// to the next row with it (a label and its box). A flow asks for the width of the rows it makes
// at its preferred width, so that the room its ragged right edge leaves goes to others.
class FlowLayout : public QLayout {
 public:
  explicit FlowLayout(QWidget* parent = nullptr, int preferred_width = 600);
  ~FlowLayout() override;

  void AddWidget(QWidget* widget, bool new_row, bool fill, bool glued = false);
  void SetSpacing(int spacing) { spacing_ = spacing; }

  void addItem(QLayoutItem* item) override;
  int count() const override { return static_cast<int>(items_.size()); }
  QLayoutItem* itemAt(int index) const override;
  QLayoutItem* takeAt(int index) override;
  Qt::Orientations expandingDirections() const override { return {}; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;
  QSize minimumSize() const override;
  QSize sizeHint() const override;
  void setGeometry(const QRect& rect) override;
  void invalidate() override;

 private:
  struct Item {
    QLayoutItem* item;
    bool new_row;
    bool fill;
    bool glued;
  };

  // The width of the items from `first` that stay together, up to `width`.
  int RunWidth(qsizetype first, int width) const;

  // Lays the items out in `rect` (only measuring when `apply` is false); returns the height used
  // and, when asked, the right edge of the widest row from the left of `rect`.
  int Arrange(const QRect& rect, bool apply, int* widest = nullptr) const;

  QList<Item> items_;
  int preferred_width_;
  int spacing_ = 6;
  mutable QSize hint_;  // invalid until measured
};

}  // namespace vt::gui
