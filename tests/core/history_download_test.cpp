#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "core/acquisition/history_download.h"
#include "support/temp_dir.h"

using namespace tovrin;
using testing_support::dataFile;
using testing_support::readBytes;

namespace {

const std::string kA = "2026/08/18,115080,01,14,25,27,29,43,02";
const std::string kB = "2026/08/21,115081,08,14,23,24,26,47,30";
const std::string kC = "2007/01/02,096001,13,21,23,27,31,49,19";

}  // namespace

TEST(HistoryDownload, GameTableAndUrls) {
  const auto& g = historyGames();
  const std::vector<std::vector<std::string>> expected = {
      {"大樂透", "RK8e49.txt", "RK8e49drawdate.txt"},
      {"六合彩", "hkmark6.txt", "HKM6drawdate.txt"},
      {"威力彩", "lotto38.txt", "Weilidrawdate.txt"},
      {"今彩539", "TW539.txt", "TW539drawdate.txt"},
  };
  for (int i = 0; i < kHistoryGameCount; ++i)
    EXPECT_EQ((std::vector<std::string>{g[i].prefix, g[i].drawFile, g[i].dateFile}), expected[i]);
  EXPECT_EQ(historyUrl("history.tovrin.invalid", "RK8e49.txt"), "http://history.tovrin.invalid/HISTORYDATA/RK8e49.txt");
  EXPECT_EQ(historyUrl("127.0.0.1:8080", "TW539drawdate.txt"), "http://127.0.0.1:8080/HISTORYDATA/TW539drawdate.txt");
}

TEST(HistoryDownload, CountLabels) {
  EXPECT_EQ(countLabel(0), "共 0 期");
  EXPECT_EQ(countLabel(999), "共 999 期");
  EXPECT_EQ(countLabel(2163), "共 2,163 期");
  EXPECT_EQ(downloadedLabel(1234), "已下載共 1,234 期");
  EXPECT_EQ(downloadedLabel(1234567), "已下載共 1,234,567 期");
}

TEST(HistoryDownload, OnlyAComplete200WithinTheLimitIsUsable) {
  struct Case {
    int status;
    bool complete;
    std::size_t size;
    bool usable;
  } cases[] = {
      {200, true, 0, true},
      {200, true, 16 * 1024 * 1024, true},
      {200, true, 16 * 1024 * 1024 + 1, false},
      {200, false, 10, false},  // cut off or timed out
      {404, true, 10, false},
      {301, true, 0, false},
      {204, true, 0, false},
      {0, false, 0, false},  // refused
  };
  for (const auto& c : cases)
    EXPECT_EQ(responseUsable(c.status, c.complete, c.size), c.usable) << c.status << " " << c.size;
}

TEST(HistoryDownload, DrawListIsTrimmedAndStoredOldestFirst) {
  const std::string body = kB + "\r\n   " + kA + "  \r\n\r\n \t \r\n" + kC + "\n";
  EXPECT_EQ(acceptDrawList(body, DrawListFormat::DrawLines), (std::vector<std::string>{kC, kA, kB}));
  // The unsorted check keeps the order as delivered (for callers that store it so).
  EXPECT_EQ(checkDrawListBody(body, DrawListFormat::DrawLines), (std::vector<std::string>{kB, kA, kC}));
}

TEST(HistoryDownload, RealHistoryServedNewestFirstIsSortedAscending) {
  const std::string body = readBytes(dataFile("RK8e49.txt"));
  const auto lines = acceptDrawList(body, DrawListFormat::DrawLines);
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), 2163u);
  EXPECT_EQ(lines->front(), kC);
  EXPECT_EQ(lines->back(), kB);
  EXPECT_TRUE(std::is_sorted(lines->begin(), lines->end()));
  // Same lines as delivered (the file holds them newest first, each once).
  auto delivered = *checkDrawListBody(body, DrawListFormat::DrawLines);
  std::reverse(delivered.begin(), delivered.end());
  EXPECT_EQ(*lines, delivered);
}

