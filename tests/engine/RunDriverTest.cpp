// The run driver: game set-up, the start screen, playing, game over and the
// counting of unattended runs, with the frame timer on a fake clock.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "actors/Ghost.h"
#include "game/GameEngine.h"
#include "game/GameState.h"
#include "tests/engine/EngineTestSupport.h"

namespace {

class RunDriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetGameState();
    engine = std::make_unique<GameEngine>();
    setChomper(&chomp);
  }
  void TearDown() override {
    engine.reset();
    setChomper(nullptr);
    resetGameState();
  }

  void startProgram(const std::string& config) {
    writeFile("config.txt", config);
    engine->readConfig("config.txt");
    engine->createGhosts();
    engine->resetGame();
    engine->frameTimer = FrameTimer([this] { return now; },
                                    [this](int ms) {
                                      sleeps.push_back(ms);
                                      now += ms;
                                    });
  }

  // Plays idle calls until the game is over or the limit is reached.
  void playUntilOver(int limit) {
    for (int i = 0; i < limit && !gameWon && !engine->gameLost; ++i) engine->OnIdle();
  }

  TempDir dir;
  ScriptedChomper chomp;
  std::unique_ptr<GameEngine> engine;
  int now = 0;
  std::vector<int> sleeps;
};

TEST_F(RunDriverTest, resetGameStartsANewGameOnTheStartScreen) {
  startProgram("fps 4 n_moves_fruit_appears 70 red_ghost_slow_down_factor 3\n");
  maze[gridIndex(1, 1)] = CELL_EMPTY;
  fruitShown = true;
  blueCountdown = 17;
  redGhost->setBlue(true);
  redGhost->setPosition(30, 30);
  Ghost::setAttackMode(true);
  chomp.addScore(90);
  engine->resetGame();
  for (int i = 0; i < MAZE_CELLS; ++i) ASSERT_EQ(maze[i], mazeTemplate[i]) << i;
  EXPECT_EQ(foodLeft, 157);
  EXPECT_TRUE(engine->startScreen);
  EXPECT_FALSE(gameWon);
  EXPECT_FALSE(engine->gameLost);
  EXPECT_FALSE(fruitShown);
  EXPECT_EQ(engine->fruitCountdown, 70);
  EXPECT_EQ(scatterCountdown, 30);
  EXPECT_TRUE(Ghost::isScatterMode());
  EXPECT_EQ(engine->framePeriodMs, 250);
  EXPECT_FALSE(redGhost->isBlue());
  EXPECT_EQ(redGhost->getSlowDownFactor(), 3);
  EXPECT_EQ(redGhost->getX(), 190);
  EXPECT_EQ(redGhost->getY(), 231);
  EXPECT_EQ(chomp.getX(), 190);
  EXPECT_EQ(chomp.getY(), 190);
  EXPECT_EQ(chomp.getDirection(), DIR_LEFT);
  EXPECT_EQ(chomp.getScore(), 0);
  EXPECT_EQ(blueCountdown, 17);  // carried over
}

TEST_F(RunDriverTest, countFoodCountsDotsAndPills) {
  startProgram("");
  maze[gridIndex(1, 19)] = CELL_EMPTY;  // a pill
  maze[gridIndex(2, 1)] = CELL_EMPTY;   // a dot
  engine->countFood();
  EXPECT_EQ(foodLeft, 155);
}

TEST_F(RunDriverTest, disabledGhostsAreNeverCreated) {
  startProgram("green_ghost 0 turquoise_ghost 0\n");
  EXPECT_NE(redGhost, nullptr);
  EXPECT_EQ(greenGhost, nullptr);
  EXPECT_NE(orangeGhost, nullptr);
  EXPECT_EQ(turquoiseGhost, nullptr);
}

TEST_F(RunDriverTest, destroyingTheEngineDeletesItsGhostsButNotTheChomper) {
  startProgram("");
  engine.reset();
  EXPECT_EQ(redGhost, nullptr);
  EXPECT_EQ(greenGhost, nullptr);
  EXPECT_EQ(orangeGhost, nullptr);
  EXPECT_EQ(turquoiseGhost, nullptr);
  EXPECT_EQ(chomper, &chomp);
}

TEST_F(RunDriverTest, anEngineNeverCreatedAsAWindowDeletesNoGhost) {
  engine.reset();
  engine = std::make_unique<GameEngine>();
  EXPECT_EQ(redGhost, nullptr);
  EXPECT_EQ(foodLeft, 0);
  engine.reset();
  EXPECT_EQ(chomper, &chomp);
}

TEST_F(RunDriverTest, theStartScreenWaitsForTheStartKeyInInteractiveMode) {
  startProgram("");
  for (int i = 0; i < 10; ++i) engine->OnIdle();
  EXPECT_TRUE(engine->startScreen);
  EXPECT_EQ(chomp.getX(), 190);
  engine->OnKeyboard(KEY_START, false);  // a key going up does nothing
  engine->OnIdle();
  EXPECT_TRUE(engine->startScreen);
  engine->OnKeyboard(KEY_START, true);
  engine->OnIdle();
  EXPECT_FALSE(engine->startScreen);
  EXPECT_FALSE(engine->startRequested);
  EXPECT_EQ(chomp.getX(), 190);  // leaving the start screen is not a move
  engine->OnIdle();
  EXPECT_EQ(chomp.getX(), 189);
}

