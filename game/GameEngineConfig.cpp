// The configuration file: pairs of a key and a decimal integer separated by
// blanks, tabs or line breaks, read once when the game window is created.

#include <algorithm>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <iterator>

#include "game/GameEngine.h"
#include "maze/GameState.h"

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

struct ConfigKey {
  const char* key;
  void (*apply)(GameEngine& engine, int value);
};

// In the order the keys are compared; keys are case-sensitive.
const ConfigKey CONFIG_KEYS[] = {
    {"runs", [](GameEngine& e, int v) { e.runsLeft = runsToCounter(v); }},
    {"data_timeout", [](GameEngine& e, int v) { e.dataTimeoutMs = secondsToMs(v); }},
    {"data", [](GameEngine& e, int v) { e.recordResults = v != 0; }},
    {"control", [](GameEngine& e, int v) { e.keyboardControl = v == 0; }},
    {"n_moves_blue_ghosts", [](GameEngine&, int v) { nMovesBlueGhosts = limit(v, 100, 1000); }},
    {"n_moves_ghost_appears", [](GameEngine&, int v) { nMovesGhostAppears = limit(v, 50, 500); }},
    {"red_ghost", [](GameEngine& e, int v) { e.redEnabled = v == 1; }},
    {"green_ghost", [](GameEngine& e, int v) { e.greenEnabled = v == 1; }},
    {"orange_ghost", [](GameEngine& e, int v) { e.orangeEnabled = v == 1; }},
    {"turquoise_ghost", [](GameEngine& e, int v) { e.turquoiseEnabled = v == 1; }},
    {"length_attack_mode", [](GameEngine&, int v) { lengthAttackMode = limit(v, 100, 10000); }},
    {"length_scatter_mode", [](GameEngine&, int v) { lengthScatterMode = limit(v, 100, 10000); }},
    {"powerpill_slowdown_factor", [](GameEngine&, int v) { powerpillSlowdownFactor = limit(v, 1, 5); }},
    {"ghost_value", [](GameEngine&, int v) { ghostValue = limit(v, 10, 500); }},
    {"powerpill_value", [](GameEngine&, int v) { powerpillValue = limit(v, 10, 500); }},
    {"dot_value", [](GameEngine&, int v) { dotValue = limit(v, 1, 50); }},
    {"n_moves_fruit_appears", [](GameEngine& e, int v) { e.nMovesFruitAppears = limit(v, 50, 1000); }},
    {"fruit_value", [](GameEngine&, int v) { fruitValue = limit(v, 10, 500); }},
    {"fps", [](GameEngine& e, int v) { e.fps = v < 1 ? 1 : v; }},
    {"red_ghost_slow_down_factor", [](GameEngine& e, int v) { e.redSlowdown = limit(v, 1, 5); }},
    {"green_ghost_slow_down_factor", [](GameEngine& e, int v) { e.greenSlowdown = limit(v, 1, 5); }},
    {"orange_ghost_slow_down_factor", [](GameEngine& e, int v) { e.orangeSlowdown = limit(v, 1, 5); }},
    {"turquoise_ghost_slow_down_factor",
     [](GameEngine& e, int v) { e.turquoiseSlowdown = limit(v, 1, 5); }},
    {"seed", [](GameEngine& e, int v) { e.seed = v; }},
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
    std::fprintf(stderr, "%s line %ld: \"%s\" has no value\n", path, line, key.c_str());
  } else {
    std::fprintf(stderr, "%s line %ld: reading stopped at \"%s\", the value of \"%s\", which is no whole number; "
                 "the settings from there on keep their defaults\n", path, line, word.substr(0, 40).c_str(), key.c_str());
  }
}

}  // namespace

void GameEngine::readConfig() {
  readConfig(configSource.file.c_str());
  for (const auto& setting : configSource.settings) {
    if (setting.second >= 0) applyConfigValue(setting.first, setting.second);
  }
}

void GameEngine::readConfig(const char* path) {
  setConfigDefaults();
  if (!configReadable(path)) return;
  std::ifstream in(path, std::ios::binary);
  if (!in) return;
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
    applyConfigValue(key, value);
  }
}

bool GameEngine::applyConfigValue(const std::string& key, int value) {
  for (const ConfigKey& entry : CONFIG_KEYS) {
    if (key == entry.key) {
      entry.apply(*this, value);
      return true;
    }
  }
  return false;
}

bool GameEngine::isConfigKey(const std::string& key) {
  for (const ConfigKey& entry : CONFIG_KEYS) {
    if (key == entry.key) return true;
  }
  return false;
}

bool GameEngine::parseConfigValue(const std::string& text, int* value) {
  std::istringstream in(text);
  int read = 0;
  if (!(in >> read) || !(in >> std::ws).eof()) return false;
  *value = read;
  return true;
}

void GameEngine::setConfigDefaults() {
  runsLeft = 1;
  dataTimeoutMs = 0;
  recordResults = false;
  keyboardControl = true;
  // The two blue/release defaults lie below what a read value may be.
  nMovesBlueGhosts = 25;
  nMovesGhostAppears = 10;
  redEnabled = greenEnabled = orangeEnabled = turquoiseEnabled = true;
  // Without these keys a phase would last a single move.
  lengthAttackMode = 1500;
  lengthScatterMode = 250;
  attackCountdown = 1500;
  scatterCountdown = 250;
  powerpillSlowdownFactor = 2;
  ghostValue = 250;
  powerpillValue = 100;
  dotValue = 10;
  nMovesFruitAppears = 100;
  fruitValue = 100;
  fps = 5;
  redSlowdown = greenSlowdown = orangeSlowdown = turquoiseSlowdown = 1;
  seed = 0;
}
