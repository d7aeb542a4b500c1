#include "game/DecisionPoint.h"

#include "actors/Chomper.h"
#include "actors/Ghost.h"
#include "maze/GameState.h"

namespace {

// 32-bit FNV-1a, fed one int at a time.
struct Fnv {
  std::uint32_t hash = 2166136261u;
  void add(int value) {
    auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i, bits >>= 8) {
      hash ^= bits & 0xFF;
      hash *= 16777619u;
    }
  }
};

}  // namespace

DecisionPoint DecisionPoint::now(long long move) {
  DecisionPoint point;
  point.move = move;
  if (chomper != nullptr) {
    const CellPos cell = chomper->cellPosition();
    point.col = cell.getCol();
    point.row = cell.getRow();
    point.direction = chomper->getDirection();
    point.score = chomper->getScore();
  }
  point.foodLeft = ::foodLeft;
  const auto ghosts = ghostsInPlayOrder();
  for (int i = 0; i < GHOST_PLACES; ++i) {
    if (ghosts[i] == nullptr) continue;
    const CellPos cell = ghosts[i]->cellPosition();
    point.ghosts[i] = {true, cell.getCol(), cell.getRow(), ghosts[i]->getDirection(), ghosts[i]->isBlue()};
  }
  point.attack = attackMode;
  return point;
}

std::uint32_t DecisionPoint::stateCheck() {
  Fnv fnv;
  if (chomper != nullptr) {
    for (int value : {chomper->getX(), chomper->getY(), chomper->getDirection(), chomper->getScore()}) fnv.add(value);
  }
  fnv.add(::foodLeft);
  for (Ghost* ghost : ghostsInPlayOrder()) {
    if (ghost == nullptr) continue;
    for (int value : {ghost->getX(), ghost->getY(), ghost->getDirection(), int(ghost->isBlue())}) fnv.add(value);
  }
  return fnv.hash;
}
