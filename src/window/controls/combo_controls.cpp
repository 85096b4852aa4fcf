// Combo controls: captions and starting states.
#include "window/controls/combo_controls.h"

namespace vt {

ComboControls::ComboControls(tk::Window& window, tk::TabSheet& combine)
    : w_(window), combine_(combine) {
  // One row per combination.
  for (tk::ListBox* list : {&CombinationName, &CombinationValue, &ComboDiv1, &ComboDiv2, &ComboDiv3,
                            &ComboDiv4, &ComboDiv5, &ComboDiv6}) {
    list->SetItems({"", "", "", ""});
  }
  CombinationName.SetNewRow(true);
  ComboDivLabel.SetCaption("Divider at this position");
  ComboDivLabel.SetNewRow(true);
  ComboDivLabel2.SetCaption(" (2 char max, default is one space)");
  // The labels light up while a divider is being edited.
  ComboDivLabel.SetEnabled(false);
  ComboDivLabel2.SetEnabled(false);
  ComboDivEnter.SetMaxLength(2);
  ConvButton.SetCaption("Unit Conversion");
  ConvButton.SetNewRow(true);
}

}  // namespace vt
