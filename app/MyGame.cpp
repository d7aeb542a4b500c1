#include "app/MyGame.h"

#include "maze/GameState.h"
#include "player/MyChomper.h"

MyGame::MyGame() : engine(), myChomper(new MyChomper()) {}

MyGame::~MyGame() {
  // The chomper (and its analysis window) goes first, then the game window
  // with its ghosts.
  if (chomper == myChomper) setChomper(nullptr);
  delete myChomper;
  myChomper = nullptr;
}

void MyGame::OnStart() { setChomper(myChomper); }
