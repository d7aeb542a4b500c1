// The configuration file: defaults, limits and the parsing rules.

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>
#include <vector>

#include "game/GameEngine.h"
#include "game/GameState.h"
#include "tests/engine/EngineTestSupport.h"

namespace {

class ConfigTest : public ::testing::Test {
 protected:
  void SetUp() override { resetGameState(); }
  void TearDown() override { resetGameState(); }

  // Writes the text as the config file and reads it.
  void readConfigText(const std::string& text) {
    writeFile("config.txt", text);
    engine.readConfig("config.txt");
  }

  TempDir dir;
  GameEngine engine;
};

// Every destination of a setting, for comparing whole configurations.
struct Settings {
  int runsLeft, dataTimeoutMs;
  bool recordResults, keyboardControl;
  int nMovesBlueGhosts, nMovesGhostAppears;
  bool red, green, orange, turquoise;
  int lengthAttackMode, lengthScatterMode, powerpillSlowdownFactor;
  int ghostValue, powerpillValue, dotValue, nMovesFruitAppears, fruitValue, fps;
  int redSlowdown, greenSlowdown, orangeSlowdown, turquoiseSlowdown;

  bool operator==(const Settings& o) const {
    return runsLeft == o.runsLeft && dataTimeoutMs == o.dataTimeoutMs && recordResults == o.recordResults &&
           keyboardControl == o.keyboardControl && nMovesBlueGhosts == o.nMovesBlueGhosts &&
           nMovesGhostAppears == o.nMovesGhostAppears && red == o.red && green == o.green &&
           orange == o.orange && turquoise == o.turquoise && lengthAttackMode == o.lengthAttackMode &&
           lengthScatterMode == o.lengthScatterMode && powerpillSlowdownFactor == o.powerpillSlowdownFactor &&
           ghostValue == o.ghostValue && powerpillValue == o.powerpillValue && dotValue == o.dotValue &&
           nMovesFruitAppears == o.nMovesFruitAppears && fruitValue == o.fruitValue && fps == o.fps &&
           redSlowdown == o.redSlowdown && greenSlowdown == o.greenSlowdown &&
           orangeSlowdown == o.orangeSlowdown && turquoiseSlowdown == o.turquoiseSlowdown;
  }
};

Settings settingsOf(const GameEngine& e) {
  return {e.runsLeft,         e.dataTimeoutMs,     e.recordResults,     e.keyboardControl,
          nMovesBlueGhosts,   nMovesGhostAppears,  e.redEnabled,        e.greenEnabled,
          e.orangeEnabled,    e.turquoiseEnabled,  lengthAttackMode,    lengthScatterMode,
          powerpillSlowdownFactor, ghostValue,     powerpillValue,      dotValue,
          e.nMovesFruitAppears, fruitValue,        e.fps,               e.redSlowdown,
          e.greenSlowdown,    e.orangeSlowdown,    e.turquoiseSlowdown};
}

const Settings DEFAULTS = {1,    0,   false, true, 25,  10,  true, true, true, true, 1500, 250,
                           2,    250, 100,   10,   100, 100, 5,    1,    1,    1,    1};

TEST_F(ConfigTest, missingFileLeavesEveryDefault) {
  engine.readConfig("no-such-folder/config.txt");
  EXPECT_TRUE(settingsOf(engine) == DEFAULTS);
}

TEST_F(ConfigTest, emptyFileGivesTheSameAsAMissingOne) {
  readConfigText("");
  EXPECT_TRUE(settingsOf(engine) == DEFAULTS);
}

TEST_F(ConfigTest, defaultPathIsTheDataFolderOfTheWorkingDirectory) {
  writeFile("config.txt", "fps 40\n");  // not where the game looks
  engine.readConfig();
  EXPECT_EQ(engine.fps, 5);
  std::filesystem::create_directory("data");
  writeFile("data/config.txt", "fps 40\n");
  engine.readConfig();
  EXPECT_EQ(engine.fps, 40);
}

TEST_F(ConfigTest, readingAgainStartsFromTheDefaults) {
  readConfigText("fps 30\n");
  readConfigText("dot_value 7\n");
  EXPECT_EQ(engine.fps, 5);
  EXPECT_EQ(dotValue, 7);
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
    const std::vector<std::pair<int, int>> cases = {
        {0, k.low},  {k.low - 1, k.low}, {k.low, k.low},   {mid, mid},
        {k.high, k.high}, {k.high + 1, k.high}, {INT_MAX, k.high}};
    for (const auto& [value, expected] : cases) {
      if (value < 0) continue;
      readConfigText(std::string(k.key) + " " + std::to_string(value) + "\n");
      EXPECT_EQ(k.read(engine), expected) << k.key << " " << value;
    }
  }
}

TEST_F(ConfigTest, blueGhostDefaultBelowRangeIsRaisedWhenRead) {
  readConfigText("n_moves_blue_ghosts 25\n");
  EXPECT_EQ(nMovesBlueGhosts, 100);
}

TEST_F(ConfigTest, dotValueZeroBecomesOne) {
  readConfigText("dot_value 0\n");
  EXPECT_EQ(dotValue, 1);
}

TEST_F(ConfigTest, runsZeroAndOneMeanInteractiveAndTwoMeansTwoGames) {
  const std::pair<int, int> cases[] = {{0, 1}, {1, 1}, {2, 3}, {3, 4}, {100, 101}, {INT_MAX, INT_MAX}};
  for (const auto& [runs, counter] : cases) {
    readConfigText("runs " + std::to_string(runs) + "\n");
    EXPECT_EQ(engine.runsLeft, counter) << runs;
  }
}

