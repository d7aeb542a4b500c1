#include "actors/GreenGhost.h"

#include "actors/Steering.h"

GreenGhost::GreenGhost() { takeColour(2, "green"); }

GreenGhost::~GreenGhost() = default;

bool GreenGhost::attack(int* grid) {
  return moveChoosing(grid, [this](int mask) {
    int chase = chaseDirection(mask);
    // Otherwise turn whenever possible, preferring a left-hand turn.
    return chase != DIR_NONE ? chase : firstAnticlockwiseIn(direction, mask);
  });
}
