#include <gtest/gtest.h>

#include "core/util/format.h"

namespace {

struct DoubleCase {
  const char* pattern;
  double value;
  const char* expected;
};

TEST(FormatNumber, PicturePatternsOnFractions) {
  const DoubleCase cases[] = {
      {"##0.00", 0.5, "0.50"},        {"###.00", 0.5, ".50"},         {"###0.00", 309.0, "309.00"},
      {"###0.00", 1514.1, "1514.10"}, {"##0.00", 308.865, "308.87"},  {"##0.00", 14.285714, "14.29"},
      {"##0.00", 0.0, "0.00"},        {"###.00", 0.0, ".00"},         {"##0.00", -2.5, "-2.50"},
      {"##0.00", -0.001, "0.00"},     {"#0", 2.5, "3"},               {"#0", 0.4, "0"},
      {"##", 0.0, ""},                {"0.0#", 1.5, "1.5"},           {"0.0#", 1.25, "1.25"},
      {"##0.00", 99.995, "100.00"},   {"平均值為 ###0.00", 5.94, "平均值為 5.94"},
  };
  for (const auto& c : cases) EXPECT_EQ(tovrin::formatNumber(c.pattern, c.value), c.expected) << c.pattern << " " << c.value;
}

TEST(FormatNumber, PicturePatternsOnIntegers) {
  struct Case {
    const char* pattern;
    long long value;
    const char* expected;
  };
  const Case cases[] = {
      {"#,##0", 0, "0"},          {"#,##0", 999, "999"},   {"#,##0", 1234, "1,234"}, {"#,##0", 1234567, "1,234,567"},
      {"#,##0", -4288, "-4,288"}, {"00", 7, "07"},         {"000", 7, "007"},        {"0000", 12345, "12345"},
      {"##", 0, ""},              {"##", 7, "7"},          {"  ##", 7, "  7"},       {"  ##", 0, "  "},
      {"##0", 0, "0"},            {"###", 0, ""},          {"###", 346, "346"},      {"##0", 1244, "1244"},
  };
  for (const auto& c : cases) EXPECT_EQ(tovrin::formatNumber(c.pattern, c.value), c.expected) << c.pattern << " " << c.value;
  EXPECT_EQ(tovrin::formatCount(2163), "2,163");
}

}  // namespace
