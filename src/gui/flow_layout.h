// FlowLayout: places widgets left to right in their order, starting a new row when one is full.
#pragma once

#include <QLayout>
#include <QList>

namespace vt::gui {

// A sheet of the main window holds many controls; rows that wrap keep every one of them visible
// at any window width (the sheet scrolls vertically). Hidden widgets take no room.
class FlowLayout : public QLayout {
 public:
  explicit FlowLayout(QWidget* parent = nullptr, int preferred_width = 600);
  ~FlowLayout() override;

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

 private:
  // Lays the items out in `rect` (only measuring when `apply` is false); returns the height used.
  int Arrange(const QRect& rect, bool apply) const;

  QList<QLayoutItem*> items_;
  int preferred_width_;
};

}  // namespace vt::gui
