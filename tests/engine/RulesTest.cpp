// The rules of one move: eating, the fruit, the blue period, meetings of
// chomper and ghosts, and the scatter and attack phases.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "actors/Ghost.h"
#include "game/GameEngine.h"
#include "game/GameState.h"
#include "tests/engine/EngineTestSupport.h"

namespace {

class RulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetGameState();
    srand(7);
    engine = std::make_unique<GameEngine>();
    setChomper(&chomp);
  }
  void TearDown() override {
    engine.reset();
    setChomper(nullptr);
    resetGameState();
  }

  // Reads the settings, creates the enabled ghosts and starts a game whose
  // chomper stands still unless a test moves it.
  void startGame(const std::string& config) {
    writeFile("config.txt", config);
    engine->readConfig("config.txt");
    engine->keyboardControl = false;
    engine->createGhosts();
    engine->resetGame();
    chomp.setDirection(DIR_NONE);
  }

  void noGhosts(const std::string& more = "") {
    startGame("red_ghost 0 green_ghost 0 orange_ghost 0 turquoise_ghost 0\n" + more);
  }

  // One move with the chomper standing on the centre of (col, row).
  void tickAt(int col, int row) {
    chomp.setPosition(10 + 20 * col, 10 + 20 * row);
    engine->gameTick();
  }

  TempDir dir;
  ScriptedChomper chomp;
  std::unique_ptr<GameEngine> engine;
};

TEST_F(RulesTest, eatingAllFoodWithDefaultsScores1930AndTheLastPieceWins) {
  noGhosts();
  int piecesLeft = foodLeft;
  ASSERT_EQ(piecesLeft, 157);
  for (int row = 0; row < MAZE_ROWS; ++row) {
    for (int col = 0; col < MAZE_COLS; ++col) {
      const int code = maze[gridIndex(col, row)];
      if (code != CELL_DOT && code != CELL_POWERPILL) continue;
      EXPECT_FALSE(gameWon) << "won with " << piecesLeft << " pieces left";
      tickAt(col, row);
      --piecesLeft;
      EXPECT_EQ(foodLeft, piecesLeft);
    }
  }
  EXPECT_TRUE(gameWon);
  EXPECT_EQ(chomp.getScore(), 153 * 10 + 4 * 100);
  EXPECT_EQ(chomp.getScore(), 1930);
}

TEST_F(RulesTest, theChomperDecidesOnlyOnACellCentre) {
  noGhosts();
  chomp.nextDirection = DIR_LEFT;
  engine->gameTick();  // on the start centre: decides, goes left
  EXPECT_EQ(chomp.decisions, 1);
  EXPECT_EQ(chomp.getX(), 189);
  engine->gameTick();  // between centres: no decision
  EXPECT_EQ(chomp.decisions, 1);
  EXPECT_EQ(chomp.getX(), 188);
}

TEST_F(RulesTest, underKeyboardControlTheRememberedArrowSteers) {
  noGhosts();
  engine->keyboardControl = true;
  engine->OnKeyboard(KEY_RIGHT, true);
  engine->gameTick();
  EXPECT_EQ(chomp.getDirection(), DIR_RIGHT);
  EXPECT_EQ(chomp.getX(), 191);
  EXPECT_EQ(chomp.decisions, 0);
}

TEST_F(RulesTest, aRememberedArrowIntoAWallWaitsForAnOpenCentre) {
  noGhosts();
  chomp.setDirection(DIR_LEFT);
  engine->keyUp = true;
  engine->applyKeys(DIR_LEFT | DIR_RIGHT);
  EXPECT_EQ(chomp.getDirection(), DIR_LEFT);
  EXPECT_TRUE(engine->keyUp);
  engine->applyKeys(DIR_LEFT | DIR_UP);
  EXPECT_EQ(chomp.getDirection(), DIR_UP);
}

TEST_F(RulesTest, eachArrowSetsItsOwnDirection) {
  noGhosts();
  const std::pair<int, int> keys[] = {
      {KEY_UP, DIR_UP}, {KEY_DOWN, DIR_DOWN}, {KEY_LEFT, DIR_LEFT}, {KEY_RIGHT, DIR_RIGHT}};
  for (const auto& [key, direction] : keys) {
    chomp.setDirection(DIR_NONE);
    engine->OnKeyboard(key, true);
    engine->applyKeys(DIR_LEFT | DIR_UP | DIR_RIGHT | DIR_DOWN);
    EXPECT_EQ(chomp.getDirection(), direction) << key;
  }
}

