#pragma once
// Where the game's settings come from: the configuration file, then single
// settings (from the command line) applied after it by the file's rules.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "maze/GameSettings.h"

struct ConfigSource {
  // Read first; a missing default file means the defaults.
  std::string file = "data/config.txt";
  // Key and value pairs, applied in order after the file.
  std::vector<std::pair<std::string, int>> settings;
  // The file's settings once it has been read (SettingsReader::readFileNow):
  // from then on they stand for the file, which is not read again, so every
  // game of a run starts from the same settings whatever becomes of the file.
  std::optional<GameSettings> fileSettings{};
};
