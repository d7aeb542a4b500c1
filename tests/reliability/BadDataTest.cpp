// The real program fed what users leave by hand: no data folder, no font,
// a results file that cannot be written. Each is said once, plainly.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>

#include "tests/support/Process.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

// Two quick unattended games with results: the chomper left to the arrow
// keys, which nobody presses, so the ghosts soon catch it where it stands.
const std::string QUICK_SERIES = "runs 2\ndata 1\ncontrol 0\nfps 100000\ndata_timeout 0\n";

class BadDataTest : public ::testing::Test {
 protected:
  // The exit status; 124 when the time limit had to end the program.
  int runGame(int limitSeconds) { return startGame(dir.path(), limitSeconds, "output.txt")->wait(); }
  std::string output() { return readFile("output.txt"); }

  TempDir dir;
};

TEST_F(BadDataTest, withoutADataFolderTheGameWaitsOnItsStartScreenAndSaysSoOnce) {
  EXPECT_EQ(runGame(3), 124) << output();
  EXPECT_FALSE(fs::exists("data"));
  EXPECT_EQ(output(), "Chomp: no data/ folder in " + dir.path() +
                          ", so no settings and no pictures; run the game from the folder that holds "
                          "data/ (scripts/play does)\n"
                          "Waiting for the start key, but there is no display to type it on; "
                          "set \"runs\" in data//config.txt for unattended games\n");
}

TEST_F(BadDataTest, withoutAnyFontTheSeriesPlaysOnAfterOneWarning) {
  fs::create_directory("data");
  copyShippedSprites("data");
  writeFile("data/config.txt", QUICK_SERIES);
  writeFile("fonts.conf", "<fontconfig></fontconfig>\n");
  setenv("FONTCONFIG_FILE", (dir.path() + "/fonts.conf").c_str(), 1);  // the game inherits it
  EXPECT_EQ(runGame(240), 0) << output();
  unsetenv("FONTCONFIG_FILE");
  const std::vector<std::string> lines = linesOf(readFile("data/gamedata.txt"));
  EXPECT_EQ(lines.size(), 2u);
  for (const std::string& line : lines) EXPECT_TRUE(std::regex_match(line, std::regex("[01] 1 1 1 1 [0-9]+"))) << line;
  EXPECT_EQ(output().rfind("No font could be opened (fontconfig finds no \"monospace\" font): text is not shown\n"
                           "game 1 of 2: ", 0), 0u) << output();
}

TEST_F(BadDataTest, aResultsFileThatCannotBeWrittenIsReportedPerGameAndFailsTheSeries) {
  // A folder in place of the file: opening it for appending fails even for the superuser.
  fs::create_directories("data/gamedata.txt");
  copyShippedSprites("data");
  writeFile("data/config.txt", QUICK_SERIES);
  EXPECT_EQ(runGame(240), 1) << output();
  EXPECT_TRUE(fs::is_empty("data/gamedata.txt"));
  // Each lost line said on standard error; besides, only the progress lines.
  int lost = 0;
  for (const std::string& line : linesOf(output())) {
    if (line == "Results line lost: data//gamedata.txt: Is a directory") ++lost;
    else EXPECT_EQ(line.rfind("game ", 0), 0u) << line;
  }
  EXPECT_EQ(lost, 2);
}

}  // namespace
