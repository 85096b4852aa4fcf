// Date controls: captions and starting states.
#include "window/controls/date_controls.h"

namespace vt {

DateControls::DateControls(tk::Window& window, tk::TabSheet& date, tk::TabSheet& time)
    : w_(window), date_(date), time_(time) {
  DateInGroup.SetCaption("Input Date Sequence");
  DateInGroup.SetNewRow(true);
  DateInMDY.SetCaption("Month Day Year");
  DateInDMY.SetCaption("Day Month Year");
  DateInYMD.SetCaption("Year Month Day");
  DateInMDY.SetChecked(true);
  TimeInDate.SetCaption("Includes Time");
  CenturyBreakLabel.SetCaption("Century break");
  CenturyBreakLabel.SetNewRow(true);
  CenturyBreak.SetMask("99");
  CenturyBreak.SetMaxLength(2);
  CenturyBreak.SetText("29");

  DateOutGroup.SetCaption("Output Date Format");
  DateMDY.SetCaption("Month Day Year");
  DateDMY.SetCaption("Day Month Year");
  DateYMD.SetCaption("Year Month Day");
  DateMDY.SetChecked(true);
  DaysGroup.SetCaption("Days");
  DaysGroup.SetNewRow(true);
  DaysLZ.SetCaption("Ldg 0");
  DaysLZ.SetChecked(true);
  YearsGroup.SetCaption("Years");
  Years2.SetCaption("2 digit");
  Years4.SetCaption("4 digit");
  Years4.SetChecked(true);
  MonthGroup.SetCaption("Month and Weekday");
  MonthD1.SetCaption("Digits");
  MonthD2.SetCaption("Digits (leading 0)");
  MonthA1.SetCaption("Abbr. Alpha");
  MonthA2.SetCaption("Full Alpha");
  MonthA1.SetChecked(true);
  DateSeparatorGroup.SetCaption("Separator");
  DateSeparatorNeeded.SetCaption("Use");
  DateSeparatorNeeded.SetChecked(true);
  DateSeparator.SetMask("C");
  DateSeparator.SetMaxLength(1);
  DateSeparator.SetText(" ");

  TimeType.SetCaption("Type of Time Input");
  TimeType.SetItems({"Clock Time", "Calendar Time", "Portion of day"});
  TimeType.SetItemIndex(0);
  TimeType.SetHint("\"Calendar Time\" is the number of seconds since Jan1, 1970");

  // One row per date or time slot.
  for (tk::ListBox* list : {&DateNames, &DateValues, &WeekdayValues, &HourName, &HourValue,
                            &MinuteName, &MinuteValue, &SecondName, &SecondValue}) {
    list->SetItems({"", "", "", ""});
  }
  Button1.SetCaption("Clear  Sources");
  Button1.SetNewRow(true);
  TodayLabel.SetNewRow(true);
  // Wide enough for today's longest form ("September 30 2026") and weekday.
  TodayLabel.SetGeometry({0, 0, 160, 0});
  WeekdayLabel.SetGeometry({0, 0, 80, 0});
  DateNames.SetNewRow(true);
  ClearTimeSource.SetCaption("Clear explicit time sources");
  HourName.SetNewRow(true);
}

}  // namespace vt
