#pragma once
// Which of the four ghosts take part in a game: one point of a sweep over
// ghost sets. Written "all", "none", or a comma list of ghost names such as
// "red,turquoise"; the written name of a set is canonical (the names in the
// order red, green, orange, turquoise; "all" and "none" for the two ends).

#include <string>
#include <utility>
#include <vector>

#include "maze/GameSettings.h"

struct GhostSet {
  bool red = true;
  bool green = true;
  bool orange = true;
  bool turquoise = true;

  // The ghosts these settings enable.
  static GhostSet enabledIn(const GameSettings& settings);
  // Reads "all", "none" or a comma list; false (set unchanged) for anything else.
  static bool parse(const std::string& text, GhostSet& set);
  std::string name() const;
  // The settings that choose exactly these ghosts ("red_ghost" 1 or 0, ...).
  std::vector<std::pair<std::string, int>> overrides() const;

  bool operator==(const GhostSet& o) const;
  bool operator!=(const GhostSet& o) const { return !(*this == o); }
};
