// The configuration file: defaults, limits and the parsing rules.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>
#include <filesystem>
#include <string>
#include <vector>

#include "game/GameEngine.h"
#include "maze/GameState.h"
#include "tests/engine/EngineTestSupport.h"

namespace {

class ConfigTest : public ::testing::Test {
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

// Every destination of a setting, for comparing whole configurations.
std::vector<int> settingsOf(const GameEngine& e) {
  return {e.runsLeft,        e.dataTimeoutMs,      e.recordResults,      e.keyboardControl,   nMovesBlueGhosts,
          nMovesGhostAppears, e.redEnabled,        e.greenEnabled,       e.orangeEnabled,     e.turquoiseEnabled,
          lengthAttackMode,  lengthScatterMode,    powerpillSlowdownFactor, ghostValue,       powerpillValue,
          dotValue,          e.nMovesFruitAppears, fruitValue,           e.fps,               e.redSlowdown,
          e.greenSlowdown,   e.orangeSlowdown,     e.turquoiseSlowdown};
}

const std::vector<int> DEFAULTS = {1,    0,   false, true, 25, 10,  true, true, true, true, 1500, 250,
                                   2,    250, 100,   10,   100, 100, 5,   1,    1,    1,    1};

TEST_F(ConfigTest, missingAndEmptyFilesBothLeaveEveryDefault) {
  engine.readConfig("no-such-folder/config.txt");
  EXPECT_EQ(settingsOf(engine), DEFAULTS);
  readConfigText("fps 30\n");
  readConfigText("");  // reading again starts from the defaults
  EXPECT_EQ(settingsOf(engine), DEFAULTS);
}

TEST_F(ConfigTest, theDefaultPathIsTheDataFolderOfTheWorkingDirectory) {
  std::filesystem::create_directory("data");
  writeFile("data/config.txt", "fps 40\n");
  engine.readConfig();
  EXPECT_EQ(engine.fps, 40);
}

TEST_F(ConfigTest, singleSettingsApplyAfterTheFileWithItsLimits) {
  writeFile("other.txt", "fps 40\nruns 4\n");
  engine.configSource = ConfigSource{"other.txt", {{"runs", 0}, {"n_moves_blue_ghosts", 25}, {"runs", 2}}};
  engine.readConfig();
  EXPECT_EQ(engine.fps, 40);
  EXPECT_EQ(engine.runsLeft, 3);
  EXPECT_EQ(nMovesBlueGhosts, 100);
}

// A ranged key, where its value lands, and its limits.
struct RangedKey {
  const char* key;
  int low;
  int high;
  int (*read)(const GameEngine&);
};

const RangedKey RANGED_KEYS[] = {
    {"n_moves_blue_ghosts", 100, 1000, [](const GameEngine&) { return nMovesBlueGhosts; }},
    {"n_moves_ghost_appears", 50, 500, [](const GameEngine&) { return nMovesGhostAppears; }},
    {"length_attack_mode", 100, 10000, [](const GameEngine&) { return lengthAttackMode; }},
    {"length_scatter_mode", 100, 10000, [](const GameEngine&) { return lengthScatterMode; }},
    {"powerpill_slowdown_factor", 1, 5, [](const GameEngine&) { return powerpillSlowdownFactor; }},
    {"ghost_value", 10, 500, [](const GameEngine&) { return ghostValue; }},
    {"powerpill_value", 10, 500, [](const GameEngine&) { return powerpillValue; }},
    {"dot_value", 1, 50, [](const GameEngine&) { return dotValue; }},
    {"n_moves_fruit_appears", 50, 1000, [](const GameEngine& e) { return e.nMovesFruitAppears; }},
    {"fruit_value", 10, 500, [](const GameEngine&) { return fruitValue; }},
    {"red_ghost_slow_down_factor", 1, 5, [](const GameEngine& e) { return e.redSlowdown; }},
    {"green_ghost_slow_down_factor", 1, 5, [](const GameEngine& e) { return e.greenSlowdown; }},
    {"orange_ghost_slow_down_factor", 1, 5, [](const GameEngine& e) { return e.orangeSlowdown; }},
    {"turquoise_ghost_slow_down_factor", 1, 5, [](const GameEngine& e) { return e.turquoiseSlowdown; }},
};

TEST_F(ConfigTest, everyRangedValueIsLimitedToItsRange) {
  for (const RangedKey& k : RANGED_KEYS) {
    const int mid = (k.low + k.high) / 2;
    const std::pair<int, int> cases[] = {{0, k.low},         {k.low - 1, k.low},     {mid, mid},
                                         {k.high, k.high},  {k.high + 1, k.high},  {INT_MAX, k.high}};
    for (const auto& [value, expected] : cases) {
      readConfigText(std::string(k.key) + " " + std::to_string(value) + "\n");
      EXPECT_EQ(k.read(engine), expected) << k.key << " " << value;
    }
  }
  readConfigText("n_moves_blue_ghosts 25\n");  // the default itself is below the range
  EXPECT_EQ(nMovesBlueGhosts, 100);
}

TEST_F(ConfigTest, runsZeroAndOneMeanInteractiveAndTwoMeansTwoGames) {
  const std::pair<int, int> cases[] = {{0, 1}, {1, 1}, {2, 3}, {100, 101}, {INT_MAX, INT_MAX}};
  for (const auto& [runs, counter] : cases) {
    readConfigText("runs " + std::to_string(runs) + "\n");
    EXPECT_EQ(engine.runsLeft, counter) << runs;
  }
}

TEST_F(ConfigTest, onlyExactlyOneEnablesAGhostAndNegativeValuesAreIgnored) {
  const std::pair<int, bool> cases[] = {{0, false}, {1, true}, {2, false}, {-1, true}};
  for (const auto& [value, enabled] : cases) {
    readConfigText("red_ghost " + std::to_string(value) + "\n");
    EXPECT_EQ(engine.redEnabled, enabled) << value;
  }
  readConfigText("fps -3\ndot_value -1\nfruit_value 40\n");  // reading goes on
  EXPECT_EQ(engine.fps, 5);
  EXPECT_EQ(dotValue, 10);
  EXPECT_EQ(fruitValue, 40);
}

TEST_F(ConfigTest, dataTimeoutIsSecondsHeldAtTheIntMaximum) {
  const std::pair<int, int> cases[] = {{0, 0}, {2, 2000}, {2147484, INT_MAX}};
  for (const auto& [seconds, ms] : cases) {
    readConfigText("data_timeout " + std::to_string(seconds) + "\n");
    EXPECT_EQ(engine.dataTimeoutMs, ms) << seconds;
  }
}

TEST_F(ConfigTest, fpsZeroBecomesOneAndTwoThousandStaysWithAPeriodOfZero) {
  const struct { int fps, stored, periodMs; } cases[] = {{0, 1, 1000}, {5, 5, 200}, {3, 3, 333}, {2000, 2000, 0}};
  for (const auto& c : cases) {
    readConfigText("fps " + std::to_string(c.fps) + "\n");
    engine.resetGame();
    EXPECT_EQ(engine.fps, c.stored) << c.fps;
    EXPECT_EQ(engine.framePeriodMs, c.periodMs) << c.fps;
  }
}

TEST_F(ConfigTest, keysDifferingInLetterCaseAndUnknownKeysAreIgnored) {
  readConfigText("Fps 9\nFPS 9\nDot_Value 3\nspeed 3\nfps\n 7\n");
  EXPECT_EQ(engine.fps, 7);
  EXPECT_EQ(dotValue, 10);
}

TEST_F(ConfigTest, nonIntegerValueEndsReadingWithoutApplyingItsKey) {
  readConfigText("fps 7\ndot_value 20\nghost_value lots\nfruit_value 50\n");
  EXPECT_EQ(engine.fps, 7);
  EXPECT_EQ(dotValue, 20);
  EXPECT_EQ(ghostValue, 250);  // not applied
  EXPECT_EQ(fruitValue, 100);  // never reached
}

// Hand-edited configs at the edges of what a number can be, and files that
// are no text at all: reading ends or skips, and every setting stays sane.

TEST_F(ConfigTest, aValueBeyondTheIntRangeEndsReadingWithoutApplyingItsKey) {
  readConfigText("fps 30\nruns 99999999999\ndata 1\n");
  EXPECT_EQ(engine.fps, 30);
  EXPECT_EQ(engine.runsLeft, 1);           // interactive, not a wrapped count
  EXPECT_FALSE(engine.recordResults);      // never reached
}

TEST_F(ConfigTest, aNegativeValueBeyondTheIntRangeEndsReadingToo) {
  readConfigText("fps 30\ndata_timeout -99999999999\ndata 1\n");
  EXPECT_EQ(engine.dataTimeoutMs, 0);
  EXPECT_FALSE(engine.recordResults);
}

TEST_F(ConfigTest, theIntMinimumIsJustANegativeValueAndIgnored) {
  readConfigText("fps -2147483648\ndata 1\n");
  EXPECT_EQ(engine.fps, 5);
  EXPECT_TRUE(engine.recordResults);
}

TEST_F(ConfigTest, theIntMaximumAsFramesPerSecondMeansNoFramePause) {
  readConfigText("fps 2147483647\n");
  engine.resetGame();
  EXPECT_EQ(engine.fps, INT_MAX);
  EXPECT_EQ(engine.framePeriodMs, 0);
}

TEST_F(ConfigTest, theIntMaximumAsRunsAndPauseIsHeldNotWrapped) {
  readConfigText("runs 2147483647\ndata_timeout 2147483647\n");
  EXPECT_EQ(engine.runsLeft, INT_MAX);
  EXPECT_EQ(engine.dataTimeoutMs, INT_MAX);
}

TEST_F(ConfigTest, filesThatCannotBeReadLeaveTheDefaultsAndSayWhy) {
  std::filesystem::create_directory("folder");
  std::filesystem::create_symlink("loop", "loop");
  const struct { const char* path; const char* message; } cases[] = {
      {"folder", "folder: not a regular file; every setting keeps its default\n"},
      {"/dev/zero", "/dev/zero: not a regular file; every setting keeps its default\n"},
      {"loop", "loop: Too many levels of symbolic links; every setting keeps its default\n"},
      {"missing", ""}};
  for (const auto& c : cases) {
    testing::internal::CaptureStderr();
    engine.readConfig(c.path);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), c.message);
    EXPECT_EQ(settingsOf(engine), DEFAULTS) << c.path;
  }
}

