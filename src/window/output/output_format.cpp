// The output format choice: the dBase and XML name fix-ups it makes, the special delimiter and
// the XML names and translation options.
#include <initializer_list>

#include "output/field_names.h"
#include "strings/char_class.h"
#include "strings/fixed_text.h"
#include "window/parse_view.h"

namespace vt {

namespace {

constexpr char kDbaseAlert[] =
    "For dBase output you must set field widths for Character and Numeric fields and decimal "
    "places for Numeric fields";

// A field passes when it is a date or logic field, has no source, or has a width and, when
// numeric, a digit in its decimal places.
bool DbaseFieldPasses(const OutputTables& t, std::size_t slot) {
  const std::uint32_t flags = t.OutputFieldFlags[slot];
  if (flags & (kFlagDbaseDate | kFlagDbaseLogic)) return true;
  if (t.OutputFieldSource[slot] == 0) return true;
  if (t.OutputFieldWidths[slot] < 1) return false;
  const auto& decimals = t.OutputFieldDecimals[slot];
  return !(flags & kFlagNumeric) || IsDigit(decimals[0]) || IsDigit(decimals[1]);
}

// Every field name up to the first empty one, passed through `fix`.
template <typename Fix>
void FixFieldNames(OutputTables& t, Fix fix) {
  std::string name;
  for (std::size_t slot = 1; slot < OutputTables::kSlots; ++slot) {
    auto& stored = t.OutputFieldNameTable[slot];
    if (stored[0] == '\0') break;
    fix(TextOf(stored), name);
    CopyText(stored, name);
  }
}

}  // namespace

bool TParseView::DbaseFieldsPass() {
  for (int n = 1; n <= OutputFieldsInUse(); ++n) {
    const auto slot = static_cast<std::size_t>(n);
    if (OutputFieldNameTable[slot][0] == '\0') break;
    if (DbaseFieldPasses(*this, slot)) continue;
    OutputFieldNamesListBox.SetItemIndex(n - 1);
    DisplayOutput.Click();
    services().messages->Show(kDbaseAlert, "Output Format Alert", tk::MessageStyle::kNote);
    DbaseOutputButton.SetChecked(false);
    return false;
  }
  return true;
}

void TParseView::OutputFormatGroupBoxClick() {
  if (DbaseOutputButton.Checked()) {
    if (!DbaseFieldsPass()) return;
    FixFieldNames(*this, MakeDbfFieldName);
    for (std::size_t slot = 1; slot < kSlots; ++slot) {
      if (OutputFieldFlags[slot] & kFlagDbaseLogic) OutputFieldWidths[slot] = 1;
    }
    OutputFieldNames.SetChecked(false);
    OutputFieldNames.SetEnabled(false);
    DbaseDateButton.SetVisible(true);
    DbaseLogicButton.SetVisible(true);
  } else {
    DbaseDateButton.SetVisible(false);
    DbaseLogicButton.SetVisible(false);
    OutputFieldNames.SetEnabled(true);
  }
  if (XML.Checked()) FixFieldNames(*this, MakeXmlName);
  DisplayOutput.Click();
  if (SpecialDelimitedOutputButton.Checked() && LoadingPreferences == 0)
    OutputSpecialDelimiterEditBox.SetFocus();
}

void TParseView::BindOutputFormatHandlers() {
  for (tk::RadioButton* button :
       {&DelimitedOutputButton, &TabDelimitedOutputButton, &SpecialDelimitedOutputButton,
        &FixedFormatOutputButton, &DbaseOutputButton, &WordPerfect, &XML, &ClipOut}) {
    button->on_click = [this] { OutputFormatGroupBoxClick(); };
  }
  OutputSpecialDelimiterEditBox.on_key_press = [this](char& key) {
    if (key != '\r') return;
    key = 0;
    InputFieldNamesListBox.SetFocus();
  };
  OutputSpecialDelimiterEditBox.on_exit = [this] {
    if (OutputFieldNamesListBox.ItemIndex() >= 0) DisplayOutput.Click();
  };
  for (tk::Edit* box : {&XMLTableName, &XMLRecordName}) {
    box->on_exit = [box] {
      std::string name;
      MakeXmlName(box->Text(), name);
      box->SetText(name);
    };
  }
  XMLTranslate.on_click = [this] { DisplayOutput.Click(); };
}

}  // namespace vt
