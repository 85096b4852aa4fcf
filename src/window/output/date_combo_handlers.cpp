// The binding of the Date, Time, Combo and Split sheets' controls and the unit conversion
// panel's to their handlers.
#include "window/parse_view.h"

namespace vt {

void TParseView::BindDateComboHandlers() {
  DisplayDates.on_click = [this] { DisplayDatesClick(); };
  DisplayCombo.on_click = [this] { DisplayComboClick(); };
  auto refresh = [this] { DisplayOutputClick(); };

  // Date and Time sheets: every reading and writing option refreshes the preview.
  for (tk::RadioButton* button : {&DateInMDY, &DateInDMY, &DateInYMD, &DateMDY, &DateDMY, &DateYMD,
                                  &Years2, &Years4, &MonthD1, &MonthD2, &MonthA1, &MonthA2}) {
    button->on_click = refresh;
  }
  for (tk::CheckBox* box : {&DaysLZ, &DateSeparatorNeeded, &TimeInDate}) box->on_click = refresh;
  DateSeparator.on_change = refresh;
  CenturyBreak.on_exit = refresh;
  CenturyBreak.on_key_press = [this](char& key) { CenturyBreakKeyPress(key); };
  DateChoiceBox.on_click = [this] { DateChoiceBoxClick(); };
  DateChoiceBox.on_exit = [this] { DateChoiceBoxExit(); };
  Button1.on_click = [this] { Button1Click(); };
  TimeType.on_click = [this] { DisplayOutput.Click(); };
  TimeSource.on_click = [this] { TimeSourceClick(); };
  ClearTimeSource.on_click = [this] { ClearTimeSourceClick(); };

  // Combo sheet.
  for (int k = 0; k < 5; ++k) ComboLists[k]->on_click = [this, k] { ComboInClick(k + 1); };
  for (int p = 0; p < 6; ++p) ComboDivLists[p]->on_click = [this, p] { ComboDivClick(p + 1); };
  ComboDivEnter.on_exit = [this] { ComboDivEnterExit(); };
  ComboDivEnter.on_key_press = [this](char& key) { ComboDivEnterKeyPress(key); };
  ClearCombo.on_click = [this] { ClearComboClick(); };
  EvalCheckBox.on_click = [this] { DisplayOutput.Click(); };
  ConvButton.on_click = [this] { ConvButtonClick(); };

  // Split sheet.
  for (int s = 0; s < 3; ++s) SplitLists[s]->on_click = [this, s] { SplitInClick(s + 1); };
  SplitClear.on_click = [this] { SplitClearClick(); };
  for (auto& row : SplitButtons) {
    for (tk::RadioButton* button : row) button->on_click = [this] { DisplayOutput.Click(); };
  }

  // Unit conversion panel on the Misc sheet.
  ConversionPanelShow.on_click = [this] { ConversionPanelShowClick(); };
  ConversionPanelXButton.on_click = [this] { ConversionPanelXButtonClick(); };
  ConvSelect.on_click = [this] { ConvSelectClick(); };
  Conv.on_click = [this] { ConvSelectCell(); };
  Conv.on_set_edit_text = [this](int column, int row) { ConvSetEditText(column, row); };
  Conv.on_exit = [this] { DisplayOutput.Click(); };
  // Only the Constant and Multiplier columns are typed in; the grid starts on the first slot.
  Conv.SetColumnEditable(3, true);
  Conv.SetColumnEditable(4, true);
  Conv.Select(3, 1);
  ConvType.on_click = [this] { ConvTypeClick(); };
  ConvFrom.on_click = [this] { ConvFromClick(); };
  ConvTo.on_click = [this] { ConvFromClick(); };
  for (tk::Edit* box : {&ConversionEditConst, &ConversionEditMult}) {
    box->on_click = [this] { ConversionEditConstClick(); };
    box->on_exit = [this] { ConversionEditConstExit(); };
  }
  ConvSourceEdit.on_change = [this] { ConvSourceEditChange(); };
  ConvFrom.on_mouse_move = [this](int x, int y) { ConvUnitMouseMove(ConvFrom, true, x, y); };
  ConvTo.on_mouse_move = [this](int x, int y) { ConvUnitMouseMove(ConvTo, false, x, y); };
  for (tk::Control* c : std::initializer_list<tk::Control*>{&ConversionPanel, &Label128})
    c->on_mouse_move = [this](int, int) { InputFieldPanel.SetVisible(false); };
}

}  // namespace vt
