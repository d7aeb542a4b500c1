// The batch runner and its scripts as a user runs them: rows that do not
// depend on workers or shards, bad usage (its own and the game's), the replay
// of a row in the windowed program, and the chart.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "actors/Ghost.h"
#include "game/HeadlessGame.h"
#include "game/SettingsReader.h"
#include "maze/GameState.h"
#include "tests/support/Process.h"
#include "tests/support/TempDir.h"

namespace {

const std::string SIM = std::string(CHOMP_BINARY_DIR) + "/chompsim";
const std::string GAME = std::string(CHOMP_BINARY_DIR) + "/chompgame";
const std::string OUTLINE = std::string(CHOMP_BINARY_DIR) + "/mazeoutline";
const std::string SCRIPTS = std::string(CHOMP_SOURCE_DIR) + "/scripts/";

class ChompsimTest : public ::testing::Test {
 protected:
  // Runs a program in the test's folder with the freshly built programs;
  // its exit status, its output (both streams) in `output`.
  int run(std::vector<std::string> args) {
    ChildProcess child({std::move(args),
                        {{"CHOMPSIM", SIM}, {"CHOMPGAME", GAME}, {"MAZEOUTLINE", OUTLINE}, {"SDL_VIDEODRIVER", "offscreen"},
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

// The fields of a row.
std::vector<std::string> fieldsOf(const std::string& row) {
  std::vector<std::string> f(1);
  for (char c : row) {
    if (c == ',') f.emplace_back();
    else f.back() += c;
  }
  return f;
}

TEST_F(ChompsimTest, rowsDoNotDependOnWorkersOrShardsAndGame5EqualsItsSeedPlayedFirst) {
  const std::vector<std::string> sets = {"--ghosts", "all", "--ghosts", "red,turquoise"};
  const std::vector<std::string> one = table({"--jobs", "1", sets[0], sets[1], sets[2], sets[3]});
  ASSERT_EQ(one.size(), 13u);
  EXPECT_EQ(one[0], "seed,red,green,orange,turquoise,won,unended,score,moves,dots,pills,fruits,ghosts_eaten,"
                    "caught_by,food_left,settings,player,caught_col,caught_row");
  EXPECT_EQ(table({"--jobs", "2", sets[0], sets[1], sets[2], sets[3]}), one);
  // Games of other settings are summarised apart, each line naming its settings.
  std::filesystem::rename("t.csv", "one.csv");
  table({"--set", "fps=30", sets[0], sets[1]});
  ASSERT_EQ(run({SIM, "--summarize", "one.csv", "t.csv"}), 0) << output;
  const std::vector<std::string> summary = linesOf(output);
  ASSERT_EQ(summary.size(), 5u) << output;  // the note on standard error, the header, three sets
  EXPECT_NE(summary[0].find("2 different settings"), std::string::npos) << output;
  EXPECT_NE(summary[2].find(fieldsOf(one[1]).back()), std::string::npos) << output;
  EXPECT_EQ(summary[4].substr(0, 4), "all ") << output;
  EXPECT_NE(summary[4].find(fieldsOf(linesOf(readFile("t.csv"))[1]).back()), std::string::npos) << output;
  // Two shards through GNU parallel, merged.
  ASSERT_EQ(run({SCRIPTS + "experiment", "--shards", "2", "--out", "t.csv", "--games", "6", sets[0], sets[1],
                 sets[2], sets[3]}), 0) << output;
  EXPECT_EQ(linesOf(readFile("t.csv")), one);
  // Names reach gnuplot as data: quotes, code and a leading dash draw and run nothing.
  for (const std::string name : {"bob's runs", "-a'; system('touch pwned'); b='"}) {
    std::filesystem::copy_file("t.csv", name + ".csv");
    EXPECT_EQ(run({SCRIPTS + "chart", name + ".csv"}), 0) << output;
    EXPECT_EQ(readFile(name + ".png").substr(0, 8), "\x89PNG\r\n\x1a\n") << name;
  }
  EXPECT_FALSE(std::filesystem::exists("pwned"));
  // A picture the disk cannot hold is a failure and leaves nothing behind.
  EXPECT_NE(run({"bash", "-c", "ulimit -f 8; exec \"$0\" \"$@\"", SCRIPTS + "chart", "t.csv", "t.png"}), 0);
  EXPECT_FALSE(std::filesystem::exists("t.png"));
  const std::vector<std::string> fifth = table({"--seed", "5", "--games", "1", sets[0], sets[1]});
  ASSERT_EQ(fifth.size(), 2u);
  EXPECT_EQ(fifth[1], one[5]);
}

// Shard K/N plays the games i with i mod N = K - 1; every column of a row is
// the game's own outcome, played here with the same settings.
TEST_F(ChompsimTest, eachShardPlaysItsOwnSeedsAndEachColumnHoldsTheGamesOutcome) {
  const std::vector<std::vector<std::string>> seedsOfShard = {{"12"}, {"10", "13"}, {"11", "14"}};
  std::vector<std::vector<std::string>> rows;
  for (int k = 3; k >= 1; --k) {  // shard 1/3 last: its one row is checked below
    rows.clear();
    for (const std::string& row : table({"--seed", "10", "--games", "5", "--shard", std::to_string(k) + "/3",
                                         "--ghosts", "all", "--set", "n_moves_blue_ghosts=500"})) {
      rows.push_back(fieldsOf(row));
    }
    ASSERT_EQ(rows.size(), seedsOfShard[k - 1].size() + 1) << k;
    for (size_t i = 1; i < rows.size(); ++i) EXPECT_EQ(rows[i][0], seedsOfShard[k - 1][i - 1]) << k;
  }
  resetGameState();
  HeadlessGame game;
  ASSERT_TRUE(game.configure({{"", {{"n_moves_blue_ghosts", 500}}}, 200000}));
  const GameOutcome o = game.play(12);
  const char* const caught[] = {"", "red", "green", "orange", "turquoise"};
  const std::vector<std::string> want = {
      "12", "1", "1", "1", "1", std::to_string(o.won), std::to_string(o.unended), std::to_string(o.score),
      std::to_string(o.moves), std::to_string(o.dots), std::to_string(o.pills), std::to_string(o.fruits),
      std::to_string(o.ghosts), caught[o.caughtBy], std::to_string(o.foodLeft),
      SettingsReader::rulesDigest(gameSettings), "default", std::to_string(o.caughtCol), std::to_string(o.caughtRow)};
  EXPECT_EQ(rows[1], want);
  // The cell of the catch is the chomper's, where the catching ghost is.
  const CellPos catcher = ghostsInPlayOrder()[o.caughtBy - 1]->cellPosition();
  EXPECT_LE(std::abs(catcher.getCol() - o.caughtCol) + std::abs(catcher.getRow() - o.caughtRow), 1);
  // A game in which the columns differ, so that two swapped columns show.
  EXPECT_TRUE(o.caughtBy != NO_GHOST && o.ghosts == 1 && o.dots > o.pills && o.pills == 1 && o.fruits == 0);
  resetGameState();
}

// Variants of the player play the same seeds, each row naming its variant;
// --compare pairs them, and refuses to pair games played under other settings.
TEST_F(ChompsimTest, aSweepPlaysEveryVariantOnTheSameSeedsAndCompareRefusesOtherSettings) {
  const std::vector<std::string> swept = table({"--ghosts", "all", "--ghosts", "none", "--player", "localRadius=4,6"});
  ASSERT_EQ(swept.size(), 25u);
  std::filesystem::rename("t.csv", "swept.csv");
  const std::vector<std::string> plain = table({"--ghosts", "all", "--ghosts", "none"});
  EXPECT_EQ(std::vector<std::string>(swept.begin(), swept.begin() + 13), plain) << "the default player is the player";
  table({"--ghosts", "all"});
  std::filesystem::rename("t.csv", "plain.csv");
  for (std::size_t i = 1; i < 25; ++i) {
    const std::vector<std::string> f = fieldsOf(swept[i]);
    EXPECT_EQ(f[0], std::to_string((i - 1) % 6 + 1));
    EXPECT_EQ(f[1], (i - 1) % 12 < 6 ? "1" : "0") << "ghost set";
    EXPECT_EQ(f[16], i <= 12 ? "default" : "localRadius=6");
  }
  // Shards merged keep the variants apart, byte for byte one run's table.
  ASSERT_EQ(run({SCRIPTS + "experiment", "--shards", "2", "--out", "merged.csv", "--games", "6", "--ghosts", "all",
                 "--ghosts", "none", "--player", "localRadius=4,6"}), 0) << output;
  EXPECT_EQ(readFile("merged.csv"), readFile("swept.csv"));
  EXPECT_EQ(run({SIM, "--compare", "swept.csv"}), 0) << output;
  EXPECT_NE(output.find("all, 6 paired games: localRadius=6 "), std::string::npos) << output;
  // Two tables of one variant each, played under other rules.
  table({"--ghosts", "all", "--set", "n_moves_blue_ghosts=500"});
  std::filesystem::rename("t.csv", "blue.csv");
  std::filesystem::rename("plain.csv", "t.csv");
  EXPECT_EQ(run({SIM, "--compare", "t.csv", "blue.csv"}), 2);
  EXPECT_NE(output.find("played under other settings"), std::string::npos) << output;
  EXPECT_EQ(run({SIM, "--compare", "t.csv", "blue.csv", "--settings-differ"}), 0) << output;
  EXPECT_NE(output.find("blue.csv"), std::string::npos) << output;
  // A table of several variants is compared within itself; one of a single variant has nothing to compare.
  EXPECT_EQ(run({SIM, "--compare", "swept.csv", "blue.csv"}), 2) << output;
  EXPECT_EQ(run({SIM, "--compare", "blue.csv"}), 2) << output;
  EXPECT_EQ(run({SIM, "--compare", "swept.csv", "--baseline", "localRadius=5"}), 2) << output;
  // The pictures of a sweep, of its comparison and of where its games were lost.
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"swept.csv", "a.png"}, {"--compare", "swept.csv", "b.png"}, {"--catches", "swept.csv", "c.png"}}) {
    std::vector<std::string> command = {SCRIPTS + "chart"};
    command.insert(command.end(), args.begin(), args.end());
    EXPECT_EQ(run(command), 0) << output;
    EXPECT_EQ(readFile(args.back()).substr(0, 8), "\x89PNG\r\n\x1a\n") << args[0];
  }
  EXPECT_EQ(run({SCRIPTS + "chart", "--compare", "t.csv", "blue.csv", "d.png"}), 2) << "other settings";
  EXPECT_FALSE(std::filesystem::exists("d.png"));
}

// The parent reads the configuration once, before any worker: its message
// comes once per run, whatever the workers and sets, quoting at most 40
// characters of a word.
TEST_F(ChompsimTest, theConfigurationIsReadOncePerRunAndItsMessagesQuoteShortWords) {
  writeFile(dir.path() + "/c.txt", "red_ghost 0\n" + std::string(10000, 'k') + " oops\n");
  ASSERT_EQ(run({SIM, "--config", "c.txt", "--jobs", "2", "--ghosts", "all", "--ghosts", "none", "--games", "4"}), 0)
      << output;
  const std::string message = "c.txt line 2: reading stopped at \"oops\", the value of \"" + std::string(40, 'k') +
                              "...\", which";
  EXPECT_NE(output.find(message), std::string::npos) << output.substr(0, 300);
  EXPECT_EQ(output.find("reading stopped"), output.rfind("reading stopped")) << output.substr(0, 600);
}

TEST_F(ChompsimTest, badUsageIsOneLineAndStatus2BeforeAnyGame) {
  const std::vector<std::vector<std::string>> cases = {
      {"--bogus"}, {"--games", "0"}, {"--games", "-3"}, {"--set", "fps"}, {"--set", "fps=x"},
      {"--set", "nokey=1"}, {"--ghosts", "red,blue"}, {"--shard", "3/2"}, {"--config", "missing.txt"},
      {"--config", "/dev/null"}, {"--results", "no/such/folder/r.txt"}, {"--results", ""}, {"--results", "fifo"},
      {"--results", "/dev/null"}, {"--results", "./rows.csv"}, {"--config", "c.txt", "--results", "c.txt"},
      {"--games", "2000000000", "--ghosts", "all", "--ghosts", "none"}, {"--config", "c.txt", "--no-config"},
      {"--player", "bogus=1"}, {"--player", "localRadius=0"}, {"--player", "localRadius=3,localRadius=5"},
      {"--baseline", "default"},
  };
  ASSERT_EQ(mkfifo("fifo", 0644), 0);
  writeFile("c.txt", "fps 60\n");
  for (std::vector<std::string> args : cases) {
    args.insert(args.begin(), {SIM, "--csv", "rows.csv"});
    EXPECT_EQ(run(args), 2) << args[3];
    EXPECT_EQ(linesOf(output).size(), 1u) << output;
    EXPECT_FALSE(std::filesystem::exists("rows.csv")) << args[3];
  }
  EXPECT_EQ(run({SIM, "--csv", "no/such/folder/rows.csv"}), 2) << output;
  // A second run on a table being written is refused (flock holds the lock as that run would).
  writeFile("rows.csv", "kept");
  EXPECT_EQ(run({"flock", "rows.csv", SIM, "--csv", "rows.csv"}), 2) << output;
  EXPECT_EQ(readFile("rows.csv"), "kept");
  // Tables that are not whole or honest, each named with file:line.
  ASSERT_EQ(run({SIM, "--games", "3", "--csv", "t.csv"}), 0) << output;
  const std::string table = readFile("t.csv");
  writeFile("cut.csv", table.substr(0, table.size() - 1));
  // The files, then where the fault is said to be; t.csv twice repeats its games.
  const std::vector<std::vector<std::string>> tables = {
      {"missing.csv", "missing.csv"}, {"output.txt", "output.txt"}, {"cut.csv", "cut.csv:4:"},
      {"t.csv", "t.csv", "t.csv:2:"}, {"/dev/zero", "/dev/zero:1:"}};
  for (std::vector<std::string> args : tables) {
    const std::string where = args.back();
    args.back() = SIM;
    std::rotate(args.rbegin(), args.rbegin() + 1, args.rend());
    args.insert(args.begin() + 1, "--summarize");
    EXPECT_EQ(run(args), 2) << where;
    EXPECT_EQ(linesOf(output).size(), 1u) << output;
    EXPECT_NE(output.find(where), std::string::npos) << output;
  }
  // The game program's own command line.
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--set", "bogus"}, {"--set", "bogus=1"}, {"--set", "fps=fast"}, {"--config", "none.txt"}, {"extra"},
           {"--player", "localRadius=3,5"}}) {
    std::vector<std::string> command = {GAME};
    command.insert(command.end(), args.begin(), args.end());
    EXPECT_EQ(run(command), 2) << args[0];
    EXPECT_EQ(linesOf(output).size(), 1u) << output;
  }
}

// Full disks (a file-size limit) and outputs that fail: status 1, said, and
// what was written is whole.
TEST_F(ChompsimTest, aFailedWriteIsAFailureAndLeavesOnlyWholeLines) {
  // The limit is the program's only: its messages pass through cat.
  const auto limited = [](const std::string& blocks) {
    return "(ulimit -f " + blocks + "; exec \"$0\" \"$@\") 2>&1 | cat; exit ${PIPESTATUS[0]}";
  };
  EXPECT_EQ(run({"bash", "-c", limited("2"), SIM, "--games", "200", "--jobs", "2", "--csv", "t.csv", "--results",
                 "r.txt"}), 1);
  EXPECT_NE(output.find("results line lost: r.txt"), std::string::npos) << output;
  EXPECT_NE(output.find("writing t.csv failed"), std::string::npos) << output;
  for (const std::string file : {"t.csv", "r.txt"}) {
    EXPECT_EQ(readFile(file).back(), '\n') << file;
    EXPECT_LT(linesOf(readFile(file)).size(), 200u) << file;
  }
  EXPECT_EQ(run({SIM, "--summarize", "t.csv"}), 0) << output;
  EXPECT_EQ(run({"bash", "-c", "exec \"$0\" \"$@\" > /dev/full", SIM, "--summarize", "t.csv"}), 1);
  EXPECT_EQ(run({"bash", "-c", "exec \"$0\" \"$@\" > /dev/full", SIM, "--games", "1"}), 1);
  // An unended game has no results line to write.
  EXPECT_EQ(run({SIM, "--games", "2", "--max-moves", "5", "--results", "u.txt"}), 0) << output;
  EXPECT_EQ(readFile("u.txt"), "");
  // The replay on a disk that takes no record fails at once, not after its pause.
  EXPECT_EQ(run({"bash", "-c", limited("0"), SCRIPTS + "replay", "3", "--set", "fps=1000"}), 1);
  EXPECT_NE(output.find("record lost"), std::string::npos) << output;
}

// The windowed program, offscreen, plays the row's game: the same results line.
TEST_F(ChompsimTest, theReplayOfARowWritesItsResultsLine) {
  const std::vector<std::string> rows = table({"--seed", "3", "--games", "1", "--ghosts", "red,turquoise",
                                               "--set", "fps=1000"});
  ASSERT_EQ(rows.size(), 2u);
  ASSERT_EQ(run({SCRIPTS + "replay", "3", "--set", "fps=1000", "--ghosts", "red,turquoise"}), 0) << output;
  // The row's won flag, ghosts in the results file's order and score.
  const std::vector<std::string> f = fieldsOf(rows[1]);
  const std::string line = f[5] + " " + f[1] + " " + f[3] + " " + f[2] + " " + f[4] + " " + f[7];
  EXPECT_EQ(linesOf(output).back(), line) << output;
}

// A row's record, watched in the windows at the record's own pace, ten times
// as fast and from the middle, is the row's game every time; an edited
// record is refused before anything is shown.
TEST_F(ChompsimTest, aRowsRecordWatchedAtAnyPaceIsTheRowsGameAndAnEditedOneIsRefused) {
  const std::vector<std::string> rows = table({"--seed", "3", "--games", "2", "--set", "fps=1000", "--record", "3",
                                               "--record-dir", "kept"});
  ASSERT_EQ(rows.size(), 3u);
  ASSERT_EQ(linesOf(run({"ls", "kept"}) == 0 ? output : ""), std::vector<std::string>{"all-seed3.rec"});
  const std::vector<std::string> f = fieldsOf(rows[1]);
  const std::string line = f[5] + " " + f[1] + " " + f[3] + " " + f[2] + " " + f[4] + " " + f[7];
  for (const std::vector<std::string>& pace : {std::vector<std::string>{"--speed", "1"}, {"--speed", "10"},
                                             {"--from", "2000", "--speed", "10"}}) {
    std::vector<std::string> args = {GAME, "--watch", "kept/all-seed3.rec", "--hold", "0"};
    args.insert(args.end(), pace.begin(), pace.end());
    ASSERT_EQ(run(args), 0) << output;
    EXPECT_EQ(linesOf(output).back(), line) << pace[1];
  }
  std::string record = readFile("kept/all-seed3.rec");
  const std::size_t tenth = record.find(" L ", record.find("\ndecisions ") + 200);
  record[tenth + 1] = 'R';
  writeFile("edited.rec", record);
  EXPECT_EQ(run({GAME, "--watch", "edited.rec"}), 1);
  EXPECT_NE(output.find("refused: the game departs from its record at decision"), std::string::npos) << output;
}

// The film of a lost game's last two seconds: the frames of those moves at
// five moves a frame and the final picture's two seconds, both windows side
// by side; its last frame shows the lose screen. Without ffmpeg, one line.
TEST_F(ChompsimTest, theFilmOfARecordHasAFrameForEveryFiveMovesAndEndsOnTheLoseScreen) {
  if (!installed("ffmpeg") || !installed("ffprobe")) GTEST_SKIP() << "ffmpeg is not installed";
  table({"--seed", "2", "--games", "1", "--set", "fps=1000", "--record", "all", "--record-dir", "kept"});
  std::filesystem::create_directory("data");
  copyShippedSprites("data");
  ASSERT_EQ(run({GAME, "--watch", "kept/all-seed2.rec", "--video", "last.mp4", "--last", "2", "--speed", "0.15"}), 0)
      << output;
  ASSERT_EQ(run({"ffprobe", "-v", "error", "-count_frames", "-show_entries", "stream=width,height,nb_read_frames",
                 "-of", "csv=p=0", "last.mp4"}), 0) << output;
  EXPECT_EQ(output, "760,460,460\n");
  ASSERT_EQ(run({"bash", "-c", "ffmpeg -v error -sseof -0.1 -i last.mp4 -frames:v 1 -f rawvideo -pix_fmt rgb24 - > last.rgb"}), 0);
  const std::string rgb = readFile("last.rgb");
  ASSERT_EQ(rgb.size(), 760u * 460 * 3);
  // The lose screen's red frame, 300 x 80 with its bottom edge at y 80: rows 280 to 359 from the top.
  int red = 0;
  for (int row = 280; row < 360; ++row) {
    for (int x = 40; x < 340; ++x) {
      const unsigned char* p = reinterpret_cast<const unsigned char*>(&rgb[(row * 760 + x) * 3]);
      red += p[0] > 180 && p[1] < 80 && p[2] < 80;
    }
  }
  EXPECT_GT(red, 1000);
  EXPECT_EQ(run({"env", "PATH=/nowhere", GAME, "--watch", "kept/all-seed2.rec", "--video", "v.gif"}), 1);
  EXPECT_EQ(linesOf(output), std::vector<std::string>{"chompgame: making a video needs ffmpeg, which is not installed "
                                                      "here: install Debian's package ffmpeg (scripts/deps does)"});
}

}  // namespace
