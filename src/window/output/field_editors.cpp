// The output field editors: choosing a generated source, adding, inserting, deleting, renaming,
// defaults, widths, decimals, copying all input fields, clearing, format copy and reordering.
#include <string>

#include "output/field_names.h"
#include "output/field_table.h"
#include "output/generated_sources.h"
#include "strings/fixed_text.h"
#include "window/parse_view.h"

namespace vt {

namespace {

constexpr int kMaxAddedFields = 98;
constexpr int kMaxCopiedFields = 99;
constexpr std::size_t kFieldTextLimit = 31;

const char kEmptySourceHint[] =
    "This parser generated field is currently empty and will result in an empty output field.  "
    "Either the field has not yet been defined to the parser by using the appropriate tab, or "
    "the result of the parsing for the current input record is an empty field.  Note that you "
    "can define a default value to replace an empty output field.";

// A width text: its leading digits; nothing gives 0 (free width), more than the store holds
// gives -1 (refused).
int ReadWidthText(std::string_view text) {
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    if (value > 32767) return -1;
  }
  return static_cast<int>(value);
}

}  // namespace

bool TParseView::AskKeepOutputFormat(int n) {
  if (HasDefaultName(*this, n)) return false;
  return services().messages->Show(
             "Do you want to retain the original output field description "
             "and format?",
             "New source field selected", tk::MessageStyle::kQuestion) == tk::MessageReply::kYes;
}

void TParseView::ApplyOutputNameFormat(int n) {
  auto& slot = OutputFieldNameTable[static_cast<std::size_t>(n)];
  std::string name;
  if (DbaseOutputButton.Checked()) {
    MakeDbfFieldName(TextOf(slot), name);
    CopyText(slot, name);
  }
  if (XML.Checked()) {
    MakeXmlName(TextOf(slot), name);
    CopyText(slot, name);
  }
}

void TParseView::OutputFieldNamesListBoxClick() {
  const int top = OutputFieldNamesListBox.TopIndex();
  CoverFieldPanel.SetVisible(false);
  DisplayOutput.Click();
  OutputHint.Click();
  OutputFieldNamesListBox.SetTopIndex(top);
}

void TParseView::OutputFieldNamesListBoxExit() {
  if (OutputFieldNamesListBox.ItemIndex() >= 0)
    SelectedOutputField = OutputFieldNamesListBox.ItemIndex();
  InstructionHints.SetVisible(false);
}

// Left points at the rename box: it renames the selected field.
void TParseView::OutputFieldNamesListBoxKeyDown(int& key) {
  if (key != tk::kKeyLeft) return;
  RenameFieldButton.Click();
  key = 0;
}

void TParseView::ParsedItemNamesExit() {
  InstructionHints.SetVisible(false);
}

void TParseView::ParsedItemNamesClick() {
  const int item = ParsedItemNames.ItemIndex();
  if (item < 0) return;
  const int k = item + kEmptyField;  // the list starts at "Empty Field"
  InputFieldNamesListBox.SetItemIndex(-1);
  const int n = SelectedOutputFieldNumber();
  if (n != 0) {
    const auto slot = static_cast<std::size_t>(n);
    const bool replace = !AskKeepOutputFormat(n);
    OutputFieldSource[slot] = static_cast<std::int16_t>(-k);
    if (replace) CopyText(OutputFieldNameTable[slot], GeneratedSourceName(k));
    ApplyOutputNameFormat(n);
    if (replace) {
      std::uint32_t flags = kFlagRemoveBlanks;
      const bool date = k == kTodaysDate || (k >= kDate1 && k <= kDate4);
      if (date) flags |= kFlagDateSource | kFlagDbaseDate;
      int width = 0;
      std::string_view decimals = " ";
      if (k == kRecordNumber || k == kInputPageNumber) flags |= kFlagNumeric;
      if (k == kOddEven || (k >= kGender1 && k <= kGender3)) width = 1;
      // Day, month, year, hour, minute and second.
      const bool day_part = (k >= kTodaysDay && k <= kTodaysYear) || (k >= kDay1 && k <= kSecond4);
      if (day_part) {
        flags |= kFlagNumeric;
        decimals = "0";
        width = 2;
        ShowingFieldOptions = true;  // the refresh below shows and stores the new format
        NumericOutputBox.SetChecked(true);
        ShowingFieldOptions = false;
        ShowNumericGroup(true);
      }
      if (k == kTodaysYear || (k >= kYear1 && k <= kYear4)) width = 4;
      OutputFieldFlags[slot] = flags;
      OutputFieldWidths[slot] = static_cast<std::int16_t>(width);
      CopyText(OutputFieldDecimals[slot], decimals);
    }
    DisplayOutput.Click();
  }
  if (!GeneratedSourceValues[static_cast<std::size_t>(k)].empty()) return;
  InstructionHints.SetVisible(false);
  InstructionHints.Clear();
  InstructionHints.AddLine(kEmptySourceHint);
  if (LargeHints.Checked()) InstructionHints.SetVisible(true);
}

