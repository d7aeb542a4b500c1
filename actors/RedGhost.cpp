#include "actors/RedGhost.h"

#include "actors/Steering.h"

RedGhost::RedGhost() {
  x = 190;
  y = 231;
  spriteLeft.Load("data//redghostleft.tga");
  spriteRight.Load("data//redghostright.tga");
  spriteDown.Load("data//redghostdown.tga");
  spriteUp.Load("data//redghostup.tga");
  direction = DIR_UP;
  kind = 1;
}

RedGhost::~RedGhost() = default;

bool RedGhost::attack(int* grid) {
  return moveChoosing(grid, [this](int mask) {
    int chase = chaseDirection(mask);
    // Otherwise turn whenever possible, preferring a right-hand turn.
    return chase != DIR_NONE ? chase : firstClockwiseIn(direction, mask);
  });
}
