// Page-image input: the handlers of the Page sheet bound, pages read into the page image, Next
// Page and Previous Page, and the page options gathered from the controls.
#include <algorithm>
#include <cstdlib>

#include "input/page_fields.h"
#include "input/page_image.h"
#include "window/parse_view.h"

namespace vt {

void TParseView::BindPageHandlers() {
  ReadPage.on_click = [this] { ReadPageClick(); };
  NextPage.on_click = [this] { NextPageClick(); };
  PrevPage.on_click = [this] { PrevPageClick(); };
  PageClick.on_click = [this] { ListBoxLineToInputLine(); };
  InputPageListBox.on_click = [this] { ListBoxLineToInputLine(); };
  ProcessPageLine.on_click = [this] { ProcessPageLineClick(); };
  CutUpPage.on_click = [this] { CutUpPageClick(); };
  SetPageHeaderButton.on_click = [this] { SetPageHeaderButtonClick(); };
  SetPageFooterButton.on_click = [this] { SetPageFooterButtonClick(); };
  PageDataButton.on_click = [this] { PageDataButtonClick(); };
  FormLengthInputBox.on_exit = [this] { FormLengthInputBoxClick(); };
  FormLengthInputBox.on_change = [this] { FormLengthEdited = FormLengthInputBox.Focused(); };
  FormLengthInputBox.on_key_press = [this](char& key) { FormLengthInputBoxKeyPress(key); };
  PageLeftGutter.on_exit = [this] { PageLeftGutterExit(); };
  PageBlockWidth.on_exit = [this] { PageBlockWidthExit(); };
  PageBlockNumber.on_exit = [this] { PageBlockNumberExit(); };
  ShowHeaderListBox.on_click = [this] { ShowHeaderListBoxClick(); };
  ShowDataBlock.on_click = [this] { ShowDataBlockClick(); };
  ShowFooterBlock.on_click = [this] { ShowFooterBlockClick(); };
  BlockListBox.on_click = [this] { BlockListBoxClick(); };
  HeaderListBox.on_click = [this] { HeaderListBoxClick(); };
  FooterListBox.on_click = [this] { FooterListBoxClick(); };
  InputPageScrollBar.on_change = [this] { InputPageScrollBarChange(); };
  InputPageListBox.on_mouse_down = [this](bool, int) { InputPageListBoxMouseDown(); };
  for (tk::ListBox* list : {&InputPageListBox, &HeaderListBox})
    list->on_mouse_move = [this](int x, int y) { InputPageListBoxMouseMove(x, y); };
  // The footer rows' view starts at the line after PageFooterLine.
  FooterListBox.on_mouse_move = [this](int x, int y) {
    const int rows = std::clamp(PageFooterLine - InputPageListBox.TopIndex(), 0, kPageLinesMax);
    InputPageListBoxMouseMove(x, y + rows * InputPageListBox.ItemHeight());
  };
  BlockListBox.on_mouse_move = [this](int x, int y) { BlockListBoxMouseMove(x, y); };
  auto hide_position = [this] { PagePositionPanel.SetVisible(false); };
  InputPageListBox.on_exit = hide_position;
  for (tk::Control* c : std::initializer_list<tk::Control*>{
           &PageInputTab, &PagePositionPanel, &PageBandsGroupBox, &PageBlocksGroupBox})
    c->on_mouse_move = [hide_position](int, int) { hide_position(); };

  TagList.on_click = [this] { TagListClick(); };
  AddTag.on_click = [this] { AddTagClick(); };
  DeleteTag.on_click = [this] { DeleteTagClick(); };
  TagIn.on_exit = [this] { TagInExit(); };
  TagIn.on_key_press = [this](char& key) { TagInKeyPress(key); };
  TagOccurIn.on_exit = [this] { TagOccurInExit(); };
  TagBelow.on_click = [this] { TagBelowClick(); };
  IgnoreLineEnds.on_click = [this] { IgnoreLineEndsClick(); };
  GetTags.on_click = [this] { GetTagsClick(); };
  GetHTML.on_click = [this] { GetHTMLClick(); };
  FindWebPatterns.on_click = [this] { FindWebPatternsClick(); };
  WebForm.on_click = [this] { WebFormClick(); };
  HTMLTableCheckBox.on_click = [this] { HTMLTableCheckBoxClick(); };
  StripTags.on_click = [this] { StripTagsClick(); };
}

PageOptions TParseView::PageBreakOptions() const {
  PageOptions options;
  if (FormFeedButton.Checked()) options.mode = PageBreak::kFormFeed;
  if (TagTextButton.Checked()) options.mode = PageBreak::kTagText;
  if (BlankLinesPage.Checked()) options.mode = PageBreak::kBlankLines;
  options.tag = TagTextIn.Text();
  options.tag_at_left_only = VFC.ItemIndex() == 1;
  options.skip_blank_lines = SkipBlankLines.Checked();
  return options;
}

PageSetup TParseView::PageInputSetup() const {
  return {.breaks = PageBreakOptions(),
          .cut = {.tagged = TaggedData.Checked(),
                  .html_table = HTMLTableCheckBox.Checked(),
                  .ignore_line_ends = IgnoreLineEnds.Checked(),
                  .selected_tag = SelectedTag + 1}};
}

int TParseView::PageCharWidth() const {
  // The page image shows a character per record cell, whatever the longest line.
  return std::max(YardStick.Geometry().width, 1);
}

void TParseView::ShowPage() {
  const auto first = PageLines.begin() + 1;
  InputPageListBox.SetItems(std::vector<std::string>(first, first + PageLineCount));
  InputPageListBox.SetTopIndex(0);
  InputPageListBox.SetItemIndex(0);
  PageRuler.SetCaption(PageLines[0]);
  InputPageScrollBar.SetRange(0, PageLineCount);
  FormLengthLabel.SetCaption(std::to_string(PageLineCount));
  PrevPage.SetEnabled(PagesRead > 1);
  PageNumber.SetCaption(std::to_string(PagesRead));
  InputLine = PageLines[1];
  RefreshRecordView();
  SelectedRowLabel.SetCaption("1");
  static constexpr const char* kRowNames[] = {"Header Row", "Data Row", "Footer Row"};
  RowTypeLabel.SetCaption(kRowNames[static_cast<int>(RowKindOf(*this, 1))]);
}

void TParseView::ReadPageClick() {
  if (!ReadNextPage(*this, PageBreakOptions())) {
    NextPage.SetEnabled(false);  // the page stays as it was
    return;
  }
  ShowPage();
  if (BatchRun == 0) {
    ShowDataBlock.Click();
    PageClick.Click();
  }
  NextPage.SetEnabled(!PageInputAtEnd(*this));
  if (RecordNumber <= 0) RecordNumberLabel.SetCaption("1");
}

void TParseView::NextPageClick() {
  ReadPage.Click();
}

void TParseView::PrevPageClick() {
  const int n = PagesRead;
  if (n < 2) return;
  // No page index: the input is read again from its start, through the same page reader.
  RewindPages(*this);
  InputPageListBox.Clear();
  const PageOptions options = PageBreakOptions();
  for (int page = 1; page <= n - 2; ++page) (void)ReadNextPage(*this, options);
  ReadPage.Click();
  NextPage.SetEnabled(true);
}

void TParseView::PageInputTabEnter() {
  PageLeftGutter.SetText(std::to_string(PageGutter));
  PageBlockWidth.SetText(std::to_string(PageBlockStep));
  PageBlockNumber.SetText(std::to_string(PageBlockCount));
  if (FixedLengthButton.Checked())
    FormLength = PageLength(std::atoi(FormLengthInputBox.Text().c_str()));
  if (PageFooterLine > FormLength) PageFooterLine = FormLength;
  PageFooterLabel.SetCaption(std::to_string(PageFooterLine));
  PageHeaderLabel.SetCaption(std::to_string(PageDataFirstLine));
  DataBandLabel.SetCaption(std::to_string(PageBandHeight));
  if (FormLength != FormLengthInUse) {
    RewindPages(*this);
    RecordNumber = 0;
  }
  InputRecordMarkerLabel.SetEnabled(true);
  if (PagesRead == 0) {
    ReadPage.Click();
    ShowDataBlock.Click();
  }
  RowSelectedPanel.SetVisible(true);
}

}  // namespace vt
