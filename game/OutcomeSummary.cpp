#include "game/OutcomeSummary.h"

#include <algorithm>
#include <cmath>

namespace {
// The normal quantile of a two-sided 95% interval.
constexpr double Z95 = 1.959963984540054;
}  // namespace

double percentileOfSorted(const std::vector<double>& sorted, double p) {
  if (sorted.empty()) return 0;
  const double at = p / 100.0 * static_cast<double>(sorted.size() - 1);
  const std::size_t below = static_cast<std::size_t>(std::floor(at));
  const std::size_t above = std::min(below + 1, sorted.size() - 1);
  return sorted[below] + (sorted[above] - sorted[below]) * (at - static_cast<double>(below));
}

void wilsonInterval(int successes, int trials, double& low, double& high) {
  low = high = 0;
  if (trials <= 0) return;
  // Unlike the plain normal interval it stays inside 0..1 and is not empty
  // at a share of 0 or 1.
  const double n = trials;
  const double share = successes / n;
  const double z2 = Z95 * Z95;
  const double centre = (share + z2 / (2 * n)) / (1 + z2 / n);
  const double half = Z95 / (1 + z2 / n) * std::sqrt(share * (1 - share) / n + z2 / (4 * n * n));
  low = std::max(0.0, centre - half);
  high = std::min(1.0, centre + half);
}

OutcomeSummary summarizeOutcomes(const std::vector<GameOutcome>& outcomes) {
  OutcomeSummary s;
  s.games = static_cast<int>(outcomes.size());
  if (s.games == 0) return s;
  int won = 0;
  double moves = 0;
  std::vector<double> scores;
  scores.reserve(outcomes.size());
  for (const GameOutcome& o : outcomes) {
    won += o.won ? 1 : 0;
    s.unended += o.unended ? 1 : 0;
    moves += static_cast<double>(o.moves);
    scores.push_back(o.score);
  }
  std::sort(scores.begin(), scores.end());
  double total = 0;
  for (double score : scores) total += score;
  s.wonPercent = 100.0 * won / s.games;
  wilsonInterval(won, s.games, s.wonLow, s.wonHigh);
  s.wonLow *= 100;
  s.wonHigh *= 100;
  s.scoreMean = total / s.games;
  s.scoreMedian = percentileOfSorted(scores, 50);
  s.scoreP10 = percentileOfSorted(scores, 10);
  s.scoreP90 = percentileOfSorted(scores, 90);
  s.movesMean = moves / s.games;
  return s;
}
