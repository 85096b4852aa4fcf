// Calendar: Julian day numbers, month names and the printed parts of a date.
#include "output/calendar.h"

#include <cstdint>

#include "strings/char_class.h"

namespace vt {

namespace {

constexpr std::string_view kMonthNames[12] = {"January",   "February", "March",    "April",
                                              "May",       "June",     "July",     "August",
                                              "September", "October",  "November", "December"};
constexpr std::string_view kWeekdayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                               "Thursday", "Friday", "Saturday"};

// The names a month is known by, in the order they are tried, and how many leading characters
// of each are compared.
struct MonthName {
  std::string_view name;
  const char* digits;
};
constexpr MonthName kMonthWords[] = {
    {"Jan", "01"}, {"Ene", "01"}, {"Feb", "02"},  {"Fev", "02"}, {"Mar", "03"},
    {"Mae", "03"}, {"Apr", "04"}, {"Abr", "04"},  {"Avr", "04"}, {"May", "05"},
    {"Mai", "05"}, {"Jun", "06"}, {"Juin", "06"}, {"Jul", "07"}, {"Juil", "07"},
    {"Aug", "08"}, {"Aou", "08"}, {"Ago", "08"},  {"Sep", "09"}, {"Oct", "10"},
    {"Okt", "10"}, {"Nov", "11"}, {"Dec", "12"},  {"Dic", "12"}, {"Dez", "12"},
};

bool StartsWithIgnoringCase(std::string_view text, std::string_view name) {
  if (text.size() < name.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (UpperAscii(text[i]) != UpperAscii(name[i])) return false;
  }
  return true;
}

}  // namespace

void AppendDecimal(std::int64_t value, int width, char pad, std::string& out) {
  char digits[24];
  int n = 0;
  std::uint64_t rest =
      value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  do {
    digits[n++] = static_cast<char>('0' + rest % 10);
    rest /= 10;
  } while (rest != 0);
  const int length = n + (value < 0 ? 1 : 0);
  if (pad != '0') out.append(static_cast<std::size_t>(width > length ? width - length : 0), pad);
  if (value < 0) out.push_back('-');
  if (pad == '0') out.append(static_cast<std::size_t>(width > length ? width - length : 0), '0');
  while (n > 0) out.push_back(digits[--n]);
}

int DayNumberOfDate(int day, int month, int year) {
  // C++ division truncates toward zero, as the formula expects.
  const std::int64_t y = year;
  const std::int64_t m = month;
  const std::int64_t j = 367 * y - 7 * (y + (m + 9) / 12) / 4 -
                         3 * ((y + (m - 9) / 7) / 100 + 1) / 4 + 275 * m / 9 + day + 1721029;
  return static_cast<int>(j);
}

CivilDate DateOfDayNumber(int j) {
  std::int64_t l = std::int64_t{j} + 68569;
  const std::int64_t n = 4 * l / 146097;
  l = l - (146097 * n + 3) / 4;
  const std::int64_t i = 4000 * (l + 1) / 1461001;
  l = l - 1461 * i / 4 + 31;
  const std::int64_t k80 = 80 * l / 2447;
  CivilDate date;
  date.day = static_cast<int>(l - 2447 * k80 / 80);
  const std::int64_t k = k80 / 11;
  date.month = static_cast<int>(k80 + 2 - 12 * k);
  date.year = static_cast<int>(100 * (n - 49) + i + k);
  return date;
}

bool MonthNumberOfName(std::string& text) {
  for (const MonthName& month : kMonthWords) {
    if (!StartsWithIgnoringCase(text, month.name)) continue;
    text.assign(month.digits);
    return true;
  }
  return false;
}

void AppendDatePart(int year, int month, int day, char letter, std::string& out) {
  const int j = DayNumberOfDate(day, month, year);
  const CivilDate d = DateOfDayNumber(j);
  const int weekday = static_cast<int>(((std::int64_t{j} + 1) % 7 + 7) % 7);
  // Far before the calendar's epoch the steps give no month; such a date has no names.
  const bool named = d.month >= 1 && d.month <= 12;
  switch (letter) {
    case 'd':
      return AppendDecimal(d.day, 2, '0', out);
    case 'D':
      return AppendDecimal(d.day, 1, '0', out);
    case 'm':
      return AppendDecimal(d.month, 2, '0', out);
    case 'n':
      return AppendDecimal(d.month, 1, '0', out);
    case 'b':
      if (named) out.append(kMonthNames[d.month - 1].substr(0, 3));
      return;
    case 'B':
      if (named) out.append(kMonthNames[d.month - 1]);
      return;
    case 'y':
      return AppendDecimal(d.year % 100, 2, '0', out);
    case 'Y':
      return AppendDecimal(d.year, 1, '0', out);
    case 'w':
      return AppendDecimal(weekday, 1, '0', out);
    case 'a':
      out.append(kWeekdayNames[weekday].substr(0, 3));
      return;
    case 'A':
      out.append(kWeekdayNames[weekday]);
      return;
    default:
      return;
  }
}

void FormatDateParts(int year, int month, int day, std::string_view pattern,
                     std::string_view separator, std::string& out) {
  out.clear();
  if (day < 1 || month < 1) return;
  for (std::size_t i = 0; i < pattern.size() && i < 3; ++i) {
    AppendDatePart(year, month, day, pattern[i], out);
    if (i < 2) out.append(separator);
  }
}

}  // namespace vt