TEST_F(ConfigTest, dataTimeoutIsSecondsAndIsHeldAtTheIntMaximum) {
  const std::pair<int, int> cases[] = {
      {0, 0}, {2, 2000}, {2147483, 2147483000}, {2147484, INT_MAX}, {INT_MAX, INT_MAX}};
  for (const auto& [seconds, ms] : cases) {
    readConfigText("data_timeout " + std::to_string(seconds) + "\n");
    EXPECT_EQ(engine.dataTimeoutMs, ms) << seconds;
  }
}

TEST_F(ConfigTest, onlyExactlyOneEnablesAGhost) {
  const std::pair<const char*, bool GameEngine::*> ghosts[] = {
      {"red_ghost", &GameEngine::redEnabled},
      {"green_ghost", &GameEngine::greenEnabled},
      {"orange_ghost", &GameEngine::orangeEnabled},
      {"turquoise_ghost", &GameEngine::turquoiseEnabled}};
  const std::pair<int, bool> cases[] = {{0, false}, {1, true}, {2, false}, {100, false}};
  for (const auto& [key, flag] : ghosts) {
    for (const auto& [value, enabled] : cases) {
      readConfigText(std::string(key) + " " + std::to_string(value) + "\n");
      EXPECT_EQ(engine.*flag, enabled) << key << " " << value;
    }
  }
}

TEST_F(ConfigTest, negativeRedGhostIsIgnoredAndTheGhostStaysEnabled) {
  readConfigText("red_ghost -1\n");
  EXPECT_TRUE(engine.redEnabled);
}

TEST_F(ConfigTest, negativeValuesAreIgnoredAndReadingGoesOn) {
  readConfigText("fps -3\ndot_value -1\nfruit_value 40\n");
  EXPECT_EQ(engine.fps, 5);
  EXPECT_EQ(dotValue, 10);
  EXPECT_EQ(fruitValue, 40);
}

TEST_F(ConfigTest, controlZeroMeansArrowKeysAnythingElseTheAutonomousPlayer) {
  readConfigText("control 0\n");
  EXPECT_TRUE(engine.keyboardControl);
  readConfigText("control 5\n");
  EXPECT_FALSE(engine.keyboardControl);
}

TEST_F(ConfigTest, dataRecordsResultsForAnyNonZeroValue) {
  readConfigText("data 0\n");
  EXPECT_FALSE(engine.recordResults);
  readConfigText("data 7\n");
  EXPECT_TRUE(engine.recordResults);
}

TEST_F(ConfigTest, fpsZeroBecomesOneAndTwoThousandStaysWithAPeriodOfZero) {
  readConfigText("fps 0\n");
  EXPECT_EQ(engine.fps, 1);
  engine.resetGame();
  EXPECT_EQ(engine.framePeriodMs, 1000);
  readConfigText("fps 2000\n");
  EXPECT_EQ(engine.fps, 2000);
  engine.resetGame();
  EXPECT_EQ(engine.framePeriodMs, 0);
}

TEST_F(ConfigTest, framePeriodIsAnIntegerDivision) {
  const std::pair<int, int> cases[] = {{5, 200}, {3, 333}, {60, 16}, {1000, 1}, {1001, 0}};
  for (const auto& [fps, period] : cases) {
    readConfigText("fps " + std::to_string(fps) + "\n");
    engine.resetGame();
    EXPECT_EQ(engine.framePeriodMs, period) << fps;
  }
}

TEST_F(ConfigTest, keysDifferingInLetterCaseAreIgnored) {
  readConfigText("Fps 9\nFPS 9\nDot_Value 3\nfps 7\n");
  EXPECT_EQ(engine.fps, 7);
  EXPECT_EQ(dotValue, 10);
}

TEST_F(ConfigTest, unknownKeysAreIgnoredAndReadingGoesOn) {
  readConfigText("speed 3\ncolour 2\nfps 9\n");
  EXPECT_EQ(engine.fps, 9);
}

TEST_F(ConfigTest, nonIntegerValueEndsReadingWithoutApplyingItsKey) {
  readConfigText("fps 7\ndot_value 20\nghost_value lots\nfruit_value 50\n");
  EXPECT_EQ(engine.fps, 7);
  EXPECT_EQ(dotValue, 20);
  EXPECT_EQ(ghostValue, 250);   // not applied, not even with the previous value
  EXPECT_EQ(fruitValue, 100);   // never reached
}

TEST_F(ConfigTest, keyWithoutValueAtTheEndIsNotApplied) {
  readConfigText("dot_value 20\nghost_value");
  EXPECT_EQ(dotValue, 20);
  EXPECT_EQ(ghostValue, 250);
}

TEST_F(ConfigTest, pairsMaySpanLinesAndShareThem) {
  readConfigText("fps\n\t 7 dot_value 3   fruit_value\n\n60");
  EXPECT_EQ(engine.fps, 7);
  EXPECT_EQ(dotValue, 3);
  EXPECT_EQ(fruitValue, 60);
}

TEST_F(ConfigTest, aKeyGivenTwiceTakesItsLastValue) {
  readConfigText("fps 7\nfps 11\n");
  EXPECT_EQ(engine.fps, 11);
}

TEST_F(ConfigTest, phaseLengthsDefaultToFifteenHundredAndTwoHundredFifty) {
  readConfigText("");
  EXPECT_EQ(lengthAttackMode, 1500);
  EXPECT_EQ(lengthScatterMode, 250);
}

TEST_F(ConfigTest, applyingAnUnknownKeyReportsIt) {
  engine.setConfigDefaults();
  EXPECT_TRUE(engine.applyConfigValue("fps", 12));
  EXPECT_FALSE(engine.applyConfigValue("fps2", 12));
  EXPECT_EQ(engine.fps, 12);
}

}  // namespace
