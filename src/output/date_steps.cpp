// Date steps: the builder's reading of the time and date sources.
#include "output/date_steps.h"

#include <limits>

#include "output/calendar.h"
#include "output/clock_time.h"
#include "output/generated_sources.h"
#include "output/input_value.h"
#include "output/number_text.h"
#include "output/output_tables.h"
#include "strings/char_class.h"
#include "strings/words.h"

namespace vt {

namespace {

constexpr std::size_t kDateTextLimit = 255;
constexpr int kSlots = 4;
constexpr int kSecondsPerDay = 86400;
constexpr std::int64_t kFirstSecondCount = 31122100;  // above the largest written DDMMYYYY
constexpr std::int64_t kJulianLow = 1200000;
constexpr std::int64_t kJulianHigh = 4000000;
constexpr int kLatestYear = 3000;

std::string& Source(OutputTables& out, int k) {
  return out.GeneratedSourceValues[static_cast<std::size_t>(k)];
}

void SetDecimal(std::string& text, std::int64_t value, int width, char pad) {
  text.clear();
  AppendDecimal(value, width, pad, text);
}

// The leading integer of a text on 64 bits: blanks, a sign, digits; saturates at the ends.
std::int64_t LeadingCount(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && (text[pos] == ' ' || (text[pos] >= '\t' && text[pos] <= '\r'))) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  std::int64_t value = 0;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
    const int digit = text[pos] - '0';
    value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
  }
  return negative ? -value : value;
}

// The local time of a second count, when it converts to a year the calendar can print.
bool LocalTimeOf(const DateStepSetup& setup, std::int64_t seconds, std::tm& t) {
  if (setup.local_time == nullptr || !setup.local_time->Local(seconds, t)) return false;
  const std::int64_t year = std::int64_t{t.tm_year} + 1900;
  return year >= 1 && year <= 9999 && t.tm_mon >= 0 && t.tm_mon <= 11 && t.tm_mday >= 1 &&
         t.tm_mday <= 31;
}

void AppendTwoDigits(int value, std::string& out) {
  AppendDecimal(value, 2, '0', out);
}

// A local time as words to read a date from: weekday, month name, day, year and time
// ("Wed Mar 4 1998 09:06:07").
void WriteDateWords(const std::tm& t, std::string& text) {
  text.clear();
  const int year = t.tm_year + 1900;
  AppendDatePart(year, t.tm_mon + 1, t.tm_mday, 'a', text);
  text.push_back(' ');
  AppendDatePart(year, t.tm_mon + 1, t.tm_mday, 'b', text);
  text.push_back(' ');
  AppendDecimal(t.tm_mday, 1, ' ', text);
  text.push_back(' ');
  AppendDecimal(year, 1, ' ', text);
  text.push_back(' ');
  AppendTwoDigits(t.tm_hour, text);
  text.push_back(':');
  AppendTwoDigits(t.tm_min, text);
  text.push_back(':');
  AppendTwoDigits(t.tm_sec, text);
}

// Day, month and year of a calendar time, written as the time step writes them.
void WriteDateOfTime(const DateOptions& o, const std::tm& t, int slot, OutputTables& out) {
  const int year = t.tm_year + 1900;
  const int month = t.tm_mon + 1;
  SetDecimal(Source(out, kDay1 + slot), t.tm_mday, 2, ' ');
  SetDecimal(Source(out, kMonth1 + slot), month, 2, '0');
  SetDecimal(Source(out, kYear1 + slot), year, 1, ' ');
  FormatDateParts(year, month, t.tm_mday, o.patterns.Date(), o.separator,
                  Source(out, kDate1 + slot));
  FormatDateParts(year, month, t.tm_mday, o.patterns.Weekday(), {}, Source(out, kWeekday1 + slot));
}

void ReadPortionOfDay(std::string_view v, int slot, DateScratch& s, OutputTables& out) {
  SplitWords(v, s.p1, s.p2, s.p3);
  const std::int64_t seconds = SecondsOfDayFraction(s.p2);
  SetDecimal(Source(out, kHour1 + slot), seconds / 3600, 1, ' ');
  SetDecimal(Source(out, kMinute1 + slot), seconds % 3600 / 60, 1, ' ');
  SetDecimal(Source(out, kSecond1 + slot), seconds % 60, 1, ' ');
}

