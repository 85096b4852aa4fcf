// Source slot controls: starting items of the slot lists.
#include "main/controls/source_slot_controls.h"

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
  StreetRowsLabel.SetCaption("Street line: click a row, then the input field that holds it");
  StreetRowsLabel.SetNewRow(true);
  Street0.SetNewRow(true);
  GenderSource.SetItems({"Src 1", "Src 2", "Src 3"});
  TimeSource.SetItems({"Src 1", "Src 2", "Src 3", "Src 4"});
  DateMemo.SetLines({"This is a dBase date", "field in a pre-defined", "YYYYMMDD format."});
  DateMemo.SetVisible(false);
}

}  // namespace vt
