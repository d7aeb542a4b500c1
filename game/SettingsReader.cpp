// The configuration file: pairs of a key and a decimal integer separated by
// blanks, tabs or line breaks, each value held within its key's range.

#include <algorithm>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <cstdint>
#include <set>
#include <sstream>
#include <iterator>

#include "game/SettingsReader.h"

namespace {

int limit(int value, int low, int high) {
  return value < low ? low : (value > high ? high : value);
}

// Seconds to milliseconds; an overflowing product is held at the int maximum.
int secondsToMs(int seconds) {
  return seconds > INT_MAX / 1000 ? INT_MAX : seconds * 1000;
}

// N unattended runs count down from N + 1; 0 and 1 mean interactive.
int runsToCounter(int runs) {
  if (runs <= 1) return 1;
  return runs == INT_MAX ? INT_MAX : runs + 1;
}

// The settings as held, back in the file's units: reading a key with the
// value `get` gives leaves the settings as they were.
int runsOfCounter(int counter) { return counter <= 1 ? 1 : (counter == INT_MAX ? INT_MAX : counter - 1); }
int msToSeconds(int ms) { return ms == INT_MAX ? INT_MAX / 1000 + 1 : ms / 1000; }

struct ConfigKey {
  const char* key;
  void (*apply)(GameSettings& s, int value);
  int (*get)(const GameSettings& s);
  bool rules;  // decides the course of a game, given its seed and its ghosts
};

// In the order the keys are compared; keys are case-sensitive.
const ConfigKey CONFIG_KEYS[] = {
    {"runs", [](GameSettings& s, int v) { s.runs = runsToCounter(v); },
     [](const GameSettings& s) { return runsOfCounter(s.runs); }, false},
    {"data_timeout", [](GameSettings& s, int v) { s.dataTimeoutMs = secondsToMs(v); },
     [](const GameSettings& s) { return msToSeconds(s.dataTimeoutMs); }, false},
    {"data", [](GameSettings& s, int v) { s.recordResults = v != 0; },
     [](const GameSettings& s) { return int(s.recordResults); }, false},
    {"control", [](GameSettings& s, int v) { s.keyboardControl = v == 0; },
     [](const GameSettings& s) { return int(!s.keyboardControl); }, false},
    {"n_moves_blue_ghosts", [](GameSettings& s, int v) { s.nMovesBlueGhosts = limit(v, 100, 1000); },
     [](const GameSettings& s) { return s.nMovesBlueGhosts; }, true},
    {"n_moves_ghost_appears", [](GameSettings& s, int v) { s.nMovesGhostAppears = limit(v, 50, 500); },
     [](const GameSettings& s) { return s.nMovesGhostAppears; }, true},
    {"red_ghost", [](GameSettings& s, int v) { s.ghostEnabled[RED_PLACE] = v == 1; },
     [](const GameSettings& s) { return int(s.ghostEnabled[RED_PLACE]); }, false},
    {"green_ghost", [](GameSettings& s, int v) { s.ghostEnabled[GREEN_PLACE] = v == 1; },
     [](const GameSettings& s) { return int(s.ghostEnabled[GREEN_PLACE]); }, false},
    {"orange_ghost", [](GameSettings& s, int v) { s.ghostEnabled[ORANGE_PLACE] = v == 1; },
     [](const GameSettings& s) { return int(s.ghostEnabled[ORANGE_PLACE]); }, false},
    {"turquoise_ghost", [](GameSettings& s, int v) { s.ghostEnabled[TURQUOISE_PLACE] = v == 1; },
     [](const GameSettings& s) { return int(s.ghostEnabled[TURQUOISE_PLACE]); }, false},
    {"length_attack_mode", [](GameSettings& s, int v) { s.lengthAttackMode = limit(v, 100, 10000); },
     [](const GameSettings& s) { return s.lengthAttackMode; }, true},
    {"length_scatter_mode", [](GameSettings& s, int v) { s.lengthScatterMode = limit(v, 100, 10000); },
     [](const GameSettings& s) { return s.lengthScatterMode; }, true},
    {"powerpill_slowdown_factor", [](GameSettings& s, int v) { s.powerpillSlowdownFactor = limit(v, 1, 5); },
     [](const GameSettings& s) { return s.powerpillSlowdownFactor; }, true},
    {"ghost_value", [](GameSettings& s, int v) { s.ghostValue = limit(v, 10, 500); },
     [](const GameSettings& s) { return s.ghostValue; }, true},
    {"powerpill_value", [](GameSettings& s, int v) { s.powerpillValue = limit(v, 10, 500); },
     [](const GameSettings& s) { return s.powerpillValue; }, true},
    {"dot_value", [](GameSettings& s, int v) { s.dotValue = limit(v, 1, 50); },
     [](const GameSettings& s) { return s.dotValue; }, true},
    {"n_moves_fruit_appears", [](GameSettings& s, int v) { s.nMovesFruitAppears = limit(v, 50, 1000); },
     [](const GameSettings& s) { return s.nMovesFruitAppears; }, true},
    {"fruit_value", [](GameSettings& s, int v) { s.fruitValue = limit(v, 10, 500); },
     [](const GameSettings& s) { return s.fruitValue; }, true},
    {"fps",
     [](GameSettings& s, int v) {
       s.fps = v < 1 ? 1 : v;
       s.framePeriodMs = 1000 / s.fps;
     },
     [](const GameSettings& s) { return s.fps; }, true},
    {"red_ghost_slow_down_factor", [](GameSettings& s, int v) { s.ghostSlowdown[RED_PLACE] = limit(v, 1, 5); },
     [](const GameSettings& s) { return s.ghostSlowdown[RED_PLACE]; }, true},
    {"green_ghost_slow_down_factor",
     [](GameSettings& s, int v) { s.ghostSlowdown[GREEN_PLACE] = limit(v, 1, 5); },
     [](const GameSettings& s) { return s.ghostSlowdown[GREEN_PLACE]; }, true},
    {"orange_ghost_slow_down_factor",
     [](GameSettings& s, int v) { s.ghostSlowdown[ORANGE_PLACE] = limit(v, 1, 5); },
     [](const GameSettings& s) { return s.ghostSlowdown[ORANGE_PLACE]; }, true},
    {"turquoise_ghost_slow_down_factor",
     [](GameSettings& s, int v) { s.ghostSlowdown[TURQUOISE_PLACE] = limit(v, 1, 5); },
     [](const GameSettings& s) { return s.ghostSlowdown[TURQUOISE_PLACE]; }, true},
    {"seed", [](GameSettings& s, int v) { s.seed = v; },
     [](const GameSettings& s) { return s.seed; }, false},
};

// Only a regular file is read: a named pipe would block the game at start,
// a device could stream for ever. A missing file silently means the
// defaults; any other reason not to read it is said.
bool configReadable(const char* path) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) return false;
  if (!error && std::filesystem::is_regular_file(status)) return true;
  const std::string reason = error ? error.message() : "not a regular file";
  std::fprintf(stderr, "%s: %s; every setting keeps its default\n", path, reason.c_str());
  return false;
}

