#include <gtest/gtest.h>

#include "core/history/draw_table.h"
#include "core/text/textfile.h"
#include "support/temp_dir.h"

using namespace tovrin;
using testing_support::copyData;
using testing_support::crlf;
using testing_support::readBytes;
using testing_support::TempDir;
using testing_support::writeBytes;

namespace {

const std::string kToday = "2026/12/10";

std::string line(const std::string& date, const std::string& no, const std::string& balls) {
  return date + "," + no + "," + balls;  // balls: "b1,b2,b3,b4,b5,b6,sp"
}

struct Loaded {
  TempDir dir;
  DrawHistory h{dir.path()};
  LoadResult result;
  explicit Loaded(const std::string& fileBytes, const std::string& today = kToday) {
    writeBytes(dir / kBigLottoFile, fileBytes);
    result = h.fullReload(today);
  }
};

}  // namespace

TEST(DrawFile, RealBigLottoHistoryLoadsOldestFirst) {
  TempDir dir;
  copyData(kBigLottoFile, dir.path());
  DrawHistory h(dir.path());
  ASSERT_TRUE(h.fullReload(kToday).ok);
  const auto& t = h.table;
  ASSERT_EQ(t.count, 2163);
  EXPECT_EQ(t.lines[0].substr(0, 10), "2007/01/02");
  EXPECT_EQ(t.lines[2162].substr(0, 17), "2026/08/21,115081");
  EXPECT_EQ(t.newestFirst[0], t.lines[2162]);
  EXPECT_EQ(t.dates[2162], (Date{2026, 8, 21}));
  EXPECT_EQ(t.numbers[2162], "115081");
  const auto latest = h.latestDrawTexts();
  EXPECT_EQ(latest.date, "日期:2026/08/21");
  EXPECT_EQ(latest.number, "期數:115081");
  EXPECT_EQ(latest.balls, "號碼(落球):08,14,23,24,26,47,30");
  for (int k = 1; k < t.count; ++k) ASSERT_LT(t.lines[k - 1], t.lines[k]);
}

TEST(DrawFile, RealMarkSixHistoryKeepsTheNewest3000) {
  TempDir dir;
  copyData(kMarkSixFile, dir.path());
  DrawHistory h(dir.path());
  h.selectGame(false);
  const auto r = h.fullReload(kToday);
  ASSERT_EQ(h.table.count, kDrawCapacity);
  EXPECT_EQ(r.droppedOld, 4288 - 3000);
  // The file is newest first, so the draws left out are its last 1,288 lines.
  EXPECT_EQ(loadSummary(r), "已載入 3,000 期；另有 1,288 行未載入，第一筆在檔案第 3001 行（超過 3000 期上限 1,288 行）");
  EXPECT_EQ(h.table.newestFirst[0].substr(0, 10), "2025/12/28");
  // The oldest kept draw is the 3000th newest line of the file.
  const auto file = readTextLines(dir / kMarkSixFile).lines;
  EXPECT_EQ(h.table.lines[0], file[2999]);
}

TEST(DrawFile, MissingOrEmptyFileLoadsNothing) {
  TempDir dir;
  DrawHistory h(dir.path());
  ASSERT_TRUE(h.fullReload(kToday).ok);
  EXPECT_TRUE(std::filesystem::exists(dir / kBigLottoFile));
  EXPECT_EQ(h.table.count, 0);
  const auto latest = h.latestDrawTexts();
  EXPECT_EQ(latest.date, "日期:");
  EXPECT_EQ(latest.number, "期數:");
  EXPECT_EQ(latest.balls, "號碼(落球):");
}

TEST(DrawFile, LoadStopsAtTheFirstLineOfTheWrongLength) {
  Loaded l(crlf({line("2020/01/03", "109001", "01,02,03,04,05,06,07"),
                 line("2020/01/07", "109002", "11,12,13,14,15,16,17"), "",
                 line("2020/01/10", "109003", "21,22,23,24,25,26,27"), "short line"}));
  EXPECT_EQ(l.h.table.count, 2);
  EXPECT_EQ(l.h.table.numbers[1], "109002");
}

TEST(DrawFile, BlanksAroundALine) {
  const std::string a = line("2020/01/03", "109001", "41,03,22,15,37,28,09");
  const std::string b = line("2020/01/07", "109002", "11,12,13,14,15,16,17");
  Loaded l(crlf({a + "  ", "   " + b}));
  ASSERT_EQ(l.h.table.count, 2);
  // Trailing blanks stay and do not move any field; leading blanks are dropped.
  EXPECT_EQ(l.h.table.lines[0], a + "  ");
  EXPECT_EQ(l.h.table.lines[1], b);
  EXPECT_EQ(l.h.table.drawn[1][0], "11");
  EXPECT_EQ(l.h.table.sorted[0], (DrawTable::Balls{"03", "15", "22", "28", "37", "41", "09"}));
  EXPECT_EQ(l.h.table.drawn[0][6], "09");
}

