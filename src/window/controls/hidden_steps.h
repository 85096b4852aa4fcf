// Hidden steps: invisible buttons whose clicks are the program's named steps.
#pragma once

#include "toolkit/toolkit.h"

namespace vt {

struct HiddenSteps {
  explicit HiddenSteps(tk::Window& window);

 private:
  tk::Window& w_;

 public:
  tk::Button DisplayOutput{w_, "DisplayOutput"};
  tk::Button FillOutput{w_, "FillOutput"};
  tk::Button DisplayInput{w_, "DisplayInput"};
  tk::Button CutUpInputLine{w_, "CutUpInputLine"};
  tk::Button ParseInputLine{w_, "ParseInputLine"};
  tk::Button SpecialParse{w_, "SpecialParse"};
  tk::Button ReadPage{w_, "ReadPage"};
  tk::Button ProcessPageLine{w_, "ProcessPageLine"};
  tk::Button PageClick{w_, "PageClick"};
  tk::Button PageControlSwitch{w_, "PageControlSwitch"};
  tk::Button PrefHist{w_, "PrefHist"};
  tk::Button DisplayDates{w_, "DisplayDates"};
  tk::Button MakeBinaryValue{w_, "MakeBinaryValue"};
  tk::Button WebForm{w_, "WebForm"};
  tk::Button StoreValues{w_, "StoreValues"};
  tk::Button OutputHint{w_, "OutputHint"};
  tk::Button DisplayCombo{w_, "DisplayCombo"};
  tk::Button ShowDataBlock{w_, "ShowDataBlock"};
  tk::Button SaveOldNames{w_, "SaveOldNames"};
  tk::Button MatchOldNames{w_, "MatchOldNames"};
};

}  // namespace vt