// "Includes Time": the word holding the ":" and a marker word after it move to the end, so the
// date words come first ("10:30 PM Dec 8 2026" reads as " Dec 8 2026 10:30 PM").
void MoveTimeToEnd(DateScratch& s) {
  std::string& text = s.text;
  const std::size_t colon = text.find(':');
  if (colon == std::string::npos) return;
  const std::size_t blank_before = text.rfind(' ', colon);
  const std::size_t start = blank_before == std::string::npos ? 0 : blank_before + 1;
  std::size_t end = text.find(' ', colon);
  if (end == std::string::npos) end = text.size();
  const std::size_t next = SkipBlanks(text, end);
  std::size_t next_end = text.find(' ', next);
  if (next_end == std::string::npos) next_end = text.size();
  const std::string_view word(text.data() + next, next_end - next);
  if (word == "pm" || word == "PM" || word == "am" || word == "AM") end = next_end;
  const std::size_t after = SkipBlanks(text, end);
  if (after >= text.size()) return;  // the time already ends the text
  std::size_t before_end = start;
  while (before_end > 0 && text[before_end - 1] == ' ') --before_end;
  s.p1.assign(text, 0, before_end);
  s.p1.push_back(' ');
  s.p1.append(text, after, std::string::npos);
  s.p1.push_back(' ');
  s.p1.append(text, start, end - start);
  text.swap(s.p1);
}

// A word of digits and letters without blanks, cut by its length and the input order into the
// pieces P1, P2 and P3 ("08DEC2026" in day-month-year order: "08", "DEC", "2026").
void CutCompactDate(DateOrder order, DateScratch& s) {
  int first = 0;
  int second = 0;
  const bool ymd = order == DateOrder::kYearMonthDay;
  const bool mdy = order == DateOrder::kMonthDayYear;
  switch (s.p1.size()) {
    case 9:
      first = ymd ? 4 : (mdy ? 3 : 2);
      second = ymd ? 3 : (mdy ? 2 : 3);
      break;
    case 8:
      first = ymd ? 4 : 2;
      second = 2;
      break;
    case 7:
      first = mdy ? 3 : 2;
      second = mdy ? 2 : 3;
      break;
    case 6:
      first = 2;
      second = 2;
      break;
    default:
      return;
  }
  const auto a = static_cast<std::size_t>(first);
  const auto b = static_cast<std::size_t>(second);
  s.p2.assign(s.p1, a, b);
  s.p3.assign(s.p1, a + b, std::string::npos);
  s.p1.resize(a);
}

// The month of a month text: its name's number, else the number it is written as.
int MonthOfText(std::string_view text, DateScratch& s) {
  s.month.assign(text);
  MonthNumberOfName(s.month);
  return LeadingInteger(s.month);
}

// The year of a date written without one: this year, or the one before or after when the
// month lies more than five months away from today's.
int GuessedYear(int month, const OutputTables& out) {
  const int today_month = LeadingInteger(out.TodayTexts[3]);
  int year = LeadingInteger(out.TodayTexts[4]);
  if (month > today_month + 5) --year;
  if (month < today_month - 5) ++year;
  return year;
}

struct DayMonthYear {
  int day = 0;
  int month = 0;
  int year = 0;
};

// Day, month and year of the split words by the input order.
void ReadInOrder(DateOrder order, DateScratch& s, const OutputTables& out, DayMonthYear& d) {
  if (order == DateOrder::kYearMonthDay) {
    d.day = LeadingInteger(s.p3);
    d.month = MonthOfText(s.p2, s);
    d.year = LeadingInteger(s.p1);
    return;
  }
  const bool mdy = order == DateOrder::kMonthDayYear;
  const std::string* day_word = mdy ? &s.p2 : &s.p1;
  const std::string* month_word = mdy ? &s.p1 : &s.p2;
  d.day = LeadingInteger(*day_word);
  if (d.day > 31 || d.day < 1) {
    std::swap(day_word, month_word);
    d.day = LeadingInteger(*day_word);
  }
  d.month = MonthOfText(*month_word, s);
  d.year = s.p3.empty() ? GuessedYear(d.month, out) : LeadingInteger(s.p3);
}

