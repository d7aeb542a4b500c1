#include "actors/RedGhost.h"

#include "actors/Steering.h"

RedGhost::RedGhost() { takeColour(1, "red"); }

RedGhost::~RedGhost() = default;

bool RedGhost::attack(int* grid) {
  return moveChoosing(grid, [this](int mask) {
    int chase = chaseDirection(mask);
    // Otherwise turn whenever possible, preferring a right-hand turn.
    return chase != DIR_NONE ? chase : firstClockwiseIn(direction, mask);
  });
}
