// The input line view: scrolling, the position read-out, divider toggling on the marker line,
// the fixed-format cutter and the refill of the input field lists.
#include <algorithm>
#include <cstdio>

#include "input/binary_cut.h"
#include "input/fixed_fields.h"
#include "input/record_cut.h"
#include "window/parse_view.h"

namespace vt {

void TParseView::RefreshRecordView() {
  InputLineView = RecordView(InputLine, InputLineOffset, true);
  InputRecordLabel.SetCaption(InputLineView);
  MarkerLineView = RecordView(MarkerLine, InputLineOffset, false);
  InputRecordMarkerLabel.SetCaption(MarkerLineView);
}

void TParseView::InputRecordScrollBarChange() {
  InputLineOffset =
      ScrollOffset(InputLine.size(), InputRecordScrollBar.Position(), InputRecordScrollBar.Max());
  RefreshRecordView();
  InputOffsetLabel.SetCaption(std::to_string(InputLineOffset));
}

int TParseView::MarkerColumn(int x) const {
  const int cell = std::max(YardStick.Geometry().width, 1);
  return x / cell + InputLineOffset;
}

// The toolkit reports no mouse-down; the move handler keeps the same position current.
void TParseView::StoreInputRecordMousePosition(int x) {
  MarkerMouseX = x;
}

void TParseView::InputRecordMarkerLabelClick() {
  SaveOldNames.Click();
  const bool binary = BinaryInput.Checked();
  const bool page = PageInputButton.Checked();
  // 64 bits: the page lines and the record length are as a preference file left them.
  std::int64_t row = 0;
  if (page) {
    row = InputPageListBox.ItemIndex() + 1;
    if (row >= PageDataFirstLine && row <= PageFooterLine)
      row = std::int64_t{BlockListBox.ItemIndex()} + PageDataFirstLine;
    if (row < 1 || row > 97) return;  // no divider row for this line
  }
  const int column = MarkerColumn(MarkerMouseX);
  if (binary && column >= std::int64_t{BinaryRecordLength} - 1) {
    services().messages->Show("You cannot have field end tabs set beyond the record width.",
                              "Invalid Action", tk::MessageStyle::kStop);
    return;
  }
  const DividerToggle toggle = ToggleDivider(MarkerLine, column, InputFieldTotal);
  if (toggle == DividerToggle::kIgnored) return;
  if (toggle == DividerToggle::kAddedAtLimit || toggle == DividerToggle::kRefused) {
    services().messages->Show(
        "You may not define more than 99 input fields. To add another you must first delete one.",
        "Too many fields", tk::MessageStyle::kStop);
  }
  MarkerLineView = RecordView(MarkerLine, InputLineOffset, false);
  InputRecordMarkerLabel.SetCaption(MarkerLineView);
  const auto r = static_cast<std::size_t>(row);
  InputFieldCounts[r] = RebuildDividerRow(MarkerLine, DividerMatrix[r], DividerListText);
  PanelLineDivision.SetVisible(InputFieldCounts[r] > 1);
  PositionMarkedLabel.SetCaption(DividerListText);
  FieldNumberLabel.SetCaption(std::to_string(InputFieldCounts[r]));

  if (page) {
    ProcessPageLine.Click();
  } else {
    CutUpInputLine.Click();
  }
  if (page || binary || FixedInputButton.Checked()) MatchOldNames.Click();
  DisplayOutput.Click();
  if (binary) MakeBinaryValue.Click();
}

void TParseView::DisplayPosition(int x, int y) {
  PositionLabel.SetVisible(true);
  Position.SetVisible(true);
  const bool fixed_or_page = FixedInputButton.Checked() || PageInputButton.Checked();
  if (fixed_or_page && std::atoi(FieldNumberLabel.Caption().c_str()) > 0)
    PanelLineDivision.SetVisible(true);
  MarkerMouseX = x;
  const int column = MarkerColumn(x);
  Position.SetCaption(std::to_string(column + 1));
  BinaryPositionPanel.SetLeft(x + 35);
  BinaryPositionPanel.SetTop(y + 85);
  BinaryPositionPanel.SetVisible(column >= 0);
  BinaryPositionLabel.SetCaption(std::to_string(column + 1));
  const std::string& bytes = BinaryInput.Checked() ? BinaryRecordCopy : InputLine;
  const bool inside = column >= 0 && static_cast<std::size_t>(column) < bytes.size();
  const char b = inside ? bytes[static_cast<std::size_t>(column)] : '\0';
  BinaryTextLabel.SetCaption(b == '\0' ? std::string() : std::string(1, b));
  BinaryValueLabel.SetCaption(std::to_string(static_cast<unsigned char>(b)));
  char hex[8];
  std::snprintf(hex, sizeof hex, "%x", static_cast<unsigned>(static_cast<unsigned char>(b)));
  HexValueLabel.SetCaption(hex);
}

void TParseView::ScrollFieldNames(int x, int y) {
  PagePositionPanel.SetVisible(false);
  InputFieldsListBox.SetTopIndex(InputFieldNamesListBox.TopIndex());
  ListMouseX = x;
  ListMouseY = y;
  const int n = y / InputFieldNamesListBox.ItemHeight() + InputFieldNamesListBox.TopIndex() + 1;
  const bool listed = n >= 1 && n <= InputFieldTotal && n <= kMaxFields;
  const auto k = static_cast<std::size_t>(listed ? n : 0);
  FillHoverPanel(std::to_string(n), InputFieldNames[k], InputFieldValues[k]);
  const tk::Bounds& list = InputFieldNamesListBox.Geometry();
  tk::Bounds panel = InputFieldPanel.Geometry();
  panel.left = x + list.left + 13;
  panel.top = y + list.top + 5;
  InputFieldPanel.SetGeometry(panel);
  InputFieldPanel.SetVisible(listed && x < 20 && y >= 5);
}

void TParseView::CutUpInputLineClick() {
  FieldDivisionLabel.SetVisible(true);
  // A binary record's fields are read from its own bytes, not from the line on display.
  if (BinaryInput.Checked()) {
    (void)CutBinaryFields(*this, BinaryReading());
  } else {
    (void)CutFixedFields(*this);
  }
  if (BatchRun == 0) DisplayInput.Click();
}

void TParseView::DisplayInputClick() {
  const std::int64_t sum = CutCountSum();
  const bool clone = sum >= 2 && OutputFieldsInUse() <= 1;
  CloneButton.SetVisible(clone);
  CloneButton.SetEnabled(clone);
  InputRecordLabel.SetCaption(RecordView(InputLine, InputLineOffset, true));
  const int selected = InputFieldNamesListBox.ItemIndex();
  InputFieldsListBox.Clear();
  InputFieldNamesListBox.Clear();
  const int total = CountedFields(sum);
  InputFieldTotal = total;
  for (int i = 1; i <= total && !InputFieldNames[static_cast<std::size_t>(i)].empty(); ++i) {
    InputFieldsListBox.Add(InputFieldValues[static_cast<std::size_t>(i)]);
    InputFieldNamesListBox.Add(InputFieldNames[static_cast<std::size_t>(i)]);
  }
  InputCountLabel.SetCaption(std::to_string(total));
  PrevButton.SetEnabled(RecordNumber > 1);
  PrevPage.SetEnabled(PagesRead > 1);
  InputFieldNamesListBox.SetItemIndex(selected < InputFieldNamesListBox.Count() ? selected : -1);
}

}  // namespace vt
