// Delimited input: the comma cutter, the other-delimiter cutter and the delimiter choice.
#include "input/delimited_split.h"
#include "window/parse_view.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace vt {

namespace {

// "Field1" to "Field1500", made once: a run names every record's fields the same way.
struct DefaultFieldNames {
  DefaultFieldNames() {
    for (int j = 1; j <= InputTables::kMaxFields; ++j) {
      char digits[8];
      int n = 0;
      for (int rest = j; rest != 0; rest /= 10) digits[n++] = static_cast<char>('0' + rest % 10);
      auto& name = text[static_cast<std::size_t>(j)];
      std::memcpy(name.data(), "Field", 5);
      std::uint8_t size = 5;
      while (n > 0) name[size++] = digits[--n];
      length[static_cast<std::size_t>(j)] = size;
    }
  }
  std::array<std::array<char, 12>, InputTables::kMaxFields + 1> text{};
  std::array<std::uint8_t, InputTables::kMaxFields + 1> length{};
};

// Names are 6 to 9 bytes ("Field1" to "Field1500"): compares of a constant length compile to
// a few loads, where a call to memcmp would cost more than the name.
bool SameText(const std::string& stored, const char* name, std::size_t length) {
  if (stored.size() != length) return false;
  const char* text = stored.data();
  switch (length) {
    case 6:
      return std::memcmp(text, name, 6) == 0;
    case 7:
      return std::memcmp(text, name, 7) == 0;
    case 8:
      return std::memcmp(text, name, 8) == 0;
    case 9:
      return std::memcmp(text, name, 9) == 0;
    default:
      return std::memcmp(text, name, length) == 0;
  }
}

void NameFields(TParseView& v, int count) {
  if (v.TakeFirstRecordAsFieldName.Checked()) return;  // the first record's names stay
  count = std::min(count, InputTables::kMaxFields);
  if (count <= v.RunNamedFields) return;
  static const DefaultFieldNames kNames;
  // Stored only when different: after the first record a run compares and writes nothing.
  for (int j = 1; j <= count; ++j) {
    const auto k = static_cast<std::size_t>(j);
    const std::size_t length = kNames.length[k];
    const char* name = kNames.text[k].data();
    std::string& stored = v.InputFieldNames[k];
    if (!SameText(stored, name, length)) stored.assign(name, length);
  }
  if (v.RunNamedFields >= 0) v.RunNamedFields = count;
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
