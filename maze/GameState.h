#pragma once
// The one game's shared state: the maze grids, the actors taking part, the
// food count, the mode countdowns and the settings read from the config file.
// Process-wide, one instance, shared by the game core, the actors and the
// autonomous player.

#include <array>

#include "maze/GameSettings.h"

class Chomper;
class Ghost;

constexpr int MAZE_COLS = 19;
constexpr int MAZE_ROWS = 22;
constexpr int MAZE_CELLS = MAZE_COLS * MAZE_ROWS;
constexpr int CELL_SIZE = 20;

// Cell codes held by the maze grids. Every code above 2 is open corridor.
enum CellCode {
  CELL_VOID = 0,       // filler beside the tunnel row; never entered
  CELL_WALL = 1,
  CELL_DOOR = 2,       // ghost-house door; only ghosts pass it
  CELL_TUNNEL = 3,     // tunnel end: entering it jumps to the other side
  CELL_DOT = 4,
  CELL_POWERPILL = 5,
  CELL_EMPTY = 9       // corridor with nothing (left) to eat
};

// Grids are MAZE_ROWS x MAZE_COLS, row-major, top row first: the cell in
// column c and row r counted from the bottom is element (21 - r) * 19 + c.
inline int gridIndex(int col, int rowFromBottom) {
  return (MAZE_ROWS - 1 - rowFromBottom) * MAZE_COLS + col;
}

// True for a cell of the grid (column 0..18, row from the bottom 0..21).
inline bool insideGrid(int col, int rowFromBottom) {
  return col >= 0 && col < MAZE_COLS && rowFromBottom >= 0 && rowFromBottom < MAZE_ROWS;
}

// Actors taking part; not owned. A null ghost does not play.
extern Chomper* chomper;
extern Ghost* redGhost;
extern Ghost* greenGhost;
extern Ghost* orangeGhost;
extern Ghost* turquoiseGhost;

// The ghosts in play order (red, green, orange, turquoise); null = absent.
inline std::array<Ghost*, GHOST_PLACES> ghostsInPlayOrder() {
  return {redGhost, greenGhost, orangeGhost, turquoiseGhost};
}
// The game state's pointer to the ghost at that place of the play order.
Ghost*& ghostAt(int place);

// The fruit is shown at, and eaten only exactly at, this pixel.
constexpr int FRUIT_X = 190;
constexpr int FRUIT_Y = 190;

extern int maze[MAZE_CELLS];                 // the live maze; all 0 until the first reset
extern const int mazeTemplate[MAZE_CELLS];   // the level

extern int foodLeft;
extern bool gameWon;
extern bool fruitShown;
extern int scatterCountdown;
extern int attackCountdown;
extern int blueCountdown;
extern bool attackMode;  // shared ghost mode: true attack, false scatter

// The settings in force (the built-in defaults until a file is read).
extern GameSettings gameSettings;

void setChomper(Chomper* c);
// One piece of food eaten; eating the last one wins the game.
void foodEaten();
// Number of cells of a MAZE_CELLS grid holding a dot or a power pill.
int countFoodIn(const int* grid);

// Puts every value above back to its program-start value (tests use this).
void resetGameState();
