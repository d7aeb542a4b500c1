#include "game/PairedComparison.h"

#include <cstdio>
#include <map>

#include "game/PairedTests.h"

namespace {

constexpr double LEVEL = 0.05;

std::string formatted(const char* format, double a, double b = 0, double c = 0, double d = 0) {
  char text[160];
  std::snprintf(text, sizeof text, format, a, b, c, d);
  return text;
}

}  // namespace

const char* PairedFigures::verdictWord() const { return verdict > 0 ? "better" : verdict < 0 ? "worse" : "none"; }

std::string PairedFigures::verdictLine(const std::string& nameA, const std::string& nameB) const {
  const std::string won = formatted("won %.1f %% against %.1f %% (%+.1f points, ", wonB, wonA, wonDiff) +
                          formatted("95%% interval %+.1f to %+.1f), McNemar p %.3g", wonDiffLow, wonDiffHigh, mcnemarP);
  const std::string score = formatted("score %+.1f (95%% interval %+.1f to %+.1f), Wilcoxon p %.3g", scoreDiff,
                                      scoreDiffLow, scoreDiffHigh, wilcoxonP);
  const std::string head = ghosts.name() + ", " + std::to_string(pairs) + " paired games: " + nameB;
  if (verdict == 0) return head + " against " + nameA + ": no difference shown at 5%: " + won + "; " + score;
  const char* word = verdict > 0 ? " is better than " : " is worse than ";
  const bool byWins = mcnemarP < LEVEL;
  return head + word + nameA + (byWins ? " at winning: " + won + "; " + score
                                       : " at scoring, with no difference in winning shown: " + score + "; " + won);
}

PairedFigures PairedComparison::figuresOf(const GhostSet& ghosts,
                                          const std::vector<std::pair<GameOutcome, GameOutcome>>& pairs) {
  PairedFigures f;
  f.ghosts = ghosts;
  f.pairs = static_cast<int>(pairs.size());
  std::vector<double> scores;
  for (const auto& pair : pairs) {
    const bool a = pair.first.won;
    const bool b = pair.second.won;
    f.both += a && b;
    f.onlyA += a && !b;
    f.onlyB += !a && b;
    f.neither += !a && !b;
    scores.push_back(static_cast<double>(pair.second.score) - pair.first.score);
  }
  if (f.pairs == 0) return f;
  f.wonA = 100.0 * (f.both + f.onlyA) / f.pairs;
  f.wonB = 100.0 * (f.both + f.onlyB) / f.pairs;
  f.wonDiff = f.wonB - f.wonA;
  paired::pairedShareInterval(f.both, f.onlyA, f.onlyB, f.neither, f.wonDiffLow, f.wonDiffHigh);
  f.wonDiffLow *= 100;
  f.wonDiffHigh *= 100;
  f.mcnemarP = paired::mcnemarExactP(f.onlyA, f.onlyB);
  paired::meanInterval(scores, f.scoreDiff, f.scoreDiffLow, f.scoreDiffHigh);
  double rankSum = 0;
  f.wilcoxonP = paired::wilcoxonSignedRankP(scores, &rankSum);
  if (f.mcnemarP < LEVEL) {
    f.verdict = f.onlyB > f.onlyA ? 1 : -1;
  } else if (f.wilcoxonP < LEVEL) {
    f.verdict = rankSum > 0 ? 1 : -1;
  }
  return f;
}

bool PairedComparison::compare(const std::vector<OutcomeRow>& a, const std::vector<OutcomeRow>& b,
                               bool settingsMayDiffer, std::vector<PairedFigures>& figures, std::string* error) {
  using Game = std::pair<std::string, unsigned>;
  std::map<Game, const OutcomeRow*> ofB;
  for (const OutcomeRow& row : b) {
    if (!ofB.emplace(Game{row.ghosts.name(), row.outcome.seed}, &row).second) {
      *error = "side B lists seed " + std::to_string(row.outcome.seed) + " of set " + row.ghosts.name() + " twice";
      return false;
    }
  }
  std::vector<GhostSet> order;
  std::map<std::string, std::vector<std::pair<GameOutcome, GameOutcome>>> pairsOf;
  std::map<Game, bool> seenA;
  for (const OutcomeRow& row : a) {
    const Game game{row.ghosts.name(), row.outcome.seed};
    if (!seenA.emplace(game, true).second) {
      *error = "side A lists seed " + std::to_string(row.outcome.seed) + " of set " + row.ghosts.name() + " twice";
      return false;
    }
    const auto other = ofB.find(game);
    if (other == ofB.end()) continue;
    if (!settingsMayDiffer && other->second->settings != row.settings) {
      *error = "seed " + std::to_string(row.outcome.seed) + " of set " + row.ghosts.name() +
               " was played under other settings (rules digest " + row.settings + " against " +
               other->second->settings + "): only the player may differ";
      return false;
    }
    if (pairsOf.count(game.first) == 0) order.push_back(row.ghosts);
    pairsOf[game.first].emplace_back(row.outcome, other->second->outcome);
  }
  if (order.empty()) {
    *error = "no game of one side pairs with a game of the other (same ghost set and seed)";
    return false;
  }
  figures.clear();
  for (const GhostSet& set : order) figures.push_back(figuresOf(set, pairsOf[set.name()]));
  return true;
}
