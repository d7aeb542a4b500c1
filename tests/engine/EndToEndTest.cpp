// The real program, run offscreen in a folder of its own with the shipped
// sprites: unattended series and the interactive start screen.

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "tests/engine/EngineTestSupport.h"
#include "tests/engine/GameProcess.h"

namespace fs = std::filesystem;

namespace {

// A working folder holding data/ with the shipped sprites and a config.
class EndToEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs::exists(gameProgram())) << gameProgram();
    fs::create_directory("data");
    copyShippedSprites("data");
  }

  // Runs the game offscreen, killed after timeoutSeconds; the exit status
  // (124 when the timeout had to end it).
  int runGame(int timeoutSeconds) { return ::runGame(dir.path(), timeoutSeconds); }

  std::vector<std::string> resultLines() { return linesOf(readFile("data/gamedata.txt")); }

  TempDir dir;
};

TEST_F(EndToEndTest, anUnattendedSeriesOfThreePlaysThreeGamesAndExits) {
  writeFile("data/config.txt", "runs 3\ndata 1\ncontrol 1\nfps 100000\ndata_timeout 0\n");
  writeFile("data/gamedata.txt", "1 1 1 1 1 2450\n");  // kept: the file is only appended to
  EXPECT_EQ(runGame(240), 0) << readFile("output.txt");
  const std::vector<std::string> lines = resultLines();
  ASSERT_EQ(lines.size(), 4u) << readFile("data/gamedata.txt");
  EXPECT_EQ(lines[0], "1 1 1 1 1 2450");
  const std::regex wellFormed("[01] 1 1 1 1 [0-9]+");
  for (size_t i = 1; i < lines.size(); ++i) EXPECT_TRUE(std::regex_match(lines[i], wellFormed)) << lines[i];
}

TEST_F(EndToEndTest, aSeriesWithoutRecordingLeavesNoResultsFile) {
  writeFile("data/config.txt",
            "runs 2 data 0 control 1 fps 100000 green_ghost 0 orange_ghost 0 turquoise_ghost 0\n");
  EXPECT_EQ(runGame(240), 0) << readFile("output.txt");
  EXPECT_FALSE(fileExists("data/gamedata.txt"));
}

TEST_F(EndToEndTest, withoutAConfigTheGameWaitsOnTheStartScreen) {
  // The program must still be running when the timeout ends it: the start
  // screen waits for the start key for ever. No game is played, so no line.
  EXPECT_EQ(runGame(3), 124) << readFile("output.txt");
  EXPECT_FALSE(fileExists("data/gamedata.txt"));
}

}  // namespace
