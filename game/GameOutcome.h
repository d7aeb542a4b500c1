#pragma once
// What one game came to, as the headless driver reports it.

// Ghosts by number, in play order.
enum GhostNumber { NO_GHOST = 0, GHOST_RED = 1, GHOST_GREEN = 2, GHOST_ORANGE = 3, GHOST_TURQUOISE = 4 };

struct GameOutcome {
  unsigned seed = 0;
  bool won = false;        // all food eaten (also when caught in the same move)
  bool lost = false;       // caught by a ghost that was not blue, food left
  bool unended = false;    // the move cap came first
  int score = 0;
  long long moves = 0;
  int dots = 0;            // eaten
  int pills = 0;
  int fruits = 0;
  int ghosts = 0;
  int caughtBy = NO_GHOST; // the first ghost in play order that met the chomper
  int foodLeft = 0;
  // The chomper's cell (column, row from the bottom) when it was caught; -1, -1 otherwise.
  int caughtCol = -1;
  int caughtRow = -1;

  // Compares what a game's record holds of its outcome: all but the cell of the catch.
  bool operator==(const GameOutcome& o) const;
  bool operator!=(const GameOutcome& o) const { return !(*this == o); }
};
