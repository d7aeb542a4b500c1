// The real program fed the files users make by hand: no data folder, broken
// sprites, a config of random bytes or of enormous numbers, a results file
// that cannot be opened. None of it may crash or stall a series.

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "tests/engine/EngineTestSupport.h"
#include "tests/engine/GameProcess.h"

namespace fs = std::filesystem;

namespace {

// Two quick unattended games with results: no pause, no frame period, and
// the chomper left to the arrow keys, which nobody presses, so the ghosts
// soon catch it where it stands.
const std::string QUICK_SERIES = "runs 2\ndata 1\ncontrol 0\nfps 100000\ndata_timeout 0\n";
// Generous: a game takes seconds even under the sanitizers.
constexpr int SERIES_LIMIT_S = 240;
// Long enough to get through start-up and draw the first frames.
constexpr int FIRST_FRAMES_S = 3;
constexpr int STILL_RUNNING = 124;  // the status `timeout` gives a program it had to end

std::string randomBytes(size_t count, unsigned seed) {
  std::mt19937 generator(seed);
  std::string bytes(count, '\0');
  for (char& byte : bytes) byte = static_cast<char>(generator() & 0xFF);
  return bytes;
}

// The names of the shipped sprites, which the game loads from data/.
std::vector<std::string> spriteNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(std::string(CHOMP_SOURCE_DIR) + "/data")) {
    if (entry.path().extension() == ".tga") names.push_back(entry.path().filename().string());
  }
  return names;
}

class BadDataTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(fs::exists(gameProgram())) << gameProgram(); }

  int runGame(int limitSeconds) { return ::runGame(dir.path(), limitSeconds); }
  std::string output() { return readFile("output.txt"); }

  // The series ended by itself and left one well-formed line per game.
  void expectSeriesOf(size_t games) {
    EXPECT_EQ(runGame(SERIES_LIMIT_S), 0) << output();
    const std::vector<std::string> lines = linesOf(readFile("data/gamedata.txt"));
    EXPECT_EQ(lines.size(), games);
    const std::regex wellFormed("[01] [01] [01] [01] [01] [0-9]+");
    for (const std::string& line : lines) EXPECT_TRUE(std::regex_match(line, wellFormed)) << line;
  }

  TempDir dir;
};

TEST_F(BadDataTest, withoutADataFolderTheGameWaitsOnItsStartScreenAndSaysSoOnce) {
  // Defaults everywhere: interactive mode, nothing drawn but the maze.
  EXPECT_EQ(runGame(FIRST_FRAMES_S), STILL_RUNNING) << output();
  EXPECT_FALSE(fileExists("data"));
  EXPECT_EQ(output(), "Chomp: no data/ folder in " + dir.path() +
                          ", so no settings and no pictures; run the game from the folder that holds "
                          "data/ (scripts/play does)\n"
                          "Waiting for the start key, but there is no display to type it on; "
                          "set \"runs\" in data//config.txt for unattended games\n");
}

TEST_F(BadDataTest, aConfigWithoutSpritesPlaysTheSeriesWithInvisibleItems) {
  fs::create_directory("data");
  writeFile("data/config.txt", QUICK_SERIES);
  expectSeriesOf(2);
}

struct BrokenSprite {
  const char* kind;
  std::string (*contents)(const std::string& original);
};

class BrokenSprites : public BadDataTest, public ::testing::WithParamInterface<BrokenSprite> {};

TEST_P(BrokenSprites, inPlaceOfEverySpriteLeaveTheSeriesPlaying) {
  fs::create_directory("data");
  writeFile("data/config.txt", QUICK_SERIES);
  for (const std::string& name : spriteNames()) {
    const std::string original = readFile(std::string(CHOMP_SOURCE_DIR) + "/data/" + name);
    writeFile("data/" + name, GetParam().contents(original));
  }
  expectSeriesOf(2);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, BrokenSprites,
    ::testing::Values(
        BrokenSprite{"truncated", [](const std::string& s) { return s.substr(0, s.size() / 2); }},
        BrokenSprite{"zeroLength", [](const std::string&) { return std::string(); }},
        BrokenSprite{"garbage", [](const std::string& s) { return randomBytes(s.size(), 7); }}),
    [](const ::testing::TestParamInfo<BrokenSprite>& info) { return std::string(info.param.kind); });

