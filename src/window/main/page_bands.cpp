// Page bands: the Header, Data and Footer buttons that mark the page's areas, the page length
// and the boxes of the vertical blocks.
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "input/page_fields.h"
#include "input/page_image.h"
#include "window/help_topics.h"
#include "window/parse_view.h"

namespace vt {

namespace {

// The number a box holds, read as the boxes are read (leading sign and digits), within an int.
std::int32_t BoxNumber(const std::string& text) {
  const long long value = std::strtoll(text.c_str(), nullptr, 10);
  return static_cast<std::int32_t>(std::clamp<long long>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

bool NoLineChosen(TParseView& v) {
  if (v.InputPageListBox.ItemIndex() >= 0) return false;
  v.services().messages->Show("Please click page line before clicking band button",
                              "Page Definition", tk::MessageStyle::kNote);
  return true;
}

}  // namespace

void TParseView::ClipBandHeight() {
  const std::int64_t area = std::int64_t{PageFooterLine} - PageDataFirstLine + 1;
  if (area < PageBandHeight)
    PageBandHeight = static_cast<std::int32_t>(std::max<std::int64_t>(area, 1));
  DataBandLabel.SetCaption(std::to_string(PageBandHeight));
}

void TParseView::SetPageHeaderButtonClick() {
  if (NoLineChosen(*this)) return;
  PageDataFirstLine = InputPageListBox.ItemIndex() + 1;
  PageHeaderLabel.SetCaption(std::to_string(PageDataFirstLine));
  if (PageDataFirstLine >= PageFooterLine) {
    PageFooterLine = PageDataFirstLine;
    PageFooterLabel.SetCaption(std::to_string(PageFooterLine));
  }
  ClipBandHeight();
  ShowHeaderListBox.Click();
  PageClick.Click();
  services().help->Topic(HelpFilePath, kHelpPageBands);
}

void TParseView::SetPageFooterButtonClick() {
  if (!NoLineChosen(*this)) {
    PageFooterLine = InputPageListBox.ItemIndex() + 1;
    PageFooterLabel.SetCaption(std::to_string(PageFooterLine));
    if (PageDataFirstLine >= PageFooterLine) {
      PageDataFirstLine = PageFooterLine;
      PageHeaderLabel.SetCaption(std::to_string(PageDataFirstLine));
    }
  }
  ClipBandHeight();
  ShowFooterBlock.Click();
  services().help->Topic(HelpFilePath, kHelpPageBands);
}

void TParseView::PageDataButtonClick() {
  if (NoLineChosen(*this)) return;
  PageDataBandEnd = InputPageListBox.ItemIndex() + 2;
  PageBandHeight = std::max<std::int32_t>(PageDataBandEnd - PageDataFirstLine, 1);
  DataBandLabel.SetCaption(std::to_string(PageBandHeight));
  if (PageFooterLine < PageDataBandEnd) PageFooterLine = PageDataBandEnd;
  PageFooterLabel.SetCaption(std::to_string(PageFooterLine));
  ShowDataBlock.Click();
  const std::int64_t lines =
      std::int64_t{std::min(PageFooterLine, PageLineCount)} - PageDataFirstLine + 1;
  if (lines % PageBandHeight != 0) {
    services().messages->Show("Not a whole number of horizontal data bands",
                              "Page Definition Alert", tk::MessageStyle::kNote);
  }
}

void TParseView::FormLengthInputBoxClick() {
  // The box takes the focus whenever the input type is chosen; passing through it without
  // typing must not undo the bands already marked.
  const bool typed = FormLengthEdited;
  FormLengthEdited = false;
  if (!typed || !FixedLengthButton.Checked() || LoadingPreferences != 0) return;
  FormLength = PageLength(BoxNumber(FormLengthInputBox.Text()));
  // The whole page is one band until the user marks the bands.
  PageBandHeight = FormLength;
  PageDataFirstLine = 1;
  PageFooterLine = FormLength;
  DataBandLabel.SetCaption(std::to_string(PageBandHeight));
  PageFooterLabel.SetCaption(std::to_string(PageFooterLine));
}

void TParseView::FormLengthInputBoxKeyPress(char& key) {
  if (key == '\r') PageControl.SetActivePage(&PageInputTab);
  PageControlSwitch.Click();
}

void TParseView::PageLeftGutterExit() {
  PageGutter = BoxNumber(PageLeftGutter.Text());
}

void TParseView::PageBlockWidthExit() {
  PageBlockStep = BoxNumber(PageBlockWidth.Text());
}

void TParseView::PageBlockNumberExit() {
  PageBlockCount = BoxNumber(PageBlockNumber.Text());
}

}  // namespace vt
