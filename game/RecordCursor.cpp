#include "game/RecordCursor.h"

int RecordCursor::nextDirection() const {
  return done < rec.decisions.size() ? rec.decisions[done].direction : 0;
}

void RecordCursor::depart(std::size_t decision, const std::string& what) {
  if (departed()) return;
  departure = static_cast<int>(decision);
  why = decision > rec.decisions.size() ? "the game departs from its record at its end: " + what
                                        : "the game departs from its record at decision " + std::to_string(decision) + ": " + what;
}

void RecordCursor::decided(const DecisionPoint& point) {
  const std::size_t number = ++done;
  if (number > rec.decisions.size()) {
    depart(number, "the record has only " + std::to_string(rec.decisions.size()) + " decisions");
  } else {
    const RecordedDecision& expected = rec.decisions[number - 1];
    if (expected.move != point.move) {
      depart(number, "the record has it at move " + std::to_string(expected.move) + ", the game at move " +
                         std::to_string(point.move));
    } else if (expected.direction != point.direction) {
      depart(number, "at move " + std::to_string(point.move) + " the chomper cannot go the record's way");
    } else if (expected.check != point.check) {
      depart(number, "after move " + std::to_string(point.move) + " the game is not where the record left it");
    }
  }
  if (onDecision) onDecision(point);
}

void RecordCursor::finish(const GameOutcome& outcome) {
  if (departed()) return;
  GameOutcome expected = rec.outcome;
  expected.seed = outcome.seed;
  // A stopped record ends where the move cap of its replay does.
  if (rec.stopped) expected.unended = outcome.unended;
  if (done != rec.decisions.size()) {
    depart(done + 1, "the game ended after " + std::to_string(done) + " of the record's " +
                         std::to_string(rec.decisions.size()) + " decisions");
  } else if (expected != outcome) {
    depart(done + 1, "the game ends with " + std::to_string(outcome.score) + " points in " +
                         std::to_string(outcome.moves) + " moves, the record says " + std::to_string(rec.outcome.score) +
                         " in " + std::to_string(rec.outcome.moves));
  }
}
