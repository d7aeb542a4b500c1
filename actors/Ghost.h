#pragma once
// The common base of the four ghosts: in play or waiting in the house, blue
// or not, the shared attack/scatter mode and the per-move dispatch.

#include "actors/Player.h"

class Ghost : public Player {
 public:
  Ghost();
  virtual ~Ghost();

  // The colour's own behaviour in attack mode.
  virtual bool attack(int* grid) = 0;

  // Home: one pixel above the house centre.
  static constexpr int HOME_X = 190;
  static constexpr int HOME_Y = 231;

  // In play at home facing up; blue, slow-down and counter unchanged.
  void resetToHome();
  // The sprites "data//blueghostleft.tga" ... and "data//<colour>ghostleft.tga"
  // (then right, down, up); a game without a window never loads them.
  void loadSprites();
  void setSlowDownFactor(int n) { slowDownFactor = n; }
  void setActive(bool a) { active = a; }
  bool isActive() const { return active; }
  void setBlue(bool b) { blue = b; }
  bool isBlue() const { return blue; }
  void setReleaseCountdown(int n) { releaseCountdown = n; }
  int getReleaseCountdown() const { return releaseCountdown; }

  static bool isAttackMode();
  static bool isScatterMode();
  static void setAttackMode(bool b);
  static void setScatterMode(bool b);

  // One move: wander while blue, attack or scatter by the mode, or count down
  // the release while waiting. True when the ghost moved or was released.
  bool update(int* grid);
  bool wander(int* grid);
  bool scatter(int* grid);
  // The blue sprite while blue, the normal one otherwise.
  void draw() const;

 protected:
  // The frame every behaviour shares: a new direction is chosen (by
  // choose(mask)) only on a centre with an open exit, and the old one comes
  // back when the step waited, so the choice is made again next time.
  template <typename Choose>
  bool moveChoosing(int* grid, Choose choose);
  // Draws r; when r > 0.5 and the primary direction towards the chomper is in
  // the mask, that direction, otherwise DIR_NONE (the secondary is never tried).
  int chaseDirection(int mask) const;
  // The scatter choice towards the cell above the house door.
  int scatterDirection(int mask) const;
  // What makes a ghost one colour: its kind and its sprites' name; it
  // starts at home facing up.
  void takeColour(int colourKind, const char* colour);

  bool active;
  bool blue;
  int releaseCountdown;
  const char* colourName = "";
  gxbase::Image blueLeft;
  gxbase::Image blueRight;
  gxbase::Image blueDown;
  gxbase::Image blueUp;
};

// The power-pill rule: every ghost turns blue and slow, the blue period
// restarts and the pill counts as eaten food.
void startBlueGhosts();

template <typename Choose>
bool Ghost::moveChoosing(int* grid, Choose choose) {
  int previous = direction;
  int mask = openDirections(grid);
  if (mask != DIR_NONE) direction = choose(mask);
  bool moved = step(grid);
  if (!moved) direction = previous;
  return moved;
}