TEST_F(BadDataTest, withoutAnyFontTheSeriesPlaysOnAfterOneWarning) {
  fs::create_directory("data");
  copyShippedSprites("data");
  writeFile("data/config.txt", QUICK_SERIES);
  writeFile("fonts.conf", "<fontconfig></fontconfig>\n");
  setenv("FONTCONFIG_FILE", (dir.path() + "/fonts.conf").c_str(), 1);  // the game inherits it
  expectSeriesOf(2);
  EXPECT_EQ(output().rfind("No font could be opened (fontconfig finds no \"monospace\" font): text is not shown\n"
                           "game 1 of 2: ", 0), 0u) << output();
}

TEST_F(BadDataTest, aConfigOfRandomBytesLeavesTheDefaults) {
  fs::create_directory("data");
  copyShippedSprites("data");
  writeFile("data/config.txt", randomBytes(4096, 11));
  // The defaults mean interactive mode: waiting for the start key.
  EXPECT_EQ(runGame(FIRST_FRAMES_S), STILL_RUNNING) << output();
  EXPECT_FALSE(fileExists("data/gamedata.txt"));
}

TEST_F(BadDataTest, randomBytesAfterASeriesConfigDoNotStopTheSeries) {
  fs::create_directory("data");
  copyShippedSprites("data");
  writeFile("data/config.txt", QUICK_SERIES + randomBytes(4096, 13));
  expectSeriesOf(2);
}

TEST_F(BadDataTest, settingsAtTheIntMaximumAreClampedAndTheSeriesEnds) {
  // (The ghosts' own slow-down factors are left out only to keep the games
  // short: at 5 the ghosts take five times as long to arrive.)
  fs::create_directory("data");
  copyShippedSprites("data");
  std::string config = "runs 2\ndata 1\ncontrol 0\ndata_timeout 0\n";
  for (const char* key : {"fps", "n_moves_blue_ghosts", "n_moves_ghost_appears", "length_attack_mode",
                          "length_scatter_mode", "powerpill_slowdown_factor", "ghost_value", "powerpill_value",
                          "dot_value", "n_moves_fruit_appears", "fruit_value"}) {
    config += std::string(key) + " 2147483647\n";
  }
  writeFile("data/config.txt", config);
  expectSeriesOf(2);
}

TEST_F(BadDataTest, aRunCountBeyondTheIntRangeEndsReadingAndLeavesInteractiveMode) {
  fs::create_directory("data");
  copyShippedSprites("data");
  writeFile("data/config.txt", "runs 99999999999\ndata 1\nfps 2147483647\n");
  EXPECT_EQ(runGame(FIRST_FRAMES_S), STILL_RUNNING) << output();
  EXPECT_FALSE(fileExists("data/gamedata.txt"));
}

TEST_F(BadDataTest, theLongestPauseAfterAGameIsHeldNotWrappedAround) {
  // 2147483647 seconds is held at 2147483647 ms (24 days): after its first
  // game the program records the line and pauses, rather than rushing on.
  fs::create_directory("data");
  copyShippedSprites("data");
  writeFile("data/config.txt", "runs 2\ndata 1\ncontrol 0\nfps 2147483647\ndata_timeout 2147483647\n");
  std::unique_ptr<ChildProcess> game = startGame(dir.path(), SERIES_LIMIT_S, dir.path() + "/output.txt");
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(SERIES_LIMIT_S);
  while (linesOf(readFile("data/gamedata.txt")).empty() && game->running() &&
         std::chrono::steady_clock::now() < deadline) {
    usleep(50 * 1000);  // polling for the first line, not waiting for time to pass
  }
  ASSERT_EQ(linesOf(readFile("data/gamedata.txt")).size(), 1u) << output();
  EXPECT_TRUE(game->running()) << output();
  game->stop();
  EXPECT_EQ(linesOf(readFile("data/gamedata.txt")).size(), 1u);
}

TEST_F(BadDataTest, aResultsFileThatCannotBeWrittenIsReportedPerGameAndFailsTheSeries) {
  // A folder in place of the file: opening it for appending fails even for
  // the superuser.
  fs::create_directories("data/gamedata.txt");
  copyShippedSprites("data");
  writeFile("data/config.txt", QUICK_SERIES);
  EXPECT_EQ(runGame(SERIES_LIMIT_S), 1) << output();
  EXPECT_TRUE(fs::is_empty("data/gamedata.txt"));
  // Each lost line said on standard error; besides, only the progress lines.
  int lost = 0;
  for (const std::string& line : linesOf(output())) {
    if (line == "Results line lost: data//gamedata.txt: Is a directory") {
      ++lost;
    } else {
      EXPECT_EQ(line.rfind("game ", 0), 0u) << line;
    }
  }
  EXPECT_EQ(lost, 2);
}

}  // namespace
