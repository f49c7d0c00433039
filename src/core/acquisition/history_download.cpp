#include "core/acquisition/history_download.h"

#include <algorithm>

#include "core/history/draw_table.h"
#include "core/text/codec.h"
#include "core/text/textfile.h"
#include "core/util/date.h"
#include "core/util/format.h"

namespace tovrin {

const std::array<HistoryGame, kHistoryGameCount>& historyGames() {
  static const std::array<HistoryGame, kHistoryGameCount> games = {{
      {"大樂透", "RK8e49.txt", "RK8e49drawdate.txt", DrawListFormat::DrawLines},
      {"六合彩", "hkmark6.txt", "HKM6drawdate.txt", DrawListFormat::DrawLines},
      {"威力彩", "lotto38.txt", "Weilidrawdate.txt", DrawListFormat::DatedLines},
      {"今彩539", "TW539.txt", "TW539drawdate.txt", DrawListFormat::DatedLines},
  }};
  return games;
}

std::string historyUrl(std::string_view server, std::string_view file) {
  std::string url = "http://";
  url += server;
  url += "/HISTORYDATA/";
  url += file;
  return url;
}

std::string countLabel(long long n) { return "共 " + formatCount(n) + " 期"; }
std::string downloadedLabel(long long n) { return "已下載共 " + formatCount(n) + " 期"; }

bool responseUsable(int status, bool complete, std::size_t bodySize) {
  return status == 200 && complete && bodySize <= kMaxDownloadBytes;
}

namespace {

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool isAscii(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool hasShape(const std::string& line, DrawListFormat format) {
  switch (format) {
    case DrawListFormat::DrawLines:
      return line.size() == static_cast<std::size_t>(kDrawLineLength) && isValidDrawLine(line);
    case DrawListFormat::DatedLines:
      return line.size() >= 10 && isAscii(line) && Date::parse(std::string_view(line).substr(0, 10)).has_value();
  }
  return false;
}

unsigned char folded(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

bool lessDrawLine(const std::string& a, const std::string& b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    unsigned char x = folded(a[i]), y = folded(b[i]);
    if (x != y) return x < y;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;  // same text but for case: the bytes decide, so the order is total
}

}  // namespace

std::optional<std::vector<std::string>> checkDrawListBody(std::string_view body, DrawListFormat format) {
  std::vector<std::string> lines;
  for (const std::string& raw : splitLines(decodeCp950(body))) {
    std::string_view t = trimmed(raw);
    if (t.empty()) continue;
    std::string line(t);
    if (!hasShape(line, format)) return std::nullopt;
    lines.push_back(std::move(line));
  }
  if (lines.empty()) return std::nullopt;
  return lines;
}

void sortDrawList(std::vector<std::string>& lines) { std::sort(lines.begin(), lines.end(), lessDrawLine); }

std::optional<std::vector<std::string>> acceptDrawList(std::string_view body, DrawListFormat format) {
  auto lines = checkDrawListBody(body, format);
  if (lines) sortDrawList(*lines);
  return lines;
}

std::optional<std::vector<std::string>> acceptDateList(std::string_view body) {
  if (body.find('\0') != std::string_view::npos) return std::nullopt;
  std::string_view t = trimmed(body);
  if (t.empty() || t.front() == '<') return std::nullopt;
  return splitLines(decodeCp950(body));
}

void runHistoryDownload(std::string_view server, const HistoryDownloadIo& io) {
  const auto& games = historyGames();
  std::array<bool, kHistoryGameCount> downloaded{};

  io.log("===開獎號碼下載===");
  for (int g = 0; g < kHistoryGameCount; ++g) {
    const HistoryGame& game = games[g];
    const std::string what = std::string(game.prefix) + "開獎號碼";
    std::optional<std::vector<std::string>> lines;
    if (auto body = io.fetch(historyUrl(server, game.drawFile))) lines = acceptDrawList(*body, game.format);
    if (lines) {
      downloaded[g] = true;
      io.drawListDownloaded(g, *lines);
      io.log(what + " 下載OK");
      io.log(what + (io.save(game.drawFile, *lines) ? " 儲存OK" : " 儲存失敗"));
    } else {
      // Nothing usable arrived: the stored history must not be replaced.
      io.log(what + " 下載失敗");
      io.log(what + " 儲存失敗");
    }
    io.log("");
  }

  io.drawListsDone(downloaded);
  io.log("");
  io.log("");
  io.log("===開獎日期下載===");
  for (int g = 0; g < kHistoryGameCount; ++g) {
    const HistoryGame& game = games[g];
    const std::string what = std::string(game.prefix) + "開獎日期";
    std::optional<std::vector<std::string>> lines;
    if (auto body = io.fetch(historyUrl(server, game.dateFile))) lines = acceptDateList(*body);
    if (lines) {
      io.dateListDownloaded(g, *lines);
      io.log(what + " 下載OK");
      io.log(what + (io.save(game.dateFile, *lines) ? " 儲存OK" : " 儲存失敗"));
    } else {
      io.log(what + " 下載失敗");
      io.log(what + " 儲存失敗");
    }
    io.log("");
  }
}

void runManualSave(const std::function<std::optional<std::vector<std::string>>(int game)>& lines,
                   const std::function<bool(const std::string& file, const std::vector<std::string>& lines)>& save,
                   const std::function<void(const std::string& line)>& log) {
  log("");
  for (int g = 0; g < kHistoryGameCount; ++g) {
    const HistoryGame& game = historyGames()[g];
    const auto memo = lines(g);
    const bool ok = memo && save(game.drawFile, *memo);
    log(std::string(game.prefix) + "開獎號碼" + (ok ? " 手動儲存OK" : " 手動儲存失敗"));
    log("");
  }
}

}  // namespace tovrin
