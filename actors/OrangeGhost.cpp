#include "actors/OrangeGhost.h"

#include "actors/Steering.h"

OrangeGhost::OrangeGhost() { takeColour(3, "orange"); }

OrangeGhost::~OrangeGhost() = default;

bool OrangeGhost::attack(int* grid) {
  return moveChoosing(grid, [this](int mask) {
    int chase = chaseDirection(mask);
    return chase != DIR_NONE ? chase : randomDirectionIn(mask);
  });
}
