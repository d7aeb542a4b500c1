#pragma once
// A record's game played again through the headless driver, with the
// record's settings, seed and move cap, steered at every decision point by
// the record and checked against it as it goes (RecordCursor).
//
// It makes its own HeadlessGame: the calling process must not hold one.

#include <functional>
#include <string>

#include "game/DecisionPoint.h"
#include "game/GameRecord.h"
#include "game/HeadlessGame.h"

struct ReplayReport {
  bool same = false;     // the game came out as recorded
  int departedAt = 0;    // else the first decision point where it did not
  std::string problem;   // what departed
  GameOutcome outcome;   // as far as it was played
};

// The headless settings of the record's game.
HeadlessSettings settingsOfRecord(const GameRecord& record);

// Plays the game; `each` (when set) is given every decision point.
ReplayReport replayRecord(const GameRecord& record, const std::function<void(const DecisionPoint&)>& each = {});
