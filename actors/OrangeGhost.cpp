#include "actors/OrangeGhost.h"

#include "actors/Steering.h"

OrangeGhost::OrangeGhost() {
  x = 190;
  y = 231;
  spriteLeft.Load("data//orangeghostleft.tga");
  spriteRight.Load("data//orangeghostright.tga");
  spriteDown.Load("data//orangeghostdown.tga");
  spriteUp.Load("data//orangeghostup.tga");
  direction = DIR_UP;
  kind = 3;
}

OrangeGhost::~OrangeGhost() = default;

bool OrangeGhost::attack(int* grid) {
  return moveChoosing(grid, [this](int mask) {
    int chase = chaseDirection(mask);
    return chase != DIR_NONE ? chase : randomDirectionIn(mask);
  });
}
