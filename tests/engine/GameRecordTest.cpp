// Game records: a game kept by the headless driver plays again to the same
// game, its text reads back to the same record, and a record that is edited
// or broken is refused with the decision point or the line where it is.

#include <gtest/gtest.h>

#include "game/GameRecorder.h"
#include "game/HeadlessGame.h"
#include "game/RecordReplay.h"
#include "game/TraceTable.h"
#include "maze/GameState.h"
#include "player/MyChomper.h"

namespace {

class GameRecordTest : public ::testing::Test {
 protected:
  void SetUp() override { resetGameState(); }
  void TearDown() override { resetGameState(); }

  // Seed 2 with the green and orange ghosts only: a game of a few thousand
  // moves; steered: every third decision taken from a fixed list of turns.
  static GameRecord keep(bool steered, long long stopAt = 0) {
    HeadlessGame game;
    game.configure({{"", {{"green_ghost", 0}, {"orange_ghost", 0}, {"fps", 60}}}, 200000});
    GameRecorder recorder;
    game.observeDecisions(&recorder);
    game.reset(2);
    recorder.begin(steered ? "python" : "builtin", 2, 200000);
    const int turns[] = {DIR_UP, DIR_LEFT, DIR_DOWN, DIR_RIGHT};
    for (int n = 0; game.toDecision() && (stopAt == 0 || game.outcome().moves < stopAt); ++n) {
      game.stepWith(steered && n % 3 == 0 ? turns[n / 3 % 4] : game.builtinDirection());
    }
    return recorder.finish(game.outcome(), !game.ended());
  }

  // The record's text with the direction of decision `number` (1, 2, ...) replaced.
  static std::string edited(const GameRecord& record, int number, char letter) {
    std::string text = record.text();
    std::size_t at = text.find("\ndecisions ");
    for (int line = 0; line < number; ++line) at = text.find('\n', at + 1);
    const std::size_t blank = text.find(' ', at + 1);
    text[blank + 1] = letter;
    return text;
  }
};

TEST_F(GameRecordTest, aKeptGameReadsBackAndPlaysAgainToTheSameGameAndTrace) {
  for (const bool steered : {false, true}) {
    const GameRecord record = keep(steered);
    ASSERT_TRUE(record.outcome.lost || record.outcome.won) << steered;
    GameRecord read;
    std::string error;
    ASSERT_TRUE(GameRecord::parse(record.text(), read, &error)) << error;
    EXPECT_EQ(read.text(), record.text());
    EXPECT_EQ(read.decisions, record.decisions);
    EXPECT_EQ(read.outcome, record.outcome);
    EXPECT_EQ(read.player, steered ? "python" : "builtin");
    std::vector<std::string> trace;
    const ReplayReport report = replayRecord(read, [&](const DecisionPoint& p) { trace.push_back(TraceTable::row(p)); });
    EXPECT_TRUE(report.same) << report.problem;
    EXPECT_EQ(report.outcome, record.outcome);
    ASSERT_EQ(trace.size(), record.decisions.size());
    // The first decision: the start cell (9, 9), leaving left, nothing eaten
    // yet; red and turquoise above the door, green and orange not playing.
    EXPECT_EQ(trace[0], "0,9,9,left,0,157,9,11,up,0,,,,,,,,,9,11,up,0,scatter");
  }
}

// Rules that differ from the record's (as in another build) depart where
// they first make a difference: the first dot, eaten at decision 6.
TEST_F(GameRecordTest, aGameKeptMidwayReplaysToWhereItStoppedAndOtherRulesDepart) {
  const GameRecord stopped = keep(false, 1500);
  EXPECT_TRUE(stopped.stopped);
  EXPECT_EQ(stopped.outcome.moves, 1500);
  EXPECT_TRUE(replayRecord(stopped).same) << replayRecord(stopped).problem;
  GameRecord other = keep(false);
  other.settings.dotValue = 20;
  EXPECT_EQ(replayRecord(other).departedAt, 6) << replayRecord(other).problem;
}

TEST_F(GameRecordTest, aRecordEditedAtOneDecisionIsRefusedWithThatDecisionsNumber) {
  const GameRecord record = keep(true);
  const int last = static_cast<int>(record.decisions.size());
  for (const int number : {1, 40, last}) {
    // Each way but the recorded one: into a wall, back, or another way out.
    for (const char letter : {'L', 'U', 'R', 'D'}) {
      GameRecord changed;
      std::string error;
      ASSERT_TRUE(GameRecord::parse(edited(record, number, letter), changed, &error)) << error;
      if (changed.decisions[number - 1].direction == record.decisions[number - 1].direction) continue;
      const ReplayReport report = replayRecord(changed);
      EXPECT_FALSE(report.same) << number << letter;
      EXPECT_EQ(report.departedAt, number) << letter << ": " << report.problem;
      EXPECT_NE(report.problem.find("decision " + std::to_string(number) + ":"), std::string::npos) << report.problem;
    }
  }
  GameRecord rescored = record;
  rescored.outcome.score += 10;
  EXPECT_EQ(replayRecord(rescored).departedAt, last + 1);
}

TEST_F(GameRecordTest, aBrokenRecordIsRefusedNamingItsLine) {
  const std::string text = keep(false, 200).text();
  const std::size_t decisions = text.find("decisions ");
  const struct {
    std::string text;
    std::string error;
  } cases[] = {
      {"", "line 1: the record ends too soon"},
      {"chomp-record 2\n", "line 1: a record of version 2: this build reads version 1"},
      {"P3\n", "line 1: not a game record"},
      {text.substr(0, text.size() - 4), "wants 'end' after the decisions"},
      {text + "more\n", "text after 'end'"},
      {text.substr(0, decisions + 10) + "9" + text.substr(decisions + 10), "wants 'MOVE L|U|R|D CHECK'"},
      {"chomp-record 1\nplayer robot\n", "line 2: player robot: wants builtin, python or keyboard"},
      {"chomp-record 1\nseed 0\n", "line 2: seed 0: wants 1 to 2147483647"},
      {"chomp-record 1\nsettings 1\nfps x\n", "line 2: the record names no seed"},
      {"chomp-record 1\nseed 1\nsettings 1\nfps x\n", "line 4"},
  };
  for (const auto& c : cases) {
    GameRecord record;
    std::string error;
    EXPECT_FALSE(GameRecord::parse(c.text, record, &error)) << c.error;
    EXPECT_NE(error.find(c.error), std::string::npos) << error;
  }
}

}  // namespace

