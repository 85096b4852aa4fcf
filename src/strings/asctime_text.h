// Asctime text: the date and time as the status bar and the log show them.
#pragma once

#include <ctime>
#include <string>

namespace vt {

// asctime's text in the C locale, "Wed Mar  4 09:06:07 1998\n", whatever the user's locale.
[[nodiscard]] std::string AscTimeText(const std::tm& t);

}  // namespace vt
