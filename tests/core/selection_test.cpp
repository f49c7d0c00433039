#include <gtest/gtest.h>

#include "core/pillars/selection.h"

using namespace tovrin;

namespace {
std::array<bool, 50> ticks(std::initializer_list<int> balls) {
  std::array<bool, 50> t{};
  for (int b : balls) t[b] = true;
  return t;
}
std::vector<int> tickedBalls(const SelectionBoxes& s) {
  std::vector<int> out;
  for (int n = 1; n <= 49; ++n)
    if (s.ball[n]) out.push_back(n);
  return out;
}
}  // namespace

TEST(Selection, BallsInAscendingOrderWithTrailingComma) {
  Selection s;
  s.rebuild(ticks({3, 1, 2}));
  EXPECT_EQ(s.count, 3);
  EXPECT_EQ(s.selected(), (std::vector<std::string>{"01", "02", "03"}));
  EXPECT_EQ(s.text, "01,02,03,");
}

TEST(Selection, SpaceBeforeThe19thEntryAndStaleEntriesKept) {
  std::array<bool, 50> t{};
  for (int n = 1; n <= 20; ++n) t[n] = true;
  Selection s;
  s.rebuild(t);
  EXPECT_EQ(s.text, "01,02,03,04,05,06,07,08,09,10,11,12,13,14,15,16,17,18, 19,20,");
  s.rebuild(ticks({40}));
  EXPECT_EQ(s.count, 1);
  EXPECT_EQ(s.balls[1], "40");
  EXPECT_EQ(s.balls[2], "02");  // past the count, left as it was
}

TEST(SelectionBoxes, TailAndHeadPickers) {
  struct Case {
    const char* name;
    std::vector<int> tails, heads;
    std::vector<int> expected;
  } cases[] = {
      {"3 尾", {3}, {}, {3, 13, 23, 33, 43}},
      {"0尾 never ticks 00", {0}, {}, {10, 20, 30, 40}},
      {"4 頭", {}, {4}, {40, 41, 42, 43, 44, 45, 46, 47, 48, 49}},
      {"0 頭", {}, {0}, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
      {"tail and head", {9}, {1}, {9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 29, 39, 49}},
  };
  for (const auto& c : cases) {
    SelectionBoxes s;
    for (int t : c.tails) s.setTail(t, true);
    for (int h : c.heads) s.setHead(h, true);
    EXPECT_EQ(tickedBalls(s), c.expected) << c.name;
  }
}

TEST(SelectionBoxes, UntickingATailUnticksItsBallsUnlessAHeadCoversThem) {
  SelectionBoxes s;
  s.setBall(13, true);  // by hand
  s.setBall(44, true);  // by hand, tail 4 and head 4 unticked
  s.setHead(1, true);
  s.setTail(3, true);
  s.setTail(3, false);
  // 13 stays (head 1), 03 23 33 43 go; 44 was lost at the first picker click.
  EXPECT_EQ(tickedBalls(s), (std::vector<int>{10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
}

TEST(SelectionBoxes, WarningsCountEveryChangeThatEndsAboveTheCap) {
  SelectionBoxes s;
  for (int h = 0; h <= 2; ++h) s.setHead(h, true);  // 29 balls
  EXPECT_EQ(s.overCap, 0);
  s.resetCounters();
  s.setHead(3, true);  // ticks 30..39, the 8th..10th of them go past 36
  EXPECT_EQ(s.tickedCount(), 39);
  EXPECT_EQ(s.overCap, 3);
  s.resetCounters();
  s.clearAll();  // unticking from 39: the changes leaving 38 and 37 are still above
  EXPECT_EQ(s.tickedCount(), 0);
  EXPECT_EQ(s.overCap, 2);
  EXPECT_TRUE(std::none_of(s.head.begin(), s.head.end(), [](bool b) { return b; }));
}

TEST(BetCounts, ElementarySymmetricSums) {
  struct Case {
    std::vector<int> sizes;
    long long two, three, four;
  } cases[] = {
      {{2, 2, 2, 2}, 24, 32, 16},
      {{1, 1, 2, 2, 2}, 25, 38, 28},
      {{12, 12}, 144, 0, 0},
      {{2, 2, 3, 3}, 37, 60, 36},
      {{3, 3, 3}, 27, 27, 0},
      {{2, 3}, 6, 0, 0},
  };
  for (const auto& c : cases) {
    const auto b = betCounts(c.sizes);
    EXPECT_EQ(b.two, c.two);
    EXPECT_EQ(b.three, c.three);
    EXPECT_EQ(b.four, c.four);
  }
  EXPECT_EQ(betCounts(std::vector<int>{2, 2, 2, 2}).total(), 72);
}
