// The record's text: a header of "key value" lines, the settings block and
// the decisions block, each announced with its line count so that a record
// cut short is told from a whole one.

#include "game/GameRecord.h"

#include <unistd.h>

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "actors/Player.h"
#include "game/GhostSet.h"
#include "game/SettingsReader.h"

namespace {

const char* const MAGIC = "chomp-record";

char letterOf(int direction) {
  switch (direction) {
    case DIR_LEFT: return 'L';
    case DIR_UP: return 'U';
    case DIR_RIGHT: return 'R';
    case DIR_DOWN: return 'D';
    default: return '-';
  }
}

bool directionOf(const std::string& letter, int& direction) {
  static const std::string letters = "-LURD";
  static const int directions[] = {DIR_NONE, DIR_LEFT, DIR_UP, DIR_RIGHT, DIR_DOWN};
  const std::size_t at = letter.size() == 1 ? letters.find(letter[0]) : std::string::npos;
  if (at == std::string::npos) return false;
  direction = directions[at];
  return true;
}

const char* resultOf(const GameRecord& r) {
  if (r.stopped) return "stopped";
  if (r.outcome.won) return "won";
  if (r.outcome.lost) return "lost";
  return "unended";
}

const char* ghostName(int ghost) { return ghost >= GHOST_RED && ghost <= GHOST_TURQUOISE ? PLAY_ORDER_NAMES[ghost - 1] : "-"; }

// A whole non-negative decimal number that fits `limit`.
bool readNumber(const std::string& text, long long limit, long long& value) {
  if (text.empty() || text.size() > 19 || text.find_first_not_of("0123456789") != std::string::npos) return false;
  errno = 0;
  const unsigned long long read = std::strtoull(text.c_str(), nullptr, 10);
  if (errno != 0 || read > static_cast<unsigned long long>(limit)) return false;
  value = static_cast<long long>(read);
  return true;
}

// Reads the record line by line, counting lines for the messages.
class RecordReader {
 public:
  explicit RecordReader(const std::string& text) : in(text) {}

  bool next(std::string& line) {
    if (!std::getline(in, line)) return fail("the record ends too soon");
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
  }
  // The next line that is not a comment, split at its first blank.
  bool pair(std::string& key, std::string& value) {
    std::string line;
    do {
      if (!next(line)) return false;
    } while (!line.empty() && line[0] == '#');
    const std::size_t blank = line.find(' ');
    key = line.substr(0, blank);
    value = blank == std::string::npos ? "" : line.substr(blank + 1);
    return true;
  }
  bool fail(const std::string& what) {
    problem = "line " + std::to_string(number + (number == 0 ? 1 : 0)) + ": " + what;
    return false;
  }
  bool atEnd() {
    std::string rest;
    return !std::getline(in, rest);
  }

  std::string problem;

 private:
  std::istringstream in;
  int number = 0;
};

bool readHeaderValue(GameRecord& r, const std::string& key, const std::string& value, RecordReader& reader) {
  long long n = 0;
  const bool numeric = readNumber(value, 0x7FFFFFFFFFFFFFFFLL, n);
  if (key == "player") {
    if (value != "builtin" && value != "python" && value != "keyboard") return reader.fail("player " + value + ": wants builtin, python or keyboard");
    r.player = value;
    return true;
  }
  if (key == "player_parameters") {
    std::string problem;
    if (!PlayerParameters::parse(value, r.parameters, &problem)) return reader.fail("player_parameters: " + problem);
    return true;
  }
  if (key == "result") {
    r.stopped = value == "stopped";
    r.outcome.won = value == "won";
    r.outcome.lost = value == "lost";
    r.outcome.unended = value == "unended";
    if (!r.stopped && !r.outcome.won && !r.outcome.lost && !r.outcome.unended) return reader.fail("result " + value + ": wants won, lost, unended or stopped");
    return true;
  }
  if (key == "caught_by") {
    r.outcome.caughtBy = NO_GHOST;
    for (int g = GHOST_RED; g <= GHOST_TURQUOISE; ++g) {
      if (value == PLAY_ORDER_NAMES[g - 1]) r.outcome.caughtBy = g;
    }
    if (r.outcome.caughtBy == NO_GHOST && value != "-") return reader.fail("caught_by " + value + ": not a ghost");
    return true;
  }
  if (!numeric) return reader.fail(key + ": wants a whole number, not '" + value + "'");
  const int asInt = n > 0x7FFFFFFF ? -1 : static_cast<int>(n);
  struct { const char* key; int* field; } ints[] = {
      {"score", &r.outcome.score}, {"dots", &r.outcome.dots}, {"pills", &r.outcome.pills},
      {"fruits", &r.outcome.fruits}, {"ghosts_eaten", &r.outcome.ghosts}, {"food_left", &r.outcome.foodLeft}};
  for (const auto& field : ints) {
    if (key != field.key) continue;
    if (asInt < 0) return reader.fail(key + " " + value + ": too large");
    *field.field = asInt;
    return true;
  }
  if (key == "seed") {
    if (n < 1 || n > 0x7FFFFFFF) return reader.fail("seed " + value + ": wants 1 to 2147483647");
    r.seed = r.outcome.seed = static_cast<unsigned>(n);
  } else if (key == "max_moves") {
    r.maxMoves = n;
  } else if (key == "moves") {
    r.outcome.moves = n;
  } else {
    return reader.fail("unknown key '" + key + "'");
  }
  return true;
}

bool readSettings(GameRecord& r, const std::string& count, RecordReader& reader) {
  long long lines = 0;
  if (!readNumber(count, 1000, lines)) return reader.fail("settings wants its number of lines");
  std::string text;
  for (long long i = 0; i < lines; ++i) {
    std::string line;
    if (!reader.next(line)) return false;
    text += line + '\n';
  }
  std::string error;
  if (!SettingsReader::readText(text, r.settings, &error)) return reader.fail("settings: " + error);
  return true;
}

bool readDecisions(GameRecord& r, RecordReader& reader) {
  std::string key;
  std::string count;
  long long lines = 0;
  if (!reader.pair(key, count)) return false;
  if (key != "decisions" || !readNumber(count, 100000000, lines)) return reader.fail("wants 'decisions N'");
  r.decisions.clear();
  r.decisions.reserve(static_cast<std::size_t>(lines));
  for (long long i = 0; i < lines; ++i) {
    std::string line;
    if (!reader.next(line)) return false;
    std::istringstream fields(line);
    std::string move, letter, check, extra;
    RecordedDecision d;
    if (!(fields >> move >> letter >> check) || (fields >> extra) || !readNumber(move, 0x7FFFFFFFFFFFFFFFLL, d.move) ||
        !directionOf(letter, d.direction) || check.size() != 8 || check.find_first_not_of("0123456789abcdef") != std::string::npos) {
      return reader.fail("decision " + std::to_string(i + 1) + ": wants 'MOVE L|U|R|D CHECK'");
    }
    d.check = static_cast<std::uint32_t>(std::strtoul(check.c_str(), nullptr, 16));
    r.decisions.push_back(d);
  }
  std::string end;
  if (!reader.next(end) || end != "end") return reader.fail("wants 'end' after the decisions");
  if (!reader.atEnd()) return reader.fail("text after 'end'");
  return true;
}

}  // namespace

