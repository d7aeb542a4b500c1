// The run driver: the start screen, playing, game over, the counting of
// unattended runs and the results file, with the frame timer on a fake clock.

#include <filesystem>

#include "tests/engine/EngineFixture.h"

namespace {

using RunDriverTest = EngineTest;

TEST_F(RunDriverTest, theStartScreenWaitsForTheStartKeyPausingOneFramePeriod) {
  startGame("fps 5\n");
  for (int i = 0; i < 10; ++i) engine->OnIdle();
  EXPECT_TRUE(engine->startScreen);
  EXPECT_EQ(sleeps, std::vector<int>(5, 200));  // a sleep counts towards the next period
  engine->OnKeyboard(KEY_START, false);  // a key going up does nothing
  engine->OnIdle();
  EXPECT_TRUE(engine->startScreen);
  engine->OnKeyboard(KEY_START, true);
  engine->OnIdle();
  EXPECT_FALSE(engine->startScreen);
  EXPECT_EQ(chomp.getX(), 190);  // leaving the start screen is not a move
  sleeps.clear();
  for (int i = 0; i < 4; ++i) {
    now += 10;
    engine->OnIdle();
  }
  EXPECT_EQ(chomp.getX(), 186);
  EXPECT_EQ(sleeps, (std::vector<int>{190, 190}));  // moves in pairs
}

TEST_F(RunDriverTest, unattendedRunsLeaveTheStartScreenAtOnceAndRecordEachGame) {
  std::filesystem::create_directory("data");
  startGame("runs 3 data_timeout 2 data 1 fps 2000\n");
  EXPECT_EQ(engine->runsLeft, 4);
  for (int game = 1; game <= 3; ++game) {
    engine->OnIdle();
    EXPECT_FALSE(engine->startScreen) << "game " << game;
    engine->rules.gameLost = true;
    sleeps.clear();
    engine->OnIdle();
    EXPECT_EQ(sleeps, std::vector<int>{2000});
    EXPECT_TRUE(engine->startScreen);
  }
  EXPECT_EQ(engine->runsLeft, 1);
  EXPECT_EQ(readFile("data/gamedata.txt"), "0 1 1 1 1 0\n0 1 1 1 1 0\n0 1 1 1 1 0\n");
}

TEST_F(RunDriverTest, interactiveGameOverPausesFiveSecondsAndWithDataZeroWritesNothing) {
  std::filesystem::create_directory("data");
  startGame("data 0\n");
  engine->startScreen = false;
  gameWon = true;
  engine->OnIdle();
  EXPECT_EQ(sleeps, std::vector<int>{5000});
  EXPECT_TRUE(engine->startScreen);
  EXPECT_FALSE(gameWon);
  EXPECT_FALSE(std::filesystem::exists("data/gamedata.txt"));
}

TEST_F(RunDriverTest, aStartKeyPressedDuringPlayStartsTheNextGameAtOnceUnlessAnotherKeyFollows) {
  startGame("");
  engine->OnKeyboard(KEY_START, true);
  engine->OnIdle();
  for (bool anotherKey : {false, true}) {
    engine->OnKeyboard(KEY_START, true);  // during play: nothing visible
    if (anotherKey) engine->OnKeyboard(KEY_LEFT, true);
    engine->OnIdle();
    EXPECT_FALSE(engine->startScreen);
    engine->rules.gameLost = true;
    engine->OnIdle();
    EXPECT_TRUE(engine->startScreen);
    engine->OnIdle();
    EXPECT_EQ(engine->startScreen, anotherKey);
  }
}

TEST_F(RunDriverTest, aLostGameAgainstRedAndTurquoiseIsAppendedByteForByteOnALineOfItsOwn) {
  startGame("green_ghost 0 orange_ghost 0\n");
  writeFile("gamedata.txt", "1 1 1 1 1 2000");  // left without its line break
  chomp.addScore(340);
  engine->rules.gameLost = true;
  ASSERT_TRUE(engine->appendResults("gamedata.txt"));
  ASSERT_TRUE(engine->appendResults("gamedata.txt"));
  EXPECT_EQ(readFile("gamedata.txt"), "1 1 1 1 1 2000\n0 1 0 0 1 340\n0 1 0 0 1 340\n");
  EXPECT_FALSE(engine->appendResults("no-such-folder/gamedata.txt"));
}

TEST_F(RunDriverTest, resultsLinesNameTheGhostsRedOrangeGreenTurquoiseAndWonBeatsLost) {
  const struct { const char* config; bool won, lost; const char* line; } cases[] = {
      {"red_ghost 0 green_ghost 0 turquoise_ghost 0\n", false, true, "0 0 1 0 0 0\n"},
      {"red_ghost 0 orange_ghost 0 turquoise_ghost 0\n", false, true, "0 0 0 1 0 0\n"},
      {"", true, false, "1 1 1 1 1 0\n"},
      {"", true, true, "1 1 1 1 1 0\n"}};
  for (const auto& c : cases) {
    engine = std::make_unique<GameEngine>();
    startGame(c.config);
    gameWon = c.won;
    engine->rules.gameLost = c.lost;
    EXPECT_EQ(engine->rules.resultsLine(), c.line) << c.config << c.won << c.lost;
    engine.reset();
  }
}

}  // namespace
