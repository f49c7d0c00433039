#pragma once
// Numbers as the windows show them, by picture patterns: "0" is a digit that
// is always written, "#" a digit written only when it matters, "," asks for
// thousands separators, "." places the decimal point, and anything else
// (blanks, text) is copied as it stands. Locale-free: always "." and ",".
//
//   formatNumber("##0.00", 0.5)   -> "0.50"
//   formatNumber("###.00", 0.5)   -> ".50"
//   formatNumber("#,##0", 1234)   -> "1,234"
//   formatNumber("##", 0)         -> ""
//   formatNumber("  ##", 7)       -> "  7"
//   formatNumber("000", 7)        -> "007"
//
// Rounding is half away from zero on the value's shortest decimal form
// (15 significant digits), so 308.865 shows as 308.87 as a player expects.
#include <string>
#include <string_view>

namespace tovrin {

std::string formatNumber(std::string_view pattern, double value);
std::string formatNumber(std::string_view pattern, long long value);
inline std::string formatNumber(std::string_view pattern, int value) {
  return formatNumber(pattern, static_cast<long long>(value));
}

// "#,##0": counts shown to the user (0 -> "0", 1234567 -> "1,234,567").
inline std::string formatCount(long long value) { return formatNumber("#,##0", value); }

}  // namespace tovrin
