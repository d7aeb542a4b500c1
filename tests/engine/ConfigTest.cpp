// The configuration file: defaults, limits and the parsing rules.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>
#include <filesystem>
#include <string>
#include <vector>

#include "game/GameEngine.h"
#include "game/SettingsReader.h"
#include "maze/GameState.h"
#include "tests/support/GameFixture.h"
#include "tests/support/TempDir.h"

namespace {

class ConfigTest : public GameFixture {
 protected:
  // Every destination of a setting, the frame period last.
  std::vector<int> read(const std::string& text) {
    writeFile("config.txt", text);
    return fields(SettingsReader::readFile("config.txt"));
  }
  static std::vector<int> fields(const GameSettings& s) {
    const auto& on = s.ghostEnabled;
    const auto& slow = s.ghostSlowdown;
    return {s.runs,  s.dataTimeoutMs, s.recordResults, s.keyboardControl, s.nMovesBlueGhosts, s.nMovesGhostAppears,
            on[0],   on[1],   on[2],  on[3],  s.lengthAttackMode,  s.lengthScatterMode,  s.powerpillSlowdownFactor,
            s.ghostValue, s.powerpillValue, s.dotValue, s.nMovesFruitAppears, s.fruitValue, s.fps,
            slow[0], slow[1], slow[2], slow[3], s.framePeriodMs};
  }

  TempDir dir;
  GameEngine engine;
};

enum Setting { RUNS, TIMEOUT, DATA, CONTROL, BLUE, APPEARS, RED, GREEN, ORANGE, TURQUOISE, ATTACK, SCATTER,
               PILL_SLOWDOWN, GHOST_VALUE, PILL_VALUE, DOT_VALUE, FRUIT_APPEARS, FRUIT_VALUE, FPS,
               RED_SLOWDOWN, GREEN_SLOWDOWN, ORANGE_SLOWDOWN, TURQUOISE_SLOWDOWN, PERIOD };

const std::vector<int> DEFAULTS = {1,    0,   false, true, 25, 10,  true, true, true, true, 1500, 250,
                                   2,    250, 100,   10,   100, 100, 5,   1,    1,    1,    1,    200};

TEST_F(ConfigTest, missingEmptyAndUnreadableFilesLeaveEveryDefault) {
  EXPECT_EQ(fields(SettingsReader::readFile("no-such-folder/config.txt")), DEFAULTS);
  read("fps 30\n");
  EXPECT_EQ(read(""), DEFAULTS);  // reading again starts from the defaults
  ASSERT_EQ(mkfifo("pipe", 0600), 0);
  EXPECT_EQ(fields(SettingsReader::readFile("pipe")), DEFAULTS);  // would block for ever if it opened the pipe
  EXPECT_FALSE(engine.appendResults("pipe"));  // no reader: the line is lost, nothing waits
  std::filesystem::create_directory("data");
  writeFile("data/config.txt", "fps 40\n");
  engine.readConfig();  // the default path
  EXPECT_EQ(gameSettings.fps, 40);
}

TEST_F(ConfigTest, filesThatCannotBeReadLeaveTheDefaultsAndSayWhy) {
  std::filesystem::create_directory("folder");
  std::filesystem::create_symlink("loop", "loop");
  const struct { const char* path; const char* message; } cases[] = {
      {"folder", "folder: not a regular file; every setting keeps its default\n"},
      {"loop", "loop: Too many levels of symbolic links; every setting keeps its default\n"},
      {"missing", ""}};
  for (const auto& c : cases) {
    testing::internal::CaptureStderr();
    const std::vector<int> got = fields(SettingsReader::readFile(c.path));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), c.message);
    EXPECT_EQ(got, DEFAULTS) << c.path;
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
    const std::vector<int> got = read(c.text);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), c.message);
    EXPECT_EQ(got[FPS], c.fps);
    EXPECT_EQ(got[RUNS], 1);
  }
}

TEST_F(ConfigTest, singleSettingsApplyAfterTheFileWithItsLimits) {
  writeFile("other.txt", "fps 40\nruns 4\n");
  engine.configSource = ConfigSource{"other.txt", {{"runs", 0}, {"n_moves_blue_ghosts", 25}, {"runs", 2}}};
  engine.readConfig();
  EXPECT_EQ(gameSettings.fps, 40);
  EXPECT_EQ(engine.runsLeft, 3);
  EXPECT_EQ(gameSettings.nMovesBlueGhosts, 100);
}

