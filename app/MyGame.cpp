#include "app/MyGame.h"

#include "maze/GameState.h"
#include "player/DrivenChomper.h"

MyGame::MyGame() : engine(), myChomper(new DrivenChomper()) {}

MyGame::~MyGame() {
  // The chomper (and its analysis window) goes first, then the game window
  // with its ghosts.
  if (chomper == myChomper) setChomper(nullptr);
  delete myChomper;
  myChomper = nullptr;
}

void MyGame::OnStart() { setChomper(myChomper); }
