// The Date, Time, Combo and Split sheets' options as the record builder takes them.
#include "output/number_text.h"
#include "window/parse_view.h"

namespace vt {

void TParseView::GatherSheetOptions(BuildRequest& r) {
  DateOptions& d = r.dates;
  d.input_order = DateOrder::kMonthDayYear;
  if (DateInDMY.Checked()) d.input_order = DateOrder::kDayMonthYear;
  if (DateInYMD.Checked()) d.input_order = DateOrder::kYearMonthDay;
  d.time_in_date = TimeInDate.Checked();
  d.century_break = LeadingInteger(CenturyBreak.Text());
  d.time_input = TimeInput::kClock;
  if (TimeType.ItemIndex() == 1) d.time_input = TimeInput::kCalendar;
  if (TimeType.ItemIndex() == 2) d.time_input = TimeInput::kPortionOfDay;
  d.patterns = ChosenDatePatterns();
  d.separator =
      DateSeparatorNeeded.Checked() ? std::string_view(DateSeparator.Text()) : std::string_view();
  r.local_time = &LocalTimeOfClock;
  r.evaluate = EvalCheckBox.Checked();
  r.environment = &EnvironmentOfProcess;
  if (UsePlugIn.Checked()) {
    PlugInOfWindow.Aim(ProgramDir, PlugInProg.Text(), PlugInTransferPath);
    r.plug_in = &PlugInOfWindow;
  }
  for (std::size_t s = 0; s < r.splits.size(); ++s) {
    tk::RadioButton* const* buttons = SplitButtons[s];
    SplitOption& split = r.splits[s];
    split.parts = buttons[0]->Checked() ? 1 : (buttons[1]->Checked() ? 2 : 3);
    split.basis = SplitBasis::kWords;
    if (buttons[3]->Checked()) split.basis = SplitBasis::kComma;
    if (buttons[4]->Checked()) split.basis = SplitBasis::kSlash;
  }
}

}  // namespace vt
