// List controls: rows, selection and cells.
#include "toolkit/lists.h"

#include <algorithm>
#include <cassert>

namespace tk {

void ListBox::Insert(int row, std::string text) {
  row = std::clamp(row, 0, Count());
  items_.insert(items_.begin() + row, std::move(text));
}

void ListBox::Delete(int row) {
  if (row < 0 || row >= Count()) return;
  items_.erase(items_.begin() + row);
  if (index_ >= Count()) index_ = Count() - 1;
}

void ListBox::Clear() {
  items_.clear();
  index_ = -1;
  top_ = 0;
}

void ListBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  index_ = -1;
  top_ = 0;
}

void ListBox::SetItemIndex(int row) {
  index_ = (row < 0 || row >= Count()) ? -1 : row;
}

void ListBox::SetTopIndex(int row) {
  top_ = std::clamp(row, 0, std::max(0, Count() - 1));
}

void ListBox::UserSelect(int row) {
  if (!Reachable()) return;
  SetFocus();
  SetItemIndex(row);
  Fire(on_click);
}

void ListBox::UserDoubleClick(int row) {
  UserSelect(row);
  if (Reachable()) Fire(on_double_click);
}

void ListBox::UserMouseDown(bool right_button, int row) {
  if (!Reachable()) return;
  SetFocus();
  if (on_mouse_down) on_mouse_down(right_button, row < Count() ? row : -1);
}

void ListBox::UserDragDrop(int row) {
  if (Reachable() && on_drag_drop) on_drag_drop(row < Count() ? row : -1);
}

int ListBox::UserKeyDown(int key) {
  if (!Reachable()) return 0;
  SetFocus();
  if (on_key_down) on_key_down(key);
  return key;
}

StringGrid::StringGrid(Window& window, std::string name, int columns, int rows, Control* parent)
    : Control(window, ControlKind::kStringGrid, std::move(name), parent),
      columns_(columns),
      rows_(rows),
      cells_(static_cast<std::size_t>(columns * rows)),
      editable_(static_cast<std::size_t>(columns), false) {
  assert(columns > 0 && rows > 0 && "a grid has at least one cell");
}

const std::string& StringGrid::Cell(int column, int row) const {
  assert(column >= 0 && column < columns_ && row >= 0 && row < rows_ && "cell inside the grid");
  return cells_[static_cast<std::size_t>(row * columns_ + column)];
}

void StringGrid::SetCell(int column, int row, std::string text) {
  if (column < 0 || column >= columns_ || row < 0 || row >= rows_) return;
  cells_[static_cast<std::size_t>(row * columns_ + column)] = std::move(text);
}

void StringGrid::Select(int column, int row) {
  column_ = std::clamp(column, 0, columns_ - 1);
  row_ = std::clamp(row, 0, rows_ - 1);
}

void StringGrid::SetColumnEditable(int column, bool editable) {
  if (column >= 0 && column < columns_) editable_[static_cast<std::size_t>(column)] = editable;
}

bool StringGrid::CellEditable(int column, int row) const {
  return column >= 0 && column < columns_ && row >= 1 && row < rows_ &&
         editable_[static_cast<std::size_t>(column)];
}

void StringGrid::UserSetCell(int column, int row, std::string text) {
  if (!Reachable() || !CellEditable(column, row)) return;
  SetFocus();
  if (Cell(column, row) == text) return;
  SetCell(column, row, std::move(text));
  if (on_set_edit_text) on_set_edit_text(column, row);
}

void StringGrid::UserSelect(int column, int row) {
  if (!Reachable()) return;
  SetFocus();
  Select(column, row);
  Fire(on_click);
}

}  // namespace tk
