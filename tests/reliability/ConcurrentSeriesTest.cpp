// Four copies of the program playing unattended series at once in one
// folder, all appending to the same results file: every line arrives whole.

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>

#include "tests/support/Process.h"
#include "tests/support/TempDir.h"

TEST(ConcurrentSeries, fourProgramsAppendEveryLineWholeToOneResultsFile) {
  TempDir dir;
  std::filesystem::create_directory("data");
  copyShippedSprites("data");
  // Short games: the chomper waits for arrow keys that never come.
  writeFile("data/config.txt", "runs 5\ndata 1\ncontrol 0\nfps 100000\ndata_timeout 0\n");
  writeFile("data/gamedata.txt", "0 1 0 0 1 340\n");  // an earlier series, kept
  std::vector<std::unique_ptr<ChildProcess>> games;
  for (int k = 0; k < 4; ++k) games.push_back(startGame(dir.path(), 240, "output" + std::to_string(k)));
  for (int k = 0; k < 4; ++k) EXPECT_EQ(games[k]->wait(), 0) << readFile("output" + std::to_string(k));
  std::istringstream text(readFile("data/gamedata.txt"));
  std::string line;
  std::getline(text, line);
  EXPECT_EQ(line, "0 1 0 0 1 340");
  int lines = 0;
  for (; std::getline(text, line) && !text.eof(); ++lines) {
    EXPECT_TRUE(std::regex_match(line, std::regex("[01] 1 1 1 1 [0-9]+"))) << line;
  }
  EXPECT_EQ(lines, 20);
  EXPECT_TRUE(text.eof() && line.empty()) << "the last line ends with a line break: " << line;
}
