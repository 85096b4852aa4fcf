// Conversion controls: the Misc sheet's unit conversion panel (result slot, unit pair, A and B).
#pragma once

#include "toolkit/toolkit.h"

namespace vt {

struct ConversionControls {
  ConversionControls(tk::Window& window, tk::TabSheet& misc);

 private:
  tk::Window& w_;
  tk::TabSheet& misc_;

 public:
  tk::Button ConversionPanelShow{w_, "ConversionPanelShow", &misc_};
  tk::Panel ConversionPanel{w_, "ConversionPanel", &misc_};
  tk::Button ConversionPanelXButton{w_, "ConversionPanelXButton", &ConversionPanel};
  tk::RadioGroup ConvSelect{w_, "ConvSelect", &ConversionPanel};
  tk::RadioGroup ConvType{w_, "ConvType", &ConversionPanel};
  tk::Label ConvFromLabel{w_, "ConvFromLabel", &ConversionPanel};
  tk::ListBox ConvFrom{w_, "ConvFrom", &ConversionPanel};
  tk::Label Label128{w_, "Label128", &ConversionPanel};
  tk::ListBox ConvTo{w_, "ConvTo", &ConversionPanel};
  tk::Label ConversionConstLabel{w_, "ConversionConstLabel", &ConversionPanel};
  tk::Edit ConversionEditConst{w_, "ConversionEditConst", &ConversionPanel};
  tk::Label ConversionMultLabel{w_, "ConversionMultLabel", &ConversionPanel};
  tk::Edit ConversionEditMult{w_, "ConversionEditMult", &ConversionPanel};
  // A value to try the rule on, and what it gives.
  tk::Edit ConvSourceEdit{w_, "ConvSourceEdit", &ConversionPanel};
  tk::Label ConvResultLabel{w_, "ConvResultLabel", &ConversionPanel};
};

}  // namespace vt
