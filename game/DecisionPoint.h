#pragma once
// One point of a game where the chomper chooses its direction (a cell
// centre with an open exit): the game as it stands there, after the ghosts'
// half of the move, with the direction the chomper leaves in and a check of
// the whole state after the move. The rules report every such point of a
// game to the observer they are given (GameRules::observer).

#include <array>
#include <cstdint>

#include "maze/GameSettings.h"

struct GhostAtDecision {
  bool present = false;
  int col = 0;
  int row = 0;
  int direction = 0;
  bool blue = false;
};

struct DecisionPoint {
  long long move = 0;      // moves of the game played before this one
  int col = 0;             // the chomper's cell
  int row = 0;
  int direction = 0;       // the direction the chomper left in (DIR_...)
  int score = 0;           // before it eats at this centre
  int foodLeft = 0;
  std::array<GhostAtDecision, GHOST_PLACES> ghosts{};
  bool attack = false;     // the ghosts' phase: attack, else scatter
  std::uint32_t check = 0; // of the actors, score and food after the move

  // The game state now, at a decision point of move `move` (before the
  // chomper's half of the move).
  static DecisionPoint now(long long move);
  // A digest of every actor's position and direction, the ghosts' blue
  // flags, the score and the food left: two games that differ in any of
  // them have, all but surely, different checks.
  static std::uint32_t stateCheck();
};

// Receives every decision point of a game, once the move made there is done.
class DecisionObserver {
 public:
  virtual ~DecisionObserver() = default;
  virtual void decided(const DecisionPoint& point) = 0;
};
