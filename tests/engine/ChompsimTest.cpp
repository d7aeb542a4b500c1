// The batch runner and its scripts as a user runs them: rows that do not
// depend on workers or shards, bad usage (its own and the game's), the replay
// of a row in the windowed program, and the chart.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/Process.h"
#include "tests/support/TempDir.h"

namespace {

const std::string SIM = std::string(CHOMP_BINARY_DIR) + "/chompsim";
const std::string GAME = std::string(CHOMP_BINARY_DIR) + "/chompgame";
const std::string SCRIPTS = std::string(CHOMP_SOURCE_DIR) + "/scripts/";

class ChompsimTest : public ::testing::Test {
 protected:
  // Runs a program in the test's folder with the freshly built programs;
  // its exit status, its output (both streams) in `output`.
  int run(std::vector<std::string> args) {
    ChildProcess child({std::move(args),
                        {{"CHOMPSIM", SIM}, {"CHOMPGAME", GAME}, {"SDL_VIDEODRIVER", "offscreen"},
                         {"REPLAY_HOLD", "0"}},
                        dir.path(), dir.path() + "/output.txt", true});
    const int status = child.wait();
    output = readFile("output.txt");
    return status;
  }
  // The rows of a table written by --csv with `args`.
  std::vector<std::string> table(std::vector<std::string> args) {
    args.insert(args.begin(), {SIM, "--games", "6", "--csv", "t.csv"});
    EXPECT_EQ(run(args), 0) << output;
    return linesOf(readFile("t.csv"));
  }

  TempDir dir;
  std::string output;
};

TEST_F(ChompsimTest, rowsDoNotDependOnWorkersOrShardsAndGame5EqualsItsSeedPlayedFirst) {
  const std::vector<std::string> sets = {"--ghosts", "all", "--ghosts", "red,turquoise"};
  const std::vector<std::string> one = table({"--jobs", "1", sets[0], sets[1], sets[2], sets[3]});
  ASSERT_EQ(one.size(), 13u);
  EXPECT_EQ(one[0], "seed,red,green,orange,turquoise,won,unended,score,moves,dots,pills,fruits,ghosts_eaten,"
                    "caught_by,food_left");
  EXPECT_EQ(table({"--jobs", "2", sets[0], sets[1], sets[2], sets[3]}), one);
  // Two shards through GNU parallel, merged.
  ASSERT_EQ(run({SCRIPTS + "experiment", "--shards", "2", "--out", "t.csv", "--games", "6", sets[0], sets[1],
                 sets[2], sets[3]}), 0) << output;
  EXPECT_EQ(linesOf(readFile("t.csv")), one);
  EXPECT_EQ(run({SCRIPTS + "chart", "t.csv", "t.png"}), 0) << output;
  EXPECT_EQ(readFile("t.png").substr(0, 8), "\x89PNG\r\n\x1a\n");
  const std::vector<std::string> fifth = table({"--seed", "5", "--games", "1", sets[0], sets[1]});
  ASSERT_EQ(fifth.size(), 2u);
  EXPECT_EQ(fifth[1], one[5]);
}

TEST_F(ChompsimTest, badUsageIsOneLineAndStatus2BeforeAnyGame) {
  const std::vector<std::vector<std::string>> cases = {
      {"--bogus"}, {"--games", "0"}, {"--games", "-3"}, {"--set", "fps"}, {"--set", "fps=x"},
      {"--set", "nokey=1"}, {"--ghosts", "red,blue"}, {"--shard", "3/2"}, {"--config", "missing.txt"},
      {"--config", "/dev/null"}, {"--results", "no/such/folder/r.txt"}, {"--summarize", "missing.csv"}, {"--summarize", "output.txt"},
  };
  for (std::vector<std::string> args : cases) {
    args.insert(args.begin(), {SIM, "--csv", "rows.csv"});
    EXPECT_EQ(run(args), 2) << args[3];
    EXPECT_EQ(linesOf(output).size(), 1u) << output;
    EXPECT_FALSE(std::filesystem::exists("rows.csv")) << args[3];
  }
  EXPECT_EQ(run({SIM, "--csv", "no/such/folder/rows.csv"}), 2) << output;
  // The game program's own command line.
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--set", "bogus"}, {"--set", "bogus=1"}, {"--set", "fps=fast"}, {"--config", "none.txt"}, {"extra"}}) {
    std::vector<std::string> command = {GAME};
    command.insert(command.end(), args.begin(), args.end());
    EXPECT_EQ(run(command), 2) << args[0];
    EXPECT_EQ(linesOf(output).size(), 1u) << output;
  }
}

// The windowed program, offscreen, plays the row's game: the same results line.
TEST_F(ChompsimTest, theReplayOfARowWritesItsResultsLine) {
  const std::vector<std::string> rows = table({"--seed", "3", "--games", "1", "--ghosts", "red,turquoise",
                                               "--set", "fps=1000"});
  ASSERT_EQ(rows.size(), 2u);
  ASSERT_EQ(run({SCRIPTS + "replay", "3", "--set", "fps=1000", "--ghosts", "red,turquoise"}), 0) << output;
  // The row's won flag, ghosts in the results file's order and score.
  std::vector<std::string> f;
  for (size_t start = 0, end; start <= rows[1].size(); start = end + 1) {
    end = std::min(rows[1].find(',', start), rows[1].size());
    f.push_back(rows[1].substr(start, end - start));
  }
  const std::string line = f[5] + " " + f[1] + " " + f[3] + " " + f[2] + " " + f[4] + " " + f[7];
  EXPECT_EQ(linesOf(output).back(), line) << output;
}

}  // namespace