// A record names the variant of the built-in player that played it, and
// what replays or shows it plays with that variant; a record without the
// line (as records were first written) is the default player's.
TEST_F(GameRecordTest, aVariantsRecordNamesItsParameters) {
  HeadlessSettings settings{{"", {{"fps", 60}}}, 200000};
  ASSERT_TRUE(settings.player.set("localRadius", "6", nullptr));
  HeadlessGame game;
  ASSERT_TRUE(game.configure(settings));
  GameRecorder recorder;
  game.observeDecisions(&recorder);
  game.reset(3);
  recorder.begin("builtin", 3, 200000);
  const GameRecord record = recorder.finish(game.finish());
  game.observeDecisions(nullptr);
  std::string text = record.text();
  const std::size_t line = text.find("\nplayer_parameters localRadius=6\n");
  ASSERT_NE(line, std::string::npos) << text.substr(0, 200);
  GameRecord read;
  std::string error;
  ASSERT_TRUE(GameRecord::parse(text, read, &error)) << error;
  EXPECT_EQ(read.parameters, settings.player);
  EXPECT_EQ(settingsOfRecord(read).player, settings.player);
  EXPECT_TRUE(replayRecord(read).same) << replayRecord(read).problem;
  text.erase(line, std::string("\nplayer_parameters localRadius=6").size());
  ASSERT_TRUE(GameRecord::parse(text, read, &error)) << error;
  EXPECT_EQ(read.parameters, PlayerParameters{});
  EXPECT_NE(read.text().find("\nplayer_parameters\n"), std::string::npos);
  EXPECT_FALSE(GameRecord::parse(read.text().replace(read.text().find("\nplayer_parameters\n"), 19,
                                                     "\nplayer_parameters localRadius=99\n"),
                                 read, &error));
  EXPECT_NE(error.find("player_parameters"), std::string::npos) << error;
}
