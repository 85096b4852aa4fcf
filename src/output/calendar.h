// Calendar: Julian day numbers, month names and the printed parts of a date.
//
// Everything here is integer arithmetic on the proleptic Gregorian calendar and English names:
// no locale, no time zone and no C library time functions, so a date prints the same wherever
// the program runs. A day past a month's end rolls over (31 February 2009 prints as 3 March).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vt {

// Appends the value as printf's "%<width>d" (pad ' ') or "%0<width>d" (pad '0') prints it.
void AppendDecimal(std::int64_t value, int width, char pad, std::string& out);

// The Julian day number of a Gregorian date (1 January 1970 is 2440588). Any day and month
// count: day 0 is the day before the 1st.
[[nodiscard]] int DayNumberOfDate(int day, int month, int year);

struct CivilDate {
  int day = 0;
  int month = 0;
  int year = 0;
};

// The date of a Julian day number (day, month and year of the same steps).
[[nodiscard]] CivilDate DateOfDayNumber(int j);

// When the start of `text` names a month ("Jan", "ene", "Juil"...; case ignored), replaces the
// text by the month's two digits and returns true; otherwise leaves it alone.
bool MonthNumberOfName(std::string& text);

// Appends one part of a date, as the letter asks: "d" day 01-31, "D" day without the zero,
// "m" month 01-12, "n" month without the zero, "b"/"B" short and full month name, "y"/"Y"
// two- and four-digit year, "w" weekday number (Sunday 0), "a"/"A" short and full weekday name.
// The date is normalised first, so day 31 of month 2 is the 3rd of March (2 in a leap year).
void AppendDatePart(int year, int month, int day, char letter, std::string& out);

// out := part 1 of the pattern, the separator, part 2, the separator, part 3: as many parts as
// the pattern has letters, each followed by the separator but the third. Empty when the day or
// month is below 1.
void FormatDateParts(int year, int month, int day, std::string_view pattern,
                     std::string_view separator, std::string& out);

}  // namespace vt
