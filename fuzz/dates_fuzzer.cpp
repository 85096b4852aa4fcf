// Fuzz target: dates and times as the builder reads them from input fields (every input order,
// words, compact digits, Julian days, second counts, dBase dates, clock, calendar and
// portion-of-day times) and the calendar arithmetic behind them.
#include <array>
#include <string>

#include "output/calendar.h"
#include "output/clock_time.h"
#include "output/date_steps.h"
#include "output/output_tables.h"
#include "support/fuzz_input.h"
#include "support/fuzz_setup.h"
#include "support/fuzz_targets.h"

namespace vt::fuzz {

namespace {

constexpr DateOrder kOrders[] = {DateOrder::kMonthDayYear, DateOrder::kDayMonthYear,
                                 DateOrder::kYearMonthDay};
constexpr MonthStyle kMonths[] = {MonthStyle::kDigits, MonthStyle::kDigitsZero,
                                  MonthStyle::kShortName, MonthStyle::kFullName};
constexpr TimeInput kTimes[] = {TimeInput::kClock, TimeInput::kCalendar, TimeInput::kPortionOfDay};
constexpr char kTypes[] = {'C', 'D', 'N', 'T', 'B', 'I', '@', 'L'};

}  // namespace

void Dates(FuzzInput& fuzz) {
  DateOptions options;
  options.input_order = fuzz.Pick(kOrders);
  options.time_in_date = fuzz.Bool();
  options.century_break = Hostile(fuzz, 0, 99);
  options.time_input = fuzz.Pick(kTimes);
  options.patterns =
      MakeDatePatterns(fuzz.Pick(kOrders), fuzz.Pick(kMonths), fuzz.Bool(), fuzz.Bool());
  const std::string separator = fuzz.Text(2);
  options.separator = separator;
  UtcTime utc;
  std::array<char, 10> types{};
  for (char& type : types) type = fuzz.Pick(kTypes);
  const DateStepSetup setup{.options = &options,
                            .local_time = fuzz.Bool() ? &utc : nullptr,
                            .dbase_input_active = fuzz.Bool(),
                            .dbase_field_types = types};

  const InputTablesPtr in = MakeInputTables();
  in->InputFieldTotal = Hostile(fuzz, 0, 9);
  OutputTables out;
  SizeTables(out);
  for (int s = 1; s <= 8; ++s)
    out.DateTimeSources[static_cast<std::size_t>(s)] = Hostile(fuzz, 0, 9);
  for (std::size_t f = 1; f <= 8; ++f) in->InputFieldValues[f] = fuzz.Text(40);
  in->InputFieldValues[9] = fuzz.Rest();
  ReadTimeSources(setup, *in, out);
  ReadDateSources(setup, *in, out);

  // The calendar on the numbers the texts gave.
  std::string text;
  for (std::size_t f = 1; f <= 9; ++f) {
    std::string hour, minute, second;
    (void)SplitTime(in->InputFieldValues[f], hour, minute, second);
    (void)SecondsOfDayFraction(in->InputFieldValues[f]);
    std::string month = in->InputFieldValues[f];
    (void)MonthNumberOfName(month);
  }
  const int day = Hostile(fuzz, -40, 40);
  const int month = Hostile(fuzz, -14, 14);
  const int year = Hostile(fuzz, -2000, 9999);
  FormatDateParts(year, month, day, options.patterns.Date(), separator, text);
  for (const char letter : std::string_view("dDmnbBywaAYx"))
    AppendDatePart(year, month, day, letter, text);
  (void)DateOfDayNumber(DayNumberOfDate(day, month, year));
}

}  // namespace vt::fuzz

VONTRASK_FUZZ_ENTRY(Dates)