TEST(HistoryDownload, SortIgnoresCaseThenBreaksTiesByBytes) {
  std::vector<std::string> lines = {"2026/01/01,b", "2026/01/01,C", "2026/01/01,B", "2026/01/01,a",
                                    "2026/01/01,", "2025/12/31,z"};
  sortDrawList(lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"2025/12/31,z", "2026/01/01,", "2026/01/01,a", "2026/01/01,B",
                                             "2026/01/01,b", "2026/01/01,C"}));
}

TEST(HistoryDownload, ResponsesThatAreNoDrawListAreRefused) {
  struct Case {
    const char* what;
    std::string body;
    DrawListFormat format;
  } cases[] = {
      {"empty body", "", DrawListFormat::DrawLines},
      {"only blank lines", "\r\n  \r\n\t\r\n", DrawListFormat::DrawLines},
      {"error page", "<!DOCTYPE HTML>\n<html><body>404 Not Found</body></html>\n", DrawListFormat::DrawLines},
      {"one line a character short", kA + "\r\n" + kB.substr(0, 37) + "\r\n", DrawListFormat::DrawLines},
      {"one line a character long", kA + "\r\n" + kB + ",\r\n", DrawListFormat::DrawLines},
      {"ball 50", kA + "\r\n2026/08/21,115081,08,14,23,24,26,50,30\r\n", DrawListFormat::DrawLines},
      {"no such day", "2026/02/30,115081,08,14,23,24,26,47,30\r\n", DrawListFormat::DrawLines},
      {"Chinese in a draw", "2026/08/21,115081,08,14,23,24,26,47,\xA4\xA4\r\n", DrawListFormat::DrawLines},
      {"dated: no date", "2026/08/21,01,02\r\nhello\r\n", DrawListFormat::DatedLines},
      {"dated: no such day", "2026/13/01,01,02\r\n", DrawListFormat::DatedLines},
      {"dated: Chinese", "2026/08/21,\xA4\xA4\xA4\xE5\r\n", DrawListFormat::DatedLines},
      {"dated: error page", "<html>2026/08/21</html>\r\n", DrawListFormat::DatedLines},
  };
  for (const auto& c : cases) EXPECT_FALSE(acceptDrawList(c.body, c.format)) << c.what;
}

TEST(HistoryDownload, DatedListsNeedOnlyARealDateInFront) {
  const std::string body = "2026/08/21,115067,03,12,19,27,33,36,05\r\n2026/08/18,115066,01,02,03,04,05\r\n";
  EXPECT_EQ(acceptDrawList(body, DrawListFormat::DatedLines),
            (std::vector<std::string>{"2026/08/18,115066,01,02,03,04,05", "2026/08/21,115067,03,12,19,27,33,36,05"}));
  // A draw list of a six-from-49 game must hold real draws, not just dated lines.
  EXPECT_FALSE(acceptDrawList(body, DrawListFormat::DrawLines));
}

TEST(HistoryDownload, DateListsAreKeptAsDeliveredUnlessPlainlyNoList) {
  // "開獎日期" in CP950, then a blank line, kept as it came.
  const std::string big5 = "\xB6\x7D\xBC\xFA\xA4\xE9\xB4\xC1\r\n2026/08/21\r\n\r\n2026/08/18\r\n";
  EXPECT_EQ(acceptDateList(big5), (std::vector<std::string>{"開獎日期", "2026/08/21", "", "2026/08/18"}));
  EXPECT_EQ(acceptDateList("\r\n 2026/08/21"), (std::vector<std::string>{"", " 2026/08/21"}));

  const std::string refused[] = {"", " \r\n\t\r\n", "<html><body>Not Found</body></html>",
                                 "\r\n  <!DOCTYPE HTML>", std::string("2026/08/21\r\n\0\r\n", 15)};
  for (const auto& body : refused) EXPECT_FALSE(acceptDateList(body)) << body;
}