TEST_F(ConfigTest, aByteOrderMarkIsSkippedAndWhereReadingStopsIsSaid) {
  const struct { const char* text; int fps; const char* message; } cases[] = {
      {"\xEF\xBB\xBF" "fps 30\n", 30, ""},
      {"fps 60.5\nruns 3\n", 60,
       "config.txt line 2: reading stopped at \"runs\", the value of \".5\", which is no whole number; "
       "the settings from there on keep their defaults\n"},
      {"fps 30\n\ndata\n", 30, "config.txt line 4: \"data\" has no value\n"}};
  for (const auto& c : cases) {
    testing::internal::CaptureStderr();
    readConfigText(c.text);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), c.message);
    EXPECT_EQ(engine.fps, c.fps);
    EXPECT_EQ(engine.runsLeft, 1);
  }
}

TEST_F(ConfigTest, aNamedPipeInPlaceOfTheConfigLeavesTheDefaultsWithoutWaiting) {
  ASSERT_EQ(mkfifo("config.txt", 0600), 0);
  engine.readConfig("config.txt");  // would block for ever if it opened the pipe
  EXPECT_EQ(engine.runsLeft, 1);
  EXPECT_EQ(engine.fps, 5);
}

TEST_F(ConfigTest, aNamedPipeInPlaceOfTheResultsFileLosesTheLineWithoutWaiting) {
  ASSERT_EQ(mkfifo("gamedata.txt", 0600), 0);
  EXPECT_FALSE(engine.appendResults("gamedata.txt"));  // no reader: nothing to wait for
}

TEST_F(ConfigTest, zeroBytesAndAnEndlessWordAreJustUnknownKeys) {
  readConfigText(std::string("fps\0 3 ", 7) + std::string(1 << 20, 'k') + " 4\ndot_value 20\n");
  EXPECT_EQ(engine.fps, 5);  // "fps\0" is not "fps"
  EXPECT_EQ(dotValue, 20);
}

TEST_F(ConfigTest, aNumberRunningIntoAWordEndsReading) {
  // The stream reads 12 and leaves "abc" as the next key, whose value "fps"
  // is no integer.
  readConfigText("dot_value 12abc fps 9\n");
  EXPECT_EQ(dotValue, 12);
  EXPECT_EQ(engine.fps, 5);
}

}  // namespace
