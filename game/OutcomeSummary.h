#pragma once
// Summary figures of a list of games, as the batch runner and the Python
// environment print them.

#include <vector>

#include "game/GameOutcome.h"

struct OutcomeSummary {
  int games = 0;
  double wonPercent = 0;   // games won of all games, unended ones included
  double wonLow = 0;       // 95% Wilson interval of the won share, in percent
  double wonHigh = 0;
  double scoreMean = 0;
  double scoreMedian = 0;
  double scoreP10 = 0;     // 10th and 90th percentile of the scores
  double scoreP90 = 0;
  double movesMean = 0;
  int unended = 0;
};

// All zero for no games. Percentiles interpolate linearly between the
// closest ranks (the p-th percentile of n sorted values lies at p (n - 1) / 100).
OutcomeSummary summarizeOutcomes(const std::vector<GameOutcome>& outcomes);

// The p-th percentile (0..100) of values sorted ascending; 0 when empty.
double percentileOfSorted(const std::vector<double>& sorted, double p);

// The 95% Wilson score interval of `successes` in `trials`, as shares 0..1.
void wilsonInterval(int successes, int trials, double& low, double& high);
