// Delimited input: the comma cutter, the other-delimiter cutter and the delimiter choice.
#include "main/input/delimited_split.h"
#include "main/parse_view.h"

namespace vt {

namespace {

void NameFields(TParseView& v, int count) {
  if (v.TakeFirstRecordAsFieldName.Checked()) return;  // the first record's names stay
  // Built in place and stored only when different: a run cuts every record the same way.
  char name[16] = "Field";
  for (int j = 1; j <= count; ++j) {
    char digits[8];
    int n = 0;
    for (int rest = j; rest != 0; rest /= 10) digits[n++] = static_cast<char>('0' + rest % 10);
    std::size_t length = 5;
    while (n > 0) name[length++] = digits[--n];
    const std::string_view text(name, length);
    std::string& stored = v.InputFieldNames[static_cast<std::size_t>(j)];
    if (stored != text) stored.assign(text);
  }
}

}  // namespace

void TParseView::ParseInputLineClick() {
  const int count = SplitCommaRecord(InputLine, InputFieldValues);
  InputFieldCounts[0] = count;
  InputRecordCut();
  NameFields(*this, count);
  if (BatchRun == 0 && !InputFileName.empty()) DisplayInput.Click();
}

void TParseView::SpecialParseClick() {
  if (InputDelimiter[0] == '\0') return;  // no delimiter: nothing to cut at
  const int count = SplitDelimitedRecord(InputLine, InputDelimiter[0], InputFieldValues);
  InputFieldCounts[0] = count;
  InputRecordCut();
  NameFields(*this, count);
  if (BatchRun == 0) DisplayInput.Click();
}

void TParseView::SpecialDelimiterInputBoxChange() {
  const std::string& text = SpecialDelimiterInputBox.Text();
  if (text.empty()) return;  // an emptied box keeps the delimiter it had
  InputDelimiter[0] = text[0];
  DelimChoice.SetItemIndex(static_cast<unsigned char>(text[0]) - 1);
  InputType.SetFocus();
  SpecialParse.Click();
}

void TParseView::DelimChoiceClick() {
  const int item = DelimChoice.ItemIndex();
  if (item < 0 || item > 254) return;
  InputDelimiter[0] = static_cast<char>(item + 1);
  SpecialDelimiterInputBox.SetText(std::string(1, InputDelimiter[0]));
}

}  // namespace vt
