#pragma once
// The batch runner's closing table: one line per ghost set and variant of
// the player with games, won share and its 95% Wilson interval, score mean,
// median, 10th and 90th percentile, mean moves, unended games, the rules
// digest of the settings the games were played under ("-" for rows of a
// table without one) and the variant's name. Games of one set played under
// different settings or by different variants are never pooled: each has a
// line of its own. Whitespace-separated columns
// under a header of single words (the names the Python module gives the same
// figures), so that scripts (the chart) can read it.

#include <cstdio>
#include <string>
#include <vector>

#include "game/OutcomeCsv.h"

class SummaryTable {
 public:
  // Sets are listed in the order their first game was added.
  void add(const OutcomeRow& row);
  void print(std::FILE* out) const;
  bool empty() const { return sets.empty(); }
  // How many different settings digests the rows hold.
  std::size_t settingsCount() const;

 private:
  struct SetGames {
    GhostSet ghosts;
    std::string settings;
    PlayerParameters player;
    std::vector<GameOutcome> outcomes;
  };
  std::vector<SetGames> sets;
};
