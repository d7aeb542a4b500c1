// One move of the game: ghosts, the chomper's choice, eating and moving,
// then the rules in their fixed order (fruit, blue period, meetings, phases).

#include <cassert>
#include <cmath>

#include "actors/Chomper.h"
#include "actors/Ghost.h"
#include "game/GameEngine.h"
#include "maze/GameState.h"

namespace {
// A ghost meets the chomper when their whole-pixel distance is below this.
constexpr int MEETING_DISTANCE = 5;
// The fruit is shown at, and eaten only exactly at, this pixel.
constexpr int FRUIT_X = 190;
constexpr int FRUIT_Y = 190;
}  // namespace

void GameEngine::gameTick() {
  moveGhosts();
  moveChomper();
}

void GameEngine::moveGhosts() {
  for (Ghost* ghost : ghostsInPlayOrder()) {
    if (ghost != nullptr) ghost->update(maze);
  }
}

void GameEngine::moveChomper() {
  assert(chomper != nullptr && "a move needs the chomper");
  steerChomper();
  chomper->update(maze);
  updateFruit();
  endBluePeriod();
  checkMeetings();
  updatePhases();
  // The end of the game (gameWon, gameLost) is acted on by the next idle call.
}

void GameEngine::steerChomper() {
  // Directions are chosen only on a cell centre with an open exit.
  const int mask = chomper->openDirections(maze);
  if (mask == 0) return;
  if (gameSettings.keyboardControl) {
    applyKeys(mask);
  } else {
    chomper->decide();
  }
}

void GameEngine::applyKeys(int mask) {
  // A remembered arrow whose way is closed stays remembered for a later centre.
  if (keyUp && (mask & DIR_UP)) {
    chomper->setDirection(DIR_UP);
  } else if (keyDown && (mask & DIR_DOWN)) {
    chomper->setDirection(DIR_DOWN);
  } else if (keyLeft && (mask & DIR_LEFT)) {
    chomper->setDirection(DIR_LEFT);
  } else if (keyRight && (mask & DIR_RIGHT)) {
    chomper->setDirection(DIR_RIGHT);
  }
}

int GameEngine::ghostDistance(const Ghost* ghost) const {
  assert(ghost != nullptr && chomper != nullptr && "distance between two actors");
  const double dx = chomper->getX() - ghost->getX();
  const double dy = chomper->getY() - ghost->getY();
  return static_cast<int>(std::sqrt(dx * dx + dy * dy));
}

void GameEngine::updateFruit() {
  if (fruitShown) {
    if (chomper->getX() == FRUIT_X && chomper->getY() == FRUIT_Y) {
      fruitShown = false;
      chomper->addScore(gameSettings.fruitValue);
      fruitCountdown = gameSettings.nMovesFruitAppears;
    }
  } else if (fruitCountdown > 0) {
    // Counts only while no fruit is shown; the move that shows it never eats it.
    --fruitCountdown;
    if (fruitCountdown == 0) fruitShown = true;
  }
}

void GameEngine::endBluePeriod() {
  if (blueCountdown <= 0) return;
  --blueCountdown;
  if (blueCountdown != 0) return;
  const std::array<Ghost*, 4> ghosts = ghostsInPlayOrder();
  for (Ghost* ghost : ghosts) {
    if (ghost != nullptr) ghost->setBlue(false);
  }
  for (int i = 0; i < 4; ++i) {
    if (ghosts[i] != nullptr) ghosts[i]->setSlowDownFactor(configuredSlowdown(i));
  }
}

void GameEngine::checkMeetings() {
  // Every ghost is examined, also after one of them has caught the chomper.
  for (Ghost* ghost : ghostsInPlayOrder()) {
    if (ghost == nullptr || !ghost->isActive()) continue;
    if (ghostDistance(ghost) >= MEETING_DISTANCE) continue;
    if (ghost->isBlue()) {
      chomper->addScore(gameSettings.ghostValue);
      ghost->resetToHome();
      ghost->setActive(false);
      ghost->setReleaseCountdown(gameSettings.nMovesGhostAppears);
    } else {
      gameLost = true;
    }
  }
}

void GameEngine::updatePhases() {
  // A phase whose countdown starts at n >= 1 lasts n moves; one at 0 lasts one.
  if (Ghost::isScatterMode()) {
    if (--scatterCountdown <= 0) {
      attackCountdown = gameSettings.lengthAttackMode;
      Ghost::setAttackMode(true);
    }
  } else if (--attackCountdown <= 0) {
    scatterCountdown = gameSettings.lengthScatterMode;
    Ghost::setScatterMode(true);
  }
}
