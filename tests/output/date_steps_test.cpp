// Dates and times as the builder reads them: every input order and output form, compact and
// Julian and second-count dates, the century break, times of the three input types.
#include "output/date_steps.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "output/calendar.h"
#include "output/clock_time.h"
#include "output/record_builder.h"
#include "output/writers/writers.h"

namespace vt {
namespace {

// Local time is UTC here, as a pinned clock in TZ=UTC gives it; gmtime_r refuses what it
// cannot convert.
class UtcTime : public LocalTimeSource {
 public:
  bool Local(std::int64_t seconds, std::tm& out) const override {
    const auto t = static_cast<std::time_t>(seconds);
    return gmtime_r(&t, &out) != nullptr;
  }
};

class DateStepsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    in.InputFieldValues.assign(10, std::string());
    in.InputFieldTotal = 3;
    out.OutputFieldValues.assign(100, std::string());
    out.GeneratedSourceValues.assign(120, std::string());
    out.TodayTexts = {"Jun 15 2026", "Mon", "15", "06", "2026"};
    writer = MakeRecordLayout(OutputFormat::kComma, &out);
    request.writer = writer.get();
    request.local_time = &utc;
    out.DateTimeSources[1] = 1;  // date 1 from field 1
  }
  const std::string& Source(int k) {
    return out.GeneratedSourceValues[static_cast<std::size_t>(k)];
  }
  void Build(const char* date_text, const char* time_text = "") {
    in.InputFieldValues[1] = date_text;
    in.InputFieldValues[2] = time_text;
    ++in.RecordNumber;
    in.InputRecordCut();
    BuildOutputRecord(request, lists, in, out);
  }

  UtcTime utc;
  WordLists lists;
  InputTables in;
  OutputTables out;
  BuildRequest request;
  std::unique_ptr<RecordWriter> writer;
};

