#include "app/SummaryTable.h"

#include <algorithm>
#include <set>

#include "game/OutcomeSummary.h"

void SummaryTable::add(const OutcomeRow& row) {
  auto set = std::find_if(sets.begin(), sets.end(), [&](const SetGames& s) {
    return s.ghosts == row.ghosts && s.settings == row.settings && s.player == row.player;
  });
  if (set == sets.end()) set = sets.insert(sets.end(), SetGames{row.ghosts, row.settings, row.player, {}});
  set->outcomes.push_back(row.outcome);
}

void SummaryTable::print(std::FILE* out) const {
  int width = 3;
  for (const SetGames& set : sets) width = std::max(width, static_cast<int>(set.ghosts.name().size()));
  std::fprintf(out, "%-*s %6s %11s %7s %8s %10s %12s %9s %9s %10s %7s %s %s\n", width, "set", "games",
               "won_percent", "won_low", "won_high", "score_mean", "score_median", "score_p10", "score_p90",
               "moves_mean", "unended", "settings", "player");
  for (const SetGames& set : sets) {
    const OutcomeSummary s = summarizeOutcomes(set.outcomes);
    std::fprintf(out, "%-*s %6d %11.1f %7.1f %8.1f %10.1f %12.1f %9.1f %9.1f %10.1f %7d %s %s\n", width,
                 set.ghosts.name().c_str(), s.games, s.wonPercent, s.wonLow, s.wonHigh, s.scoreMean,
                 s.scoreMedian, s.scoreP10, s.scoreP90, s.movesMean, s.unended,
                 set.settings.empty() ? "-" : set.settings.c_str(), set.player.name().c_str());
  }
}

std::size_t SummaryTable::settingsCount() const {
  std::set<std::string> digests;
  for (const SetGames& set : sets) digests.insert(set.settings);
  return digests.size();
}
