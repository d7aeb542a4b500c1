// The real program, run offscreen in a folder of its own with the shipped
// sprites: an unattended series and the interactive start screen.

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "tests/engine/EngineTestSupport.h"
#include "tests/engine/GameProcess.h"

namespace {

class EndToEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(std::filesystem::exists(gameProgram())) << gameProgram();
    std::filesystem::create_directory("data");
    copyShippedSprites("data");
  }

  TempDir dir;
};

TEST_F(EndToEndTest, anUnattendedSeriesOfThreeAppendsThreeWellFormedLinesAndExits) {
  writeFile("data/config.txt", "runs 3\ndata 1\ncontrol 1\nfps 100000\ndata_timeout 0\n");
  writeFile("data/gamedata.txt", "1 1 1 1 1 2450\n");  // kept: the file is only appended to
  EXPECT_EQ(runGame(dir.path(), 240), 0) << readFile("output.txt");
  const std::vector<std::string> lines = linesOf(readFile("data/gamedata.txt"));
  ASSERT_EQ(lines.size(), 4u) << readFile("data/gamedata.txt");
  EXPECT_EQ(lines[0], "1 1 1 1 1 2450");
  const std::regex wellFormed("[01] 1 1 1 1 [0-9]+");
  for (size_t i = 1; i < lines.size(); ++i) EXPECT_TRUE(std::regex_match(lines[i], wellFormed)) << lines[i];
}

TEST_F(EndToEndTest, withoutAConfigTheGameWaitsOnTheStartScreen) {
  // Still running when the time limit ends it (status 124), no game played.
  EXPECT_EQ(runGame(dir.path(), 3), 124) << readFile("output.txt");
  EXPECT_FALSE(fileExists("data/gamedata.txt"));
}

}  // namespace
