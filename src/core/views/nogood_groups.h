#pragma once
// Non-appearing groups (不出牌組): from the sorted balls of two earlier draws
// (near lag p, far lag q) and a multiplier m, fourteen candidates are
// computed; the first N of them, made distinct, are a group of numbers that
// should not appear in the target draw. A route (p, q, m) is named
// "NGG" + pp + qq + mm. The search scores every route on the nine draws up
// to a base draw, keeps up to 2,000 that held, and sorts them by total hits,
// then p, q and m (a found route is the integer hits·10⁶ + p·10⁴ + q·10² + m).
//
// Two routines give identical results: the literal one works on the ball
// texts as a player would by hand (text sort, bump duplicates, compare
// texts); the fast one reads integer balls and 64-bit masks, makes the group
// distinct by probing the mask (the same set as sort-and-bump) and drops a
// route at its first draw that rules it out.
#include <array>
#include <string>
#include <vector>

#include "core/history/draw_table.h"

namespace tovrin::groups {

inline constexpr int kJudged = 9;       // target draws of the search
inline constexpr int kFoundStop = 2000;
inline constexpr int kProgressMax = 3780;

struct Settings {
  int burst = 1;   // 爆支: 2, 1 or 0 numbers may appear
  int pass = 6;    // draws of the nine that must pass: 5, 6 or 7
  int count = 8;   // numbers in the group, 5..14
};

// The base draw named by a date text: the newest draw with that date, or
// the newest draw when no stored draw has it.
struct Base {
  int index = -1;        // 0-based; -1 for an empty table
  int offset = 0;        // DrawCount − base draw
  std::string dateText;  // the base draw's date
};
Base findBase(const DrawTable& t, const std::string& dateText);

// Draws the search needs for a base this many draws before the newest.
inline int minimumDraws(int offset) { return offset + 19; }
bool canSearch(const DrawTable& t, const Base& base);

// The number box's correction: not a number 8, then clamped to 5..14.
int correctedCount(const std::string& text);

struct Search {
  Settings settings;
  int maxBall = 49;
  Base base;
  std::vector<long long> routes;  // found routes, ascending
};

// Both require canSearch(t, base) and settings in their ranges.
Search search(const DrawTable& t, int maxBall, const Settings& s, const Base& base);
Search search_Literal(const DrawTable& t, int maxBall, const Settings& s, const Base& base);

struct Route {
  int p = 1, q = 2, m = 1;
};
Route decode(long long route);
std::string routeCode(long long route);  // "NGG010305"

// The group of a route for target draw `target` (0-based; its lags must be
// stored draws), as text "03.07.12.".
std::string groupText(const DrawTable& t, int maxBall, int count, const Route& r, int target);
std::string groupText_Literal(const DrawTable& t, int maxBall, int count, const Route& r, int target);

using GridRow = std::array<std::string, 11>;

// The grid's rows 1..9 before a search: the nine newest draws (fewer when
// the table holds fewer), oldest first, DrawnOrder balls.
std::vector<GridRow> drawRows(const DrawTable& t);

// Route number `index` (1-based) of a search on the grid: rows for the
// stored draws from base − 8 to the newest, then p prediction rows, and
// the summary appended to the memo.
struct RouteView {
  std::string code;
  std::vector<GridRow> rows;
  std::vector<std::string> summary;
};
RouteView showRoute(const DrawTable& t, const Search& s, int index);

// The show-all text: every found route's header, summary and spacing, as
// one text with a line break after each line (the memo takes it at once),
// or as lines.
std::string showAllText(const DrawTable& t, const Search& s);
std::vector<std::string> showAll(const DrawTable& t, const Search& s);
std::vector<std::string> showAll_Literal(const DrawTable& t, const Search& s);

}  // namespace tovrin::groups
