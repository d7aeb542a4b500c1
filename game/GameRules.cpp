// The rules' set-up and a new game; one move of the game: ghosts, the
// chomper's choice, eating and moving, then the rules in their fixed order
// (fruit, blue period, meetings, phases).

#include "game/GameRules.h"

#include <unistd.h>

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdio>

#include "actors/Chomper.h"
#include "actors/GreenGhost.h"
#include "actors/OrangeGhost.h"
#include "actors/RedGhost.h"
#include "actors/TurquoiseGhost.h"
#include "game/DecisionPoint.h"
#include "game/ResultsFile.h"
#include "maze/GameState.h"

namespace {
// A ghost meets the chomper when their whole-pixel distance is below this.
constexpr int MEETING_DISTANCE = 5;
// Moves of the scatter phase that opens every game.
constexpr int FIRST_SCATTER_MOVES = 30;
}  // namespace

GameRules::~GameRules() {
  // Only ghosts these rules made are deleted; the game state's pointers are
  // views and are cleared when they show one of them.
  for (int i = 0; i < GHOST_PLACES; ++i) {
    if (ownedGhosts[i] == nullptr) continue;
    Ghost*& view = ghostAt(i);
    if (view == ownedGhosts[i]) view = nullptr;
    delete ownedGhosts[i];
    ownedGhosts[i] = nullptr;
  }
}

void GameRules::createGhosts() {
  const auto& enabled = gameSettings.ghostEnabled;
  if (enabled[RED_PLACE] && redGhost == nullptr) redGhost = ownedGhosts[RED_PLACE] = new RedGhost();
  if (enabled[GREEN_PLACE] && greenGhost == nullptr) greenGhost = ownedGhosts[GREEN_PLACE] = new GreenGhost();
  if (enabled[ORANGE_PLACE] && orangeGhost == nullptr) orangeGhost = ownedGhosts[ORANGE_PLACE] = new OrangeGhost();
  if (enabled[TURQUOISE_PLACE] && turquoiseGhost == nullptr) {
    turquoiseGhost = ownedGhosts[TURQUOISE_PLACE] = new TurquoiseGhost();
  }
}

void GameRules::resetGame() {
  scatterCountdown = FIRST_SCATTER_MOVES;
  fruitCountdown = gameSettings.nMovesFruitAppears;
  fruitShown = false;
  Ghost::setScatterMode(true);
  gameWon = false;
  gameLost = false;
  ghostsEaten = 0;
  fruitsEaten = 0;
  movesPlayed = 0;
  const std::array<Ghost*, 4> ghosts = ghostsInPlayOrder();
  for (int i = 0; i < GHOST_PLACES; ++i) {
    if (ghosts[i] == nullptr) continue;
    ghosts[i]->resetToHome();
    ghosts[i]->setSlowDownFactor(configuredSlowdown(i));
    ghosts[i]->setBlue(false);
  }
  if (chomper != nullptr) chomper->resetToStart();
  std::copy(mazeTemplate, mazeTemplate + MAZE_CELLS, maze);
  countFood();
  // blueCountdown and attackCountdown carry over: a blue period still running
  // ends in the next game.
}

void GameRules::countFood() { foodLeft = countFoodIn(maze); }

int GameRules::configuredSlowdown(int playIndex) const {
  assert(playIndex >= 0 && playIndex < GHOST_PLACES && "play order has four places");
  return gameSettings.ghostSlowdown[playIndex];
}

void GameRules::gameTick() {
  moveGhosts();
  moveChomper();
}

void GameRules::moveGhosts() {
  for (Ghost* ghost : ghostsInPlayOrder()) {
    if (ghost != nullptr) ghost->update(maze);
  }
}

void GameRules::moveChomper() {
  assert(chomper != nullptr && "a move needs the chomper");
  // A decision point is seen as it stands, and reported once its move is made.
  const bool deciding = observer != nullptr && chomper->openDirections(maze) != 0;
  DecisionPoint point;
  if (deciding) point = DecisionPoint::now(movesPlayed);
  steerChomper();
  chomper->update(maze);
  updateFruit();
  endBluePeriod();
  checkMeetings();
  updatePhases();
  ++movesPlayed;
  if (deciding) {
    point.direction = chomper->getDirection();
    point.check = DecisionPoint::stateCheck();
    observer->decided(point);
  }
  // The end of the game (gameWon, gameLost) is acted on by the next idle call.
}

