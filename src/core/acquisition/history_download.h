#pragma once
// Fetching the draw lists and draw-date lists of the four games from the
// history server and storing them as the local files: the game table, the URL
// of each file, the checks a response must pass before it may replace a
// user's file, and the download and manual-save runs with their log lines.
//
// The runs talk to the network, the files and the window only through the
// functions they are given, so they are tested here without either.
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovrin {

// What the lines of a draw list must look like.
enum class DrawListFormat {
  DrawLines,   // 38-character draws of a six-from-49 game
  DatedLines,  // plain ASCII lines that start with a real "yyyy/mm/dd"
};

struct HistoryGame {
  const char* prefix;    // the game's name at the head of every log line
  const char* drawFile;  // the local draw list and its name on the server
  const char* dateFile;  // the local draw-date list and its name on the server
  DrawListFormat format;
};

inline constexpr int kHistoryGameCount = 4;
// Big Lotto, Mark Six, 威力彩, 今彩539, in the order the window works them.
const std::array<HistoryGame, kHistoryGameCount>& historyGames();

// Every GET waits at most this long.
inline constexpr int kHistoryTimeoutMs = 20000;
// A response body above this size is not a draw list; the client gives up.
inline constexpr std::size_t kMaxDownloadBytes = std::size_t{16} << 20;

// "http://" + server + "/HISTORYDATA/" + file.
std::string historyUrl(std::string_view server, std::string_view file);

// The count label after a show ("共 1,234 期") and after a download
// ("已下載共 1,234 期").
std::string countLabel(long long n);
std::string downloadedLabel(long long n);

// A GET is usable only when the server answered 200 and the whole body,
// no larger than kMaxDownloadBytes, arrived.
bool responseUsable(int status, bool complete, std::size_t bodySize);

// The lines of a response that claims to be a draw list: decoded from CP950,
// each trimmed, blank ones dropped, in the order delivered. Nothing when no
// line is left or any line does not have the format's shape, so an error
// page or a damaged list never replaces a draw file.
std::optional<std::vector<std::string>> checkDrawListBody(std::string_view body, DrawListFormat format);

// Ascending, ASCII letters compared without case, ties broken by the bytes.
void sortDrawList(std::vector<std::string>& lines);

// checkDrawListBody, then sorted as the draw file stores them.
std::optional<std::vector<std::string>> acceptDrawList(std::string_view body, DrawListFormat format);

// The lines of a draw-date response, decoded from CP950 and kept as
// delivered. Nothing when it holds no non-blank line, a NUL byte, or starts
// (after blanks) with "<" as a markup page does.
std::optional<std::vector<std::string>> acceptDateList(std::string_view body);

// What a download run needs from its surroundings.
struct HistoryDownloadIo {
  // The body of a usable response to a GET of the URL, or nothing.
  std::function<std::optional<std::string>(const std::string& url)> fetch;
  // Replaces the file with the lines; false when that failed.
  std::function<bool(const std::string& file, const std::vector<std::string>& lines)> save;
  // Appends one line to the progress log.
  std::function<void(const std::string& line)> log;
  // A game's draw list arrived and passed the checks (sorted ascending).
  std::function<void(int game, const std::vector<std::string>& sorted)> drawListDownloaded;
  // Every draw list has been handled; `downloaded` tells which arrived.
  std::function<void(const std::array<bool, kHistoryGameCount>& downloaded)> drawListsDone;
  // A game's draw-date list arrived and passed the checks.
  std::function<void(int game, const std::vector<std::string>& lines)> dateListDownloaded;
};

// Fetches and stores the four draw lists, then the four date lists, one GET
// after the other. A failed GET or a response that fails its check stores
// nothing: the local file stays as it was and the log says so.
void runHistoryDownload(std::string_view server, const HistoryDownloadIo& io);

// Saves each game's draw list as the user edited it. `lines` gives a game's
// lines, or nothing when that game must not be written (its file could not
// be read, so its memo does not hold it).
void runManualSave(const std::function<std::optional<std::vector<std::string>>(int game)>& lines,
                   const std::function<bool(const std::string& file, const std::vector<std::string>& lines)>& save,
                   const std::function<void(const std::string& line)>& log);

}  // namespace tovrin
