// Web-form records and HTML table rows cut into fields, and the HTML Table option.
#include "input/html_table.h"
#include "input/web_form.h"
#include "window/parse_view.h"

namespace vt {

void TParseView::WebFormClick() {
  TakeFirstRecordAsFieldName.SetVisible(false);
  TakeFirstRecordAsFieldName.SetChecked(false);
  // Names are added only while the user looks at records; a run drops names it has not seen.
  (void)CutWebForm(*this, BatchRun == 0);
  if (BatchRun == 0 && !InputFileName.empty()) DisplayInput.Click();
}

void TParseView::GetHTMLClick() {
  FindWebPatterns.Click();
  TagFoundRow.SetCaption("");
  TagFoundCol.SetCaption("");
  if (CutHtmlRow(*this) > 0 && BatchRun == 0) DisplayInput.Click();
}

void TParseView::HTMLTableCheckBoxClick() {
  if (!HTMLTableCheckBox.Checked()) {
    DefineTagsGroupBox.SetEnabled(true);
    return;
  }
  DefineTagsGroupBox.SetEnabled(false);
  // Every table row starts a page of its own, the row tag written as the file writes it.
  TagTextIn.SetText(HtmlRowTag);
  TagTextButton.SetChecked(true);
  VFC.SetItemIndex(0);
}

void TParseView::StripTagsClick() {
  DisplayOutput.Click();
}

}  // namespace vt