// Day, month and year as read, out-of-range parts made 0 and the century added; then the date
// and its parts in their written forms. Date j stays empty without a day and a month.
void WriteDate(const DateOptions& o, int slot, DayMonthYear& d, OutputTables& out) {
  if (d.day < 0 || d.day > 31) d.day = 0;
  if (d.month < 0 || d.month > 12) d.month = 0;
  if (d.year < 0 || d.year > kLatestYear) d.year = 0;
  if (d.year < o.century_break) d.year += 2000;
  if (d.year < 100) d.year += 1900;
  SetDecimal(Source(out, kDay1 + slot), d.day, 2, ' ');
  SetDecimal(Source(out, kMonth1 + slot), d.month, 2, ' ');
  SetDecimal(Source(out, kYear1 + slot), d.year, 1, ' ');
  if (d.day > 0 && d.month > 0 && d.year > 0)
    SetDecimal(Source(out, kJulianDate1 + slot), DayNumberOfDate(d.day, d.month, d.year), 1, ' ');
  std::string& date = Source(out, kDate1 + slot);
  FormatDateParts(d.year, d.month, d.day, o.patterns.Date(), o.separator, date);
  FormatDateParts(d.year, d.month, d.day, o.patterns.Weekday(), {}, Source(out, kWeekday1 + slot));
  if (d.day == 0 || d.month == 0) date.clear();
}

// The time inside a date: the words after the date's year.
void ReadTimeInDate(int slot, DateScratch& s, OutputTables& out) {
  if (out.DateTimeSources[static_cast<std::size_t>(kSlots + 1 + slot)] != 0) return;
  std::size_t pos = SkipWord(s.p3, 0);
  pos = SkipToWord(s.p3, pos);
  if (pos >= s.p3.size()) return;
  s.text.assign(s.p3, pos, std::string::npos);
  SplitTime(s.text, Source(out, kHour1 + slot), Source(out, kMinute1 + slot),
            Source(out, kSecond1 + slot));
}

// One date source: each word in turn is taken as the start of a date until one gives a day and
// a month.
void ReadDate(const DateStepSetup& setup, std::string_view value, bool dbase_date, int slot,
              OutputTables& out) {
  const DateOptions& o = *setup.options;
  DateScratch& s = out.Scratch.dates;
  value.remove_prefix(SkipToWord(value, 0));
  s.text.assign(value.substr(0, kDateTextLimit));
  if (o.time_in_date) MoveTimeToEnd(s);

  std::string& date = Source(out, kDate1 + slot);
  std::string& weekday = Source(out, kWeekday1 + slot);
  DayMonthYear d{LeadingInteger(Source(out, kDay1 + slot)),
                 LeadingInteger(Source(out, kMonth1 + slot)),
                 LeadingInteger(Source(out, kYear1 + slot))};
  std::int64_t julian = 0;
  while (!s.text.empty() && date.empty()) {
    SplitWords(s.text, s.p1, s.p2, s.p3);
    const std::int64_t first = LeadingCount(s.p1);
    if (first > kJulianLow && first < kJulianHigh && s.p1[0] != '0') julian = first;
    bool readable = true;
    if (first > kFirstSecondCount) {
      std::tm t{};
      readable = LocalTimeOf(setup, first, t);
      if (readable) {
        WriteDateWords(t, s.text);
        SplitWords(s.text, s.p1, s.p2, s.p3);
      }
    }
    if (readable) {
      if (s.p2.empty()) CutCompactDate(o.input_order, s);
      ReadInOrder(o.input_order, s, out, d);
      if (dbase_date) {
        const std::int32_t n = LeadingInteger(s.text);
        d = {n % 100, n / 100 % 100, n / 10000};
      }
      if (julian != 0) {
        const CivilDate c = DateOfDayNumber(static_cast<int>(julian));
        d = {c.day, c.month, c.year};
      }
    } else {
      d = {};  // a second count the C library cannot convert gives no date
    }
    WriteDate(o, slot, d, out);
    if (!date.empty()) break;
    // Not a date from here: try again from the next word.
    s.text.swap(s.p2);
    if (!s.text.empty()) {
      s.text.push_back(' ');
      s.text.append(s.p3);
    }
  }
  // A text without a date has no weekday either.
  if (date.empty()) {
    weekday.clear();
    return;
  }
  if (o.time_in_date) ReadTimeInDate(slot, s, out);
}

}  // namespace

