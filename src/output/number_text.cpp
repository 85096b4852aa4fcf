// The one strict number reader of the output side and number printing in the C locale.
#include "output/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "strings/char_class.h"

namespace vt {

namespace {

// isspace in the C locale: blank, TAB, LF, VT, FF, CR.
bool IsSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

std::size_t SkipSpace(std::string_view text, std::size_t pos) {
  while (pos < text.size() && IsSpace(text[pos])) ++pos;
  return pos;
}

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
  while (pos < text.size() && IsDigit(text[pos])) ++pos;
  return pos;
}

int HexDigit(char c) {
  if (IsDigit(c)) return c - '0';
  const char upper = UpperAscii(c);
  if (upper >= 'A' && upper <= 'F') return upper - 'A' + 10;
  return -1;
}

// Sign handling shared by the readers: returns the position after the sign.
std::size_t ReadSign(std::string_view text, std::size_t pos, bool& negative) {
  negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  return pos;
}

// The leading number; a number beyond the double range reads as `huge` of its sign.
double ReadLeadingNumber(std::string_view text, double huge) {
  bool negative = false;
  const std::size_t start = ReadSign(text, SkipSpace(text, 0), negative);
  std::size_t end = SkipDigits(text, start);
  const std::size_t int_digits = end - start;
  std::size_t frac_digits = 0;
  if (end < text.size() && text[end] == '.') {
    const std::size_t after = SkipDigits(text, end + 1);
    frac_digits = after - end - 1;
    if (int_digits + frac_digits > 0) end = after;
  }
  if (int_digits + frac_digits == 0) return 0.0;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    std::size_t pos = end + 1;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    const std::size_t after = SkipDigits(text, pos);
    if (after > pos) end = after;
  }
  double value = 0.0;
  const char* first = text.data() + start;
  const char* last = text.data() + end;
  const std::from_chars_result result = std::from_chars(first, last, value);
  if (result.ec == std::errc::result_out_of_range) {
    // from_chars leaves the value alone: tell overflow from underflow by the exponent's sign.
    std::size_t e = start;
    while (e < end && text[e] != 'e' && text[e] != 'E') ++e;
    const bool tiny = e < end && e + 1 < end && text[e + 1] == '-';
    value = tiny ? 0.0 : huge;
  }
  return negative ? -value : value;
}

}  // namespace

double LeadingNumber(std::string_view text) {
  return ReadLeadingNumber(text, std::numeric_limits<double>::max());
}

double LeadingNumberUnbounded(std::string_view text) {
  return ReadLeadingNumber(text, std::numeric_limits<double>::infinity());
}

std::int32_t LeadingInteger(std::string_view text) {
  bool negative = false;
  std::size_t pos = ReadSign(text, SkipSpace(text, 0), negative);
  std::int64_t value = 0;
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
    value = value * 10 + (text[pos] - '0');
    if (value > kLimit) value = kLimit;
  }
  if (negative) return static_cast<std::int32_t>(-value);
  return static_cast<std::int32_t>(value >= kLimit ? kLimit - 1 : value);
}

std::int32_t LeadingHex(std::string_view text) {
  bool negative = false;
  std::size_t pos = ReadSign(text, SkipSpace(text, 0), negative);
  if (pos + 1 < text.size() && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X') &&
      pos + 2 < text.size() && HexDigit(text[pos + 2]) >= 0) {
    pos += 2;
  }
  std::uint64_t value = 0;
  for (; pos < text.size() && HexDigit(text[pos]) >= 0; ++pos) {
    value = value * 16 + static_cast<std::uint64_t>(HexDigit(text[pos]));
    if (value > 0xFFFFFFFFu) value = 0xFFFFFFFFu;
  }
  std::uint32_t bits = static_cast<std::uint32_t>(value);
  if (negative) bits = 0u - bits;
  return static_cast<std::int32_t>(bits);
}

void AppendFixed(double x, int precision, std::string& out) {
  // 309 integer digits at most, a sign, a point and the precision.
  char buffer[400];
  if (precision < 0) precision = 0;
  if (precision > 60) precision = 60;
  const std::to_chars_result result =
      std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, precision);
  out.append(buffer, result.ptr);
}

void AppendScientific(double x, std::string& out) {
  char buffer[64];
  const std::to_chars_result result =
      std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 6);
  out.append(buffer, result.ptr);
}

void CutZeros(std::string& text) {
  if (text.find('.') == std::string::npos) return;  // "100" has no zeros to cut
  std::size_t end = text.size();
  while (end > 1 && text[end - 1] == '0') --end;
  text.resize(end);
  if (!text.empty() && text.back() == '.') text.pop_back();
}

void AppendNumberText(double x, int precision, std::string& out) {
  const std::size_t start = out.size();
  AppendFixed(x, precision, out);
  // Cut the zeros of the number only, never of what the caller had before it.
  if (out.find('.', start) == std::string::npos) return;
  std::size_t end = out.size();
  while (end > start + 1 && out[end - 1] == '0') --end;
  out.resize(end);
  if (out.size() > start && out.back() == '.') out.pop_back();
}

}  // namespace vt
