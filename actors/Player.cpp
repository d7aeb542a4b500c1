#include "actors/Player.h"

#include <GL/gl.h>

#include <initializer_list>

#include "maze/GameState.h"

int oppositeDirection(int direction) {
  int product = direction * 4;
  return product > 8 ? product / 16 : product;
}

Player::Player()
    : x(0), y(0), slowDownFactor(1), moveCounter(0), direction(DIR_LEFT), kind(0) {}

Player::~Player() {
  for (gxbase::Image* sprite : {&spriteLeft, &spriteRight, &spriteUp, &spriteDown}) {
    if (sprite->IsValid()) sprite->Free();
  }
}

CellPos Player::cellPosition() const { return CellPos((x - 10) / 20, (y - 10) / 20); }

bool Player::onCellCentre() const { return (x - 10) % 20 == 0 && (y - 10) % 20 == 0; }

int Player::neighbourCode(const int* grid, int d) const {
  int col = (x - 10) / 20;
  int row = (y - 10) / 20;  // counted from the bottom
  switch (d) {
    case DIR_LEFT: --col; break;
    case DIR_RIGHT: ++col; break;
    case DIR_UP: ++row; break;
    case DIR_DOWN: --row; break;
    default: return CELL_VOID;
  }
  if (!insideGrid(col, row)) return CELL_VOID;
  return grid[gridIndex(col, row)];
}

int Player::openDirections(const int* grid) const {
  if (!onCellCentre()) return DIR_NONE;
  int reverse = isGhost() ? oppositeDirection(direction) : DIR_NONE;
  int mask = DIR_NONE;
  for (int d : {DIR_LEFT, DIR_RIGHT, DIR_DOWN, DIR_UP}) {
    if (d != reverse && neighbourCode(grid, d) > CELL_DOOR) mask |= d;
  }
  // Ghosts pass the door whatever their direction: out of the house always,
  // into it only while the ghosts head home in scatter mode.
  if (isGhost() && neighbourCode(grid, DIR_UP) == CELL_DOOR) mask |= DIR_UP;
  if (isGhost() && !attackMode && neighbourCode(grid, DIR_DOWN) == CELL_DOOR) mask |= DIR_DOWN;
  return mask;
}

bool Player::step(const int* grid) {
  if (++moveCounter < slowDownFactor) return false;
  moveCounter = 0;
  if (openDirections(grid) != DIR_NONE) {
    int next = neighbourCode(grid, direction);
    if (next == CELL_WALL) return false;
    if (next == CELL_DOOR && !isGhost()) return false;
    // The tunnel ends lead to the far side; the actor lands one pixel past
    // the tunnel cell's centre, so that centre is never occupied.
    if (next == CELL_TUNNEL && direction == DIR_LEFT) x += 340;
    if (next == CELL_TUNNEL && direction == DIR_RIGHT) x -= 340;
  }
  switch (direction) {
    case DIR_LEFT: --x; break;
    case DIR_UP: ++y; break;
    case DIR_RIGHT: ++x; break;
    case DIR_DOWN: --y; break;
    default: break;
  }
  return true;
}

const gxbase::Image* Player::pick(int d, const gxbase::Image& left, const gxbase::Image& up,
                                  const gxbase::Image& right, const gxbase::Image& down) {
  switch (d) {
    case DIR_LEFT: return &left;
    case DIR_UP: return &up;
    case DIR_RIGHT: return &right;
    case DIR_DOWN: return &down;
    default: return nullptr;
  }
}

void Player::drawCentred(const gxbase::Image* image, double x, double y) {
  if (image == nullptr || !image->IsValid()) return;
  glRasterPos2d(x - image->Width() * 0.5, y - image->Height() * 0.5);
  image->Draw();
}

void Player::draw() const {
  drawCentred(pick(direction, spriteLeft, spriteUp, spriteRight, spriteDown), x, y);
}