// Offsets of a ghost from the chomper and whether they meet.
struct Meeting {
  int dx;
  int dy;
  int distance;
  bool meets;
};

TEST_F(RulesTest, aGhostMeetsTheChomperWhenTheirWholePixelDistanceIsBelowFive) {
  const Meeting meetings[] = {{4, 0, 4, true},   {-4, 0, 4, true}, {0, 4, 4, true},  {0, -4, 4, true},
                              {3, 4, 5, false},  {4, 3, 5, false}, {5, 0, 5, false}, {3, 3, 4, true},
                              {4, 4, 5, false},  {0, 0, 0, true},  {-3, -4, 5, false}};
  startGame("green_ghost 0 orange_ghost 0 turquoise_ghost 0\n");
  for (const Meeting& m : meetings) {
    engine->gameLost = false;
    chomp.setPosition(100, 150);
    redGhost->setPosition(100 + m.dx, 150 + m.dy);
    EXPECT_EQ(engine->ghostDistance(redGhost), m.distance) << m.dx << "," << m.dy;
    engine->checkMeetings();
    EXPECT_EQ(engine->gameLost, m.meets) << m.dx << "," << m.dy;
  }
}

TEST_F(RulesTest, blueAndNormalGhostMeetingInOneMoveEatOneAndLoseTheGame) {
  startGame("orange_ghost 0 turquoise_ghost 0 n_moves_ghost_appears 70\n");
  chomp.setPosition(100, 150);
  redGhost->setBlue(true);
  redGhost->setPosition(102, 150);
  greenGhost->setPosition(98, 150);
  engine->checkMeetings();
  EXPECT_EQ(chomp.getScore(), 250);
  EXPECT_FALSE(redGhost->isActive());
  EXPECT_EQ(redGhost->getX(), 190);
  EXPECT_EQ(redGhost->getY(), 231);
  EXPECT_EQ(redGhost->getReleaseCountdown(), 70);
  EXPECT_TRUE(redGhost->isBlue());  // stays blue while it waits
  EXPECT_TRUE(engine->gameLost);
}

TEST_F(RulesTest, twoBlueGhostsEatenInOneMoveScoreTwice) {
  startGame("ghost_value 300\n");
  chomp.setPosition(100, 150);
  orangeGhost->setBlue(true);
  orangeGhost->setPosition(100, 152);
  turquoiseGhost->setBlue(true);
  turquoiseGhost->setPosition(100, 148);
  engine->checkMeetings();
  EXPECT_EQ(chomp.getScore(), 600);
  EXPECT_FALSE(orangeGhost->isActive());
  EXPECT_FALSE(turquoiseGhost->isActive());
  EXPECT_FALSE(engine->gameLost);
}

TEST_F(RulesTest, everyGhostIsExaminedAfterOneHasCaughtTheChomper) {
  startGame("");
  chomp.setPosition(100, 150);
  redGhost->setPosition(100, 151);  // normal: catches
  turquoiseGhost->setBlue(true);
  turquoiseGhost->setPosition(101, 150);  // last in order: still eaten
  engine->checkMeetings();
  EXPECT_TRUE(engine->gameLost);
  EXPECT_FALSE(turquoiseGhost->isActive());
  EXPECT_EQ(chomp.getScore(), 250);
}

TEST_F(RulesTest, aGhostWaitingInTheHouseNeverMeetsTheChomper) {
  startGame("green_ghost 0 orange_ghost 0 turquoise_ghost 0\n");
  redGhost->resetToHome();
  redGhost->setActive(false);
  redGhost->setReleaseCountdown(50);
  chomp.setPosition(redGhost->getX(), redGhost->getY());
  engine->checkMeetings();
  EXPECT_FALSE(engine->gameLost);
  EXPECT_EQ(chomp.getScore(), 0);
}

TEST_F(RulesTest, theFruitIsNotEatenInTheMoveItAppears) {
  noGhosts("n_moves_fruit_appears 60 fruit_value 140\n");
  engine->fruitCountdown = 1;
  engine->gameTick();  // the chomper stands on the fruit's pixel
  EXPECT_TRUE(fruitShown);
  EXPECT_EQ(chomp.getScore(), 0);
  engine->gameTick();
  EXPECT_FALSE(fruitShown);
  EXPECT_EQ(chomp.getScore(), 140);
  EXPECT_EQ(engine->fruitCountdown, 60);
}

