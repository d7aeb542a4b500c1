// Seeded games: a game played with a seed depends only on the settings and
// the seed, not on the machine's speed, the pacing or the games before it.

#include <cstdlib>

#include "actors/Chomper.h"
#include "actors/Ghost.h"
#include "game/GameRules.h"
#include "maze/GameState.h"
#include "player/MyChomper.h"

void GameRules::beginGame() {
  ++gamesStarted;
  if (gameSettings.seed > 0) startSeededGame(seedOfGame(gameSettings.seed, gamesStarted));
}

unsigned GameRules::seedOfGame(int seedSetting, int gameNumber) {
  // Unsigned, so the sum wraps instead of overflowing for seeds near the int maximum.
  return static_cast<unsigned>(seedSetting) + static_cast<unsigned>(gameNumber - 1);
}

void GameRules::startSeededGame(unsigned gameSeed) {
  seededGame = true;
  std::srand(gameSeed);
  // resetGame leaves the blue period running into the next game; a seeded
  // game must not see it, nor an arrow remembered from before.
  blueCountdown = 0;
  attackCountdown = 0;
  keyLeft = keyRight = keyDown = keyUp = false;
  for (Ghost* ghost : ghostsInPlayOrder()) {
    if (ghost != nullptr) ghost->restartSlowDown();
  }
  moveClockMs = 0;
  if (chomper == nullptr) return;
  chomper->restartSlowDown();
  // The player measures blue periods in milliseconds: give it the moves' time.
  if (auto* player = dynamic_cast<MyChomper*>(chomper)) {
    player->setClock([this] { return moveClockMs; });
    player->startGame();
  }
}

void GameRules::advanceMoveClock() {
  if (seededGame) moveClockMs += static_cast<std::uint32_t>(gameSettings.framePeriodMs);
}
