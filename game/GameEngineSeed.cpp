// Seeded games: a game played with a seed depends only on the settings and
// the seed, not on the machine's speed, the pacing or the games before it.

#include <cstdlib>

#include "actors/Chomper.h"
#include "actors/Ghost.h"
#include "game/GameEngine.h"
#include "maze/GameState.h"
#include "player/MyChomper.h"

void GameEngine::beginGame() {
  ++gamesStarted;
  // Unsigned, so the sum wraps instead of overflowing for seeds near the int maximum.
  if (gameSettings.seed > 0) startSeededGame(static_cast<unsigned>(gameSettings.seed) + static_cast<unsigned>(gamesStarted - 1));
}

void GameEngine::startSeededGame(unsigned gameSeed) {
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

void GameEngine::advanceMoveClock() {
  if (seededGame) moveClockMs += static_cast<std::uint32_t>(gameSettings.framePeriodMs);
}