void TParseView::OutputHintClick() {
  InstructionHints.SetVisible(false);
  InstructionHints.Clear();
  const int n = OutputFieldNamesListBox.ItemIndex() + 1;
  if (n < 0 || n >= kSlots) return;
  const auto slot = static_cast<std::size_t>(n);
  const int source = OutputFieldSource[slot];
  std::string text =
      source != 0
          ? "You may click on a field name in either the \"Input Field Names\" box or in the "
            "\"Parser Generated Fields\" box to change your selection of the item to go into the "
            "field labelled "
          : "Now click on a field name in either the Input \"Field Names\" box or in the \"Parser "
            "Generated Fields\" box to select the item to go into ";
  text += TextOf(OutputFieldNameTable[slot]);
  if (source > 0) {
    text += "\" instead of input field \"";
    if (static_cast<std::size_t>(source) < InputFieldNames.size())
      text += InputFieldNames[static_cast<std::size_t>(source)];
  } else if (source < 0) {
    text += "\" instead of Parser Generated \"";
    text += GeneratedSourceName(-source);
  }
  text +=
      "\".  You may also click on an item in the \"Output File Format\" area to make changes to "
      "the output format of the file or in the \"Detail Setup\" area to make changes in the "
      "output format of the field, to rename it or to set a default value. Right clicking will "
      "copy the formatting to another field.";
  InstructionHints.AddLine(text);
  if (LargeHints.Checked()) InstructionHints.SetVisible(true);
}

void TParseView::AddFieldButtonClick() {
  if (OutputFieldsInUse() >= kMaxAddedFields) {
    AddFieldButton.SetEnabled(false);
    InsertFieldButton.SetEnabled(false);
    services().messages->Show(
        "You may not define more than 98 output fields. To add another you must first delete "
        "one.",
        "Too many fields", tk::MessageStyle::kStop);
    return;
  }
  OutputFieldCount = OutputFieldsInUse() + 1;
  OutputFieldFlags[static_cast<std::size_t>(OutputFieldCount)] = kFlagRemoveBlanks;
  DisplayOutput.Click();
  OutputFieldNamesListBox.SetItemIndex(OutputFieldCount - 1);
  SelectedOutputField = OutputFieldCount - 1;
  DisplayOutput.Click();
  OutputHint.Click();
}

void TParseView::InsertFieldButtonClick() {
  if (OutputFieldsInUse() >= kMaxAddedFields) {
    AddFieldButton.SetEnabled(false);
    InsertFieldButton.SetEnabled(false);
    services().messages->Show(
        "You may not define more than 98 output fields. To add another you must first delete "
        "one.",
        "Too many fields", tk::MessageStyle::kStop);
    return;
  }
  StoreValues.Click();
  const int p = SelectedOutputFieldNumber();
  if (p != 0 && InsertFieldAt(*this, p)) DisplayOutput.Click();
  OutputHint.Click();
  SelectedOutputField = OutputFieldNamesListBox.ItemIndex();
}

