#pragma once
// Two players (or one player under two variants) compared on the same
// games: the games of side A and side B are paired on (ghost set, seed), and
// each ghost set's pairs give the difference B - A of the won share with its
// 95% interval and McNemar's exact test, the mean score difference with its
// 95% interval and the Wilcoxon signed-rank test, and a verdict.

#include <string>
#include <utility>
#include <vector>

#include "game/GameOutcome.h"
#include "game/GhostSet.h"
#include "game/OutcomeCsv.h"

struct PairedFigures {
  GhostSet ghosts;
  int pairs = 0;
  int both = 0, onlyA = 0, onlyB = 0, neither = 0;  // games won by both, by A alone, ...
  double wonA = 0, wonB = 0;                         // percent
  double wonDiff = 0, wonDiffLow = 0, wonDiffHigh = 0;  // B - A in percentage points
  double mcnemarP = 1;
  double scoreDiff = 0, scoreDiffLow = 0, scoreDiffHigh = 0;  // mean B - A; NaN interval below 2 pairs
  double wilcoxonP = 1;
  // 1: B is better, -1: worse, 0: no difference shown at 5%. Winning decides
  // (McNemar); only when the won shares show no difference, the scores
  // (Wilcoxon) do.
  int verdict = 0;

  // "better", "worse" or "none".
  const char* verdictWord() const;
  // One line: "B is better than A: ..." with the figures that decide it.
  std::string verdictLine(const std::string& nameA, const std::string& nameB) const;
};

class PairedComparison {
 public:
  // The figures of pairs of games (A's outcome, B's) of one ghost set.
  static PairedFigures figuresOf(const GhostSet& ghosts, const std::vector<std::pair<GameOutcome, GameOutcome>>& pairs);

  // Pairs the rows of the two sides and gives the figures of each ghost set,
  // in the order of A's rows; games of one side only are left out. False,
  // saying why in `error`, when a side lists a game twice, when no game
  // pairs up, or when the two games of a pair were played under different
  // settings (their rules digests differ) unless `settingsMayDiffer`.
  static bool compare(const std::vector<OutcomeRow>& a, const std::vector<OutcomeRow>& b, bool settingsMayDiffer,
                      std::vector<PairedFigures>& figures, std::string* error);
};
