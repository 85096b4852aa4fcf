// Asctime text: our own formatting, so neither the locale nor a static buffer is involved.
#include "strings/asctime_text.h"

#include <cstdio>

namespace vt {

std::string AscTimeText(const std::tm& t) {
  static const char kDays[7][4] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char kMonths[12][4] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  char text[64];
  std::snprintf(text, sizeof text, "%.3s %.3s%3d %.2d:%.2d:%.2d %d\n",
                kDays[(t.tm_wday % 7 + 7) % 7], kMonths[(t.tm_mon % 12 + 12) % 12], t.tm_mday,
                t.tm_hour, t.tm_min, t.tm_sec, 1900 + t.tm_year);
  return text;
}

}  // namespace vt