// Editors on some systems begin a UTF-8 text with a byte-order mark; it
// would otherwise be part of the first key.
void skipByteOrderMark(std::ifstream& in) {
  char mark[3] = {};
  if (!in.read(mark, 3) || std::string(mark, 3) != "\xEF\xBB\xBF") {
    in.clear();
    in.seekg(0);
  }
}

// A word of the file as a message quotes it: at most 40 characters, a
// longer one cut with "...", so a runaway key cannot flood the terminal.
std::string shownWord(const std::string& word) {
  return word.size() > 40 ? word.substr(0, 40) + "..." : word;
}

// Says which line and word ended reading early, so a typing slip does not
// silently drop the settings after it.
void reportStop(const char* path, const std::string& key, std::streampos valueAt) {
  std::ifstream again(path, std::ios::binary);
  std::string text;
  if (valueAt < 0) {  // the file ended where the value should be
    text.assign(std::istreambuf_iterator<char>(again), std::istreambuf_iterator<char>());
  } else {
    text.resize(static_cast<size_t>(valueAt));
    again.read(&text[0], static_cast<std::streamsize>(text.size()));
  }
  const long line = 1 + std::count(text.begin(), text.end(), '\n');
  std::string word;
  again >> word;
  if (word.empty()) {
    std::fprintf(stderr, "%s line %ld: \"%s\" has no value\n", path, line, shownWord(key).c_str());
  } else {
    std::fprintf(stderr, "%s line %ld: reading stopped at \"%s\", the value of \"%s\", which is no whole number; "
                 "the settings from there on keep their defaults\n",
                 path, line, shownWord(word).c_str(), shownWord(key).c_str());
  }
}

