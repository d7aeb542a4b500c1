#pragma once
// How the autonomous player sees the game: a few read-only questions about
// the shared game state, and a cell view that lays the actors over the maze.

#include "actors/CellPos.h"

// Codes of the player's cell view, beyond the maze's own cell codes.
constexpr int CELL_OUTSIDE = -1;          // column or row outside the grid
constexpr int CELL_FRUIT = 6;             // the fruit is shown in this cell
constexpr int CELL_RED_GHOST = 10;        // ghosts that are not blue
constexpr int CELL_ORANGE_GHOST = 11;
constexpr int CELL_GREEN_GHOST = 12;
constexpr int CELL_TURQUOISE_GHOST = 13;
constexpr int CELL_BLUE_GHOST = 14;       // any ghost that is blue

struct PixelPos {
  int x;
  int y;
};

int mazeColumns();
int mazeRows();

bool redGhostExists();
bool greenGhostExists();
bool orangeGhostExists();
bool turquoiseGhostExists();

// A ghost's cell, or (0, 0) when that ghost does not take part.
CellPos redGhostCell();
CellPos greenGhostCell();
CellPos orangeGhostCell();
CellPos turquoiseGhostCell();

bool isFruitShown();
PixelPos fruitPosition();  // always (FRUIT_X, FRUIT_Y)
CellPos fruitCell();       // the cell of fruitPosition: (9, 9)

// Blue state of the first ghost present (red, green, orange, turquoise);
// the game turns all ghosts blue together. False when no ghost plays.
bool anyGhostBlue();

// The player's view of one cell (row counted from the bottom): outside,
// then red, orange, green, turquoise ghost (blue ones as CELL_BLUE_GHOST),
// then the shown fruit, else the live maze's code.
int cellCodeAt(int col, int row);

// Codes the player may walk on: the door, tunnel ends, food, empty
// corridor, the fruit and cells under ghosts that are not blue.
bool isWalkableCode(int code);

// isWalkableCode(cellCodeAt(col, row)), without looking for the actors when
// the answer cannot depend on them.
bool isWalkableCell(int col, int row);
