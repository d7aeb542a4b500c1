#pragma once
// The player character: eats dots and pills on its cell, keeps the score, and
// leaves the choice of direction at each cell centre to a derived class.

#include "actors/Player.h"

class Chomper : public Player {
 public:
  Chomper();
  virtual ~Chomper();

  // Called only on a cell centre with at least one open exit; must leave the
  // chosen direction in `direction`.
  virtual void decide() = 0;

  // Position (190, 190), direction left, score 0.
  void resetToStart();
  // The sprites "data//chompleft.tga" (then right, down, up); a game
  // without a window never loads them.
  void loadSprites();
  int getScore() const { return score; }
  void addScore(int points) { score += points; }
  // Eats what lies on its cell (when on a centre), then steps.
  bool update(int* grid);

 protected:
  int score;
};

// The Player part of the game's chomper, or null when there is none.
Player* getChomperPlayer();
