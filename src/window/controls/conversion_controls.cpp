// Conversion controls: captions and starting states.
#include "window/controls/conversion_controls.h"

namespace vt {

ConversionControls::ConversionControls(tk::Window& window, tk::TabSheet& misc)
    : w_(window), misc_(misc) {
  ConversionPanelShow.SetCaption("Details");
  ConversionPanelShow.SetNewRow(true);
  // Hidden until a user asks for the details of a result.
  ConversionPanel.SetVisible(false);
  ConversionPanelXButton.SetCaption("X");
  ConvSelect.SetCaption("Result Y");
  ConvSelect.SetItems({"Convert1", "Convert2", "Convert3", "Convert4"});
  ConvSelect.SetItemIndex(0);
  ConvType.SetCaption("Conversion Type");
  ConvType.SetItems(
      {"Distance", "Area", "Volume", "Mass/Weight", "Energy/Work", "Temperature", "Time"});
  // No type until a unit pair is chosen for the slot; the unit lists are filled by the type.
  ConvFromLabel.SetCaption("FROM");
  ConvFromLabel.SetNewRow(true);
  Label128.SetCaption("TO");
  ConversionConstLabel.SetCaption("Constant");
  ConversionConstLabel.SetNewRow(true);
  ConversionMultLabel.SetCaption("Multiplier");
  ConvSourceEdit.SetNewRow(true);
  ConvResultLabel.SetGeometry({0, 0, 160, 0});
}

}  // namespace vt
