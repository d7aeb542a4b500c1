// The results file: one line per finished game, appended in one write.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "game/GameEngine.h"
#include "game/GameState.h"
#include "tests/engine/EngineTestSupport.h"

namespace {

class ResultsTest : public ::testing::Test {
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

  void startGame(const std::string& config) {
    writeFile("config.txt", config);
    engine->readConfig("config.txt");
    engine->createGhosts();
    engine->resetGame();
    // The game-over pause must not really sleep in a test.
    engine->frameTimer = FrameTimer([] { return 0; }, [](int) {});
  }

  TempDir dir;
  ScriptedChomper chomp;
  std::unique_ptr<GameEngine> engine;
};

TEST_F(ResultsTest, aLostGameAgainstRedAndTurquoiseIsWrittenByteForByte) {
  startGame("green_ghost 0 orange_ghost 0\n");
  chomp.addScore(340);
  engine->gameLost = true;
  ASSERT_TRUE(engine->appendResults("gamedata.txt"));
  EXPECT_EQ(readFile("gamedata.txt"), "0 1 0 0 1 340\n");
}

TEST_F(ResultsTest, ghostColumnsAreRedOrangeGreenTurquoise) {
  startGame("red_ghost 0 green_ghost 0 turquoise_ghost 0\n");
  EXPECT_EQ(engine->resultsLine(), "0 0 1 0 0 0\n");
  engine.reset();
  engine = std::make_unique<GameEngine>();
  startGame("red_ghost 0 orange_ghost 0 turquoise_ghost 0\n");
  EXPECT_EQ(engine->resultsLine(), "0 0 0 1 0 0\n");
}

TEST_F(ResultsTest, aWonGameAgainstAllFourGhosts) {
  startGame("");
  chomp.addScore(2450);
  gameWon = true;
  EXPECT_EQ(engine->resultsLine(), "1 1 1 1 1 2450\n");
}

TEST_F(ResultsTest, aGameWonAndLostInOneMoveCountsAsWon) {
  startGame("");
  gameWon = true;
  engine->gameLost = true;
  EXPECT_EQ(engine->resultsLine()[0], '1');
}

TEST_F(ResultsTest, linesAreAppendedToWhatTheFileHeld) {
  startGame("");
  writeFile("gamedata.txt", "1 1 1 1 1 2000\n");
  engine->gameLost = true;
  for (int score : {10, 20, 30}) {
    chomp.resetToStart();
    chomp.addScore(score);
    engine->appendResults("gamedata.txt");
  }
  EXPECT_EQ(readFile("gamedata.txt"), "1 1 1 1 1 2000\n0 1 1 1 1 10\n0 1 1 1 1 20\n0 1 1 1 1 30\n");
}

TEST_F(ResultsTest, aFileThatCannotBeOpenedLosesTheLineSilently) {
  startGame("");
  EXPECT_FALSE(engine->appendResults("no-such-folder/gamedata.txt"));
  EXPECT_FALSE(fileExists("no-such-folder"));
  engine->appendResults();  // no "data" folder here either
  EXPECT_FALSE(fileExists("data"));
}

TEST_F(ResultsTest, theResultsFileIsInTheDataFolder) {
  startGame("");
  std::filesystem::create_directory("data");
  chomp.addScore(70);
  engine->gameLost = true;
  engine->appendResults();
  EXPECT_EQ(readFile("data/gamedata.txt"), "0 1 1 1 1 70\n");
}

TEST_F(ResultsTest, withDataZeroTheFileIsNeverCreated) {
  std::filesystem::create_directory("data");
  startGame("data 0\n");
  engine->startScreen = false;
  engine->gameLost = true;
  engine->OnIdle();  // the game-over branch
  EXPECT_TRUE(engine->startScreen);
  EXPECT_FALSE(fileExists("data/gamedata.txt"));
}

TEST_F(ResultsTest, withDataOneEveryFinishedGameAppendsALine) {
  std::filesystem::create_directory("data");
  startGame("data 1\n");
  for (int game = 0; game < 2; ++game) {
    engine->startScreen = false;
    engine->gameLost = true;
    engine->OnIdle();
  }
  EXPECT_EQ(readFile("data/gamedata.txt"), "0 1 1 1 1 0\n0 1 1 1 1 0\n");
}

}  // namespace
