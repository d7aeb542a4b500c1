#include "player/GameQueries.h"

#include <initializer_list>

#include "actors/Ghost.h"
#include "maze/GameState.h"

namespace {

CellPos ghostCell(const Ghost* ghost) {
  return ghost != nullptr ? ghost->cellPosition() : CellPos(0, 0);
}

// The code a present ghost gives its own cell, or 0 when it is elsewhere.
int ghostCodeIn(const Ghost* ghost, int ownCode, const CellPos& cell) {
  if (ghost == nullptr || ghost->cellPosition() != cell) return 0;
  return ghost->isBlue() ? CELL_BLUE_GHOST : ownCode;
}

}  // namespace

int mazeColumns() { return MAZE_COLS; }
int mazeRows() { return MAZE_ROWS; }

bool redGhostExists() { return redGhost != nullptr; }
bool greenGhostExists() { return greenGhost != nullptr; }
bool orangeGhostExists() { return orangeGhost != nullptr; }
bool turquoiseGhostExists() { return turquoiseGhost != nullptr; }

CellPos redGhostCell() { return ghostCell(redGhost); }
CellPos greenGhostCell() { return ghostCell(greenGhost); }
CellPos orangeGhostCell() { return ghostCell(orangeGhost); }
CellPos turquoiseGhostCell() { return ghostCell(turquoiseGhost); }

bool isFruitShown() { return fruitShown; }

PixelPos fruitPosition() { return PixelPos{FRUIT_X, FRUIT_Y}; }

CellPos fruitCell() {
  const PixelPos p = fruitPosition();
  return CellPos((p.x - 10) / CELL_SIZE, (p.y - 10) / CELL_SIZE);
}

bool anyGhostBlue() {
  for (const Ghost* ghost : ghostsInPlayOrder()) {
    if (ghost != nullptr) return ghost->isBlue();
  }
  return false;
}

int cellCodeAt(int col, int row) {
  if (col < 0 || col >= MAZE_COLS || row < 0 || row >= MAZE_ROWS) return CELL_OUTSIDE;
  const CellPos cell(col, row);
  // This view lists the ghosts red, orange, green, turquoise.
  const struct {
    const Ghost* ghost;
    int code;
  } ghosts[] = {{redGhost, CELL_RED_GHOST},
                {orangeGhost, CELL_ORANGE_GHOST},
                {greenGhost, CELL_GREEN_GHOST},
                {turquoiseGhost, CELL_TURQUOISE_GHOST}};
  for (const auto& g : ghosts) {
    const int code = ghostCodeIn(g.ghost, g.code, cell);
    if (code != 0) return code;
  }
  if (fruitShown && cell == fruitCell()) return CELL_FRUIT;
  return maze[gridIndex(col, row)];
}

bool isWalkableCode(int code) {
  switch (code) {
    case CELL_DOOR:
    case CELL_TUNNEL:
    case CELL_DOT:
    case CELL_POWERPILL:
    case CELL_FRUIT:
    case CELL_EMPTY:
    case CELL_RED_GHOST:
    case CELL_ORANGE_GHOST:
    case CELL_GREEN_GHOST:
    case CELL_TURQUOISE_GHOST:
      return true;
    default:
      return false;
  }
}

bool isWalkableCell(int col, int row) {
  if (col < 0 || col >= MAZE_COLS || row < 0 || row >= MAZE_ROWS) return false;
  // A ghost that is not blue and the fruit both make a cell walkable; only a
  // blue ghost can make a walkable maze cell unwalkable.
  if (isWalkableCode(maze[gridIndex(col, row)])) {
    bool blue = false;
    for (const Ghost* ghost : ghostsInPlayOrder()) {
      blue = blue || (ghost != nullptr && ghost->isBlue());
    }
    if (!blue) return true;
  }
  return isWalkableCode(cellCodeAt(col, row));
}
