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

TEST_F(EndToEndTest, aSeriesSetOnTheCommandLineAppendsThreeLinesReportsEachGameAndLeavesTheConfigAlone) {
  writeFile("data/config.txt", "runs 0\n");
  writeFile("data/gamedata.txt", "1 1 1 1 1 2450\n");  // kept: the file is only appended to
  EXPECT_EQ(runGame(dir.path(), 240, {"--set", "runs=3", "--set", "data=1", "--set", "control=1", "--set", "fps=100000"}), 0)
      << readFile("output.txt");
  EXPECT_EQ(readFile("data/config.txt"), "runs 0\n");
  const std::vector<std::string> lines = linesOf(readFile("data/gamedata.txt"));
  const std::vector<std::string> progress = linesOf(readFile("output.txt"));
  ASSERT_EQ(lines.size(), 4u) << readFile("data/gamedata.txt");
  ASSERT_EQ(progress.size(), 3u) << readFile("output.txt");
  EXPECT_EQ(lines[0], "1 1 1 1 1 2450");
  const std::regex wellFormed("([01]) 1 1 1 1 ([0-9]+)");
  const std::regex reported("game ([123]) of 3: (won|lost), score ([0-9]+), [1-9][0-9]* moves, [0-9]+\\.[0-9] s");
  for (size_t i = 1; i < lines.size(); ++i) {
    std::smatch result, report;
    ASSERT_TRUE(std::regex_match(lines[i], result, wellFormed)) << lines[i];
    ASSERT_TRUE(std::regex_match(progress[i - 1], report, reported)) << progress[i - 1];
    EXPECT_EQ(report[1], std::to_string(i));
    EXPECT_EQ(report[2], result[1] == "1" ? "won" : "lost");
    EXPECT_EQ(report[3], result[2]);
  }
}

TEST_F(EndToEndTest, badUsageEndsWithStatusTwoAndOneLineOnStandardError) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--set", "bogus"}, {"--set", "bogus=1"}, {"--set", "fps=fast"}, {"--config", "none.txt"}, {"extra"}}) {
    EXPECT_EQ(runGame(dir.path(), 10, args), 2) << args[0];
    EXPECT_EQ(linesOf(readFile("output.txt")).size(), 1u) << readFile("output.txt");
  }
}

TEST_F(EndToEndTest, withoutAConfigTheGameWaitsOnTheStartScreen) {
  // Still running when the time limit ends it (status 124), no game played.
  EXPECT_EQ(runGame(dir.path(), 3), 124) << readFile("output.txt");
  EXPECT_FALSE(fileExists("data/gamedata.txt"));
}

}  // namespace
