#include "actors/TurquoiseGhost.h"

TurquoiseGhost::TurquoiseGhost() {
  x = 190;
  y = 231;
  spriteLeft.Load("data//turquoiseghostleft.tga");
  spriteRight.Load("data//turquoiseghostright.tga");
  spriteDown.Load("data//turquoiseghostdown.tga");
  spriteUp.Load("data//turquoiseghostup.tga");
  direction = DIR_UP;
  kind = 4;
}

TurquoiseGhost::~TurquoiseGhost() = default;

bool TurquoiseGhost::attack(int* grid) {
  // The same random walk as a blue ghost.
  return wander(grid);
}
