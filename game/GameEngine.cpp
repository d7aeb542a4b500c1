#include "game/GameEngine.h"

#include <cassert>

#include "actors/Ghost.h"
#include "maze/GameState.h"

gxbase::Image dotImage;
gxbase::Image powerpillImage;

// The game state starts cleared with the process (resetGameState puts it back).
GameEngine::GameEngine() = default;

GameEngine::~GameEngine() {
  // Only ghosts this engine made are deleted; the game state's pointers are
  // views and are cleared when they show one of them.
  Ghost** views[4] = {&redGhost, &greenGhost, &orangeGhost, &turquoiseGhost};
  for (int i = 0; i < 4; ++i) {
    if (ownedGhosts[i] == nullptr) continue;
    if (*views[i] == ownedGhosts[i]) *views[i] = nullptr;
    delete ownedGhosts[i];
    ownedGhosts[i] = nullptr;
  }
}

std::array<Ghost*, 4> GameEngine::ghostsInPlayOrder() {
  return {redGhost, greenGhost, orangeGhost, turquoiseGhost};
}

int GameEngine::configuredSlowdown(int playIndex) const {
  assert(playIndex >= 0 && playIndex < 4 && "play order has four places");
  return gameSettings.ghostSlowdown[playIndex];
}
