#include "game/OutcomeCsv.h"

#include <cstdlib>
#include <sstream>
#include <vector>

#include "maze/GameState.h"

namespace {

const char* const GHOST_NAMES[] = {"", "red", "green", "orange", "turquoise"};
constexpr int FIELDS = 15;  // numbered fields; then the settings digest
constexpr int ALL_FIELDS = FIELDS + 4;  // ... the player's variant and the cell of the catch
constexpr int DIGEST_LENGTH = 16;
constexpr int CAUGHT_BY = 13;  // the one field that is not a number
constexpr long long INT_TOP = 2147483647LL;
// The largest value of each numeric field: seed, the six flags, score,
// moves, dots, pills, fruits, ghosts eaten, (caught_by), food left.
const long long FIELD_TOP[FIELDS] = {4294967295LL, 1, 1, 1, 1, 1, 1, INT_TOP, 999999999999999999LL,
                                     INT_TOP, INT_TOP, INT_TOP, INT_TOP, 0, INT_TOP};

std::vector<std::string> splitFields(const std::string& text) {
  std::vector<std::string> fields(1);
  for (char c : text) {
    if (c == ',') fields.emplace_back();
    else fields.back() += c;
  }
  return fields;
}

// A decimal number of digits only, as format writes it.
bool readNumber(const std::string& text, long long top, long long& value) {
  if (text.empty() || text.size() > 18) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  value = std::strtoll(text.c_str(), nullptr, 10);
  return value <= top;
}

bool readGhost(const std::string& text, int& ghost) {
  for (int g = NO_GHOST; g <= GHOST_TURQUOISE; ++g) {
    if (text == GHOST_NAMES[g]) {
      ghost = g;
      return true;
    }
  }
  return false;
}

bool readDigest(const std::string& text) {
  if (text.size() != DIGEST_LENGTH) return false;
  for (char c : text) {
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  }
  return true;
}

#define FIRST_COLUMNS                                                                     \
  "seed,red,green,orange,turquoise,won,unended,score,moves,dots,pills,fruits,ghosts_eaten," \
  "caught_by,food_left"

#define SETTINGS_COLUMN FIRST_COLUMNS ",settings"

// The variant's text with ";" for ",", and back.
std::string swapped(std::string text, char from, char to) {
  for (char& c : text) {
    if (c == from) c = to;
  }
  return text;
}

// A caught_col or caught_row field: a cell index, or empty with no catch.
bool readCellField(const std::string& text, int limit, int& value) {
  long long n = 0;
  if (text.empty()) {
    value = -1;
    return true;
  }
  if (!readNumber(text, limit - 1, n)) return false;
  value = static_cast<int>(n);
  return true;
}

// The last three columns; false unless they are as format writes them.
bool readPlayerColumns(const std::vector<std::string>& f, OutcomeRow& row) {
  GameOutcome& o = row.outcome;
  if (!PlayerParameters::parse(f[FIELDS + 1], row.player, nullptr) || f[FIELDS + 1].find(',') != std::string::npos ||
      !readCellField(f[FIELDS + 2], MAZE_COLS, o.caughtCol) || !readCellField(f[FIELDS + 3], MAZE_ROWS, o.caughtRow)) {
    return false;
  }
  // A cell is there exactly when a ghost caught the chomper.
  return (o.caughtCol < 0) == (o.caughtRow < 0) && (o.caughtCol < 0) == (o.caughtBy == NO_GHOST);
}

}  // namespace

const char* OutcomeCsv::header() { return SETTINGS_COLUMN ",player,caught_col,caught_row"; }

bool OutcomeCsv::isHeader(const std::string& line) {
  return line == header() || line == SETTINGS_COLUMN || line == FIRST_COLUMNS;
}

std::string OutcomeCsv::format(const OutcomeRow& row) {
  const GameOutcome& o = row.outcome;
  const GhostSet& g = row.ghosts;
  std::ostringstream out;
  out << o.seed << ',' << g.red << ',' << g.green << ',' << g.orange << ',' << g.turquoise << ','
      << o.won << ',' << o.unended << ',' << o.score << ',' << o.moves << ',' << o.dots << ',' << o.pills
      << ',' << o.fruits << ',' << o.ghosts << ',' << GHOST_NAMES[o.caughtBy] << ',' << o.foodLeft
      << ',' << row.settings << ',' << swapped(row.player.name(), ',', ';') << ',';
  if (o.caughtCol >= 0) out << o.caughtCol << ',' << o.caughtRow;
  else out << ',';
  return out.str();
}

bool OutcomeCsv::parse(const std::string& text, OutcomeRow& row) {
  const std::vector<std::string> f = splitFields(text);
  if (f.size() != FIELDS && f.size() != FIELDS + 1 && f.size() != ALL_FIELDS) return false;
  if (f.size() > FIELDS && !readDigest(f[FIELDS])) return false;
  row.settings = f.size() > FIELDS ? f[FIELDS] : std::string();
  long long n[FIELDS] = {};
  for (int i = 0; i < FIELDS; ++i) {
    if (i != CAUGHT_BY && !readNumber(f[i], FIELD_TOP[i], n[i])) return false;
  }
  GameOutcome& o = row.outcome;
  if (!readGhost(f[CAUGHT_BY], o.caughtBy)) return false;
  o.seed = static_cast<unsigned>(n[0]);
  row.ghosts = GhostSet{n[1] == 1, n[2] == 1, n[3] == 1, n[4] == 1};
  o.won = n[5] == 1;
  o.unended = n[6] == 1;
  o.score = static_cast<int>(n[7]);
  o.moves = n[8];
  o.dots = static_cast<int>(n[9]);
  o.pills = static_cast<int>(n[10]);
  o.fruits = static_cast<int>(n[11]);
  o.ghosts = static_cast<int>(n[12]);
  o.foodLeft = static_cast<int>(n[14]);
  // Neither won nor unended: the chomper was caught.
  o.lost = !o.won && !o.unended;
  row.player = PlayerParameters{};
  o.caughtCol = -1;
  o.caughtRow = -1;
  return f.size() != ALL_FIELDS || readPlayerColumns(f, row);
}