TEST_F(DateStepsTest, DatesOfEveryInputOrder) {
  constexpr auto kMdy = DateOrder::kMonthDayYear;
  constexpr auto kDmy = DateOrder::kDayMonthYear;
  constexpr auto kYmd = DateOrder::kYearMonthDay;
  const struct {
    DateOrder order;
    const char* text;
    const char* date;
    const char* weekday;
    const char* day;
    const char* month;
    const char* year;
    const char* julian;
  } rows[] = {
      {kMdy, "Dec 8 2026", "Dec 08 2026", "Tue", " 8", "12", "2026", "2461383"},
      {kMdy, "  december 8th, 2026", "Dec 08 2026", "Tue", " 8", "12", "2026", "2461383"},
      {kMdy, "8 Dec 2026", "Dec 08 2026", "Tue", " 8", "12", "2026", "2461383"},
      {kDmy, "8 Dezember 2026", "Dec 08 2026", "Tue", " 8", "12", "2026", "2461383"},
      {kDmy, "Dec 8 2026", "Dec 08 2026", "Tue", " 8", "12", "2026", "2461383"},
      {kYmd, "2026-12-08", "Dec 08 2026", "Tue", " 8", "12", "2026", "2461383"},
      {kMdy, "12/08/26", "Dec 08 2026", "Tue", " 8", "12", "2026", "2461383"},
      {kMdy, "12/08/45", "Dec 08 1945", "Sat", " 8", "12", "1945", "2431798"},
      {kMdy, "Dec 8 3001", "Dec 08 2000", "Fri", " 8", "12", "2000", "2451887"},
      // Compact words of 9, 8, 7 and 6 characters.
      {kDmy, "08DEC2026", "Dec 08 2026", "Tue", " 8", "12", "2026", "2461383"},
      {kMdy, "DEC082026", "Dec 08 2026", "Tue", " 8", "12", "2026", "2461383"},
      {kYmd, "2026DEC08", "Dec 08 2026", "Tue", " 8", "12", "2026", "2461383"},
      {kMdy, "12082026", "Dec 08 2026", "Tue", " 8", "12", "2026", "2461383"},
      {kDmy, "08122026", "Dec 08 2026", "Tue", " 8", "12", "2026", "2461383"},
      {kYmd, "20261208", "Dec 08 2026", "Tue", " 8", "12", "2026", "2461383"},
      {kMdy, "DEC0826", "Dec 08 2026", "Tue", " 8", "12", "2026", "2461383"},
      {kDmy, "08DEC26", "Dec 08 2026", "Tue", " 8", "12", "2026", "2461383"},
      {kYmd, "26DEC08", "Dec 08 2026", "Tue", " 8", "12", "2026", "2461383"},
      {kMdy, "120826", "Dec 08 2026", "Tue", " 8", "12", "2026", "2461383"},
      {kYmd, "261208", "Dec 08 2026", "Tue", " 8", "12", "2026", "2461383"},
      // A Julian day number and a second count, in any order.
      {kMdy, "2440588", "Jan 01 1970", "Thu", " 1", " 1", "1970", "2440588"},
      {kDmy, "889002367", "Mar 04 1998", "Wed", " 4", " 3", "1998", "2450877"},
      // Without a year: this year, or the last when the month is more than five months ahead.
      {kMdy, "Dec 8", "Dec 08 2025", "Mon", " 8", "12", "2025", "2461018"},
      {kMdy, "Nov 8", "Nov 08 2026", "Sun", " 8", "11", "2026", "2461353"},
      // Day 31 of February prints as 3 March; the parts keep what was read.
      {kMdy, "Feb 31 2009", "Mar 03 2009", "Tue", "31", " 2", "2009", "2454894"},
      // No date anywhere: no weekday and no Julian day either.
      {kMdy, "hello world", "", "", " 0", " 0", "2027", ""},
      // A second count the C library cannot convert gives no date.
      {kMdy, "99999999999999999999", "", "", " 0", " 0", "2000", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    request.dates.input_order = row.order;
    Build(row.text);
    EXPECT_EQ(Source(kDate1), row.date);
    EXPECT_EQ(Source(kWeekday1), row.weekday);
    EXPECT_EQ(Source(kDay1), row.day);
    EXPECT_EQ(Source(kMonth1), row.month);
    EXPECT_EQ(Source(kYear1), row.year);
    EXPECT_EQ(Source(kJulianDate1), row.julian);
  }
}

TEST_F(DateStepsTest, OutputForms) {
  const struct {
    DateOrder order;
    MonthStyle month;
    bool four_digit_year;
    bool day_zero;
    const char* separator;
    const char* text;
    const char* date;
    const char* weekday;
  } rows[] = {
      {DateOrder::kMonthDayYear, MonthStyle::kShortName, true, true, "", "Dec 8 2026", "Dec082026",
       "Tue"},
      {DateOrder::kDayMonthYear, MonthStyle::kFullName, false, false, "/", "Dec 8 2026",
       "8/December/26", "Tuesday"},
      {DateOrder::kYearMonthDay, MonthStyle::kDigitsZero, true, true, "-", "Mar 4 1998",
       "1998-03-04", "3"},
      {DateOrder::kMonthDayYear, MonthStyle::kDigits, true, false, ".", "Mar 4 1998", "3.4.1998",
       "3"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.date);
    request.dates.patterns =
        MakeDatePatterns(row.order, row.month, row.four_digit_year, row.day_zero);
    request.dates.separator = row.separator;
    Build(row.text);
    EXPECT_EQ(Source(kDate1), row.date);
    EXPECT_EQ(Source(kWeekday1), row.weekday);
  }
  EXPECT_EQ(Source(kDay1), " 4") << "Day j prints as %2d whatever the form";
}

TEST_F(DateStepsTest, DbaseDatesAndTimesInsideDates) {
  request.dbase_input_active = true;
  std::vector<char> types(10, 'C');
  types[1] = 'D';
  request.dbase_field_types = types;
  Build("20261208");
  EXPECT_EQ(Source(kDate1), "Dec 08 2026");
  request.dbase_input_active = false;

  request.dates.time_in_date = true;
  const struct {
    const char* text;
    const char* date;
    const char* hour;
    const char* minute;
    const char* second;
  } rows[] = {
      {"10:30 PM Dec 8 2026", "Dec 08 2026", "22", "30", "0"},
      {"Dec 8 2026 9:05:07pm", "Dec 08 2026", "21", "5", "7"},
      {"8/12/2026 00:15", "Aug 12 2026", "0", "15", "0"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    Build(row.text);
    EXPECT_EQ(Source(kDate1), row.date);
    EXPECT_EQ(Source(kHour1), row.hour);
    EXPECT_EQ(Source(kMinute1), row.minute);
    EXPECT_EQ(Source(kSecond1), row.second);
  }
  // An explicit time source keeps its slot.
  out.DateTimeSources[5] = 2;
  Build("Dec 8 2026 9:05:07pm", "0930");
  EXPECT_EQ(Source(kHour1), "9");
}

TEST_F(DateStepsTest, TimesOfTheThreeInputTypes) {
  out.DateTimeSources[5] = 2;  // time 1 from field 2
  const struct {
    TimeInput type;
    const char* text;
    const char* hour;
    const char* minute;
    const char* second;
  } rows[] = {
      {TimeInput::kClock, "12:30 PM", "12", "30", "0"},
      {TimeInput::kClock, "12:05 AM", "0", "5", "0"},
      {TimeInput::kClock, "0930", "9", "30", "0"},
      {TimeInput::kClock, "093015", "9", "30", "15"},
      {TimeInput::kClock, "9:05:07pm", "21", "5", "7"},
      {TimeInput::kClock, "--", "", "", ""},
      {TimeInput::kCalendar, "889002367", "09", "06", "07"},
      {TimeInput::kCalendar, "86400", "", "", ""},
      {TimeInput::kCalendar, "99999999999999999999", "", "", ""},
      {TimeInput::kPortionOfDay, "0.7", "16", "48", "0"},
      {TimeInput::kPortionOfDay, ".25", "6", "0", "0"},
      {TimeInput::kPortionOfDay, "0.99999", "23", "59", "59"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    request.dates.time_input = row.type;
    Build("", row.text);
    EXPECT_EQ(Source(kHour1), row.hour);
    EXPECT_EQ(Source(kMinute1), row.minute);
    EXPECT_EQ(Source(kSecond1), row.second);
  }
  // A calendar time dates a slot without a date source of its own.
  out.DateTimeSources[1] = 0;
  request.dates.time_input = TimeInput::kCalendar;
  Build("", "889002367");
  EXPECT_EQ(Source(kDate1), "Mar 04 1998");
  EXPECT_EQ(Source(kWeekday1), "Wed");
  EXPECT_EQ(Source(kDay1), " 4");
  EXPECT_EQ(Source(kMonth1), "03");
}

TEST(CalendarTest, DayNumbersAndMonthNames) {
  EXPECT_EQ(DayNumberOfDate(1, 1, 1970), 2440588);
  const CivilDate epoch = DateOfDayNumber(2440588);
  EXPECT_EQ(epoch.day, 1);
  EXPECT_EQ(epoch.month, 1);
  EXPECT_EQ(epoch.year, 1970);
  for (int j : {1721426, 2299161, 2451545, 2461383, 3000000}) {
    const CivilDate d = DateOfDayNumber(j);
    EXPECT_EQ(DayNumberOfDate(d.day, d.month, d.year), j);
  }
  const struct {
    const char* text;
    const char* after;
  } rows[] = {{"Juin", "06"}, {"juil.", "07"}, {"AOUT", "08"}, {"okt", "10"},
              {"Dic", "12"},  {"Ma", "Ma"},    {"12", "12"},   {"", ""}};
  for (const auto& row : rows) {
    std::string text = row.text;
    EXPECT_EQ(MonthNumberOfName(text), std::string(row.after) != row.text) << row.text;
    EXPECT_EQ(text, row.after);
  }
}

}  // namespace
}  // namespace vt
