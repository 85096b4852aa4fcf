// Delimited input: the comma cutter, the other-delimiter cutter and the delimiter choice.
#include "input/record_cut.h"
#include "window/parse_view.h"

namespace vt {

void TParseView::ParseInputLineClick() {
  const int count = CutCommaRecord(*this);
  // Outside a run every cut checks every name.
  if (!TakeFirstRecordAsFieldName.Checked()) DefaultFieldNamer().Name(*this, count);
  if (BatchRun == 0 && !InputFileName.empty()) DisplayInput.Click();
}

void TParseView::SpecialParseClick() {
  const int count = CutDelimitedRecord(*this, InputDelimiter[0]);
  if (count < 0) return;  // no delimiter: nothing to cut at
  if (!TakeFirstRecordAsFieldName.Checked()) DefaultFieldNamer().Name(*this, count);
  if (BatchRun == 0) DisplayInput.Click();
}

void TParseView::SpecialDelimiterInputBoxChange() {
  const std::string& text = SpecialDelimiterInputBox.Text();
  if (text.empty()) return;  // an emptied box keeps the delimiter it had
  InputDelimiter[0] = text[0];
  DelimChoice.SetItemIndex(static_cast<unsigned char>(text[0]) - 1);
  InputType.SetFocus();
  // A dBase record has its fields from the table's header: never cut it at a delimiter (a
  // loaded set-up sets this box whatever the input is).
  if (DbaseInputActive == 0) SpecialParse.Click();
}

void TParseView::DelimChoiceClick() {
  const int item = DelimChoice.ItemIndex();
  if (item < 0 || item > 254) return;
  InputDelimiter[0] = static_cast<char>(item + 1);
  SpecialDelimiterInputBox.SetText(std::string(1, InputDelimiter[0]));
}

}  // namespace vt