std::string GameRecord::text() const {
  std::ostringstream out;
  const GameOutcome& o = outcome;
  out << MAGIC << ' ' << VERSION << '\n'
      << "# One game of Chomp: 'chompgame --watch FILE' shows it, 'chomprecord FILE' checks it.\n"
      << "player " << player << '\n' << "player_parameters" << (parameters.text().empty() ? "" : " ")
      << parameters.text() << '\n' << "seed " << seed << '\n' << "max_moves " << maxMoves << '\n'
      << "result " << resultOf(*this) << '\n' << "score " << o.score << '\n' << "moves " << o.moves << '\n'
      << "dots " << o.dots << '\n' << "pills " << o.pills << '\n' << "fruits " << o.fruits << '\n'
      << "ghosts_eaten " << o.ghosts << '\n' << "caught_by " << ghostName(o.caughtBy) << '\n'
      << "food_left " << o.foodLeft << '\n';
  const std::string settingsText = SettingsReader::text(settings);
  out << "settings " << std::count(settingsText.begin(), settingsText.end(), '\n') << '\n' << settingsText;
  out << "decisions " << decisions.size() << '\n';
  char check[9];
  for (const RecordedDecision& d : decisions) {
    std::snprintf(check, sizeof check, "%08" PRIx32, d.check);
    out << d.move << ' ' << letterOf(d.direction) << ' ' << check << '\n';
  }
  out << "end\n";
  return out.str();
}

bool GameRecord::parse(const std::string& text, GameRecord& record, std::string* error) {
  GameRecord read;
  RecordReader reader(text);
  std::string key;
  std::string value;
  bool ok = reader.pair(key, value);
  if (ok && key != MAGIC) ok = reader.fail("not a game record (it begins with 'chomp-record 1')");
  if (ok && value != std::to_string(VERSION)) {
    ok = reader.fail("a record of version " + value + ": this build reads version " + std::to_string(VERSION));
  }
  bool seedSeen = false;
  while (ok && reader.pair(key, value) && key != "settings") {
    seedSeen = seedSeen || key == "seed";
    ok = readHeaderValue(read, key, value, reader);
  }
  if (ok && key != "settings") ok = false;
  if (ok && !seedSeen) ok = reader.fail("the record names no seed");
  ok = ok && readSettings(read, value, reader) && readDecisions(read, reader);
  if (!ok) {
    if (error != nullptr) *error = reader.problem;
    return false;
  }
  record = std::move(read);
  return true;
}

bool GameRecord::save(const std::string& path, std::string* error) const {
  const std::string temporary = path + ".part";
  const std::string content = text();
  std::FILE* file = std::fopen(temporary.c_str(), "w");
  bool ok = file != nullptr && std::fwrite(content.data(), 1, content.size(), file) == content.size();
  if (file != nullptr) ok = std::fclose(file) == 0 && ok;
  const std::string reason = std::strerror(errno);
  if (ok && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
  std::remove(temporary.c_str());
  if (error != nullptr) *error = "cannot write " + path + ": " + reason;
  return false;
}

bool GameRecord::load(const std::string& path, GameRecord& record, std::string* error) {
  std::error_code code;
  if (!std::filesystem::is_regular_file(path, code)) {
    if (error != nullptr) *error = path + ": " + (std::filesystem::exists(path, code) ? "not a regular file" : "no such file");
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in.good() && !in.eof()) {
    if (error != nullptr) *error = path + ": cannot be read";
    return false;
  }
  std::string problem;
  if (parse(text, record, &problem)) return true;
  if (error != nullptr) *error = path + ":" + problem.substr(5);
  return false;
}

std::string GameRecord::fileName(const GameSettings& settings, unsigned seed) {
  std::string set = GhostSet::enabledIn(settings).name();
  for (char& c : set) c = c == ',' ? '+' : c;
  return set + "-seed" + std::to_string(seed) + ".rec";
}