DatePatterns MakeDatePatterns(DateOrder output_order, MonthStyle month, bool four_digit_year,
                              bool day_zero) {
  DatePatterns p;
  char month_letter = 'b';
  p.weekday = 'w';
  switch (month) {
    case MonthStyle::kDigits:
      month_letter = 'n';
      break;
    case MonthStyle::kDigitsZero:
      month_letter = 'm';
      break;
    case MonthStyle::kShortName:
      month_letter = 'b';
      p.weekday = 'a';
      break;
    case MonthStyle::kFullName:
      month_letter = 'B';
      p.weekday = 'A';
      break;
  }
  const char year_letter = four_digit_year ? 'Y' : 'y';
  const char day_letter = day_zero ? 'd' : 'D';
  switch (output_order) {
    case DateOrder::kMonthDayYear:
      p.date = {month_letter, day_letter, year_letter, '\0'};
      break;
    case DateOrder::kDayMonthYear:
      p.date = {day_letter, month_letter, year_letter, '\0'};
      break;
    case DateOrder::kYearMonthDay:
      p.date = {year_letter, month_letter, day_letter, '\0'};
      break;
  }
  return p;
}

DateScratch::DateScratch() {
  for (std::string* text : {&this->text, &p1, &p2, &p3, &month}) text->reserve(kValueBufferSize);
}

void ReadTimeSources(const DateStepSetup& setup, const InputTables& in, OutputTables& out) {
  const DateOptions& o = *setup.options;
  for (int slot = 0; slot < kSlots; ++slot) {
    const std::string_view v =
        InputValue(in, out.DateTimeSources[static_cast<std::size_t>(kSlots + 1 + slot)]);
    std::string& hour = Source(out, kHour1 + slot);
    std::string& minute = Source(out, kMinute1 + slot);
    std::string& second = Source(out, kSecond1 + slot);
    switch (o.time_input) {
      case TimeInput::kClock:
        SplitTime(v, hour, minute, second);
        break;
      case TimeInput::kCalendar: {
        const std::int64_t seconds = LeadingCount(v);
        std::tm t{};
        if (v.empty() || seconds <= kSecondsPerDay || !LocalTimeOf(setup, seconds, t)) break;
        SetDecimal(hour, t.tm_hour, 2, '0');
        SetDecimal(minute, t.tm_min, 2, '0');
        SetDecimal(second, t.tm_sec, 2, '0');
        if (out.DateTimeSources[static_cast<std::size_t>(1 + slot)] == 0)
          WriteDateOfTime(o, t, slot, out);
        break;
      }
      case TimeInput::kPortionOfDay:
        if (!v.empty()) ReadPortionOfDay(v, slot, out.Scratch.dates, out);
        break;
    }
  }
}

void ReadDateSources(const DateStepSetup& setup, const InputTables& in, OutputTables& out) {
  for (int slot = 0; slot < kSlots; ++slot) {
    const std::int32_t field = out.DateTimeSources[static_cast<std::size_t>(1 + slot)];
    if (field == 0) continue;
    const auto f = static_cast<std::size_t>(field);
    const bool dbase_date = setup.dbase_input_active && field > 0 &&
                            f < setup.dbase_field_types.size() && setup.dbase_field_types[f] == 'D';
    ReadDate(setup, InputValue(in, field), dbase_date, slot, out);
  }
}

}  // namespace vt
