#pragma once
// The application: the game window (the first window, so the main one) and
// the chomper with its autonomous player, which brings the analysis window.
// Its player can be steered from outside (a watched record does); left
// alone it is the autonomous player.

#include "game/GameEngine.h"
#include "gxbase/Main.h"

class DrivenChomper;

class MyGame : public gxbase::App {
 public:
  MyGame();
  ~MyGame() override;
  MyGame(const MyGame&) = delete;
  MyGame& operator=(const MyGame&) = delete;

  // Hands the chomper to the game state before any window is created.
  void OnStart() override;

  GameEngine engine;
  DrivenChomper* myChomper;  // owned
};
