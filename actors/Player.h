#pragma once
// The movement model shared by every actor: pixel position, direction,
// slow-down, the legal-move test on the live maze and the one-pixel step.

#include "actors/CellPos.h"
#include "gxbase/Image.h"

// Direction codes, usable as bit flags; a mask of 0 means none.
enum Direction { DIR_NONE = 0, DIR_LEFT = 1, DIR_UP = 2, DIR_RIGHT = 4, DIR_DOWN = 8 };

// Left <-> right, up <-> down.
int oppositeDirection(int direction);

class Player {
 public:
  Player();
  ~Player();
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  int getX() const { return x; }
  int getY() const { return y; }
  void setPosition(int px, int py) { x = px; y = py; }
  int getDirection() const { return direction; }
  void setDirection(int d) { direction = d; }
  int getKind() const { return kind; }
  int getSlowDownFactor() const { return slowDownFactor; }
  // Forgets the moves counted toward the next step of a slowed actor.
  void restartSlowDown() { moveCounter = 0; }

  // The cell whose centre is at or to the left of / below the position.
  CellPos cellPosition() const;
  // Mask of open exits; 0 unless the actor stands exactly on a cell centre.
  int openDirections(const int* grid) const;
  // One move step: true when the actor moved a pixel (or has no direction),
  // false when it waited for its slow-down factor or a wall/door refused it.
  bool step(const int* grid);
  // Draws the sprite of the current direction centred on the position.
  void draw() const;
  // Whether its sprites were loaded (a drawing made without loading them shows nothing of it).
  bool hasSprites() const { return spriteLeft.IsValid(); }
  // Draws an image centred on (x, y), from its lower-left corner (odd sizes
  // put the corner on a half unit); nothing for a null or invalid image.
  static void drawCentred(const gxbase::Image* image, double x, double y);

 protected:
  bool isGhost() const { return kind != 0; }
  bool onCellCentre() const;
  // Code of the cell next to the actor's cell (it stands on a centre) in
  // direction d; CELL_VOID outside the grid.
  int neighbourCode(const int* grid, int d) const;
  // The sprite for a direction out of four (left, up, right, down); null for
  // any other direction.
  static const gxbase::Image* pick(int d, const gxbase::Image& left, const gxbase::Image& up,
                                   const gxbase::Image& right, const gxbase::Image& down);

  int x;
  int y;
  int slowDownFactor;
  int moveCounter;
  gxbase::Image spriteLeft;
  gxbase::Image spriteRight;
  gxbase::Image spriteDown;
  gxbase::Image spriteUp;
  int direction;
  int kind;  // 0 chomper; 1 red, 2 green, 3 orange, 4 turquoise ghost
};
