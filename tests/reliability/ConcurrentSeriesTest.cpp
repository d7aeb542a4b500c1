// Several copies of the program playing unattended series at once in one
// folder, all appending to the same results file: every line arrives whole
// and none is lost.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "tests/engine/EngineTestSupport.h"
#include "tests/engine/GameProcess.h"

namespace fs = std::filesystem;

namespace {

constexpr int PROGRAMS = 4;
constexpr int RUNS = 5;
constexpr int SERIES_LIMIT_S = 240;

TEST(ConcurrentSeries, fourProgramsAppendEveryLineWholeToOneResultsFile) {
  ASSERT_TRUE(fs::exists(gameProgram())) << gameProgram();
  TempDir dir;
  fs::create_directory("data");
  copyShippedSprites("data");
  // Short games: the chomper waits for arrow keys that never come.
  writeFile("data/config.txt", "runs " + std::to_string(RUNS) + "\ndata 1\ncontrol 0\nfps 100000\ndata_timeout 0\n");
  writeFile("data/gamedata.txt", "0 1 0 0 1 340\n");  // an earlier series, kept

  std::vector<std::unique_ptr<ChildProcess>> games;
  for (int k = 0; k < PROGRAMS; ++k) {
    games.push_back(startGame(dir.path(), SERIES_LIMIT_S, dir.path() + "/output" + std::to_string(k) + ".txt"));
  }
  for (int k = 0; k < PROGRAMS; ++k) {
    EXPECT_EQ(games[k]->wait(), 0) << readFile("output" + std::to_string(k) + ".txt");
  }

  const std::string text = readFile("data/gamedata.txt");
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.back(), '\n');
  const std::vector<std::string> lines = linesOf(text);
  ASSERT_EQ(lines.size(), 1u + PROGRAMS * RUNS) << text;
  EXPECT_EQ(lines[0], "0 1 0 0 1 340");
  const std::regex wellFormed("[01] 1 1 1 1 [0-9]+");
  for (size_t k = 1; k < lines.size(); ++k) EXPECT_TRUE(std::regex_match(lines[k], wellFormed)) << lines[k];
}

}  // namespace
