// Date steps: the builder's reading of the four time sources and the four date sources into
// the generated sources of the date and time family (Date, Weekday, Day, Month, Year, Hour,
// Minute, Second and Julian Date 1-4).
//
// A date is read from many written forms (words, compact digits, Julian day numbers, seconds
// since 1970, dBase dates) under the chosen input order and century break. The only outside
// input is the local time of a second count, through LocalTimeSource; everything else is a
// function of the text and the options.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <span>
#include <string>
#include <string_view>

#include "input/input_tables.h"

namespace vt {

struct OutputTables;

enum class DateOrder { kMonthDayYear, kDayMonthYear, kYearMonthDay };
enum class MonthStyle { kDigits, kDigitsZero, kShortName, kFullName };
enum class TimeInput { kClock, kCalendar, kPortionOfDay };

// The letters of the written parts (calendar.h): the date's three in output order, and the
// weekday's one.
struct DatePatterns {
  std::array<char, 4> date{'b', 'd', 'Y', '\0'};
  char weekday = 'a';
  std::string_view Date() const { return {date.data(), 3}; }
  std::string_view Weekday() const { return {&weekday, 1}; }
};

// The patterns of the Date sheet's output choices.
[[nodiscard]] DatePatterns MakeDatePatterns(DateOrder output_order, MonthStyle month,
                                            bool four_digit_year, bool day_zero);

// Seconds since 1970 as a broken-down local time. False when the count cannot be converted.
class LocalTimeSource {
 public:
  virtual ~LocalTimeSource() = default;
  virtual bool Local(std::int64_t seconds, std::tm& out) const = 0;
};

// How the sources are read and written: the Date and Time sheets.
struct DateOptions {
  DateOrder input_order = DateOrder::kMonthDayYear;
  bool time_in_date = false;  // "Includes Time"
  std::int32_t century_break = 29;
  TimeInput time_input = TimeInput::kClock;
  DatePatterns patterns;
  std::string_view separator = " ";  // empty when the separator is not used
};

// Everything the two steps read besides the record.
struct DateStepSetup {
  const DateOptions* options = nullptr;
  const LocalTimeSource* local_time = nullptr;  // none: second counts give nothing
  bool dbase_input_active = false;
  std::span<const char> dbase_field_types;  // the type letter of field f at index f
};

// Work texts of the steps, reserved once.
struct DateScratch {
  DateScratch();
  std::string text;
  std::string p1;
  std::string p2;
  std::string p3;
  std::string month;
};

// Step 4: time sources 1-4 by the time input type into Hour, Minute and Second 1-4; a calendar
// time above one day also fills Date t and its parts when date source t has no field.
void ReadTimeSources(const DateStepSetup& setup, const InputTables& in, OutputTables& out);

// Step 17: date sources 1-4 into Date, Weekday, Day, Month, Year and Julian Date 1-4, and a
// time inside a date into Hour, Minute and Second j when time source j has no field.
void ReadDateSources(const DateStepSetup& setup, const InputTables& in, OutputTables& out);

}  // namespace vt
