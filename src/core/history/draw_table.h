#pragma once
// The draw history of the current game: the draw files, the in-memory
// DrawTable with its per-draw columns, the game settings and the group table.
// This is the model half of the main window; the window calls it and shows
// what it computes.
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "core/util/date.h"

namespace tovrin {

inline constexpr int kDrawCapacity = 3000;
inline constexpr int kDrawLineLength = 38;

inline constexpr const char* kBigLottoFile = "RK8e49.txt";
inline constexpr const char* kMarkSixFile = "hkmark6.txt";
inline constexpr const char* kGroupFile = "groupfile1.gsf";

// Files that exist (created empty when missing) from the program's start on.
const std::vector<std::string>& startupFiles();

// Creates every missing start-up file empty; returns the names it could not create.
std::vector<std::string> createStartupFiles(const std::filesystem::path& dir);

// True when a 38-character line holds a real date and seven balls 01..49 at
// their positions (separators are not looked at).
bool isValidDrawLine(const std::string& line);

// Column-oriented copy of the draw file. Index 0 is the oldest draw after a
// load. Every column holds kDrawCapacity slots; `count` of them are in use.
struct DrawTable {
  int count = 0;
  std::vector<std::string> lines;         // DrawLines as stored
  std::vector<std::string> newestFirst;   // NewestFirstLines
  std::vector<Date> dates;                // DrawDates
  std::vector<std::string> numbers;       // DrawNumbers (6 characters)
  using Balls = std::array<std::string, 7>;  // six balls + special ball (index 6)
  std::vector<Balls> drawn;               // DrawnOrder
  std::vector<Balls> sorted;              // SortedOrder
  std::vector<Balls> chosen;              // ChosenOrder
  std::vector<std::array<std::string, 6>> tai;  // TaiNumbers T1..T6

  DrawTable();
};

struct GameSettings {
  std::string currentDrawFile = kBigLottoFile;
  int maxBall = 49;
  bool gameKind = true;  // true = Big Lotto, false = Mark Six
  std::string gameName;  // empty until the first game switch
};

// The three texts of the latest-draw panel.
struct LatestDrawTexts {
  std::string date = "日期:";
  std::string number = "期數:";
  std::string balls = "號碼(落球):";
};

// Why a line of a draw file is not in the DrawTable.
enum class LeftOut { Invalid, Future, Old, AfterStop };

struct FileLine {
  std::string text;  // the line (UTF-8; draw lines are ASCII)
  int lineNo = 0;    // 1-based line number in the file
  LeftOut reason = LeftOut::Invalid;
};

// A draw file's lines split into those a load takes and those it leaves out.
// Lines are measured in the file's own bytes: a 38-byte line is a candidate
// even when it holds a double-byte character (and then is invalid).
struct DrawFileSplit {
  std::vector<FileLine> taken;    // newest first, at most kDrawCapacity, leading blanks removed
  std::vector<FileLine> leftOut;  // in file order, blank lines after a stop included
  int stopLine = 0;               // line whose length ended the load (0 = read to the end)
};
DrawFileSplit splitDrawFile(const std::vector<std::string>& rawLines, const std::string& today);

struct LoadResult {
  bool ok = true;
  std::string error;       // set when the file could not be created or read
  int loaded = 0;          // draws in the table
  int skippedInvalid = 0;  // 38-byte lines without a valid date or balls
  int skippedFuture = 0;   // lines dated after today
  int droppedOld = 0;      // oldest draws beyond the table's capacity
  int ignoredAfterStop = 0;  // non-blank lines at and after the line that ended the load
  int stopLine = 0;          // that line (0 = the load read to the end)
  int firstLeftOutLine = 0;  // file line of the first non-blank line left out (0 = none)

  int leftOut() const { return skippedInvalid + skippedFuture + droppedOld + ignoredAfterStop; }
};

// The status line after a reload: "已載入 2,163 期", and when lines were left
// out how many, where the first one is and why.
std::string loadSummary(const LoadResult& r);
// Only the part about lines left out ("" when none were).
std::string loadWarning(const LoadResult& r);

class DrawHistory {
 public:
  explicit DrawHistory(std::filesystem::path dir = ".");

  const std::filesystem::path& dir() const { return dir_; }
  void setDir(std::filesystem::path dir) { dir_ = std::move(dir); }
  std::filesystem::path currentFilePath() const { return dir_ / settings.currentDrawFile; }

  // Game switch: Big Lotto when `bigLotto`, else Mark Six.
  void selectGame(bool bigLotto);

  // Empties the column sets of all slots (the start of a full reload).
  void clearColumns();

  // Loads the current draw file; `today` is "yyyy/mm/dd". Leaves the lines
  // oldest first and NewestFirstLines newest first.
  LoadResult Read_lotto_list(const std::string& today);
  void sort_orirec(int mode);
  void put_to_ltno();
  void Setto_Tai();
  void read_gr_no();
  bool check_gr(const std::string& text, int group) const;
  void trno_reverse();

  // Full reload as the main window performs it (minus the editor grid).
  LoadResult fullReload(const std::string& today);

  LatestDrawTexts latestDrawTexts() const;

  GameSettings settings;
  DrawTable table;
  std::array<std::string, 64> groups;  // GroupTable, group g at 8(g-1)..8g-1

 private:
  std::filesystem::path dir_;
};

}  // namespace tovrin