namespace {

// Records a run: every log line, every file saved and the window calls.
struct RunRecorder {
  std::map<std::string, std::string> served;  // URL -> body; others fail
  std::vector<std::string> failingSaves;
  std::vector<std::string> log, fetched, events;
  std::map<std::string, std::vector<std::string>> saved;

  HistoryDownloadIo io() {
    HistoryDownloadIo io;
    io.fetch = [this](const std::string& url) -> std::optional<std::string> {
      fetched.push_back(url);
      auto it = served.find(url);
      if (it == served.end()) return std::nullopt;
      return it->second;
    };
    io.save = [this](const std::string& file, const std::vector<std::string>& lines) {
      if (std::find(failingSaves.begin(), failingSaves.end(), file) != failingSaves.end()) return false;
      saved[file] = lines;
      return true;
    };
    io.log = [this](const std::string& line) { log.push_back(line); };
    io.drawListDownloaded = [this](int g, const std::vector<std::string>& l) {
      events.push_back("draws " + std::to_string(g) + ":" + std::to_string(l.size()));
    };
    io.drawListsDone = [this](const std::array<bool, kHistoryGameCount>& ok) {
      std::string s = "done ";
      for (bool b : ok) s += b ? '1' : '0';
      events.push_back(s);
    };
    io.dateListDownloaded = [this](int g, const std::vector<std::string>& l) {
      events.push_back("dates " + std::to_string(g) + ":" + std::to_string(l.size()));
    };
    return io;
  }
};

const std::string kServer = "127.0.0.1:8080";
std::string url(const std::string& file) { return "http://127.0.0.1:8080/HISTORYDATA/" + file; }

}  // namespace

TEST(HistoryDownload, CompleteRunLogsEveryStepAndStoresEveryFile) {
  RunRecorder r;
  r.served = {
      {url("RK8e49.txt"), kB + "\r\n" + kA + "\r\n"},
      {url("hkmark6.txt"), kA + "\r\n"},
      {url("lotto38.txt"), "2026/08/21,115067,03\r\n"},
      {url("TW539.txt"), "2026/08/22,115200,01\r\n2026/08/21,115199,02\r\n"},
      {url("RK8e49drawdate.txt"), "2026/08/21\r\n2026/08/18\r\n"},
      {url("HKM6drawdate.txt"), "x\r\n"},
      {url("Weilidrawdate.txt"), "y\r\n"},
      {url("TW539drawdate.txt"), "z\r\n"},
  };
  runHistoryDownload(kServer, r.io());
  EXPECT_EQ(r.log, (std::vector<std::string>{
                       "===開獎號碼下載===",
                       "大樂透開獎號碼 下載OK", "大樂透開獎號碼 儲存OK", "",
                       "六合彩開獎號碼 下載OK", "六合彩開獎號碼 儲存OK", "",
                       "威力彩開獎號碼 下載OK", "威力彩開獎號碼 儲存OK", "",
                       "今彩539開獎號碼 下載OK", "今彩539開獎號碼 儲存OK", "",
                       "", "", "===開獎日期下載===",
                       "大樂透開獎日期 下載OK", "大樂透開獎日期 儲存OK", "",
                       "六合彩開獎日期 下載OK", "六合彩開獎日期 儲存OK", "",
                       "威力彩開獎日期 下載OK", "威力彩開獎日期 儲存OK", "",
                       "今彩539開獎日期 下載OK", "今彩539開獎日期 儲存OK", "",
                   }));
  EXPECT_EQ(r.fetched, (std::vector<std::string>{url("RK8e49.txt"), url("hkmark6.txt"), url("lotto38.txt"),
                                                 url("TW539.txt"), url("RK8e49drawdate.txt"),
                                                 url("HKM6drawdate.txt"), url("Weilidrawdate.txt"),
                                                 url("TW539drawdate.txt")}));
  EXPECT_EQ(r.saved["RK8e49.txt"], (std::vector<std::string>{kA, kB}));
  EXPECT_EQ(r.saved["TW539.txt"], (std::vector<std::string>{"2026/08/21,115199,02", "2026/08/22,115200,01"}));
  EXPECT_EQ(r.saved["RK8e49drawdate.txt"], (std::vector<std::string>{"2026/08/21", "2026/08/18"}));
  EXPECT_EQ(r.saved.size(), 8u);
  EXPECT_EQ(r.events, (std::vector<std::string>{"draws 0:2", "draws 1:1", "draws 2:1", "draws 3:2", "done 1111",
                                                "dates 0:2", "dates 1:1", "dates 2:1", "dates 3:1"}));
}

