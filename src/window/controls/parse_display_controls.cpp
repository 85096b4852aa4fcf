// Parse display controls: their places and sizes on the parser sheets.
#include "window/controls/parse_display_controls.h"

namespace vt {

namespace {

// A list as tall as the parts it shows; values need more room than names.
constexpr int kNamesWidth = 110;
constexpr int kValuesWidth = 220;
constexpr int kRowUnits = 15;

void SizePair(tk::ListBox& names, tk::ListBox& values, int rows) {
  names.SetGeometry({0, 0, kNamesWidth, rows * kRowUnits + 4});
  values.SetGeometry({0, 0, kValuesWidth, rows * kRowUnits + 4});
  names.SetNewRow(true);
}

// A parsed line takes a row of its own below the source slots.
void PlaceLine(tk::Label& line, int width) {
  line.SetGeometry({0, 0, width, 13});
  line.SetNewRow(true);
}

}  // namespace

ParseDisplayControls::ParseDisplayControls(tk::Window& window, const ParseDisplaySheets& sheets)
    : w_(window), s_(sheets) {
  PlaceLine(StreetInput, 500);
  SizePair(StreetNames, StreetParts, 9);
  PlaceLine(CityInput, 500);
  SizePair(CityNames, CityParts, 3);
  PlaceLine(NameInputLabel, 500);
  SizePair(NamePartNames, NameParts, 6);
  // Each phone text under its own pair of slots.
  for (tk::Label* phone : {&Phone1Label, &Phone2Label, &Phone3Label}) PlaceLine(*phone, 244);
  Phone2Label.SetNewRow(false);
  Phone3Label.SetNewRow(false);
  SizePair(PhoneNames, PhoneParts, 6);
}

}  // namespace vt
