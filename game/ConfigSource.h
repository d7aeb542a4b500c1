#pragma once
// Where the game's settings come from: the configuration file, then single
// settings (from the command line) applied after it by the file's rules.

#include <string>
#include <utility>
#include <vector>

struct ConfigSource {
  // Read first; a missing default file means the defaults, an empty name
  // reads no file.
  std::string file = "data/config.txt";
  // Key and value pairs, applied in order after the file.
  std::vector<std::pair<std::string, int>> settings;
};
