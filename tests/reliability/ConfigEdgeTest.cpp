// Hand-edited configs at the edges of what a number can be, and files that
// are no text at all: reading ends or skips, and every setting stays sane.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <climits>
#include <filesystem>
#include <string>

#include "game/GameEngine.h"
#include "game/GameState.h"
#include "tests/engine/EngineTestSupport.h"

namespace {

class ConfigEdgeTest : public ::testing::Test {
 protected:
  void SetUp() override { resetGameState(); }
  void TearDown() override { resetGameState(); }

  void readConfigText(const std::string& text) {
    writeFile("config.txt", text);
    engine.readConfig("config.txt");
  }

  TempDir dir;
  GameEngine engine;
};

TEST_F(ConfigEdgeTest, aValueBeyondTheIntRangeEndsReadingWithoutApplyingItsKey) {
  readConfigText("fps 30\nruns 99999999999\ndata 1\n");
  EXPECT_EQ(engine.fps, 30);
  EXPECT_EQ(engine.runsLeft, 1);           // interactive, not a wrapped count
  EXPECT_FALSE(engine.recordResults);      // never reached
}

TEST_F(ConfigEdgeTest, aNegativeValueBeyondTheIntRangeEndsReadingToo) {
  readConfigText("fps 30\ndata_timeout -99999999999\ndata 1\n");
  EXPECT_EQ(engine.dataTimeoutMs, 0);
  EXPECT_FALSE(engine.recordResults);
}

TEST_F(ConfigEdgeTest, theIntMinimumIsJustANegativeValueAndIgnored) {
  readConfigText("fps -2147483648\ndata 1\n");
  EXPECT_EQ(engine.fps, 5);
  EXPECT_TRUE(engine.recordResults);
}

TEST_F(ConfigEdgeTest, theIntMaximumAsFramesPerSecondMeansNoFramePause) {
  readConfigText("fps 2147483647\n");
  engine.resetGame();
  EXPECT_EQ(engine.fps, INT_MAX);
  EXPECT_EQ(engine.framePeriodMs, 0);
}

TEST_F(ConfigEdgeTest, theIntMaximumAsRunsAndPauseIsHeldNotWrapped) {
  readConfigText("runs 2147483647\ndata_timeout 2147483647\n");
  EXPECT_EQ(engine.runsLeft, INT_MAX);
  EXPECT_EQ(engine.dataTimeoutMs, INT_MAX);
}

TEST_F(ConfigEdgeTest, aFolderInPlaceOfTheConfigLeavesTheDefaults) {
  std::filesystem::create_directory("config.txt");
  engine.readConfig("config.txt");
  EXPECT_EQ(engine.runsLeft, 1);
  EXPECT_EQ(engine.fps, 5);
  EXPECT_EQ(lengthAttackMode, 1500);
}

TEST_F(ConfigEdgeTest, aNamedPipeInPlaceOfTheConfigLeavesTheDefaultsWithoutWaiting) {
  ASSERT_EQ(mkfifo("config.txt", 0600), 0);
  engine.readConfig("config.txt");  // would block for ever if it opened the pipe
  EXPECT_EQ(engine.runsLeft, 1);
  EXPECT_EQ(engine.fps, 5);
}

TEST_F(ConfigEdgeTest, aNamedPipeInPlaceOfTheResultsFileLosesTheLineWithoutWaiting) {
  ASSERT_EQ(mkfifo("gamedata.txt", 0600), 0);
  EXPECT_FALSE(engine.appendResults("gamedata.txt"));  // no reader: nothing to wait for
}

TEST_F(ConfigEdgeTest, zeroBytesAndAnEndlessWordAreJustUnknownKeys) {
  readConfigText(std::string("fps\0 3 ", 7) + std::string(1 << 20, 'k') + " 4\ndot_value 20\n");
  EXPECT_EQ(engine.fps, 5);  // "fps\0" is not "fps"
  EXPECT_EQ(dotValue, 20);
}

TEST_F(ConfigEdgeTest, aNumberRunningIntoAWordEndsReading) {
  // The stream reads 12 and leaves "abc" as the next key, whose value "fps"
  // is no integer.
  readConfigText("dot_value 12abc fps 9\n");
  EXPECT_EQ(dotValue, 12);
  EXPECT_EQ(engine.fps, 5);
}

}  // namespace
