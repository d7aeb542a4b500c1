#include "actors/Steering.h"

#include <cassert>
#include <initializer_list>

#include "actors/Player.h"
#include "actors/Random.h"

namespace {

constexpr int kAllDirections = DIR_LEFT | DIR_UP | DIR_RIGHT | DIR_DOWN;

// The lowest direction in the mask; a fallback for a turn that starts from
// something that is not a direction.
int anyDirectionIn(int mask) {
  for (int d : {DIR_LEFT, DIR_UP, DIR_RIGHT, DIR_DOWN}) {
    if (mask & d) return d;
  }
  return DIR_NONE;
}

bool isDirection(int d) {
  return d == DIR_LEFT || d == DIR_UP || d == DIR_RIGHT || d == DIR_DOWN;
}

int firstIn(int from, int mask, int (*turn)(int)) {
  assert((mask & kAllDirections) != 0 && "a turn needs an open direction");
  if (!isDirection(from)) return anyDirectionIn(mask);
  int d = from;
  for (int i = 0; i < 4; ++i) {
    d = turn(d);
    if (mask & d) return d;
  }
  return anyDirectionIn(mask);
}

}  // namespace

Heading headingTowards(int dx, int dy) {
  if (dx > 0) {
    if (dy > 0) return dy > dx ? Heading{DIR_UP, DIR_RIGHT} : Heading{DIR_RIGHT, DIR_UP};
    return dx > -dy ? Heading{DIR_RIGHT, DIR_DOWN} : Heading{DIR_DOWN, DIR_RIGHT};
  }
  if (dy > 0) return dy > -dx ? Heading{DIR_UP, DIR_LEFT} : Heading{DIR_LEFT, DIR_UP};
  return dx < dy ? Heading{DIR_LEFT, DIR_DOWN} : Heading{DIR_DOWN, DIR_LEFT};
}

int rotateClockwise(int direction) {
  int next = direction * 2;
  return next == 16 ? DIR_LEFT : next;
}

int rotateAnticlockwise(int direction) {
  int next = direction / 2;
  return next == 0 ? DIR_DOWN : next;
}

int firstClockwiseIn(int from, int mask) { return firstIn(from, mask, rotateClockwise); }

int firstAnticlockwiseIn(int from, int mask) { return firstIn(from, mask, rotateAnticlockwise); }

int directionForDraw(double r) {
  if (r < 0.25) return DIR_UP;
  if (r < 0.5) return DIR_RIGHT;
  if (r < 0.75) return DIR_DOWN;
  return DIR_LEFT;
}

int randomDirectionIn(int mask) {
  assert((mask & kAllDirections) != 0 && "a random direction needs an open direction");
  if ((mask & kAllDirections) == 0) return DIR_NONE;
  for (;;) {
    int d = directionForDraw(drawRandom());
    if (mask & d) return d;
  }
}