TEST(DrawFile, FutureDrawsAreSkippedAndTodaysKept) {
  Loaded l(crlf({line("2026/12/11", "115200", "01,02,03,04,05,06,07"),
                 line("2026/12/10", "115199", "11,12,13,14,15,16,17"),
                 line("2026/12/09", "115198", "21,22,23,24,25,26,27")}));
  ASSERT_EQ(l.h.table.count, 2);
  EXPECT_EQ(l.h.latestDrawTexts().number, "期數:115199");
}

TEST(DrawFile, LinesWithoutAValidDateOrBallsAreSkippedWithoutLosingLaterDraws) {
  Loaded l(crlf({
      line("2020/01/03", "109001", "01,02,03,04,05,06,07"),
      line("2020/13/03", "109002", "01,02,03,04,05,06,07"),  // no such month
      line("2020/02/30", "109003", "01,02,03,04,05,06,07"),  // no such day
      line("2020/01/10", "109004", "01,0x,03,04,05,06,07"),  // letter in a ball
      line("2020/01/14", "109005", "00,02,03,04,05,06,07"),  // ball 00
      line("2020/01/17", "109006", "01,02,03,04,05,06,50"),  // special ball 50
      line("2020/01/21", "1090\xA4\x6A", "01,02,03,04,05,06,07"),  // 38 bytes with a Chinese character
      line("2020/01/24", "109008", "31,32,33,34,35,36,37"),
  }));
  EXPECT_EQ(l.result.skippedInvalid, 6);
  ASSERT_EQ(l.h.table.count, 2);
  EXPECT_EQ(l.h.table.numbers[0], "109001");
  EXPECT_EQ(l.h.table.numbers[1], "109008");
}

// Every line the load leaves out is counted, with the file line of the first,
// so a mistyped draw never just disappears.
TEST(DrawFile, LinesLeftOutAreCountedWithTheFirstLineNumber) {
  Loaded l(crlf({
      line("2020/01/03", "109001", "01,02,03,04,05,06,07"),
      line("2020/01/07", "109002", "01,02,03,04,05,06,77"),  // line 2: special ball 77
      line("2027/01/07", "116002", "01,02,03,04,05,06,07"),  // line 3: a future date
      line("2020/01/10", "109003", "11,12,13,14,15,16,17"),
      "2020/01/14,109004,01,02,03,04,05,06",  // line 5: too short, ends the load
      line("2020/01/17", "109005", "21,22,23,24,25,26,27"),
      "",
      line("2020/01/21", "109006", "31,32,33,34,35,36,37"),
  }));
  EXPECT_EQ(l.h.table.count, 2);
  EXPECT_EQ(l.result.loaded, 2);
  EXPECT_EQ(l.result.skippedInvalid, 1);
  EXPECT_EQ(l.result.skippedFuture, 1);
  EXPECT_EQ(l.result.stopLine, 5);
  EXPECT_EQ(l.result.ignoredAfterStop, 3);  // lines 5, 6 and 8; the blank line 7 holds nothing
  EXPECT_EQ(l.result.firstLeftOutLine, 2);
  EXPECT_EQ(loadSummary(l.result),
            "已載入 2 期；另有 5 行未載入，第一筆在檔案第 2 行（格式不符 1 行、日期晚於今天 1 行、"
            "第 5 行長度不是 38 個字元，其後 3 行未讀）");
}

TEST(DrawFile, ACompleteLoadSaysOnlyHowManyDraws) {
  Loaded l(crlf({line("2020/01/03", "109001", "01,02,03,04,05,06,07"), "", ""}));
  EXPECT_EQ(loadSummary(l.result), "已載入 1 期");
  EXPECT_EQ(loadWarning(l.result), "");
}

// A double-byte character in a 38-byte line once made it count as 37
// characters, ending the load there and hiding every later draw.
TEST(DrawFile, LineLengthIsMeasuredInTheFileBytes) {
  Loaded l(crlf({line("2020/01/03", "109001", "01,02,03,04,05,06,07"),
                 "2020/01/07,\xA4\x6A" "0002,01,02,03,04,05,06,07",  // 38 bytes, 37 characters
                 line("2020/01/10", "109003", "11,12,13,14,15,16,17")}));
  EXPECT_EQ(l.h.table.count, 2);
  EXPECT_EQ(l.result.skippedInvalid, 1);
  EXPECT_EQ(l.result.stopLine, 0);
  EXPECT_EQ(l.h.latestDrawTexts().number, "期數:109003");
}

