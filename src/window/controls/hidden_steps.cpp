// Hidden steps: never shown, never reachable by a user, clicked only from code.
#include "window/controls/hidden_steps.h"

namespace vt {

HiddenSteps::HiddenSteps(tk::Window& window) : w_(window) {
  for (tk::Button* step :
       {&DisplayOutput, &FillOutput,    &DisplayInput,    &CutUpInputLine, &ParseInputLine,
        &SpecialParse,  &ReadPage,      &ProcessPageLine, &PageClick,      &PageControlSwitch,
        &PrefHist,      &DisplayDates,  &MakeBinaryValue, &WebForm,        &ShowDataBlock,
        &SaveOldNames,  &MatchOldNames, &StoreValues,     &OutputHint,     &DisplayCombo}) {
    step->SetVisible(false);
  }
}

}  // namespace vt