void TParseView::DeleteFieldButtonClick() {
  AddFieldButton.SetEnabled(true);
  InsertFieldButton.SetEnabled(true);
  const int p = SelectedOutputFieldNumber();
  if (p != 0 && DeleteFieldAt(*this, p)) DisplayOutput.Click();
}

void TParseView::RenameFieldButtonClick() {
  if (SelectedOutputFieldNumber() == 0) return;
  RenameEditBox.SetEnabled(true);
  RenameEditBox.SetFocus();
}

void TParseView::RenameEditBoxExit() {
  const int n = SelectedOutputFieldNumber();
  if (n == 0) return;
  RenameEditBox.SetEnabled(false);
  CopyText(OutputFieldNameTable[static_cast<std::size_t>(n)], RenameEditBox.Text());
  ApplyOutputNameFormat(n);
  DisplayOutput.Click();
}

void TParseView::DefaultButtonClick() {
  if (SelectedOutputFieldNumber() == 0) return;
  DefaultValueEditBox.SetEnabled(true);
  DefaultValueEditBox.SetFocus();
}

void TParseView::DefaultValueEditBoxExit() {
  const int n = SelectedOutputFieldNumber();
  if (n == 0) return;
  if (DefaultValueEditBox.Text().size() > kFieldTextLimit) {
    DefaultValueEditBox.SetText(DefaultValueEditBox.Text().substr(0, kFieldTextLimit));
    services().messages->Show("Truncated to 31 characters", "Too long", tk::MessageStyle::kStop);
  }
  DefaultValueEditBox.SetEnabled(false);
  CopyText(OutputFieldDefaults[static_cast<std::size_t>(n)], DefaultValueEditBox.Text());
  DisplayOutput.Click();
}

void TParseView::FieldWidthButtonClick() {
  if (SelectedOutputFieldNumber() == 0) return;
  OutputWidthEditBox.SetEnabled(true);
  OutputWidthEditBox.SetFocus();
}

void TParseView::OutputWidthEditBoxExit() {
  const int n = SelectedOutputFieldNumber();
  if (n == 0) return;
  OutputWidthEditBox.SetEnabled(false);
  const int width = ReadWidthText(OutputWidthEditBox.Text());
  // A width the 16-bit store cannot hold is refused rather than wrapped into another width.
  if (width >= 0) OutputFieldWidths[static_cast<std::size_t>(n)] = static_cast<std::int16_t>(width);
  DisplayOutput.Click();
}

void TParseView::DecimalPlacesExit() {
  const int n = SelectedOutputFieldNumber();
  if (n == 0) return;
  CopyText(OutputFieldDecimals[static_cast<std::size_t>(n)], DecimalPlaces.Text());
  DisplayOutput.Click();
}

