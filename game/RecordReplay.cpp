#include "game/RecordReplay.h"

#include "game/RecordCursor.h"

HeadlessSettings settingsOfRecord(const GameRecord& record) {
  HeadlessSettings settings;
  // No file and no single settings: the record's settings stand for the file.
  settings.fileSettings = record.settings;
  settings.player = record.parameters;
  settings.maxMoves = record.replayCap();
  return settings;
}

ReplayReport replayRecord(const GameRecord& record, const std::function<void(const DecisionPoint&)>& each) {
  HeadlessGame game;
  game.configure(settingsOfRecord(record));
  RecordCursor cursor(record);
  cursor.onDecision = each;
  game.observeDecisions(&cursor);
  game.reset(record.seed);
  // A stopped record kept before its first move stops before it.
  const bool playing = !(record.stopped && record.outcome.moves == 0);
  while (playing && !cursor.departed() && game.toDecision()) game.stepWith(cursor.nextDirection());
  cursor.finish(game.outcome());
  game.observeDecisions(nullptr);
  ReplayReport report;
  report.same = !cursor.departed();
  report.departedAt = cursor.departedAt();
  report.problem = cursor.problem();
  report.outcome = game.outcome();
  return report;
}
