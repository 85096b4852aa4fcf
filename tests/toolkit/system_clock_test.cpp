// The system clock: the current time, broken down in the local time zone.
#include "toolkit/services/system_clock.h"

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace tk {
namespace {

// Sets TZ for one test and puts the old value back.
class TimeZone {
 public:
  explicit TimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) saved_ = old;
    ::setenv("TZ", zone, 1);
    ::tzset();
  }
  ~TimeZone() {
    if (saved_) {
      ::setenv("TZ", saved_->c_str(), 1);
    } else {
      ::unsetenv("TZ");
    }
    ::tzset();
  }

 private:
  std::optional<std::string> saved_;
};

TEST(SystemClock, NowIsTheSystemTime) {
  SystemClock clock;
  std::time_t before = std::time(nullptr);
  std::time_t now = clock.Now();
  EXPECT_GE(now, before);
  EXPECT_LE(now, std::time(nullptr));
}

TEST(SystemClock, LocalUsesTheTimeZone) {
  struct Row {
    const char* zone;
    int year, month, day, hour, minute, second;
  };
  const Row rows[] = {
      {"UTC0", 1998, 3, 4, 5, 6, 7},
      {"EST5", 1998, 3, 4, 0, 6, 7},
      {"XYZ-10", 1998, 3, 4, 15, 6, 7},
  };
  SystemClock clock;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.zone);
    TimeZone zone(row.zone);
    std::tm t = clock.Local(888987967);  // 1998-03-04 05:06:07 UTC
    EXPECT_EQ(t.tm_year + 1900, row.year);
    EXPECT_EQ(t.tm_mon + 1, row.month);
    EXPECT_EQ(t.tm_mday, row.day);
    EXPECT_EQ(t.tm_hour, row.hour);
    EXPECT_EQ(t.tm_min, row.minute);
    EXPECT_EQ(t.tm_sec, row.second);
  }
}

}  // namespace
}  // namespace tk