void TParseView::CloneButtonClick() {
  if (InputFieldTotal >= 100) {
    services().messages->Show(
        "You may not automatically copy more than 99 fields - please select individually.",
        "Too many fields to copy", tk::MessageStyle::kStop);
    return;
  }
  const bool dbase = DbaseInputActive != 0;
  DbaseOutputButton.SetChecked(dbase);
  const int total = std::min(InputFieldTotal, kMaxCopiedFields);
  for (int i = 1; i <= total; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    OutputFieldSource[slot] = static_cast<std::int16_t>(i);
    CopyText(OutputFieldNameTable[slot],
             slot < InputFieldNames.size() ? std::string_view(InputFieldNames[slot]) : "");
    // A copied name must suit the chosen format just as a name chosen with its source does.
    ApplyOutputNameFormat(i);
    if (BinaryInput.Checked()) {
      const std::int16_t bits = DividerMatrix[98][slot];
      if (bits & (2 | 4)) {
        OutputFieldFlags[slot] |= kFlagNumeric;
        CopyText(OutputFieldDecimals[slot], "0");
      }
      if (bits & 8) {
        OutputFieldFlags[slot] |= kFlagNumeric;
        CopyText(OutputFieldDecimals[slot], "2");
      }
    }
    if (dbase && slot < DbaseFieldTypes.size()) {
      const char type = DbaseFieldTypes[slot];
      if (type == 'D') OutputFieldFlags[slot] |= kFlagDateSource | kFlagDbaseDate;
      if (type == 'L') OutputFieldFlags[slot] |= kFlagDbaseLogic;
      if (type == 'N' || type == 'F' || type == 'B' || type == 'I')
        OutputFieldFlags[slot] |= kFlagNumeric;
      OutputFieldWidths[slot] = static_cast<std::int16_t>(DbaseFieldLengths[slot]);
      CopyText(OutputFieldDecimals[slot], std::to_string(DbaseFieldDecimals[slot]));
    }
  }
  OutputFieldCount = total;
  if (XmlInput != 0) {
    // Field 1 is the record tag.
    std::string name;
    for (int i = 1; i < total; ++i) {
      CopyField(*this, i + 1, i);
      MakeXmlName(TextOf(OutputFieldNameTable[static_cast<std::size_t>(i)]), name);
      CopyText(OutputFieldNameTable[static_cast<std::size_t>(i)], name);
    }
    OutputFieldCount = std::max(total - 2, 0);
  }
  CloneButton.SetEnabled(false);
  DisplayOutput.Click();
}

void TParseView::ClearOutputClick() {
  if (services().messages->Show("Confirm that you wish to clear the output fields",
                                "Please Confirm",
                                tk::MessageStyle::kQuestion) != tk::MessageReply::kYes) {
    return;
  }
  OutputFieldsListBox.Clear();
  OutputFieldNamesListBox.Clear();
  for (int n = 0; n <= OutputFieldsInUse(); ++n) {
    const auto slot = static_cast<std::size_t>(n);
    OutputFieldLongest[slot] = 0;
    OutputFieldSource[slot] = 0;
    CopyText(OutputFieldDecimals[slot], " ");
    OutputFieldWidths[slot] = 0;
    OutputFieldFlags[slot] = kFlagRemoveBlanks;
  }
  OutputFieldCount = 0;
  PageControlSwitch.Click();
}

void TParseView::OutputFieldNamesListBoxMouseDown(bool right_button, int item) {
  if (!right_button) {
    DragSourceField = item >= 0 && item < OutputFieldsInUse() ? item + 1 : 0;
    return;
  }
  const int from = SelectedOutputFieldNumber();
  if (item < 0 || item >= OutputFieldsInUse() || from == 0) return;
  if (item + 1 == from) {
    services().messages->Show(
        "Right-clicking another output field will copy this field's "
        "formatting to it.",
        "Output format copying", tk::MessageStyle::kNote);
    return;
  }
  OutputFieldNamesListBox.SetItemIndex(item);
  const std::string question =
      "Do you want to copy the field format from " +
      std::string(TextOf(OutputFieldNameTable[static_cast<std::size_t>(from)])) + " to " +
      std::string(TextOf(OutputFieldNameTable[static_cast<std::size_t>(item + 1)])) + "?";
  if (services().messages->Show(question, "Copy Output Format?", tk::MessageStyle::kQuestion) ==
      tk::MessageReply::kYes) {
    CopyFieldFormat(*this, from, item + 1);
  }
  DisplayOutput.Click();
}

void TParseView::OutputFieldNamesListBoxDragDrop(int item) {
  const int from = DragSourceField;
  DragSourceField = 0;
  const int count = OutputFieldsInUse();
  const int to = item >= 0 && item < count ? item + 1 : count;
  if (from == 0 || !MoveField(*this, from, to)) return;
  OutputFieldNamesListBox.SetItemIndex(to - 1);
  DisplayOutput.Click();
}

}  // namespace vt
