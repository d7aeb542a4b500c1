#include "game/GameEngine.h"

gxbase::Image dotImage;
gxbase::Image powerpillImage;

// The game state starts cleared with the process (resetGameState puts it back).
GameEngine::GameEngine() = default;

GameEngine::~GameEngine() = default;
