#include "core/util/date.h"

#include <cstdio>

namespace tovrin {

bool isLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int daysInMonth(int y, int m) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (m == 2 && isLeapYear(y)) return 29;
  return days[m - 1];
}

std::optional<Date> Date::parse(std::string_view t) {
  if (t.size() != 10 || t[4] != '/' || t[7] != '/') return std::nullopt;
  auto num = [&](int from, int len, int& out) {
    out = 0;
    for (int i = from; i < from + len; ++i) {
      if (t[i] < '0' || t[i] > '9') return false;
      out = out * 10 + (t[i] - '0');
    }
    return true;
  };
  Date r;
  if (!num(0, 4, r.y) || !num(5, 2, r.m) || !num(8, 2, r.d)) return std::nullopt;
  if (r.y < 1 || r.m < 1 || r.m > 12 || r.d < 1 || r.d > daysInMonth(r.y, r.m)) return std::nullopt;
  return r;
}

std::string Date::text() const {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d/%02d/%02d", y, m, d);
  return buf;
}

long Date::serial() const {
  // Days from civil (proleptic Gregorian).
  int yy = y - (m <= 2);
  long era = (yy >= 0 ? yy : yy - 399) / 400;
  unsigned yoe = static_cast<unsigned>(yy - era * 400);
  unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long>(doe) - 719468;
}

Date Date::fromSerial(long z) {
  z += 719468;
  long era = (z >= 0 ? z : z - 146096) / 146097;
  unsigned doe = static_cast<unsigned>(z - era * 146097);
  unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  long yy = static_cast<long>(yoe) + era * 400;
  unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  unsigned mp = (5 * doy + 2) / 153;
  unsigned dd = doy - (153 * mp + 2) / 5 + 1;
  unsigned mm = mp < 10 ? mp + 3 : mp - 9;
  return Date{static_cast<int>(yy + (mm <= 2)), static_cast<int>(mm), static_cast<int>(dd)};
}

int Date::dayOfWeek() const {
  long s = serial();  // 1970-01-01 was a Thursday
  return static_cast<int>(((s % 7) + 7 + 4) % 7);
}

std::string format00(int v) {
  char buf[16];
  if (v < 0)
    std::snprintf(buf, sizeof buf, "-%02d", -v);
  else
    std::snprintf(buf, sizeof buf, "%02d", v);
  return buf;
}

}  // namespace tovrin
