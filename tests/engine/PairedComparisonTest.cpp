// The paired comparison's figures against values worked out by hand, and
// the pairing of two sides' games.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "game/PairedComparison.h"
#include "game/PairedTests.h"

namespace {

// A game of all four ghosts, won or lost, with its score and rules digest.
OutcomeRow game(unsigned seed, bool won, int score, const std::string& digest = "0123456789abcdef") {
  OutcomeRow row;
  row.outcome.seed = seed;
  row.outcome.won = won;
  row.outcome.lost = !won;
  row.outcome.score = score;
  row.settings = digest;
  return row;
}

}  // namespace

TEST(PairedTests, figuresEqualTheirWorkedValues) {
  // Two-sided binomial tails of the discordant games: 2 (1 + 11 + 55) / 2^11.
  EXPECT_DOUBLE_EQ(paired::mcnemarExactP(2, 9), 134.0 / 2048);
  EXPECT_DOUBLE_EQ(paired::mcnemarExactP(9, 2), 134.0 / 2048);
  EXPECT_DOUBLE_EQ(paired::mcnemarExactP(0, 6), 2.0 / 64);
  EXPECT_DOUBLE_EQ(paired::mcnemarExactP(4, 5), 1.0);
  EXPECT_DOUBLE_EQ(paired::mcnemarExactP(0, 0), 1.0);
  // Newcombe's method 10 for 8 won by both, 4 by A alone, 5 by B alone, 9 by neither.
  double low = 0, high = 0;
  paired::pairedShareInterval(8, 4, 5, 9, low, high);
  EXPECT_NEAR(low, -0.1751610991, 1e-9);
  EXPECT_NEAR(high, 0.2462773672, 1e-9);
  // Student t with 4 degrees of freedom: 4 -+ 2.776445 * sqrt(12.5 / 5).
  double mean = 0;
  paired::meanInterval({1, 2, 3, 4, 10}, mean, low, high);
  EXPECT_DOUBLE_EQ(mean, 4.0);
  EXPECT_NEAR(low, -0.3899451654, 1e-9);
  EXPECT_NEAR(high, 8.3899451654, 1e-9);
  paired::meanInterval({7}, mean, low, high);
  EXPECT_TRUE(std::isnan(low) && std::isnan(high));
  // Exact: W- = 1 + 3 = 4; 7 of the 256 sign choices give W- <= 4.
  double rankSum = 0;
  EXPECT_DOUBLE_EQ(paired::wilcoxonSignedRankP({1.5, -0.5, 3, 4, 6, -2, 7, 8}, &rankSum), 14.0 / 256);
  EXPECT_DOUBLE_EQ(rankSum, 32.0 - 4.0);
  // Ties and a zero: n 6, W+ 18, variance 22.75 - 30 / 48, z = (18 - 10.5 - 0.5) / sqrt(22.125).
  EXPECT_NEAR(paired::wilcoxonSignedRankP({1, 1, -2, 3, 3, 3, 0}), 0.1367025840, 1e-9);
  EXPECT_DOUBLE_EQ(paired::wilcoxonSignedRankP({0, 0}), 1.0);
}

TEST(PairedComparisonTest, gamesPairOnSetAndSeedAndOtherSettingsAreRefused) {
  // B wins seeds 1-9 that A loses, both win 10 and 11; A's seed 12 and B's 13 pair with nothing.
  std::vector<OutcomeRow> a, b;
  for (unsigned seed = 1; seed <= 11; ++seed) {
    a.push_back(game(seed, seed > 9, 1000));
    b.push_back(game(seed, true, 1000 + 10 * static_cast<int>(seed)));
  }
  a.push_back(game(12, true, 5));
  b.push_back(game(13, false, 5));
  std::vector<PairedFigures> figures;
  std::string error;
  ASSERT_TRUE(PairedComparison::compare(a, b, false, figures, &error)) << error;
  ASSERT_EQ(figures.size(), 1u);
  const PairedFigures& f = figures[0];
  EXPECT_EQ(f.ghosts.name(), "all");
  EXPECT_EQ(f.pairs, 11);
  EXPECT_EQ(f.both, 2);
  EXPECT_EQ(f.onlyB, 9);
  EXPECT_EQ(f.onlyA, 0);
  EXPECT_NEAR(f.wonDiff, 100.0 * 9 / 11, 1e-9);
  EXPECT_DOUBLE_EQ(f.mcnemarP, 2.0 / 512);
  EXPECT_DOUBLE_EQ(f.scoreDiff, 60.0);
  EXPECT_EQ(f.verdict, 1);
  EXPECT_NE(f.verdictLine("A", "B").find("B is better than A at winning"), std::string::npos);
  // No difference shown: one pair each way.
  EXPECT_EQ(PairedComparison::figuresOf(f.ghosts, {{a[0].outcome, a[10].outcome}, {a[10].outcome, a[0].outcome}}).verdict, 0);
  // A pair played under other rules is refused, unless the settings are what is compared.
  b[4].settings = "fedcba9876543210";
  EXPECT_FALSE(PairedComparison::compare(a, b, false, figures, &error));
  EXPECT_NE(error.find("seed 5 of set all was played under other settings"), std::string::npos) << error;
  EXPECT_TRUE(PairedComparison::compare(a, b, true, figures, &error));
  // A side that lists a game twice, and sides with no game in common.
  b.push_back(b[0]);
  EXPECT_FALSE(PairedComparison::compare(a, b, true, figures, &error));
  EXPECT_FALSE(PairedComparison::compare(a, {game(99, true, 1)}, true, figures, &error));
}
