// Source slot controls: starting items of the slot lists.
#include "window/controls/source_slot_controls.h"

#include <span>

namespace vt {

SourceSlotControls::SourceSlotControls(tk::Window& window, const SlotSheets& sheets)
    : w_(window), s_(sheets) {
  // Each slot list shows the name of its field in one row; it starts empty but selectable.
  const std::span<tk::ListBox* const> rows[] = {ComboLists, StreetLists, CityLists,
                                                NameLists,  PhoneLists,  SplitLists};
  for (const auto& row : rows) {
    for (tk::ListBox* list : row) list->SetItems({""});
  }
  for (tk::Button* clear :
       {&ClearCombo, &StreetClear, &CityClear, &NameClear, &PhoneClear, &SplitClear}) {
    clear->SetCaption("Clear");
  }
  ClearCombo.SetCaption("Clear Selected Field");
  // The component lists and the date slots have one row per combination and per date.
  for (tk::ListBox* list : ComboLists) list->SetItems({"", "", "", ""});
  DateChoiceBox.SetItems({"(Source 1)", "(Source 2)", "(Source 3)", "(Source 4)"});
  // A Clear button empties the slot picked last, so it waits for a pick.
  for (tk::Button* clear :
       {&StreetClear, &CityClear, &NameClear, &PhoneClear, &ClearCombo, &SplitClear}) {
    clear->SetEnabled(false);
  }
  StreetRowsLabel.SetCaption("Street line: click a row, then the input field that holds it");
  StreetRowsLabel.SetNewRow(true);
  // A parser's slots stand in one row of their own under the heading.
  for (tk::ListBox* first : {&Street0, &City1, &NameIn1, &Phone1A}) first->SetNewRow(true);
  const struct {
    tk::Label* label;
    const char* caption;
  } headings[] = {
      {&ComboRowsLabel, "Fields to combine, in order: click a row, then the input field"},
      {&CityRowsLabel, "City line: click a row, then the input field that holds it"},
      {&NameRowsLabel, "Name: click a row, then the input field that holds it (or a part of it)"},
      {&PhoneRowsLabel, "Phone 1 A and B, 2 A and B, 3 A and B: click a row, then the input field"},
      {&SplitRowsLabel, "Fields to split 1, 2 and 3: click a row, then the input field"},
      {&GenderSourceLabel, "Sources of Gender 1, 2 and 3"},
      {&TimeSourceLabel, "Sources of Time 1 to 4"},
  };
  for (const auto& heading : headings) {
    heading.label->SetCaption(heading.caption);
    heading.label->SetNewRow(true);
  }
  GenderSource.SetItems({"Src 1", "Src 2", "Src 3"});
  TimeSource.SetItems({"Src 1", "Src 2", "Src 3", "Src 4"});
  DateMemo.SetLines({"This is a dBase date", "field in a pre-defined", "YYYYMMDD format."});
  DateMemo.SetVisible(false);
}

}  // namespace vt
