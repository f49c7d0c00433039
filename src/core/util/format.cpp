#include "core/util/format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tovrin {

namespace {

bool isPlaceholder(char c) { return c == '0' || c == '#'; }

// The decimal digits of |value| rounded half away from zero to `decimals`
// places: integer digits (no leading zeros, "" for zero) and exactly
// `decimals` fraction digits.
void roundedDigits(double value, int decimals, std::string& intDigits, std::string& fracDigits) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15e", std::fabs(value));
  // buf: d.ddddddddddddddde[+-]XX
  std::string mant;
  mant += buf[0];
  for (const char* p = buf + 2; *p && *p != 'e'; ++p) mant += *p;
  const int exp = std::atoi(std::strchr(buf, 'e') + 1);
  // Trim to 15 significant digits, rounding half up, so binary noise in
  // the 16th digit never decides the rounding.
  std::string digits = mant.substr(0, 16);
  {
    bool up = digits[15] >= '5';
    digits.resize(15);
    int e = exp;
    if (up) {
      int i = 14;
      while (i >= 0 && digits[i] == '9') digits[i--] = '0';
      if (i >= 0)
        ++digits[i];
      else {
        digits.insert(digits.begin(), '1');
        digits.pop_back();
        ++e;
      }
    }
    // Place the point: value = 0.digits * 10^(e+1)
    const int pointPos = e + 1;  // digits before the point
    std::string whole, frac;
    if (pointPos <= 0) {
      whole = "";
      frac = std::string(-pointPos, '0') + digits;
    } else if (pointPos >= static_cast<int>(digits.size())) {
      whole = digits + std::string(pointPos - digits.size(), '0');
    } else {
      whole = digits.substr(0, pointPos);
      frac = digits.substr(pointPos);
    }
    // Round to `decimals`, half away from zero.
    bool carry = static_cast<int>(frac.size()) > decimals && frac[decimals] >= '5';
    frac.resize(decimals, '0');
    if (carry) {
      int i = decimals - 1;
      while (i >= 0 && frac[i] == '9') frac[i--] = '0';
      if (i >= 0) {
        ++frac[i];
        carry = false;
      }
    }
    if (carry) {
      int i = static_cast<int>(whole.size()) - 1;
      while (i >= 0 && whole[i] == '9') whole[i--] = '0';
      if (i >= 0)
        ++whole[i];
      else
        whole.insert(whole.begin(), '1');
    }
    size_t nz = whole.find_first_not_of('0');
    whole = nz == std::string::npos ? "" : whole.substr(nz);
    intDigits = whole;
    fracDigits = frac;
  }
}

std::string layout(std::string_view pattern, bool negative, std::string intDigits, std::string fracDigits) {
  size_t first = std::string_view::npos, last = std::string_view::npos;
  for (size_t i = 0; i < pattern.size(); ++i)
    if (isPlaceholder(pattern[i]) || pattern[i] == '.') {
      if (first == std::string_view::npos) first = i;
      last = i;
    }
  if (first == std::string_view::npos) return std::string(pattern);
  const std::string_view prefix = pattern.substr(0, first);
  const std::string_view suffix = pattern.substr(last + 1);
  const std::string_view body = pattern.substr(first, last - first + 1);
  const size_t dot = body.find('.');
  const std::string_view intPart = body.substr(0, dot);
  const std::string_view fracPart = dot == std::string_view::npos ? std::string_view{} : body.substr(dot + 1);
  bool thousands = false;
  int minInt = 0, seen = 0;
  for (char c : intPart) {
    if (c == ',') thousands = true;
    if (!isPlaceholder(c)) continue;
    ++seen;
    if (c == '0' && minInt == 0) minInt = -seen;  // mark position of the first '0'
  }
  const int intPlaces = seen;
  minInt = minInt == 0 ? 0 : intPlaces + minInt + 1;
  // Fraction digits up to the last '0' are always written.
  int minFrac = 0, places = 0;
  for (char c : fracPart)
    if (isPlaceholder(c)) {
      ++places;
      if (c == '0') minFrac = places;
    }
  // Drop optional trailing fraction digits that are zero.
  while (static_cast<int>(fracDigits.size()) > minFrac && fracDigits.back() == '0') fracDigits.pop_back();
  if (static_cast<int>(intDigits.size()) < minInt) intDigits.insert(0, minInt - intDigits.size(), '0');
  if (thousands && intDigits.size() > 3) {
    std::string grouped;
    const int n = static_cast<int>(intDigits.size());
    for (int i = 0; i < n; ++i) {
      if (i > 0 && (n - i) % 3 == 0) grouped += ',';
      grouped += intDigits[i];
    }
    intDigits = grouped;
  }
  std::string out(prefix);
  if (negative && !(intDigits.find_first_not_of("0,") == std::string::npos &&
                    fracDigits.find_first_not_of('0') == std::string::npos))
    out += '-';
  out += intDigits;
  if (!fracDigits.empty()) {
    out += '.';
    out += fracDigits;
  }
  out += suffix;
  return out;
}

int maxDecimals(std::string_view pattern) {
  const size_t dot = pattern.find('.');
  if (dot == std::string_view::npos) return 0;
  int n = 0;
  for (size_t i = dot + 1; i < pattern.size(); ++i)
    if (isPlaceholder(pattern[i])) ++n;
  return n;
}

}  // namespace

std::string formatNumber(std::string_view pattern, double value) {
  std::string intDigits, fracDigits;
  if (!std::isfinite(value)) return std::string(pattern);
  if (value == 0.0) {
    fracDigits.assign(maxDecimals(pattern), '0');
  } else {
    roundedDigits(value, maxDecimals(pattern), intDigits, fracDigits);
  }
  return layout(pattern, value < 0, intDigits, fracDigits);
}

std::string formatNumber(std::string_view pattern, long long value) {
  const unsigned long long mag =
      value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
  std::string intDigits = mag == 0 ? std::string() : std::to_string(mag);
  return layout(pattern, value < 0, intDigits, std::string(maxDecimals(pattern), '0'));
}

}  // namespace tovrin
