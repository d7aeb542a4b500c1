#include "actors/Ghost.h"

#include <initializer_list>
#include <string>

#include "actors/Chomper.h"
#include "actors/Random.h"
#include "actors/Steering.h"
#include "maze/GameState.h"

namespace {
// Scatter mode leads every ghost to the cell above the house door.
constexpr int kScatterTargetX = 190;
constexpr int kScatterTargetY = 270;
}  // namespace

Ghost::Ghost() : active(true), blue(false), releaseCountdown(0) {
  resetToHome();
  blue = false;
}

void Ghost::takeColour(int colourKind, const char* colour) {
  colourName = colour;
  x = HOME_X;
  y = HOME_Y;
  direction = DIR_UP;
  kind = colourKind;
}

void Ghost::loadSprites() {
  blueLeft.Load("data//blueghostleft.tga");
  blueRight.Load("data//blueghostright.tga");
  blueUp.Load("data//blueghostup.tga");
  blueDown.Load("data//blueghostdown.tga");
  const std::string prefix = std::string("data//") + colourName + "ghost";
  spriteLeft.Load((prefix + "left.tga").c_str());
  spriteRight.Load((prefix + "right.tga").c_str());
  spriteDown.Load((prefix + "down.tga").c_str());
  spriteUp.Load((prefix + "up.tga").c_str());
}

Ghost::~Ghost() {
  for (gxbase::Image* sprite : {&blueLeft, &blueRight, &blueUp, &blueDown}) {
    if (sprite->IsValid()) sprite->Free();
  }
}

void Ghost::resetToHome() {
  active = true;
  releaseCountdown = 0;
  // One pixel above the house centre: the ghost walks straight up to the
  // door's centre before any behaviour is consulted.
  x = HOME_X;
  y = HOME_Y;
  direction = DIR_UP;
}

bool Ghost::isAttackMode() { return attackMode; }
bool Ghost::isScatterMode() { return !attackMode; }
void Ghost::setAttackMode(bool b) { attackMode = b; }
void Ghost::setScatterMode(bool b) { attackMode = !b; }

bool Ghost::update(int* grid) {
  if (active) {
    if (blue) return wander(grid);
    return attackMode ? attack(grid) : scatter(grid);
  }
  if (--releaseCountdown > 0) return false;
  resetToHome();
  return true;
}

bool Ghost::wander(int* grid) {
  return moveChoosing(grid, [](int mask) { return randomDirectionIn(mask); });
}

bool Ghost::scatter(int* grid) {
  return moveChoosing(grid, [this](int mask) { return scatterDirection(mask); });
}

int Ghost::scatterDirection(int mask) const {
  Heading heading = headingTowards(kScatterTargetX - x, kScatterTargetY - y);
  if (mask & heading.primary) return heading.primary;
  if (mask & heading.secondary) return heading.secondary;
  // Neither leads on: turn from the secondary, either way round at random.
  if (drawRandom() < 0.5) return firstClockwiseIn(heading.secondary, mask);
  return firstAnticlockwiseIn(heading.secondary, mask);
}

int Ghost::chaseDirection(int mask) const {
  if (drawRandom() <= 0.5) return DIR_NONE;
  const Player* target = getChomperPlayer();
  if (target == nullptr) return DIR_NONE;
  int primary = headingTowards(target->getX() - x, target->getY() - y).primary;
  return (mask & primary) ? primary : DIR_NONE;
}

void Ghost::draw() const {
  if (blue) {
    drawCentred(pick(direction, blueLeft, blueUp, blueRight, blueDown), x, y);
  } else {
    Player::draw();
  }
}

void startBlueGhosts() {
  const auto ghosts = ghostsInPlayOrder();
  for (Ghost* g : ghosts) {
    if (g != nullptr) g->setBlue(true);
  }
  for (Ghost* g : ghosts) {
    if (g != nullptr) g->setSlowDownFactor(gameSettings.powerpillSlowdownFactor);
  }
  // A pill eaten while the ghosts are blue restarts the full period.
  blueCountdown = gameSettings.nMovesBlueGhosts;
  foodEaten();
}
