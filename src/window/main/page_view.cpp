// The page image: a chosen page line as the current record, its fields, the views of the header
// rows, the current data band and the footer rows, and the position read-out.
#include <algorithm>
#include <limits>

#include "input/page_fields.h"
#include "window/parse_view.h"

namespace vt {

namespace {

constexpr std::size_t kMarkerLength = 32767;
constexpr int kLastDividerRow = 97;
constexpr int kAqua = 0x00FFFF;
constexpr int kYellow = 0xFFFF00;
constexpr int kLime = 0x00FF00;

int ToInt(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

// Marks the dividers of a page line's row in the marker line and lists them; returns how many.
int MarkDividers(TParseView& v, int row) {
  v.DividerListText.clear();
  if (row < 1 || row > kLastDividerRow) return 0;
  int marks = 0;
  for (std::size_t k = 1; k <= 99; ++k) {
    const std::int16_t column = v.DividerMatrix[static_cast<std::size_t>(row)][k];
    if (column <= 0) continue;
    v.DividerListText += std::to_string(column) + ",";
    v.MarkerLine[static_cast<std::size_t>(column) - 1] = '^';
    ++marks;
  }
  if (!v.DividerListText.empty()) v.DividerListText.pop_back();
  return marks;
}

// The row's kind in its label and in the colour of the record display.
void ShowRowKind(TParseView& v, PageRow kind) {
  int colour = kAqua;
  if (kind == PageRow::kData) {
    v.RowTypeLabel.SetCaption("Horiz. Band " + std::to_string(v.PageBandIndex) + " Row " +
                              std::to_string(v.PageLineInBand) + " Vert. Band " +
                              std::to_string(v.PageBlockIndex));
  } else {
    v.RowTypeLabel.SetCaption(kind == PageRow::kHeader ? "Header Row" : "Footer Row");
    colour = kind == PageRow::kHeader ? kYellow : kLime;
  }
  for (tk::Control* c : std::initializer_list<tk::Control*>{
           &v.InputRecordLabel, &v.InputRecordPanel, &v.InputRecordMarkerLabel}) {
    c->SetColor(colour);
  }
}

}  // namespace

void TParseView::ListBoxLineToInputLine() {
  const int row = InputPageListBox.ItemIndex();
  if (row < 0) return;  // no page line chosen: no record
  const int line = row + 1;
  const PageRow kind = RowKindOf(*this, line);
  const std::int64_t height = BandHeightOf(*this);
  MarkerLine.assign(kMarkerLength, ':');
  InputLine.clear();
  PageBlockIndex = BlockAtColumn(*this, PageSelectedColumn);
  if (kind == PageRow::kData) {
    const std::int64_t offset = std::int64_t{line} - PageDataFirstLine;
    PageBandIndex = ToInt(offset / height + 1);
    PageLineInBand = ToInt(offset - (PageBandIndex - 1) * height + 1);
  }
  const std::int64_t bands = std::max(PageBandCount(*this), 1);
  const std::int64_t record = PageBlockIndex + std::int64_t{BlockCountOf(*this)} *
                                                   (PageBandIndex + bands * (PagesRead - 1) - 1);
  RecordNumber = ToInt(std::max<std::int64_t>(record, 0));
  RecordNumberLabel.SetCaption(std::to_string(RecordNumber));
  ShowDataBlock.Click();
  ShowHeaderListBox.Click();
  ShowFooterBlock.Click();

  const int divider_row = kind == PageRow::kData ? FirstBandLine(*this, line) : line;
  const int marks = MarkDividers(*this, divider_row);
  PositionMarkedLabel.SetCaption(DividerListText);
  FieldNumberLabel.SetCaption(std::to_string(marks + 1));
  const std::string_view text = PageLineText(*this, line);
  InputLine.assign(kind == PageRow::kData ? BlockText(*this, text, PageBlockIndex) : text);
  RefreshRecordView();
  SelectedRowLabel.SetCaption(std::to_string(line));
  PageSelectedLine = line;

  const bool in_band = line >= SelectedBlock && line < SelectedBlock + height;
  BlockListBox.SetItemIndex(kind == PageRow::kData && in_band ? line - SelectedBlock : -1);
  HeaderListBox.SetItemIndex(kind == PageRow::kHeader ? line - InputPageListBox.TopIndex() - 1
                                                      : -1);
  FooterListBox.SetItemIndex(
      kind == PageRow::kFooter ? ToInt(std::int64_t{line} - PageFooterLine - 1) : -1);
  ShowRowKind(*this, kind);
  InputPageScrollBar.SetPosition(line);
  // Every chosen line has at least one field, before its fields are cut; an HTML row's cells
  // are its only fields.
  const bool html_row = TaggedData.Checked() && HTMLTableCheckBox.Checked();
  if (PageInputButton.Checked() && !html_row && divider_row >= 1 &&
      divider_row <= kLastDividerRow) {
    std::int32_t& cuts = InputFieldCounts[static_cast<std::size_t>(divider_row)];
    if (cuts == 0) cuts = 1;
  }
  ProcessPageLine.Click();
}

void TParseView::ProcessPageLineClick() {
  FieldDivisionLabel.SetVisible(true);
  int page_fields = 0;
  if (!TaggedData.Checked()) {
    CutUpPage.Click();
    page_fields = HeaderFooterFieldCount;
  } else {
    if (HTMLTableCheckBox.Checked()) {
      GetHTML.Click();
    } else {
      GetTags.Click();
    }
    page_fields = InputFieldCounts[0];
  }
  CutBandRecord(*this, page_fields, PageInputSetup().cut);
  if (BatchRun != 0) return;
  DisplayInput.Click();
  if (PageControl.ActivePage() == &PageInputTab) DisplayOutput.Click();
}

void TParseView::CutUpPageClick() {
  (void)CutHeaderFooterFields(*this);
}

void TParseView::ShowHeaderListBoxClick() {
  HeaderListBox.Clear();
  for (int line = InputPageListBox.TopIndex() + 1;
       line < PageDataFirstLine && line <= PageLineCount; ++line)
    HeaderListBox.Add(std::string(PageLineText(*this, line)));
  HeaderListBox.SetVisible(HeaderListBox.Count() > 0);
}

void TParseView::ShowDataBlockClick() {
  const std::int64_t height = BandHeightOf(*this);
  const std::int64_t first = (std::int64_t{PageBandIndex} - 1) * height + PageDataFirstLine;
  SelectedBlock = ToInt(std::max<std::int64_t>(first, 1));
  BlockListBox.Clear();
  for (std::int64_t line = SelectedBlock; line < SelectedBlock + height && line <= PageLineCount;
       ++line)
    BlockListBox.Add(std::string(BlockText(*this, PageLineText(*this, line), PageBlockIndex)));
  BlockListBox.SetItemIndex(PageLineInBand - 1);
  BlockListBox.SetVisible(BlockListBox.Count() > 0);
}

void TParseView::ShowFooterBlockClick() {
  FooterListBox.Clear();
  // Only the footer rows the page image shows: with the footer line below them there are none.
  const int rows_shown = InputPageListBox.Geometry().height / InputPageListBox.ItemHeight();
  const std::int64_t last_shown =
      std::min<std::int64_t>(PageLineCount, std::int64_t{InputPageListBox.TopIndex()} + rows_shown);
  for (std::int64_t line = std::max<std::int64_t>(std::int64_t{PageFooterLine} + 1, 1);
       line <= last_shown; ++line)
    FooterListBox.Add(std::string(PageLineText(*this, line)));
  FooterListBox.SetVisible(FooterListBox.Count() > 0);
  const std::int64_t selected = std::int64_t{InputPageListBox.ItemIndex()} + 1 - PageFooterLine - 1;
  FooterListBox.SetItemIndex(ToInt(selected));
}

void TParseView::BlockListBoxClick() {
  InputPageListBox.SetItemIndex(ToInt(std::int64_t{BlockListBox.ItemIndex()} + SelectedBlock - 1));
  PageClick.Click();
}

void TParseView::HeaderListBoxClick() {
  InputPageListBox.SetItemIndex(HeaderListBox.ItemIndex() + InputPageListBox.TopIndex());
  PageClick.Click();
}

void TParseView::FooterListBoxClick() {
  InputPageListBox.SetItemIndex(ToInt(std::int64_t{FooterListBox.ItemIndex()} + PageFooterLine));
  PageClick.Click();
}

void TParseView::InputPageScrollBarChange() {
  const int line = InputPageScrollBar.Position() - 1;
  // The position that follows a chosen line has nothing more to choose.
  if (line == InputPageListBox.ItemIndex() || line < 0 || line >= InputPageListBox.Count()) return;
  InputPageListBox.SetItemIndex(line);
  PageClick.Click();
}

void TParseView::InputPageListBoxMouseDown() {
  PageSelectedColumn = PageMouseX / PageCharWidth();
}

void TParseView::InputPageListBoxMouseMove(int x, int y) {
  PageMouseX = x;
  PageMouseY = y;
  const int line = y / InputPageListBox.ItemHeight() + InputPageListBox.TopIndex() + 1;
  const int column = x / PageCharWidth();
  RowPositionValue.SetCaption(std::to_string(line));
  ColPositionValue.SetCaption(column < 1 ? "  " : std::to_string(column));
  const std::string_view text = PageLineText(*this, line);
  PageLinePart.SetCaption(
      std::string(text.substr(std::min<std::size_t>(std::max(column, 0), text.size()))));
  const tk::Bounds& list = InputPageListBox.Geometry();
  PagePositionPanel.SetLeft(list.left + x + 12);
  PagePositionPanel.SetTop(list.top + y + 12);
  PagePositionPanel.SetVisible(line >= 1 && line <= PageLineCount);
}

void TParseView::BlockListBoxMouseMove(int x, int y) {
  // Columns count from the left of the page, not of the block.
  const std::int64_t column = BlockStart(*this, PageBlockIndex) + x / PageCharWidth();
  PageSelectedColumn = ToInt(column);
  const int rows = std::clamp(SelectedBlock - 1 - InputPageListBox.TopIndex(), 0, 99);
  InputPageListBoxMouseMove(ToInt(column * PageCharWidth()),
                            y + rows * InputPageListBox.ItemHeight());
}

}  // namespace vt