// The entry of a key; null for a word that is not one.
const ConfigKey* findKey(const std::string& key) {
  for (const ConfigKey& entry : CONFIG_KEYS) {
    if (key == entry.key) return &entry;
  }
  return nullptr;
}

}  // namespace

GameSettings SettingsReader::read(const ConfigSource& source, const GameSettings* fileSettings) {
  GameSettings settings = fileSettings != nullptr ? *fileSettings : readFile(source.file.c_str());
  for (const auto& setting : source.settings) {
    if (setting.second >= 0) apply(settings, setting.first, setting.second);
  }
  return settings;
}

GameSettings SettingsReader::readFile(const char* path) {
  GameSettings settings;
  if (!configReadable(path)) return settings;
  std::ifstream in(path, std::ios::binary);
  if (!in) return settings;
  skipByteOrderMark(in);
  std::string key;
  int value = 0;
  while (in >> key) {
    // A value that is not an integer ends reading; its key is not applied.
    in >> std::ws;
    const std::streampos valueAt = in.tellg();
    if (!(in >> value)) {
      reportStop(path, key, valueAt);
      break;
    }
    if (value < 0) continue;
    apply(settings, key, value);
  }
  return settings;
}

bool SettingsReader::apply(GameSettings& settings, const std::string& key, int value) {
  const ConfigKey* entry = findKey(key);
  if (entry != nullptr) entry->apply(settings, value);
  return entry != nullptr;
}

std::string SettingsReader::text(const GameSettings& settings) {
  std::string text;
  for (const ConfigKey& entry : CONFIG_KEYS) {
    text += std::string(entry.key) + ' ' + std::to_string(entry.get(settings)) + '\n';
  }
  return text;
}

bool SettingsReader::readText(const std::string& text, GameSettings& settings, std::string* error) {
  settings = GameSettings{};
  std::istringstream lines(text);
  std::set<const ConfigKey*> seen;
  int number = 0;
  for (std::string line; std::getline(lines, line);) {
    ++number;
    std::istringstream in(line);
    std::string key;
    int value = 0;
    const auto fail = [&](const std::string& why) {
      if (error != nullptr) *error = "settings line " + std::to_string(number) + ": " + why;
      return false;
    };
    if (!(in >> key)) continue;
    const ConfigKey* entry = findKey(key);
    if (entry == nullptr) return fail("\"" + shownWord(key) + "\" is no setting");
    if (!(in >> value) || !(in >> std::ws).eof()) return fail("\"" + shownWord(key) + "\" has no whole number");
    if (!seen.insert(entry).second) return fail("\"" + shownWord(key) + "\" is given twice");
    GameSettings changed = settings;
    if (value >= 0) entry->apply(changed, value);
    if (value < 0 || entry->get(changed) != value) {
      // A default a file could never give (it lies outside the key's
      // range) stands as the settings hold it; any other value must be one
      // that reading the key keeps.
      if (value == entry->get(GameSettings{})) continue;
      return fail("\"" + shownWord(key) + "\" cannot be " + std::to_string(value));
    }
    settings = changed;
  }
  return true;
}

std::string SettingsReader::rulesDigest(const GameSettings& settings) {
  std::uint64_t hash = 14695981039346656037ULL;
  for (const ConfigKey& entry : CONFIG_KEYS) {
    if (!entry.rules) continue;
    for (char c : std::string(entry.key) + ' ' + std::to_string(entry.get(settings)) + '\n') {
      hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
  }
  char digits[17];
  std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash));
  return digits;
}

bool SettingsReader::isKey(const std::string& key) { return findKey(key) != nullptr; }

bool SettingsReader::parseValue(const std::string& text, int* value) {
  std::istringstream in(text);
  int read = 0;
  if (!(in >> read) || !(in >> std::ws).eof()) return false;
  *value = read;
  return true;
}
