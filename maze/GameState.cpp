#include "maze/GameState.h"

#include <algorithm>

Chomper* chomper = nullptr;
Ghost* redGhost = nullptr;
Ghost* greenGhost = nullptr;
Ghost* orangeGhost = nullptr;
Ghost* turquoiseGhost = nullptr;

int maze[MAZE_CELLS] = {};

int foodLeft = 0;
bool gameWon = false;
bool fruitShown = false;
int scatterCountdown = 0;
int attackCountdown = 0;
int blueCountdown = 0;
bool attackMode = false;

GameSettings gameSettings;

Ghost*& ghostAt(int place) {
  Ghost** const places[GHOST_PLACES] = {&redGhost, &greenGhost, &orangeGhost, &turquoiseGhost};
  return *places[place];
}

void setChomper(Chomper* c) { chomper = c; }

void foodEaten() {
  if (foodLeft == 1) gameWon = true;
  --foodLeft;
}

int countFoodIn(const int* grid) {
  return static_cast<int>(std::count_if(grid, grid + MAZE_CELLS, [](int code) {
    return code == CELL_DOT || code == CELL_POWERPILL;
  }));
}

void resetGameState() {
  chomper = nullptr;
  redGhost = nullptr;
  greenGhost = nullptr;
  orangeGhost = nullptr;
  turquoiseGhost = nullptr;
  std::fill(maze, maze + MAZE_CELLS, 0);
  foodLeft = 0;
  gameWon = false;
  fruitShown = false;
  scatterCountdown = 0;
  attackCountdown = 0;
  blueCountdown = 0;
  attackMode = false;
  gameSettings = GameSettings{};
}