TEST_F(RulesTest, theFruitShowsAfterItsDelayAndIsEatenOnlyOnItsExactPixel) {
  noGhosts("n_moves_fruit_appears 50\n");
  chomp.setPosition(191, 190);
  for (int move = 1; move <= 49; ++move) engine->gameTick();
  EXPECT_FALSE(fruitShown);
  engine->gameTick();
  EXPECT_TRUE(fruitShown);
  for (int move = 0; move < 20; ++move) engine->gameTick();  // one pixel off
  EXPECT_TRUE(fruitShown);
  EXPECT_EQ(engine->fruitCountdown, 0);  // no counting while shown
  chomp.setPosition(190, 190);
  engine->gameTick();
  EXPECT_FALSE(fruitShown);
  EXPECT_EQ(chomp.getScore(), 100);
}

TEST_F(RulesTest, phasesAfterTheFirstScatterAlternateWithTheirLengths) {
  noGhosts("length_attack_mode 100 length_scatter_mode 100\n");
  // The mode in which each move is played, counted from move 1.
  for (int move = 1; move <= 340; ++move) {
    const bool attack = (move >= 31 && move <= 130) || (move >= 231 && move <= 330);
    ASSERT_EQ(Ghost::isAttackMode(), attack) << "move " << move;
    engine->gameTick();
  }
}

TEST_F(RulesTest, eatingAPillTurnsEveryGhostBlueAndSlow) {
  startGame("n_moves_blue_ghosts 100 powerpill_slowdown_factor 4\n");
  tickAt(1, 19);  // the pill at (30, 390)
  EXPECT_EQ(chomp.getScore(), 100);
  for (Ghost* ghost : GameEngine::ghostsInPlayOrder()) {
    EXPECT_TRUE(ghost->isBlue());
    EXPECT_EQ(ghost->getSlowDownFactor(), 4);
  }
  EXPECT_EQ(blueCountdown, 99);  // the pill's own move counts
}

TEST_F(RulesTest, aSecondPillExtendsTheBluePeriod) {
  startGame("n_moves_blue_ghosts 100\n");
  tickAt(1, 19);                                      // first pill: move 1
  for (int move = 2; move <= 10; ++move) tickAt(1, 19);
  tickAt(17, 19);                                     // second pill: move 11
  for (int move = 12; move <= 109; ++move) tickAt(17, 19);
  EXPECT_TRUE(redGhost->isBlue()) << "the first period would have ended at move 100";
  tickAt(17, 19);                                     // move 110: 100 moves after the second pill
  EXPECT_FALSE(redGhost->isBlue());
  EXPECT_EQ(blueCountdown, 0);
}

TEST_F(RulesTest, whenTheBluePeriodEndsEachGhostGetsItsConfiguredSlowDownBack) {
  startGame("n_moves_blue_ghosts 100 red_ghost_slow_down_factor 3 orange_ghost_slow_down_factor 5\n");
  EXPECT_EQ(redGhost->getSlowDownFactor(), 3);
  tickAt(1, 19);
  for (int move = 2; move <= 100; ++move) tickAt(1, 19);
  const int expected[] = {3, 1, 5, 1};
  const auto ghosts = GameEngine::ghostsInPlayOrder();
  for (int i = 0; i < 4; ++i) {
    EXPECT_FALSE(ghosts[i]->isBlue());
    EXPECT_EQ(ghosts[i]->getSlowDownFactor(), expected[i]);
  }
}

TEST_F(RulesTest, aBluePeriodRunningAtTheEndOfAGameRunsOutInTheNext) {
  startGame("n_moves_blue_ghosts 100 green_ghost_slow_down_factor 2\n");
  tickAt(1, 19);
  engine->resetGame();  // the next game: ghosts normal, countdown carried over
  EXPECT_EQ(blueCountdown, 99);
  greenGhost->setBlue(true);
  greenGhost->setSlowDownFactor(4);
  chomp.setDirection(DIR_NONE);
  for (int move = 1; move <= 99; ++move) tickAt(1, 1);
  EXPECT_FALSE(greenGhost->isBlue());
  EXPECT_EQ(greenGhost->getSlowDownFactor(), 2);
}

TEST_F(RulesTest, theChomperDecidesAfterTheGhostsHaveMoved) {
  startGame("green_ghost 0 orange_ghost 0 turquoise_ghost 0\n");
  int redYAtDecision = 0;
  chomp.onDecide = [&] { redYAtDecision = redGhost->getY(); };
  engine->gameTick();
  EXPECT_EQ(redYAtDecision, 232);  // one pixel up out of the house already
  EXPECT_EQ(redGhost->getY(), 232);
}

}  // namespace
