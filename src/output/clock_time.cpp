// Clock time: the hour, minute and second written in a text, and the time of a portion of a day.
#include "output/clock_time.h"

#include "output/calendar.h"
#include "output/number_text.h"
#include "strings/char_class.h"
#include "strings/words.h"

namespace vt {

namespace {

constexpr std::string_view kPmMarkers[] = {"PM", "pm", "P.M", "p.m"};
constexpr std::string_view kAmMarkers[] = {"AM", "am", "A.M", "a.m"};
constexpr int kSecondsPerDay = 86400;

// The first marker found, in the order given: its offset, or npos.
template <std::size_t N>
std::size_t FindMarker(std::string_view text, const std::string_view (&markers)[N]) {
  for (std::string_view marker : markers) {
    const std::size_t at = text.find(marker);
    if (at != std::string_view::npos) return at;
  }
  return std::string_view::npos;
}

void AssignNumber(std::int64_t value, std::string& out) {
  out.clear();
  AppendDecimal(value, 1, ' ', out);
}

}  // namespace

bool SplitTime(std::string_view text, std::string& hour, std::string& minute, std::string& second) {
  text.remove_prefix(SkipToWord(text, 0));
  if (text.empty()) return false;
  std::size_t marker = FindMarker(text, kPmMarkers);
  const bool pm = marker != std::string_view::npos;
  if (!pm) marker = FindMarker(text, kAmMarkers);
  const bool am = !pm && marker != std::string_view::npos;
  if (marker != std::string_view::npos && marker > 0) text = text.substr(0, marker);
  while (!text.empty() && !IsWordChar(text.back())) text.remove_suffix(1);

  SplitWords(text, hour, minute, second);
  if (minute.empty()) {
    // Compact digits: hhmm, then the seconds.
    hour.assign(text.substr(0, 2));
    minute.assign(text.substr(std::min<std::size_t>(2, text.size()), 2));
    second.assign(text.size() > 4 ? text.substr(4) : std::string_view());
  }
  std::int64_t h = LeadingInteger(hour);
  if (pm && h < 12) h += 12;
  if (am && h == 12) h = 0;
  AssignNumber(h, hour);
  AssignNumber(LeadingInteger(minute), minute);
  AssignNumber(LeadingInteger(second), second);
  return true;
}

std::int64_t SecondsOfDayFraction(std::string_view fraction_digits) {
  std::size_t length = 0;
  while (length < fraction_digits.size() && IsDigit(fraction_digits[length])) ++length;
  // floor(0.d1d2...dn x 86400), from the last digit back: each step keeps the floor exact.
  std::int64_t carry = 0;
  for (std::size_t i = length; i > 0; --i)
    carry = ((fraction_digits[i - 1] - '0') * std::int64_t{kSecondsPerDay} + carry) / 10;
  return carry;
}

}  // namespace vt