TEST_F(RunDriverTest, theStartScreenPausesForOneFramePeriod) {
  startProgram("fps 5\n");
  engine->OnIdle();
  EXPECT_EQ(sleeps, std::vector<int>{200});
}

TEST_F(RunDriverTest, everyPlayingIdleCallIsOneMoveAndOneFramePause) {
  startProgram("fps 5\n");
  engine->OnKeyboard(KEY_START, true);
  engine->OnIdle();
  sleeps.clear();
  for (int i = 0; i < 4; ++i) {
    now += 10;
    engine->OnIdle();
  }
  EXPECT_EQ(chomp.getX(), 186);
  EXPECT_EQ(sleeps, (std::vector<int>{190, 190}));  // moves in pairs
}

TEST_F(RunDriverTest, unattendedRunsLeaveTheStartScreenAtOnceAndCloseAfterTheLast) {
  startProgram("runs 3 data_timeout 2 data 1 fps 2000\n");
  std::filesystem::create_directory("data");
  EXPECT_EQ(engine->runsLeft, 4);
  for (int game = 1; game <= 3; ++game) {
    engine->OnIdle();
    EXPECT_FALSE(engine->startScreen) << "game " << game;
    engine->gameLost = true;  // the game ends
    sleeps.clear();
    engine->OnIdle();
    EXPECT_EQ(sleeps, std::vector<int>{2000});
    EXPECT_TRUE(engine->startScreen);
  }
  EXPECT_EQ(engine->runsLeft, 1);
  EXPECT_EQ(readFile("data/gamedata.txt"), "0 1 1 1 1 0\n0 1 1 1 1 0\n0 1 1 1 1 0\n");
}

TEST_F(RunDriverTest, interactiveGameOverPausesFiveSecondsAndReturnsToTheStartScreen) {
  startProgram("");
  engine->startScreen = false;
  gameWon = true;
  engine->OnIdle();
  EXPECT_EQ(sleeps, std::vector<int>{5000});
  EXPECT_TRUE(engine->startScreen);
  EXPECT_FALSE(gameWon);
  EXPECT_EQ(engine->runsLeft, 1);
}

TEST_F(RunDriverTest, theGameOverBranchMakesNoMove) {
  startProgram("");
  engine->startScreen = false;
  chomp.setPosition(150, 190);
  engine->gameLost = true;
  engine->OnIdle();
  EXPECT_EQ(chomp.getX(), 190);  // reset, never moved on
  EXPECT_EQ(chomp.getY(), 190);
}

TEST_F(RunDriverTest, aStartKeyDuringPlayStartsTheNextGameAtOnce) {
  startProgram("");
  engine->OnKeyboard(KEY_START, true);
  engine->OnIdle();
  engine->OnKeyboard(KEY_START, true);  // during play: nothing visible
  engine->OnIdle();
  EXPECT_TRUE(engine->startRequested);
  engine->gameLost = true;
  engine->OnIdle();
  EXPECT_TRUE(engine->startScreen);
  engine->OnIdle();
  EXPECT_FALSE(engine->startScreen);
}

TEST_F(RunDriverTest, anyKeyForgetsTheRememberedArrowAndAPendingStart) {
  startProgram("");
  engine->OnKeyboard(KEY_LEFT, true);
  EXPECT_TRUE(engine->keyLeft);
  engine->OnKeyboard(KEY_UP, true);
  EXPECT_FALSE(engine->keyLeft);
  EXPECT_TRUE(engine->keyUp);
  engine->OnKeyboard(KEY_START, true);
  EXPECT_FALSE(engine->keyUp);
  EXPECT_TRUE(engine->startRequested);
  engine->OnKeyboard('A', true);
  EXPECT_FALSE(engine->startRequested);
  EXPECT_FALSE(engine->keyLeft || engine->keyRight || engine->keyUp || engine->keyDown);
  engine->OnKeyboard(KEY_DOWN, true);
  engine->OnKeyboard(KEY_DOWN, false);  // going up changes nothing
  EXPECT_TRUE(engine->keyDown);
}

TEST_F(RunDriverTest, f1AbandonsTheGameWithoutAResultsLine) {
  std::filesystem::create_directory("data");
  startProgram("data 1\n");
  engine->OnKeyboard(KEY_START, true);
  for (int i = 0; i < 25; ++i) engine->OnIdle();
  EXPECT_NE(chomp.getX(), 190);
  engine->OnKeyboard(KEY_F1, true);
  EXPECT_TRUE(engine->startScreen);
  EXPECT_EQ(chomp.getX(), 190);
  EXPECT_EQ(foodLeft, 157);
  engine->OnIdle();
  EXPECT_TRUE(engine->startScreen);
  EXPECT_FALSE(fileExists("data/gamedata.txt"));
}

TEST_F(RunDriverTest, aChomperCaughtByAGhostEndsTheGameAsLost) {
  startProgram("green_ghost 0 orange_ghost 0 turquoise_ghost 0 control 1\n");
  srand(3);
  engine->OnKeyboard(KEY_START, true);
  // The chomper waits at the house door for the red ghost coming out.
  chomp.setPosition(190, 270);
  chomp.nextDirection = DIR_NONE;
  playUntilOver(200);
  EXPECT_TRUE(engine->gameLost);
  EXPECT_FALSE(gameWon);
}

}  // namespace
