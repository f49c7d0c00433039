#pragma once
// A calendar day, written "yyyy/mm/dd" whatever the user's locale.
#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace tovrin {

struct Date {
  int y = 0, m = 0, d = 0;

  // Reads exactly "yyyy/mm/dd" (digits and slashes, a real calendar day).
  static std::optional<Date> parse(std::string_view text);
  std::string text() const;  // "yyyy/mm/dd"
  bool isNull() const { return y == 0; }
  int dayOfWeek() const;     // 0 = Sunday
  long serial() const;       // days since 1970-01-01
  static Date fromSerial(long days);

  auto operator<=>(const Date&) const = default;
};

bool isLeapYear(int y);
int daysInMonth(int y, int m);

// A two-digit, zero-padded number ("00" format); negative values keep their sign.
std::string format00(int v);

}  // namespace tovrin
