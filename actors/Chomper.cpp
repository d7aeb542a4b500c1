#include "actors/Chomper.h"

#include "actors/Ghost.h"
#include "maze/GameState.h"

Chomper::Chomper() : score(0) {
  kind = 0;
  resetToStart();
}

void Chomper::loadSprites() {
  spriteLeft.Load("data//chompleft.tga");
  spriteRight.Load("data//chompright.tga");
  spriteDown.Load("data//chompdown.tga");
  spriteUp.Load("data//chompup.tga");
}

Chomper::~Chomper() = default;

void Chomper::resetToStart() {
  x = 190;
  y = 190;
  direction = DIR_LEFT;
  score = 0;
}

bool Chomper::update(int* grid) {
  // Food is eaten only on a centre, just before the move that leaves it.
  CellPos cell = cellPosition();
  if (openDirections(grid) != DIR_NONE && insideGrid(cell.getCol(), cell.getRow())) {
    int& code = grid[gridIndex(cell.getCol(), cell.getRow())];
    if (code == CELL_DOT) {
      score += gameSettings.dotValue;
      foodEaten();
      code = CELL_EMPTY;
    } else if (code == CELL_POWERPILL) {
      score += gameSettings.powerpillValue;
      code = CELL_EMPTY;
      startBlueGhosts();
    }
  }
  return step(grid);
}

Player* getChomperPlayer() { return chomper; }
