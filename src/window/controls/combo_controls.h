// Combo controls: the Combo sheet's combinations, their dividers and the way to the unit
// conversion panel.
#pragma once

#include "toolkit/toolkit.h"

namespace vt {

struct ComboControls {
  ComboControls(tk::Window& window, tk::TabSheet& combine);

 private:
  tk::Window& w_;
  tk::TabSheet& combine_;

 public:
  // One row per combination in each list: its name and value, then its dividers 1 to 6.
  tk::ListBox CombinationName{w_, "CombinationName", &combine_};
  tk::ListBox CombinationValue{w_, "CombinationValue", &combine_};
  tk::ListBox ComboDiv1{w_, "ComboDiv1", &combine_};
  tk::ListBox ComboDiv2{w_, "ComboDiv2", &combine_};
  tk::ListBox ComboDiv3{w_, "ComboDiv3", &combine_};
  tk::ListBox ComboDiv4{w_, "ComboDiv4", &combine_};
  tk::ListBox ComboDiv5{w_, "ComboDiv5", &combine_};
  tk::ListBox ComboDiv6{w_, "ComboDiv6", &combine_};
  tk::Label ComboDivLabel{w_, "ComboDivLabel", &combine_};
  tk::Edit ComboDivEnter{w_, "ComboDivEnter", &combine_};
  tk::Label ComboDivLabel2{w_, "ComboDivLabel2", &combine_};
  tk::Button ConvButton{w_, "ConvButton", &combine_};

  // The divider lists by position.
  tk::ListBox* ComboDivLists[6] = {&ComboDiv1, &ComboDiv2, &ComboDiv3,
                                   &ComboDiv4, &ComboDiv5, &ComboDiv6};
};

}  // namespace vt
