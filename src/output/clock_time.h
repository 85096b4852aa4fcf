// Clock time: the hour, minute and second written in a text, and the time of a portion of a day.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vt {

// Hour, minute and second of a written time as plain decimal numbers: "9:05:07pm" gives 21, 5
// and 7, "12:05 AM" gives 0, 5 and 0, the compact "0930" gives 9, 30 and 0. A text without a
// letter or digit gives nothing: the outputs keep what they hold and the result is false.
bool SplitTime(std::string_view text, std::string& hour, std::string& minute, std::string& second);

// The whole seconds of a portion of a day given by the digits of its fraction ("7" for 0.7),
// computed in decimal so that 0.7 of a day is exactly 60480 seconds (16:48:00). Digits stop at
// the first byte that is not one.
[[nodiscard]] std::int64_t SecondsOfDayFraction(std::string_view fraction_digits);

}  // namespace vt