void GameRules::steerChomper() {
  // Directions are chosen only on a cell centre with an open exit.
  const int mask = chomper->openDirections(maze);
  if (mask == 0) return;
  if (gameSettings.keyboardControl) {
    applyKeys(mask);
  } else {
    chomper->decide();
  }
}

void GameRules::applyKeys(int mask) {
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

int GameRules::ghostDistance(const Ghost* ghost) const {
  assert(ghost != nullptr && chomper != nullptr && "distance between two actors");
  const double dx = chomper->getX() - ghost->getX();
  const double dy = chomper->getY() - ghost->getY();
  return static_cast<int>(std::sqrt(dx * dx + dy * dy));
}

void GameRules::updateFruit() {
  if (fruitShown) {
    if (chomper->getX() == FRUIT_X && chomper->getY() == FRUIT_Y) {
      fruitShown = false;
      chomper->addScore(gameSettings.fruitValue);
      ++fruitsEaten;
      fruitCountdown = gameSettings.nMovesFruitAppears;
    }
  } else if (fruitCountdown > 0) {
    // Counts only while no fruit is shown; the move that shows it never eats it.
    --fruitCountdown;
    if (fruitCountdown == 0) fruitShown = true;
  }
}

void GameRules::endBluePeriod() {
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

bool GameRules::meetsChomper(const Ghost* ghost) const {
  return ghost != nullptr && ghost->isActive() && ghostDistance(ghost) < MEETING_DISTANCE;
}

void GameRules::checkMeetings() {
  // Every ghost is examined, also after one of them has caught the chomper.
  for (Ghost* ghost : ghostsInPlayOrder()) {
    if (!meetsChomper(ghost)) continue;
    if (ghost->isBlue()) {
      chomper->addScore(gameSettings.ghostValue);
      ++ghostsEaten;
      ghost->resetToHome();
      ghost->setActive(false);
      ghost->setReleaseCountdown(gameSettings.nMovesGhostAppears);
    } else {
      gameLost = true;
    }
  }
}

int GameRules::catcherPlace() const {
  const std::array<Ghost*, 4> ghosts = ghostsInPlayOrder();
  for (int i = 0; i < GHOST_PLACES; ++i) {
    if (meetsChomper(ghosts[i]) && !ghosts[i]->isBlue()) return i;
  }
  return -1;
}

void GameRules::noteOutcome(GameOutcome& o) const {
  o.won = gameWon;
  o.lost = gameLost && !gameWon;
  o.score = chomper != nullptr ? chomper->getScore() : 0;
  o.fruits = fruitsEaten;
  o.ghosts = ghostsEaten;
  if (o.lost) {
    const int place = catcherPlace();
    o.caughtBy = place < 0 ? NO_GHOST : GHOST_RED + place;
  }
  o.foodLeft = foodLeft;
}

void GameRules::updatePhases() {
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

std::string GameRules::resultsLine() const {
  // Won, then the ghosts taking part in the order red, orange, green,
  // turquoise, then the score. A game won and lost in one move counts as won.
  char line[32] = {
      gameWon ? '1' : '0', ' ',
      redGhost != nullptr ? '1' : '0', ' ',
      orangeGhost != nullptr ? '1' : '0', ' ',
      greenGhost != nullptr ? '1' : '0', ' ',
      turquoiseGhost != nullptr ? '1' : '0', ' '};
  const int score = chomper != nullptr ? chomper->getScore() : 0;
  const int length = std::snprintf(line + 10, sizeof line - 10, "%d\n", score);
  return std::string(line, 10 + length);
}

bool GameRules::appendResults(const char* path, std::string& reason) const {
  return appendWholeLine(path, resultsLine(), reason, ::write);
}
