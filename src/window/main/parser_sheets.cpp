// Parser sheets: after a record is built, the Street, City, Names and Phone sheets show the lines
// their parsers read, the parts found and the fields in their source slots.
#include <string>

#include "output/generated_sources.h"
#include "window/parse_view.h"

namespace vt {

namespace {

// Names and current values of the generated sources first..last, row for row.
void ShowSources(const OutputTables& out, int first, int last, tk::ListBox& names,
                 tk::ListBox& values) {
  names.Clear();
  values.Clear();
  for (int k = first; k <= last; ++k) {
    names.Add(std::string(GeneratedSourceName(k)));
    values.Add(out.GeneratedSourceValues[static_cast<std::size_t>(k)]);
  }
}

}  // namespace

void TParseView::ShowSlotNames(const ParserSlotRow& row) {
  const auto& slots = SpecialSourceTable[static_cast<std::size_t>(row.row)];
  for (int i = 0; i < row.count; ++i) {
    const std::int32_t field = slots[static_cast<std::size_t>(row.first + i)];
    const bool named = field > 0 && static_cast<std::size_t>(field) < InputFieldNames.size();
    tk::ListBox& list = *row.lists[i];
    // A picked slot stays picked: it is still the one the next input-field click fills.
    const int picked = list.ItemIndex();
    list.SetItems({named ? InputFieldNames[static_cast<std::size_t>(field)] : std::string()});
    list.SetItemIndex(picked);
  }
}

void TParseView::DisplayParserSheets() {
  const ParsedLines& lines = Scratch.shown;
  StreetInput.SetCaption(lines.street);
  ShowSources(*this, kSuiteDesignator, kStdAddress, StreetNames, StreetParts);
  ShowSlotNames(StreetSlots);

  CityInput.SetCaption(lines.city);
  ShowSources(*this, kCity, kPostalZip, CityNames, CityParts);
  ShowSlotNames(CitySlots);

  NameInputLabel.SetCaption(lines.name);
  ShowSources(*this, kTitle, kStdName, NamePartNames, NameParts);
  ShowSlotNames(NameSlots);

  Phone1Label.SetCaption(lines.phones[0]);
  Phone2Label.SetCaption(lines.phones[1]);
  Phone3Label.SetCaption(lines.phones[2]);
  ShowSources(*this, kAreaCode1, kPhone3, PhoneNames, PhoneParts);
  ShowSlotNames(PhoneSlots);
}

}  // namespace vt
