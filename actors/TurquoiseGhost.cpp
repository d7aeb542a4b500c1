#include "actors/TurquoiseGhost.h"

TurquoiseGhost::TurquoiseGhost() { takeColour(4, "turquoise"); }

TurquoiseGhost::~TurquoiseGhost() = default;

bool TurquoiseGhost::attack(int* grid) {
  // The same random walk as a blue ghost.
  return wander(grid);
}