TEST(DrawFile, CorruptedBinaryFileNeverCrashes) {
  std::string junk;
  for (int i = 0; i < 5000; ++i) junk += static_cast<char>((i * 7919) % 256);
  Loaded l(junk);
  EXPECT_TRUE(l.result.ok);
  EXPECT_EQ(l.h.table.count, 0);
}

TEST(DrawFile, UnreadableFileIsReportedWithItsName) {
  TempDir dir;
  std::filesystem::create_directory(dir / kBigLottoFile);  // a folder where the file should be
  DrawHistory h(dir.path());
  const auto r = h.fullReload(kToday);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find(kBigLottoFile), std::string::npos);
  EXPECT_EQ(h.table.count, 0);
}

TEST(DrawFile, AnyOrderLoadsTheSameTable) {
  const std::vector<std::string> lines = {line("2020/01/03", "109001", "01,02,03,04,05,06,07"),
                                          line("2020/01/07", "109002", "11,12,13,14,15,16,17"),
                                          line("2020/01/07", "109003", "21,22,23,24,25,26,27"),
                                          line("2020/01/10", "109004", "31,32,33,34,35,36,37")};
  Loaded a(crlf(lines));
  Loaded b(crlf({lines[2], lines[0], lines[3], lines[1]}));
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(a.h.table.lines[k], lines[k]);
    EXPECT_EQ(b.h.table.lines[k], lines[k]);
    EXPECT_EQ(b.h.table.newestFirst[k], lines[3 - k]);
  }
}

TEST(DrawFile, SortOrirecBothDirections) {
  Loaded l(crlf({line("2020/01/07", "109002", "11,12,13,14,15,16,17"),
                 line("2020/01/03", "109001", "01,02,03,04,05,06,07")}));
  l.h.sort_orirec(1);
  EXPECT_EQ(l.h.table.lines[0].substr(11, 6), "109002");
  l.h.sort_orirec(0);
  EXPECT_EQ(l.h.table.lines[0].substr(11, 6), "109001");
}

TEST(DrawTableColumns, TaiNumbersFromSortedBalls) {
  Loaded l(crlf({line("2020/01/03", "109001", "41,03,22,15,37,28,09")}));
  EXPECT_EQ(l.h.table.tai[0], (std::array<std::string, 6>{"35", "52", "28", "87", "71", "287"}));
  EXPECT_EQ(l.h.table.chosen[0], l.h.table.drawn[0]);
}

TEST(DrawTableColumns, MirrorUses43) {
  Loaded l(crlf({line("2020/01/03", "109001", "01,43,49,21,22,42,44")}));
  l.h.trno_reverse();
  EXPECT_EQ(l.h.table.drawn[0], (DrawTable::Balls{"42", "00", "-06", "22", "21", "01", "-01"}));
  EXPECT_EQ(l.h.table.sorted[0][0], "01");  // other columns untouched
  l.h.fullReload(kToday);
  EXPECT_EQ(l.h.table.drawn[0][0], "01");
}

TEST(GroupTable, GroupsComeFromTheirEightLines) {
  TempDir dir;
  std::vector<std::string> lines;
  for (int i = 1; i <= 64; ++i) lines.push_back(format00(i));
  writeBytes(dir / kGroupFile, crlf(lines));
  DrawHistory h(dir.path());
  h.fullReload(kToday);
  EXPECT_TRUE(h.check_gr("09", 2));
  EXPECT_TRUE(h.check_gr("16", 2));
  EXPECT_FALSE(h.check_gr("07", 2));
  EXPECT_TRUE(h.check_gr("07", 1));
  EXPECT_FALSE(h.check_gr("07", 9));

  // A shorter file leaves the remaining entries empty; a missing one keeps them.
  writeBytes(dir / kGroupFile, crlf({"a", "b"}));
  h.read_gr_no();
  EXPECT_TRUE(h.check_gr("b", 1));
  EXPECT_TRUE(h.check_gr("", 8));
  std::filesystem::remove(dir / kGroupFile);
  h.read_gr_no();
  EXPECT_TRUE(h.check_gr("a", 1));
}

TEST(StartupFiles, MissingFilesAreCreatedEmptyAndOthersKept) {
  TempDir dir;
  writeBytes(dir / "lotto38.txt", "keep\r\n");
  EXPECT_TRUE(createStartupFiles(dir.path()).empty());
  for (const auto& name : startupFiles()) EXPECT_TRUE(std::filesystem::exists(dir / name)) << name;
  EXPECT_EQ(readBytes(dir / "lotto38.txt"), "keep\r\n");
  EXPECT_EQ(std::filesystem::file_size(dir / "TW539drawdate.txt"), 0u);
}
