#pragma once
// The batch runner's closing table: one line per ghost set with games, won
// share and its 95% Wilson interval, score mean, median, 10th and 90th
// percentile, mean moves and unended games. Whitespace-separated columns
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

 private:
  struct SetGames {
    GhostSet ghosts;
    std::vector<GameOutcome> outcomes;
  };
  std::vector<SetGames> sets;
};