TEST(HistoryDownload, FailuresStoreNothingAndTheRunGoesOn) {
  RunRecorder r;
  r.served = {
      // RK8e49.txt: no usable response at all
      {url("hkmark6.txt"), "<html><body>Moved</body></html>\r\n"},  // a page instead of draws
      {url("lotto38.txt"), "2026/08/21,115067,03\r\n"},
      {url("TW539.txt"), "2026/08/22,115200,01\r\n"},
      {url("RK8e49drawdate.txt"), "<html></html>"},
      {url("HKM6drawdate.txt"), "x\r\n"},
      {url("Weilidrawdate.txt"), "y\r\n"},
      // TW539drawdate.txt: no usable response
  };
  r.failingSaves = {"TW539.txt", "Weilidrawdate.txt"};
  runHistoryDownload(kServer, r.io());
  EXPECT_EQ(r.log, (std::vector<std::string>{
                       "===開獎號碼下載===",
                       "大樂透開獎號碼 下載失敗", "大樂透開獎號碼 儲存失敗", "",
                       "六合彩開獎號碼 下載失敗", "六合彩開獎號碼 儲存失敗", "",
                       "威力彩開獎號碼 下載OK", "威力彩開獎號碼 儲存OK", "",
                       "今彩539開獎號碼 下載OK", "今彩539開獎號碼 儲存失敗", "",
                       "", "", "===開獎日期下載===",
                       "大樂透開獎日期 下載失敗", "大樂透開獎日期 儲存失敗", "",
                       "六合彩開獎日期 下載OK", "六合彩開獎日期 儲存OK", "",
                       "威力彩開獎日期 下載OK", "威力彩開獎日期 儲存失敗", "",
                       "今彩539開獎日期 下載失敗", "今彩539開獎日期 儲存失敗", "",
                   }));
  std::vector<std::string> files;
  for (const auto& [f, lines] : r.saved) files.push_back(f);
  EXPECT_EQ(files, (std::vector<std::string>{"HKM6drawdate.txt", "lotto38.txt"}));
  EXPECT_EQ(r.events, (std::vector<std::string>{"draws 2:1", "draws 3:1", "done 0011", "dates 1:1", "dates 2:1"}));
}

TEST(HistoryDownload, ManualSaveWritesEachGameAndSkipsUnreadOnes) {
  std::vector<std::string> log;
  std::map<std::string, std::vector<std::string>> saved;
  runManualSave(
      [](int g) -> std::optional<std::vector<std::string>> {
        if (g == 2) return std::nullopt;  // its file could not be read
        return std::vector<std::string>{"line of " + std::to_string(g), ""};
      },
      [&](const std::string& file, const std::vector<std::string>& lines) {
        if (file == "TW539.txt") return false;
        saved[file] = lines;
        return true;
      },
      [&](const std::string& line) { log.push_back(line); });
  EXPECT_EQ(log, (std::vector<std::string>{"", "大樂透開獎號碼 手動儲存OK", "", "六合彩開獎號碼 手動儲存OK", "",
                                           "威力彩開獎號碼 手動儲存失敗", "", "今彩539開獎號碼 手動儲存失敗", ""}));
  EXPECT_EQ(saved.size(), 2u);
  EXPECT_EQ(saved["hkmark6.txt"], (std::vector<std::string>{"line of 1", ""}));
}
