// Input fields as sources: a click on an input field feeds the active slot of the sheet in
// front, and stored references follow the fields by name when the fields are re-cut.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "output/combinations.h"
#include "output/field_names.h"
#include "output/field_table.h"
#include "output/generated_sources.h"
#include "strings/fixed_text.h"
#include "window/parse_view.h"

namespace vt {

namespace {

bool AnySelected(tk::ListBox* const* lists, int count) {
  for (int i = 0; i < count; ++i) {
    if (lists[i]->ItemIndex() >= 0) return true;
  }
  return false;
}

}  // namespace

void TParseView::InputFieldNamesListBoxExit() {
  InputFieldPanel.SetVisible(false);
}

void TParseView::FilterSourceNameClick() {
  // No field below 1: a loaded field number may be any int32.
  InputFieldNamesListBox.SetItemIndex(FilterSourceField > 0 ? FilterSourceField - 1 : -1);
}

void TParseView::InputFieldNamesListBoxClick() {
  const int item = InputFieldNamesListBox.ItemIndex();
  if (item < 0) return;
  const int f = item + 1;
  const auto field = static_cast<std::size_t>(f);
  const std::string sheet = PageControl.ActivePage() ? PageControl.ActivePage()->Name() : "";
  auto name_of = [this](std::int32_t i) -> std::string {
    const auto at = static_cast<std::size_t>(i);
    return i > 0 && at < InputFieldNames.size() ? InputFieldNames[at] : std::string();
  };

  if (TaggedData.Checked() && sheet == "PageInputTab" && field < TagTexts.size()) {
    TagList.SetItemIndex(item);
    // The tag the list now shows is the one Delete and an edit act on; a field that is no
    // row of the list selects none.
    SelectedTag = TagList.ItemIndex();
    TagIn.SetText(std::string(TextOf(TagTexts[field])));
    TagOccurIn.SetText(std::to_string(std::abs(TagOccurrences[field])));
    TagBelow.SetChecked(TagOccurrences[field] < 0);
  }
  if ((FixedInputButton.Checked() || BinaryInput.Checked()) && !InputLine.empty() && f <= 99) {
    const std::int64_t column = DividerMatrix[0][field - 1];
    InputRecordScrollBar.SetPosition(static_cast<int>(column * InputRecordScrollBar.Max() /
                                                      static_cast<std::int64_t>(InputLine.size())));
  }
  if (BinaryInput.Checked()) MakeBinaryValue.Click();
  if (sheet == "MiscTab") {
    FilterSourceField = f;
    FilterSourceName.Clear();
    FilterSourceName.Add(name_of(f));
  }
  if (sheet == "OutputConfiguration") {
    ParsedItemNames.SetItemIndex(-1);
    const int n = SelectedOutputFieldNumber();
    if (n != 0) {
      const auto slot = static_cast<std::size_t>(n);
      const bool keep = AskKeepOutputFormat(n);
      OutputFieldSource[slot] = static_cast<std::int16_t>(f);
      if (!keep) CopyText(OutputFieldNameTable[slot], name_of(f));
      ApplyOutputNameFormat(n);
      const bool dbase = DbaseInputActive != 0 && field < DbaseFieldTypes.size();
      if (!keep && dbase) {
        const char type = DbaseFieldTypes[field];
        if (type == 'D') OutputFieldFlags[slot] |= kFlagDbaseDate | kFlagDateSource;
        if (type == 'L') OutputFieldFlags[slot] |= kFlagDbaseLogic;
        if (type == 'N' || type == 'F') {
          OutputFieldFlags[slot] |= kFlagNumeric;
          ShowingFieldOptions = true;  // the refresh below shows and stores the new format
          NumericOutputBox.SetChecked(true);
          ShowingFieldOptions = false;
          ShowNumericGroup(true);
        }
        OutputFieldWidths[slot] = static_cast<std::int16_t>(DbaseFieldLengths[field]);
        CopyText(OutputFieldDecimals[slot], std::to_string(DbaseFieldDecimals[field]));
      }
      DisplayOutput.Click();
    }
  }

  // A slot click on another sheet may have moved the active row off the combinations.
  if (sheet == "CombineInputFields" && AnySelected(ComboLists, 5) &&
      IsCombinationRow(ActiveSourceRow)) {
    SpecialSourceTable[static_cast<std::size_t>(ActiveSourceRow)]
                      [static_cast<std::size_t>(ActiveComboSlot)] = f;
    InputFieldNamesListBox.SetItemIndex(-1);
    DisplayOutput.Click();
    DisplayCombo.Click();
    ClearCombo.SetEnabled(false);
  }
  auto fill_slot_lists = [&](tk::ListBox* const* lists, int count, std::size_t row, int first) {
    for (int i = 0; i < count; ++i) {
      lists[i]->Clear();
      lists[i]->Add(name_of(SpecialSourceTable[row][static_cast<std::size_t>(first + i)]));
    }
  };
  auto fill_row = [&](tk::ListBox* const* lists, int count, std::size_t row, int slot, int first,
                      tk::Button& clear) {
    SpecialSourceTable[row][static_cast<std::size_t>(slot)] = f;
    InputFieldNamesListBox.SetItemIndex(-1);
    DisplayOutput.Click();
    fill_slot_lists(lists, count, row, first);
    clear.SetEnabled(false);
  };
  if (sheet == "ParseStreet" && AnySelected(StreetLists, 6))
    fill_row(StreetLists, 6, kStreetRow, ActiveStreetSlot, 0, StreetClear);
  if (sheet == "CityPage" && AnySelected(CityLists, 5))
    fill_row(CityLists, 5, kCityRow, ActiveCitySlot, 1, CityClear);
  if (sheet == "ParseNameSheet" && AnySelected(NameLists, 5))
    fill_row(NameLists, 5, kNameRow, ActiveNameSlot, 1, NameClear);
  if (sheet == "GenderSheet" && GenderSource.ItemIndex() >= 0) {
    SpecialSourceTable[kGenderSplitRow][static_cast<std::size_t>(ActiveGenderSlot - 1)] = f;
    DisplayOutput.Click();
  }
  if (sheet == "Time" && TimeSource.ItemIndex() >= 0 && ActiveTimeSlot >= 1 &&
      ActiveTimeSlot <= 4) {
    DateTimeSources[static_cast<std::size_t>(4 + ActiveTimeSlot)] = f;
    DisplayOutput.Click();
  }
  if (sheet == "ParsePhoneSheet" && AnySelected(PhoneLists, 6))
    fill_row(PhoneLists, 6, kPhoneRow, ActivePhoneSlot, 0, PhoneClear);
  if (sheet == "SplitSheet" && AnySelected(SplitLists, 3))
    fill_row(SplitLists, 3, kGenderSplitRow, kFirstSplitSlot + ActiveSplitSlot - 1, kFirstSplitSlot,
             SplitClear);
  if (sheet == "DateSheet" && DateChoiceBox.ItemIndex() >= 0 && ActiveSourceRow >= 1 &&
      ActiveSourceRow <= 4) {
    DateTimeSources[static_cast<std::size_t>(ActiveSourceRow)] = f;
    const bool dbase_date =
        DbaseInputActive != 0 && field < DbaseFieldTypes.size() && DbaseFieldTypes[field] == 'D';
    DateMemo.SetVisible(dbase_date);
    InputFieldNamesListBox.SetItemIndex(-1);
    DisplayOutput.Click();
    DisplayDates.Click();
  }
}

void TParseView::SaveOldNamesClick() {
  for (std::size_t i = 0; i < OldFieldNames.size(); ++i)
    CopyText(OldFieldNames[i], i < InputFieldNames.size() ? InputFieldNames[i] : std::string());
}

void TParseView::MatchOldNamesClick() {
  OldToNewField.fill(0);
  // Only the fields of the new cut count: names past its last field are left from older cuts.
  const auto last = static_cast<std::size_t>(std::clamp(InputFieldTotal, 0, 99));
  for (std::size_t i = 1; i <= last && i < InputFieldNames.size(); ++i) {
    const std::string& name = InputFieldNames[i];
    if (name.empty()) continue;
    for (std::size_t j = 1; j < 100; ++j) {
      // Only an old field not yet matched pairs up, so duplicate names pair in order.
      if (OldToNewField[j] != 0 || TextOf(OldFieldNames[j]) != name) continue;
      OldToNewField[j] = static_cast<std::int32_t>(i);
      break;
    }
  }
  auto renumber = [this](std::int32_t old) -> std::int32_t {
    // Fields past 99 (delimited input) are never re-cut by name, so they keep their number.
    if (old <= 0 || old >= 100) return old;
    return OldToNewField[static_cast<std::size_t>(old)];
  };
  for (std::size_t n = 1; n < static_cast<std::size_t>(kSlots); ++n) {
    if (OutputFieldSource[n] > 0)
      OutputFieldSource[n] = static_cast<std::int16_t>(renumber(OutputFieldSource[n]));
  }
  for (std::size_t e = 1; e < 30; ++e) DateTimeSources[e] = renumber(DateTimeSources[e]);
  if (FilterSourceField > 0) {
    FilterSourceField = renumber(FilterSourceField);
    // A vanished field leaves the filter as it was before any field was chosen.
    if (FilterSourceField == 0) FilterSourceName.SetItems({"Filter Source"});
  }
  for (int row = kFirstCombinationRow; row <= kGenderSplitRow; ++row) {
    for (std::int32_t& entry : SpecialSourceTable[static_cast<std::size_t>(row)])
      entry = renumber(entry);
  }
  for (int n = 1; n <= OutputFieldsInUse(); ++n) {
    const auto slot = static_cast<std::size_t>(n);
    if (OutputFieldSource[slot] != 0) continue;
    OutputFieldSource[slot] = -kEmptyField;
    const std::string caption =
        "Source field no longer exists for " + std::string(TextOf(OutputFieldNameTable[slot]));
    const bool keep =
        services().messages->Show("Do you want to retain the original output field name?", caption,
                                  tk::MessageStyle::kQuestion) == tk::MessageReply::kYes;
    if (!keep) CopyText(OutputFieldNameTable[slot], "Output" + std::to_string(n));
  }
}

}  // namespace vt
