#include "core/history/draw_table.h"

#include <algorithm>
#include <functional>

#include "core/text/codec.h"
#include "core/text/textfile.h"
#include "core/util/format.h"

namespace tovrin {
namespace fs = std::filesystem;

const std::vector<std::string>& startupFiles() {
  static const std::vector<std::string> names = {
      "RK8e49.txt",         "hkmark6.txt",      "lotto38.txt",       "TW539.txt",
      "RK8e49drawdate.txt", "HKM6drawdate.txt", "Weilidrawdate.txt", "TW539drawdate.txt"};
  return names;
}

std::vector<std::string> createStartupFiles(const fs::path& dir) {
  std::vector<std::string> failed;
  for (const auto& name : startupFiles())
    if (!ensureFileExists(dir / name)) failed.push_back(name);
  return failed;
}

namespace {

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view leftTrimmed(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  return s;
}

std::string_view trimmed(std::string_view s) {
  s = leftTrimmed(s);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

int ballValue(const std::string& line, int pos1) {
  char a = line[pos1 - 1], b = line[pos1];
  if (a < '0' || a > '9' || b < '0' || b > '9') return -1;
  return (a - '0') * 10 + (b - '0');
}

}  // namespace

bool isValidDrawLine(const std::string& line) {
  if (line.size() < static_cast<std::size_t>(kDrawLineLength)) return false;
  for (char c : line)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  if (!Date::parse(std::string_view(line).substr(0, 10))) return false;
  for (int c = 0; c < 7; ++c) {
    int v = ballValue(line, 19 + 3 * c);
    if (v < 1 || v > 49) return false;
  }
  return true;
}

DrawTable::DrawTable()
    : lines(kDrawCapacity),
      newestFirst(kDrawCapacity),
      dates(kDrawCapacity),
      numbers(kDrawCapacity),
      drawn(kDrawCapacity),
      sorted(kDrawCapacity),
      chosen(kDrawCapacity),
      tai(kDrawCapacity) {}

DrawHistory::DrawHistory(fs::path dir) : dir_(std::move(dir)) {}

void DrawHistory::selectGame(bool bigLotto) {
  settings.maxBall = 49;
  settings.gameKind = bigLotto;
  settings.currentDrawFile = bigLotto ? kBigLottoFile : kMarkSixFile;
  settings.gameName = bigLotto ? "大樂透" : "六合彩";
}

void DrawHistory::clearColumns() {
  for (int k = 0; k < kDrawCapacity; ++k) {
    table.drawn[k] = {};
    table.chosen[k] = {};
    table.sorted[k] = {};
    table.numbers[k].clear();
  }
}

DrawFileSplit splitDrawFile(const std::vector<std::string>& rawLines, const std::string& today) {
  DrawFileSplit out;
  std::vector<FileLine> kept;
  for (std::size_t i = 0; i < rawLines.size(); ++i) {
    const std::string& raw = rawLines[i];
    const int lineNo = static_cast<int>(i) + 1;
    // The length is counted in the bytes stored, so one double-byte
    // character cannot make a 38-byte line look shorter and end the load.
    if (trimmed(raw).size() != static_cast<std::size_t>(kDrawLineLength)) {
      out.stopLine = lineNo;
      for (std::size_t j = i; j < rawLines.size(); ++j)
        out.leftOut.push_back({decodeCp950(rawLines[j]), static_cast<int>(j) + 1, LeftOut::AfterStop});
      break;
    }
    // Leading blanks would shift every field, so the line is kept without them;
    // trailing blanks do not disturb the positions and stay.
    std::string line(raw.substr(raw.size() - leftTrimmed(raw).size()));
    if (line.compare(0, 10, today) > 0) {
      out.leftOut.push_back({decodeCp950(raw), lineNo, LeftOut::Future});
      continue;
    }
    if (!isValidDrawLine(line)) {
      out.leftOut.push_back({decodeCp950(raw), lineNo, LeftOut::Invalid});
      continue;
    }
    kept.push_back({std::move(line), lineNo, LeftOut::Invalid});
  }
  // Newest first; the table keeps the newest draws when the file holds more.
  std::stable_sort(kept.begin(), kept.end(), [](const FileLine& a, const FileLine& b) { return a.text > b.text; });
  if (kept.size() > static_cast<std::size_t>(kDrawCapacity)) {
    for (std::size_t k = kDrawCapacity; k < kept.size(); ++k) {
      kept[k].reason = LeftOut::Old;
      out.leftOut.push_back(std::move(kept[k]));
    }
    kept.resize(kDrawCapacity);
    std::sort(out.leftOut.begin(), out.leftOut.end(),
              [](const FileLine& a, const FileLine& b) { return a.lineNo < b.lineNo; });
  }
  out.taken = std::move(kept);
  return out;
}

LoadResult DrawHistory::Read_lotto_list(const std::string& today) {
  LoadResult res;
  const fs::path file = currentFilePath();
  table.count = 0;
  if (!ensureFileExists(file)) {
    res.ok = false;
    res.error = "無法建立檔案 " + settings.currentDrawFile;
    return res;
  }
  ReadResult rd = readRawLines(file);
  if (!rd.ok) {
    res.ok = false;
    res.error = rd.error;
    return res;
  }

  DrawFileSplit split = splitDrawFile(rd.lines, today);
  res.stopLine = split.stopLine;
  for (const FileLine& l : split.leftOut) {
    if (l.reason == LeftOut::AfterStop && trimmed(l.text).empty()) continue;
    switch (l.reason) {
      case LeftOut::Invalid: ++res.skippedInvalid; break;
      case LeftOut::Future: ++res.skippedFuture; break;
      case LeftOut::Old: ++res.droppedOld; break;
      case LeftOut::AfterStop: ++res.ignoredAfterStop; break;
    }
    if (res.firstLeftOutLine == 0 || l.lineNo < res.firstLeftOutLine) res.firstLeftOutLine = l.lineNo;
  }
  table.count = static_cast<int>(split.taken.size());
  res.loaded = table.count;
  for (int k = 0; k < table.count; ++k) {
    table.lines[k] = split.taken[k].text;
    table.newestFirst[k] = std::move(split.taken[k].text);
  }
  sort_orirec(2);
  return res;
}

std::string loadWarning(const LoadResult& r) {
  if (r.leftOut() == 0) return {};
  std::vector<std::string> why;
  if (r.skippedInvalid > 0) why.push_back("格式不符 " + formatCount(r.skippedInvalid) + " 行");
  if (r.skippedFuture > 0) why.push_back("日期晚於今天 " + formatCount(r.skippedFuture) + " 行");
  if (r.droppedOld > 0)
    why.push_back("超過 " + std::to_string(kDrawCapacity) + " 期上限 " + formatCount(r.droppedOld) + " 行");
  if (r.ignoredAfterStop > 0)
    why.push_back("第 " + std::to_string(r.stopLine) + " 行長度不是 " + std::to_string(kDrawLineLength) +
                  " 個字元，其後 " + formatCount(r.ignoredAfterStop) + " 行未讀");
  std::string text = "另有 " + formatCount(r.leftOut()) + " 行未載入，第一筆在檔案第 " +
                     std::to_string(r.firstLeftOutLine) + " 行（";
  for (std::size_t i = 0; i < why.size(); ++i) text += (i ? "、" : "") + why[i];
  return text + "）";
}

std::string loadSummary(const LoadResult& r) {
  if (!r.ok) return r.error;
  std::string text = "已載入 " + formatCount(r.loaded) + " 期";
  const std::string warning = loadWarning(r);
  if (!warning.empty()) text += "；" + warning;
  return text;
}

void DrawHistory::sort_orirec(int mode) {
  // Lines are distinct or identical, so any correct sort gives exactly the
  // order of a byte-wise exchange sort.
  auto first = table.lines.begin(), last = first + table.count;
  if (mode == 1)
    std::sort(first, last, std::greater<>());
  else
    std::sort(first, last);
}

void DrawHistory::put_to_ltno() {
  if (table.count == 0) return;
  for (int k = 0; k < table.count; ++k) {
    const std::string& L = table.lines[k];
    table.dates[k] = Date::parse(std::string_view(L).substr(0, 10)).value_or(Date{});
    table.numbers[k] = L.substr(11, 6);
    auto& dr = table.drawn[k];
    for (int c = 0; c < 7; ++c) dr[c] = L.substr(18 + 3 * c, 2);
    auto& so = table.sorted[k];
    so = dr;
    for (int a = 0; a < 5; ++a)
      for (int b = a + 1; b < 6; ++b)
        if (so[a] > so[b]) std::swap(so[a], so[b]);
    table.chosen[k] = dr;
  }
  Setto_Tai();
}

void DrawHistory::Setto_Tai() {
  for (int k = 0; k < table.count; ++k) {
    const auto& so = table.sorted[k];
    auto u = [&](int i) { return so[i - 1].empty() ? ' ' : so[i - 1].back(); };
    auto& t = table.tai[k];
    for (int i = 1; i <= 5; ++i) t[i - 1] = std::string{u(i), u(i + 1)};
    t[5] = std::string{u(3), u(4), u(5)};
  }
}

void DrawHistory::read_gr_no() {
  const fs::path file = dir_ / kGroupFile;
  std::error_code ec;
  if (!fs::exists(file, ec)) return;
  ReadResult rd = readTextLines(file);
  if (!rd.ok) return;
  for (std::size_t i = 0; i < groups.size(); ++i) groups[i] = i < rd.lines.size() ? rd.lines[i] : std::string();
}

bool DrawHistory::check_gr(const std::string& text, int group) const {
  if (group < 1 || group > 8) return false;
  for (int m = 0; m < 8; ++m)
    if (groups[8 * (group - 1) + m] == text) return true;
  return false;
}

void DrawHistory::trno_reverse() {
  for (int k = 0; k < table.count; ++k)
    for (auto& v : table.drawn[k]) {
      int n = 0;
      try {
        n = std::stoi(v);
      } catch (...) {
        continue;
      }
      v = format00(43 - n);
    }
}

LoadResult DrawHistory::fullReload(const std::string& today) {
  clearColumns();
  LoadResult r = Read_lotto_list(today);
  if (table.count > 0) put_to_ltno();
  read_gr_no();
  return r;
}

LatestDrawTexts DrawHistory::latestDrawTexts() const {
  LatestDrawTexts t;
  if (table.count == 0) return t;
  const std::string& L = table.newestFirst[0];
  t.date += L.substr(0, 10);
  t.number += L.substr(11, 6);
  t.balls += L.substr(18, 20);
  return t;
}

}  // namespace tovrin
