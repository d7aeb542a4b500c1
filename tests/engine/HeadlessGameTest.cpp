// The headless driver: seeded games repeat exactly, move-by-move play with
// the built-in choice is the whole game, and the summary figures.

#include <gtest/gtest.h>

#include "game/HeadlessGame.h"
#include "game/OutcomeSummary.h"
#include "maze/GameState.h"

namespace {

class HeadlessGameTest : public ::testing::Test {
 protected:
  void SetUp() override { resetGameState(); }
  void TearDown() override { resetGameState(); }
};

// Slowed ghosts and long blue periods, so that games end in the middle of
// what a new game must not inherit.
HeadlessSettings seededSettings(int seed) {
  return {{"", {{"seed", seed}, {"n_moves_blue_ghosts", 1000}, {"red_ghost_slow_down_factor", 2},
                {"orange_ghost_slow_down_factor", 3}}}, 200000};
}

// Nothing left by the four games before may change the fifth.
TEST_F(HeadlessGameTest, game5OfASeededSeriesEqualsItsSeedPlayedAsGame1) {
  GameOutcome fifth;
  {
    HeadlessGame series;
    ASSERT_TRUE(series.configure(seededSettings(2)));
    for (int k = 1; k <= 5; ++k) {
      series.resetNext();
      fifth = series.finish();
    }
  }
  HeadlessGame single;
  ASSERT_TRUE(single.configure(seededSettings(6)));
  single.resetNext();
  const GameOutcome first = single.finish();
  EXPECT_EQ(first.seed, 6u);
  EXPECT_GT(first.moves, 100);
  EXPECT_TRUE(fifth == first) << "score " << fifth.score << " vs " << first.score << ", moves "
                              << fifth.moves << " vs " << first.moves;
}

TEST_F(HeadlessGameTest, steppingWithTheBuiltInChoicePlaysTheWholeGameMoveForMove) {
  HeadlessGame game;
  const GameOutcome whole = game.play(3);
  game.reset(3);
  while (game.toDecision()) game.stepWith(game.builtinDirection());
  EXPECT_TRUE(game.outcome() == whole);
  EXPECT_EQ(whole.dots + whole.pills + whole.foodLeft, 157);
  EXPECT_EQ(whole.lost, whole.caughtBy != NO_GHOST);
  std::string unknown;
  EXPECT_FALSE(game.configure({"", {{"speed", 1}}, 10}, &unknown));
  EXPECT_EQ(unknown, "speed");
}

GameOutcome outcome(bool won, bool unended, int score, long long moves) {
  GameOutcome o;
  o.won = won;
  o.unended = unended;
  o.score = score;
  o.moves = moves;
  return o;
}

TEST(OutcomeSummaryTest, figuresOfAListOfGames) {
  struct Row { std::vector<GameOutcome> games; OutcomeSummary expected; };
  const Row rows[] = {
      {{}, {}},
      {{outcome(true, false, 7, 9)}, {1, 100, 20.654931, 100, 7, 7, 7, 7, 9, 0}},
      {{outcome(false, false, 50, 100), outcome(true, false, 10, 200), outcome(false, true, 40, 300),
        outcome(true, false, 30, 400), outcome(false, false, 20, 500)},
       {5, 40, 11.762077, 76.927572, 30, 30, 14, 46, 300, 1}}, };
  for (const Row& row : rows) {
    const OutcomeSummary s = summarizeOutcomes(row.games);
    const OutcomeSummary& e = row.expected;
    EXPECT_EQ(s.games, e.games);
    EXPECT_EQ(s.unended, e.unended);
    const double got[] = {s.wonPercent, s.wonLow, s.wonHigh, s.scoreMean, s.scoreMedian,
                          s.scoreP10, s.scoreP90, s.movesMean};
    const double want[] = {e.wonPercent, e.wonLow, e.wonHigh, e.scoreMean, e.scoreMedian,
                           e.scoreP10, e.scoreP90, e.movesMean};
    for (int i = 0; i < 8; ++i) EXPECT_NEAR(got[i], want[i], 1e-6) << "figure " << i << " of " << e.games;
  }
}

}  // namespace
