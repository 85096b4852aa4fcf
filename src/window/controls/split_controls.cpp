// Split controls: captions and starting states.
#include "window/controls/split_controls.h"

#include <string>

namespace vt {

SplitControls::SplitControls(tk::Window& window, tk::TabSheet& split) : w_(window), split_(split) {
  SplitIntoLabel.SetCaption("Split into");
  SplitIntoLabel.SetNewRow(true);
  SplitIntoCounts.SetCaption("1    2   3");
  BasedOnLabel.SetCaption("Based on:");
  BasedOnMarks.SetCaption(",  /");
  BasedOnAny.SetCaption("Any non-alphanumeric");
  tk::Label* const source_labels[3] = {&SplitSourceLabel1, &SplitSourceLabel2, &SplitSourceLabel3};
  for (int row = 0; row < 3; ++row) {
    source_labels[row]->SetCaption("Source " + std::to_string(row + 1) + ":");
    source_labels[row]->SetNewRow(true);
    // Three parts, on any non-alphanumeric character.
    SplitButtons[row][2]->SetChecked(true);
    SplitButtons[row][5]->SetChecked(true);
  }
}

}  // namespace vt
