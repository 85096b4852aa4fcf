// The one strict number reader of the output side and number printing in the C locale.
//
// Every number the builder reads from a text goes through these readers: a leading decimal
// number only, so "nan", "inf" and hexadecimal floats are not numbers ("Nancy" reads as 0).
// Printing never consults a locale: the decimal point is always ".".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vt {

// The leading decimal number of a text, as the classic atof reads it: white space, one sign,
// digits with at most one ".", an exponent only when digits follow its "e". 0 when there is
// no number; a number beyond the double range reads as the largest double of its sign.
[[nodiscard]] double LeadingNumber(std::string_view text);

// As LeadingNumber, but a number beyond the double range is infinite, as atof gives it.
[[nodiscard]] double LeadingNumberUnbounded(std::string_view text);

// The leading integer, as atol reads it on a 32-bit long: beyond the range it saturates.
[[nodiscard]] std::int32_t LeadingInteger(std::string_view text);

// The leading hexadecimal integer, as scanf "%x" reads it into a 32-bit long: white space, one
// sign, an optional "0x", hexadecimal digits. More than 32 bits saturate to 0xFFFFFFFF before
// the sign is applied; the bits are then read as a signed 32-bit value ("FFFFFFFF" is -1).
[[nodiscard]] std::int32_t LeadingHex(std::string_view text);

// Appends x as printf "%.*f" would print it in the C locale.
void AppendFixed(double x, int precision, std::string& out);

// Appends x as printf "%e" prints it in the C locale ("1.234500e+03").
void AppendScientific(double x, std::string& out);

// In a text with a ".": drops trailing "0" characters (never the first character), then a
// trailing ".". A text without "." is left alone.
void CutZeros(std::string& text);

// x printed with "%.*f", then cut of its zeros: the number texts of the builder.
void AppendNumberText(double x, int precision, std::string& out);

}  // namespace vt
