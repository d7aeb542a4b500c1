#pragma once
// Follows a game record through a game played again: gives the direction of
// each decision point in turn and compares what the game does there with
// what the record says, so that a game which departs from its record (an
// edited record, or rules that have changed) is caught at the first decision
// point where it does. The headless replay and the game window's watching of
// a record both play through one.

#include <functional>
#include <string>

#include "game/DecisionPoint.h"
#include "game/GameRecord.h"

class RecordCursor : public DecisionObserver {
 public:
  explicit RecordCursor(const GameRecord& record) : rec(record) {}

  // The direction to steer at the next decision point (0 past the last).
  int nextDirection() const;
  // Compares the point with the record's next decision, then hands it to
  // onDecision.
  void decided(const DecisionPoint& point) override;
  // At the game's end (or where a stopped record stops): compares the
  // outcome and the number of decisions with the record's.
  void finish(const GameOutcome& outcome);

  bool departed() const { return departure > 0; }
  // The first decision point (1, 2, ...) where the game left the record;
  // decisions + 1 for a game that went on past the last or ended otherwise.
  int departedAt() const { return departure; }
  // What departed, said for a person.
  const std::string& problem() const { return why; }
  std::size_t decisionsDone() const { return done; }
  const GameRecord& record() const { return rec; }

  // Every decision point of the game played again, as it comes.
  std::function<void(const DecisionPoint&)> onDecision;

 private:
  void depart(std::size_t decision, const std::string& what);

  const GameRecord& rec;
  std::size_t done = 0;
  int departure = 0;
  std::string why;
};
