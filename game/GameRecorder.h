#pragma once
// Keeps the record of the game its rules play: given to the rules as their
// observer, it notes the direction and check of every decision point.
//
//   GameRecorder recorder;
//   rules.observer = &recorder;
//   recorder.begin("keyboard", seed, 0);    // as the game starts
//   ... the game's moves ...
//   recorder.finish(GameRecorder::outcomeOf(rules)).save(path, &error);

#include <string>

#include "game/DecisionPoint.h"
#include "game/GameRecord.h"

class GameRules;

class GameRecorder : public DecisionObserver {
 public:
  // A new record of a game with this seed and move cap (0: none), played by
  // `player` under the settings in force (gameSettings), with the parameters
  // of the game's chomper when it is the built-in player.
  void begin(const std::string& player, unsigned seed, long long maxMoves);
  void decided(const DecisionPoint& point) override;
  // The record with the game's outcome; `stopped` for a game kept before its end.
  const GameRecord& finish(const GameOutcome& outcome, bool stopped = false);

  // The outcome of the game the rules are playing, read from the game state.
  static GameOutcome outcomeOf(const GameRules& rules, unsigned seed);

  const GameRecord& record() const { return kept; }

 private:
  GameRecord kept;
};
