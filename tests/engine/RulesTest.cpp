// The rules of one move: eating, the fruit, the blue period and meetings of
// chomper and ghosts (whole games in PinnedGamesTest hold the rest).

#include "actors/Ghost.h"
#include "tests/engine/EngineFixture.h"

namespace {

class RulesTest : public EngineTest {
 protected:
  // One move with the chomper standing on the centre of (col, row).
  void tickAt(int col, int row) {
    chomp.setPosition(10 + 20 * col, 10 + 20 * row);
    engine->rules.gameTick();
  }
};

const char* const NO_GHOSTS = "red_ghost 0 green_ghost 0 orange_ghost 0 turquoise_ghost 0\n";
const char* const RED_ONLY = "green_ghost 0 orange_ghost 0 turquoise_ghost 0\n";

TEST_F(RulesTest, eatingAllFoodWithDefaultsScores1930AndTheLastPieceWins) {
  startPlainGame(NO_GHOSTS);
  int piecesLeft = foodLeft;
  ASSERT_EQ(piecesLeft, 157);
  for (int row = 0; row < MAZE_ROWS; ++row) {
    for (int col = 0; col < MAZE_COLS; ++col) {
      const int code = maze[gridIndex(col, row)];
      if (code != CELL_DOT && code != CELL_POWERPILL) continue;
      EXPECT_FALSE(gameWon) << "won with " << piecesLeft << " pieces left";
      tickAt(col, row);
      EXPECT_EQ(foodLeft, --piecesLeft);
    }
  }
  EXPECT_TRUE(gameWon);
  EXPECT_EQ(chomp.getScore(), 1930);
}

TEST_F(RulesTest, underKeyboardControlABlockedArrowStaysRememberedUntilItsWayOpens) {
  startGame(NO_GHOSTS);
  engine->OnKeyboard(KEY_UP, true);  // walled above (9, 9), (8, 9) and (7, 9); open above (6, 9)
  for (int move = 1; move <= 61; ++move) engine->rules.gameTick();
  EXPECT_EQ(chomp.getX(), 130);
  EXPECT_EQ(chomp.getY(), 191);
  EXPECT_EQ(chomp.decisions, 0);
}

TEST_F(RulesTest, aGhostMeetsTheChomperWhenTheirWholePixelDistanceIsBelowFive) {
  const struct { int dx, dy; bool meets; } meetings[] = {
      {4, 0, true}, {-4, 0, true}, {0, 4, true},   {0, -4, true}, {3, 3, true},
      {0, 0, true}, {3, 4, false}, {4, 3, false},  {5, 0, false}, {-3, -4, false}};
  startPlainGame(RED_ONLY);
  for (const auto& m : meetings) {
    engine->rules.gameLost = false;
    chomp.setPosition(100, 150);
    redGhost->setPosition(100 + m.dx, 150 + m.dy);
    engine->rules.checkMeetings();
    EXPECT_EQ(engine->rules.gameLost, m.meets) << m.dx << "," << m.dy;
  }
}

// The red ghost catches the chomper first in play order; the blue green one is still eaten.
TEST_F(RulesTest, blueAndNormalGhostMeetingInOneMoveEatOneAndLoseTheGame) {
  startPlainGame("orange_ghost 0 turquoise_ghost 0 n_moves_ghost_appears 70\n");
  chomp.setPosition(100, 150);
  greenGhost->setBlue(true);
  greenGhost->setPosition(102, 150);
  redGhost->setPosition(98, 150);
  engine->rules.checkMeetings();
  EXPECT_EQ(chomp.getScore(), 250);
  EXPECT_FALSE(greenGhost->isActive());
  EXPECT_EQ(greenGhost->getX(), 190);  // back home, waiting
  EXPECT_EQ(greenGhost->getY(), 231);
  EXPECT_EQ(greenGhost->getReleaseCountdown(), 70);
  EXPECT_TRUE(engine->rules.gameLost);
}

TEST_F(RulesTest, theFruitIsNotEatenInTheMoveItAppears) {
  startPlainGame(std::string(NO_GHOSTS) + "n_moves_fruit_appears 60 fruit_value 140\n");
  engine->rules.fruitCountdown = 1;
  engine->rules.gameTick();  // the chomper stands on the fruit's pixel
  EXPECT_TRUE(fruitShown);
  EXPECT_EQ(chomp.getScore(), 0);
  engine->rules.gameTick();
  EXPECT_FALSE(fruitShown);
  EXPECT_EQ(chomp.getScore(), 140);
  EXPECT_EQ(engine->rules.fruitCountdown, 60);
}

TEST_F(RulesTest, aBluePeriodStillRunningRunsOutInTheNextGameGivingEachGhostItsConfiguredSlowDown) {
  startPlainGame("n_moves_blue_ghosts 100 red_ghost_slow_down_factor 3 orange_ghost_slow_down_factor 5\n");
  for (int move = 1; move <= 10; ++move) tickAt(1, 19);
  engine->resetGame();
  EXPECT_EQ(blueCountdown, 90);
  for (int move = 11; move <= 100; ++move) tickAt(9, 9);
  EXPECT_EQ(blueCountdown, 0);
  const int expected[] = {3, 1, 5, 1};
  const auto ghosts = ghostsInPlayOrder();
  for (int i = 0; i < 4; ++i) {
    EXPECT_FALSE(ghosts[i]->isBlue()) << i;
    EXPECT_EQ(ghosts[i]->getSlowDownFactor(), expected[i]) << i;
  }
}

}  // namespace