TEST_F(ConfigTest, everyRangedValueIsLimitedToItsRange) {
  const struct { const char* key; Setting at; int low, high; } keys[] = {
      {"n_moves_blue_ghosts", BLUE, 100, 1000},           {"n_moves_ghost_appears", APPEARS, 50, 500},
      {"length_attack_mode", ATTACK, 100, 10000},          {"length_scatter_mode", SCATTER, 100, 10000},
      {"powerpill_slowdown_factor", PILL_SLOWDOWN, 1, 5},  {"ghost_value", GHOST_VALUE, 10, 500},
      {"powerpill_value", PILL_VALUE, 10, 500},            {"dot_value", DOT_VALUE, 1, 50},
      {"n_moves_fruit_appears", FRUIT_APPEARS, 50, 1000},  {"fruit_value", FRUIT_VALUE, 10, 500},
      {"red_ghost_slow_down_factor", RED_SLOWDOWN, 1, 5},  {"green_ghost_slow_down_factor", GREEN_SLOWDOWN, 1, 5},
      {"orange_ghost_slow_down_factor", ORANGE_SLOWDOWN, 1, 5},
      {"turquoise_ghost_slow_down_factor", TURQUOISE_SLOWDOWN, 1, 5}};
  for (const auto& k : keys) {
    const int mid = (k.low + k.high) / 2;
    const std::pair<int, int> cases[] = {{0, k.low},        {k.low - 1, k.low},    {mid, mid},
                                         {k.high, k.high}, {k.high + 1, k.high}, {INT_MAX, k.high}};
    for (const auto& [value, expected] : cases) {
      EXPECT_EQ(read(std::string(k.key) + " " + std::to_string(value) + "\n")[k.at], expected) << k.key << value;
    }
  }
  EXPECT_EQ(read("n_moves_blue_ghosts 25\n")[BLUE], 100);  // the default itself is below the range
}

// One setting after reading a text: special values, integer limits and the
// rules that end or skip reading.
TEST_F(ConfigTest, specialValuesAndParsingRules) {
  const struct { const char* text; Setting at; int expected; } cases[] = {
      {"runs 0", RUNS, 1}, {"runs 2", RUNS, 3}, {"runs 2147483647", RUNS, INT_MAX}, {"red_ghost 2", RED, 0},
      {"data_timeout 2", TIMEOUT, 2000}, {"data_timeout 2147484", TIMEOUT, INT_MAX},
      {"fps 0", PERIOD, 1000}, {"fps 3", PERIOD, 333}, {"fps 2147483647", PERIOD, 0},
      {"fps -3\ndot_value -1\nfruit_value 40", FRUIT_VALUE, 40},  // negatives are skipped
      {"Fps 9\nFPS 9\nspeed 3\nfps\n 7", FPS, 7},  // letter case matters; unknown keys are skipped
      {"dot_value 20\nghost_value lots\nfruit_value 50", DOT_VALUE, 20},
      {"ghost_value lots\nfruit_value 50", FRUIT_VALUE, 100}, {"fps 30\nruns 99999999999\ndata 1", DATA, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(read(std::string(c.text) + "\n")[c.at], c.expected) << c.text;
  // "fps\0" is not "fps"; an endless word is just an unknown key.
  const std::vector<int> got = read(std::string("fps\0 3 ", 7) + std::string(1 << 20, 'k') + " 4\ndot_value 20\n");
  EXPECT_EQ(got[FPS], 5);
  EXPECT_EQ(got[DOT_VALUE], 20);
}

}  // namespace

// The settings written as text read back into exactly the same settings,
// defaults below their ranges included; a value a file could not give, an
// unknown or repeated key is refused by line. Only the rules keys move the
// digest.
TEST_F(ConfigTest, settingsTextReadsBackExactlyAndOnlyRulesKeysMoveTheDigest) {
  GameSettings changed = SettingsReader::read({"", {{"fps", 60}, {"runs", 7}, {"data_timeout", 2147484},
                                                   {"green_ghost", 0}, {"dot_value", 12}, {"seed", 9}}});
  for (const GameSettings& settings : {GameSettings{}, changed}) {
    GameSettings back;
    std::string error;
    ASSERT_TRUE(SettingsReader::readText(SettingsReader::text(settings), back, &error)) << error;
    EXPECT_EQ(fields(back), fields(settings));
    EXPECT_EQ(back.seed, settings.seed);
  }
  const std::pair<const char*, const char*> refused[] = {
      {"fps 5\nfps 6\n", "settings line 2: \"fps\" is given twice"},
      {"dot_value 51\n", "settings line 1: \"dot_value\" cannot be 51"},
      {"\nspeed 3\n", "settings line 2: \"speed\" is no setting"},
      {"fps 6 7\n", "settings line 1: \"fps\" has no whole number"}};
  for (const auto& [text, why] : refused) {
    GameSettings back;
    std::string error;
    EXPECT_FALSE(SettingsReader::readText(text, back, &error)) << text;
    EXPECT_EQ(error, why);
  }
  GameSettings unruled = SettingsReader::read({"", {{"runs", 3}, {"control", 1}, {"red_ghost", 0}, {"seed", 4}}});
  EXPECT_EQ(SettingsReader::rulesDigest(unruled), SettingsReader::rulesDigest(GameSettings{}));
  EXPECT_NE(SettingsReader::rulesDigest(changed), SettingsReader::rulesDigest(GameSettings{}));
  EXPECT_EQ(SettingsReader::rulesDigest(GameSettings{}).size(), 16u);
}
