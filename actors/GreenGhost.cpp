#include "actors/GreenGhost.h"

#include "actors/Steering.h"

GreenGhost::GreenGhost() {
  x = 190;
  y = 231;
  spriteLeft.Load("data//greenghostleft.tga");
  spriteRight.Load("data//greenghostright.tga");
  spriteDown.Load("data//greenghostdown.tga");
  spriteUp.Load("data//greenghostup.tga");
  direction = DIR_UP;
  kind = 2;
}

GreenGhost::~GreenGhost() = default;

bool GreenGhost::attack(int* grid) {
  return moveChoosing(grid, [this](int mask) {
    int chase = chaseDirection(mask);
    // Otherwise turn whenever possible, preferring a left-hand turn.
    return chase != DIR_NONE ? chase : firstAnticlockwiseIn(direction, mask);
  });
}
