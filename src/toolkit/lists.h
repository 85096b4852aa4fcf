// List controls: list boxes and string grids.
#pragma once

#include <string>
#include <vector>

#include "toolkit/control.h"

namespace tk {

// A list of text rows with at most one selected row. Setting the selection or the top row from
// code runs nothing; a user's selection runs the click handler.
class ListBox : public Control {
 public:
  ListBox(Window& window, std::string name, Control* parent = nullptr)
      : Control(window, ControlKind::kListBox, std::move(name), parent) {}
  Handler on_click;
  Handler on_double_click;
  // A mouse button went down on a row (-1: below the rows), before any selection it makes.
  std::function<void(bool right_button, int row)> on_mouse_down;
  // A drag that started in this list was dropped on a row (-1: below the rows).
  std::function<void(int row)> on_drag_drop;
  KeyDownHandler on_key_down;

  const std::vector<std::string>& Items() const { return items_; }
  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& Item(int row) const { return items_.at(static_cast<std::size_t>(row)); }
  void SetItem(int row, std::string text) {
    items_.at(static_cast<std::size_t>(row)) = std::move(text);
  }
  void Add(std::string text) { items_.push_back(std::move(text)); }
  void Insert(int row, std::string text);
  void Delete(int row);
  void Clear();
  void SetItems(std::vector<std::string> items);

  // -1 when no row is selected.
  int ItemIndex() const { return index_; }
  void SetItemIndex(int row);
  int TopIndex() const { return top_; }
  void SetTopIndex(int row);
  // Pixel height of one row, for the hover panels' arithmetic.
  int ItemHeight() const { return 13; }
  // Rows shown in the record font, one character a column cell, scrolled sideways when wider
  // than the list: the byte views and the page image, whose columns the mouse arithmetic counts.
  bool FixedPitch() const { return fixed_pitch_; }
  void SetFixedPitch(bool fixed) { fixed_pitch_ = fixed; }

  void UserSelect(int row);
  void UserDoubleClick(int row);
  void UserMouseDown(bool right_button, int row);
  void UserDragDrop(int row);
  // A user pressed a key in the list; returns the key after the handler (0 when swallowed), for
  // the front end to move the selection on.
  int UserKeyDown(int key);

 private:
  std::vector<std::string> items_;
  int index_ = -1;
  int top_ = 0;
  bool fixed_pitch_ = false;
};

// A grid of text cells addressed by column and row; row 0 and column 0 are usually headings.
// A user may edit the cells of the columns made editable, below row 0; setting a cell from code
// runs nothing.
class StringGrid : public Control {
 public:
  StringGrid(Window& window, std::string name, int columns, int rows, Control* parent = nullptr);
  Handler on_click;
  // A user's edit changed the text of a cell.
  std::function<void(int column, int row)> on_set_edit_text;
  int ColumnCount() const { return columns_; }
  int RowCount() const { return rows_; }
  const std::string& Cell(int column, int row) const;
  void SetCell(int column, int row, std::string text);
  int Column() const { return column_; }
  int Row() const { return row_; }
  void Select(int column, int row);
  void SetColumnEditable(int column, bool editable);
  bool CellEditable(int column, int row) const;
  void UserSelect(int column, int row);
  // A user typed into an editable cell: the grid takes the focus, then the cell's text changes.
  void UserSetCell(int column, int row, std::string text);

 private:
  int columns_;
  int rows_;
  std::vector<std::string> cells_;
  std::vector<bool> editable_;
  int column_ = 0;
  int row_ = 0;
};

}  // namespace tk
