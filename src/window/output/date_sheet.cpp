// The Date and Time sheets: today's date in the chosen form, the date and time sources and the
// lists of what the record's dates and times gave.
#include <string>

#include "output/calendar.h"
#include "output/generated_sources.h"
#include "strings/fixed_text.h"
#include "window/parse_view.h"

namespace vt {

namespace {

constexpr int kDateSlots = 4;
constexpr const char* kDateSourceHint =
    "Now click on a field name in the \"Input Field Names\" box to select the source for this "
    "selected date.";

// Each slot's source field name, or "(Source n)" for a slot without one.
void FillSourceList(tk::ListBox& list, const TParseView& v, int first_entry) {
  list.Clear();
  for (int slot = 1; slot <= kDateSlots; ++slot) {
    const std::int32_t field = v.DateTimeSources[static_cast<std::size_t>(first_entry + slot - 1)];
    const auto at = static_cast<std::size_t>(field);
    const bool named = field > 0 && at < v.InputFieldNames.size();
    list.Add(named ? v.InputFieldNames[at] : "(Source " + std::to_string(slot) + ")");
  }
}

// The names or values of generated sources first..first+3.
void FillSourceRows(tk::ListBox& list, const TParseView& v, int first, bool values) {
  list.Clear();
  for (int k = first; k < first + kDateSlots; ++k) {
    list.Add(values ? v.GeneratedSourceValues[static_cast<std::size_t>(k)]
                    : std::string(GeneratedSourceName(k)));
  }
}

// The input field list shows which field feeds a slot: none for an empty slot or a stored
// number past the fields.
void SelectSourceField(TParseView& v, std::int32_t field) {
  v.InputFieldNamesListBox.SetItemIndex(
      field > 0 && field <= v.InputFieldNamesListBox.Count() ? field - 1 : -1);
}

}  // namespace

DatePatterns TParseView::ChosenDatePatterns() const {
  DateOrder order = DateOrder::kMonthDayYear;
  if (DateDMY.Checked()) order = DateOrder::kDayMonthYear;
  if (DateYMD.Checked()) order = DateOrder::kYearMonthDay;
  MonthStyle month = MonthStyle::kShortName;
  if (MonthD1.Checked()) month = MonthStyle::kDigits;
  if (MonthD2.Checked()) month = MonthStyle::kDigitsZero;
  if (MonthA2.Checked()) month = MonthStyle::kFullName;
  return MakeDatePatterns(order, month, !Years2.Checked(), DaysLZ.Checked());
}

void TParseView::ReadToday() {
  tk::Clock& clock = *services().clock;
  const std::tm today = clock.Local(clock.Now());
  const int day = today.tm_mday;
  const int month = today.tm_mon + 1;
  const int year = today.tm_year + 1900;
  for (std::string& text : TodayTexts) text.clear();
  AppendDecimal(day, 2, '0', TodayTexts[2]);
  AppendDecimal(month, 2, '0', TodayTexts[3]);
  AppendDecimal(year, 1, ' ', TodayTexts[4]);
  const DatePatterns patterns = ChosenDatePatterns();
  const std::string_view separator =
      DateSeparatorNeeded.Checked() ? std::string_view(DateSeparator.Text()) : std::string_view();
  FormatDateParts(year, month, day, patterns.Date(), separator, TodayTexts[0]);
  FormatDateParts(year, month, day, patterns.Weekday(), {}, TodayTexts[1]);
  TodayLabel.SetCaption(TodayTexts[0]);
  WeekdayLabel.SetCaption(TodayTexts[1]);
}

void TParseView::DisplayDatesClick() {
  ReadToday();
  FillSourceRows(DateNames, *this, kDate1, false);
  FillSourceRows(DateValues, *this, kDate1, true);
  FillSourceRows(WeekdayValues, *this, kWeekday1, true);
  FillSourceList(DateChoiceBox, *this, 1);
}

void TParseView::ShowBuiltSources() {
  FillSourceList(TimeSource, *this, kDateSlots + 1);
  const struct {
    tk::ListBox* names;
    tk::ListBox* values;
    int first;
  } rows[] = {{&HourName, &HourValue, kHour1},
              {&MinuteName, &MinuteValue, kMinute1},
              {&SecondName, &SecondValue, kSecond1}};
  for (const auto& row : rows) {
    FillSourceRows(*row.names, *this, row.first, false);
    FillSourceRows(*row.values, *this, row.first, true);
  }
  // Each conversion slot's result and rule in the grid; the selected one in the panel too.
  for (int j = 1; j <= 4; ++j) {
    const auto& coefficients = ConversionCoefficients[static_cast<std::size_t>(j - 1)];
    const std::string& result = GeneratedSourceValues[static_cast<std::size_t>(kConvert1 + j - 1)];
    Conv.SetCell(2, j, result);
    Conv.SetCell(3, j, FormatCoefficient(coefficients[0]));
    Conv.SetCell(4, j, FormatCoefficient(coefficients[1]));
    if (ConvSelect.ItemIndex() != j - 1) continue;
    ConvResultLabel.SetCaption(result);
    ConvSourceEdit.SetText(GeneratedSourceValues[static_cast<std::size_t>(kCombination1 + j - 1)]);
  }
  // A calendar time may have dated a slot without a date source.
  if (TimeType.ItemIndex() == 1) DisplayDates.Click();
}

void TParseView::DateChoiceBoxClick() {
  const int row = DateChoiceBox.ItemIndex();
  if (row < 0 || row >= kDateSlots) return;
  ActiveSourceRow = row + 1;
  const std::int32_t field = DateTimeSources[static_cast<std::size_t>(ActiveSourceRow)];
  SelectSourceField(*this, field);
  const auto at = static_cast<std::size_t>(field);
  const bool dbase_date = DbaseInputActive != 0 && field > 0 && at < DbaseFieldTypes.size() &&
                          DbaseFieldTypes[at] == 'D';
  if (DbaseInputActive != 0) DateMemo.SetVisible(dbase_date);
  InstructionHints.Clear();
  InstructionHints.AddLine(kDateSourceHint);
  if (LargeHints.Checked()) InstructionHints.SetVisible(true);
}

void TParseView::DateChoiceBoxExit() {
  InstructionHints.SetVisible(false);
}

void TParseView::Button1Click() {
  for (std::size_t slot = 1; slot <= kDateSlots; ++slot) DateTimeSources[slot] = 0;
  DisplayOutput.Click();
}

void TParseView::ClearTimeSourceClick() {
  for (std::size_t slot = 1; slot <= kDateSlots; ++slot) DateTimeSources[kDateSlots + slot] = 0;
  DisplayOutput.Click();
}

void TParseView::TimeSourceClick() {
  const int row = TimeSource.ItemIndex();
  if (row < 0 || row >= kDateSlots) return;
  ActiveTimeSlot = row + 1;
  SelectSourceField(*this, DateTimeSources[static_cast<std::size_t>(kDateSlots + ActiveTimeSlot)]);
}

void TParseView::CenturyBreakKeyPress(char& key) {
  if (key == '\r') DisplayOutput.Click();
}

}  // namespace vt
