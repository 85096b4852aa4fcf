// Date controls: the Date and Time sheets' reading and writing options for the date sources.
#pragma once

#include "toolkit/toolkit.h"

namespace vt {

struct DateControls {
  DateControls(tk::Window& window, tk::TabSheet& date, tk::TabSheet& time);

 private:
  tk::Window& w_;
  tk::TabSheet& date_;
  tk::TabSheet& time_;

 public:
  // --- Date sheet: how dates arrive ------------------------------------------------------------
  tk::GroupBox DateInGroup{w_, "DateInGroup", &date_};
  tk::RadioButton DateInMDY{w_, "DateInMDY", &DateInGroup};
  tk::RadioButton DateInDMY{w_, "DateInDMY", &DateInGroup};
  tk::RadioButton DateInYMD{w_, "DateInYMD", &DateInGroup};
  tk::CheckBox TimeInDate{w_, "TimeInDate", &DateInGroup};
  tk::Label CenturyBreakLabel{w_, "CenturyBreakLabel", &DateInGroup};
  tk::MaskEdit CenturyBreak{w_, "CenturyBreak", &DateInGroup};

  // --- Date sheet: how dates are written -------------------------------------------------------
  // Each radio family has its own box, since radio buttons with one parent exclude each other.
  tk::GroupBox DateOutGroup{w_, "DateOutGroup", &date_};
  tk::RadioButton DateMDY{w_, "DateMDY", &DateOutGroup};
  tk::RadioButton DateDMY{w_, "DateDMY", &DateOutGroup};
  tk::RadioButton DateYMD{w_, "DateYMD", &DateOutGroup};
  tk::GroupBox DaysGroup{w_, "DaysGroup", &DateOutGroup};
  tk::CheckBox DaysLZ{w_, "DaysLZ", &DaysGroup};
  tk::GroupBox YearsGroup{w_, "YearsGroup", &DateOutGroup};
  tk::RadioButton Years2{w_, "Years2", &YearsGroup};
  tk::RadioButton Years4{w_, "Years4", &YearsGroup};
  tk::GroupBox MonthGroup{w_, "MonthGroup", &DateOutGroup};
  tk::RadioButton MonthD1{w_, "MonthD1", &MonthGroup};
  tk::RadioButton MonthD2{w_, "MonthD2", &MonthGroup};
  tk::RadioButton MonthA1{w_, "MonthA1", &MonthGroup};
  tk::RadioButton MonthA2{w_, "MonthA2", &MonthGroup};
  tk::GroupBox DateSeparatorGroup{w_, "DateSeparatorGroup", &DateOutGroup};
  tk::CheckBox DateSeparatorNeeded{w_, "DateSeparatorNeeded", &DateSeparatorGroup};
  tk::MaskEdit DateSeparator{w_, "DateSeparator", &DateSeparatorGroup};

  // --- Date sheet: today and the dates of the record -------------------------------------------
  tk::Button Button1{w_, "Button1", &date_};  // clears the date sources
  tk::Label TodayLabel{w_, "TodayLabel", &date_};
  tk::Label WeekdayLabel{w_, "WeekdayLabel", &date_};
  tk::ListBox DateNames{w_, "DateNames", &date_};
  tk::ListBox DateValues{w_, "DateValues", &date_};
  tk::ListBox WeekdayValues{w_, "WeekdayValues", &date_};

  // --- Time sheet ------------------------------------------------------------------------------
  tk::RadioGroup TimeType{w_, "TimeType", &time_};
  tk::Button ClearTimeSource{w_, "ClearTimeSource", &time_};
  tk::ListBox HourName{w_, "HourName", &time_};
  tk::ListBox HourValue{w_, "HourValue", &time_};
  tk::ListBox MinuteName{w_, "MinuteName", &time_};
  tk::ListBox MinuteValue{w_, "MinuteValue", &time_};
  tk::ListBox SecondName{w_, "SecondName", &time_};
  tk::ListBox SecondValue{w_, "SecondValue", &time_};
};

}  // namespace vt
