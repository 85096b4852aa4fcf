// Parser source slots: a click on a slot list makes its slot the one the next input-field click
// fills; the sheet's Clear button empties it again.
#include "output/output_tables.h"
#include "window/parse_view.h"

namespace vt {

void TParseView::BindSourceSlotHandlers() {
  for (const ParserSlotRow* row : {&StreetSlots, &CitySlots, &NameSlots, &PhoneSlots}) {
    for (int i = 0; i < row->count; ++i)
      row->lists[i]->on_click = [this, row, i] { SourceSlotClick(*row, i); };
    row->clear->on_click = [this, row] { SourceSlotClearClick(*row); };
  }
  CityInStreet.on_click = [this] { CityInStreetClick(); };
}

void TParseView::SourceSlotClick(const ParserSlotRow& row, int i) {
  *row.active = row.first + i;
  ActiveSourceRow = row.row;
  for (int j = 0; j < row.count; ++j) {
    if (j != i) row.lists[j]->SetItemIndex(-1);
  }
  const std::int32_t field =
      SpecialSourceTable[static_cast<std::size_t>(row.row)][static_cast<std::size_t>(*row.active)];
  // Shows which field feeds the slot; none for an empty slot (or a stored number past the fields).
  InputFieldNamesListBox.SetItemIndex(
      field > 0 && field <= InputFieldNamesListBox.Count() ? field - 1 : -1);
  row.clear->SetEnabled(true);
}

void TParseView::SourceSlotClearClick(const ParserSlotRow& row) {
  SpecialSourceTable[static_cast<std::size_t>(row.row)][static_cast<std::size_t>(*row.active)] = 0;
  row.clear->SetEnabled(false);
  DisplayOutput.Click();
}

// Checked, the city parser reads the street line: the city slots take the street's fields, so
// the timer finds them equal and keeps the box checked.
void TParseView::CityInStreetClick() {
  if (CityInStreet.Checked()) {
    auto& city = SpecialSourceTable[kCityRow];
    const auto& street = SpecialSourceTable[kStreetRow];
    for (std::size_t i = 0; i < 5; ++i) city[i + 1] = street[i];
  }
  DisplayOutput.Click();
}

}  // namespace vt
