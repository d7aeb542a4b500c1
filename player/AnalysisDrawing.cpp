// How the analysis window draws its marks: at most one picture per cell, the
// first matching mark wins: chomper, ghosts, plan, ghost paths, then food.

#include <GL/gl.h>

#include "player/Window.h"

namespace {

constexpr double FULL = 18.0, FULL_OFFSET = 1.0;   // actors fill the cell
constexpr double SMALL = 5.0, SMALL_OFFSET = 7.5;  // route marks and dots, centred

struct MarkColour {
  int mark;
  float r, g, b;
};

// Ghosts standing in a cell (rules for the ghost overlay's cell marks).
constexpr MarkColour GHOST_COLOURS[] = {{MARK_RED_GHOST, 1.0f, 0.0f, 0.0f},
                                        {MARK_ORANGE_GHOST, 1.0f, 0.5f, 0.0f},
                                        {MARK_GREEN_GHOST, 0.0f, 1.0f, 0.0f},
                                        {MARK_TURQUOISE_GHOST, 0.0f, 1.0f, 1.0f}};

// Predicted ghost paths, red, green, orange, turquoise.
constexpr MarkColour PATH_COLOURS[] = {{MARK_GHOST_PATH + 1, 1.0f, 0.0f, 0.0f},
                                       {MARK_GHOST_PATH + 2, 0.0f, 1.0f, 0.0f},
                                       {MARK_GHOST_PATH + 3, 1.0f, 0.5f, 0.0f},
                                       {MARK_GHOST_PATH + 4, 0.0f, 1.0f, 1.0f}};

}  // namespace

void Window::drawCellSquare(int col, int row, double size, double offset, bool filled) {
  // Outlines take their line width from the wall display list.
  const double left = 20.0 * col + offset;
  const double bottom = 20.0 * row + offset;
  glBegin(filled ? GL_QUADS : GL_LINE_LOOP);
  glVertex2d(left, bottom + size);
  glVertex2d(left + size, bottom + size);
  glVertex2d(left + size, bottom);
  glVertex2d(left, bottom);
  glEnd();
}

void Window::drawAnalysis() const {
  for (int row = 0; row < MAZE_ROWS; ++row) {
    for (int col = 0; col < MAZE_COLS; ++col) {
      const int i = gridIndex(col, row);
      if (drawActorMark(col, row, chomperOverlay[i], ghostOverlay[i])) continue;
      if (drawRouteMark(col, row, chomperOverlay[i], ghostOverlay[i])) continue;
      drawFoodMark(col, row, analysisMaze[i]);
    }
  }
}

bool Window::drawActorMark(int col, int row, int chomperMark, int ghostMark) const {
  if (chomperMark == MARK_CHOMPER) {
    glColor3f(1.0f, 1.0f, 0.0f);
    drawCellSquare(col, row, FULL, FULL_OFFSET, true);
    return true;
  }
  // A ghost remembered on column 0 or row 0 was reported absent at (0, 0):
  // its colour is set but nothing is drawn in that cell.
  const bool shown[] = {redCol != 0 && redRow != 0, orangeCol != 0 && orangeRow != 0,
                        greenCol != 0 && greenRow != 0, turquoiseCol != 0 && turquoiseRow != 0};
  for (int k = 0; k < 4; ++k) {
    const MarkColour& c = GHOST_COLOURS[k];
    if (ghostMark != c.mark) continue;
    glColor3f(c.r, c.g, c.b);
    if (shown[k]) drawCellSquare(col, row, FULL, FULL_OFFSET, true);
    return true;
  }
  if (ghostMark == MARK_BLUE_GHOST) {
    glColor3f(0.0f, 0.0f, 1.0f);
    drawCellSquare(col, row, FULL, FULL_OFFSET, true);
    return true;
  }
  return false;
}

bool Window::drawRouteMark(int col, int row, int chomperMark, int ghostMark) const {
  if (chomperMark == MARK_PLAN) {
    glColor3f(1.0f, 1.0f, 1.0f);
    drawCellSquare(col, row, SMALL, SMALL_OFFSET, true);
    return true;
  }
  for (const MarkColour& c : PATH_COLOURS) {
    if (ghostMark != c.mark) continue;
    glColor3f(c.r, c.g, c.b);
    drawCellSquare(col, row, SMALL, SMALL_OFFSET, true);
    return true;
  }
  return false;
}

void Window::drawFoodMark(int col, int row, int mazeMark) const {
  if (mazeMark == CELL_DOT) {
    glColor3f(0.3f, 0.3f, 0.3f);
    drawCellSquare(col, row, SMALL, SMALL_OFFSET, false);
  } else if (mazeMark == CELL_POWERPILL) {
    glColor3f(1.0f, 1.0f, 0.0f);
    drawCellSquare(col, row, 10.0, 5.0, false);
  } else if (mazeMark == MARK_FRUIT) {
    glColor3f(1.0f, 0.0f, 0.0f);
    drawCellSquare(col, row, 6.0, 5.5, true);
    drawCellSquare(col, row, 6.0, 8.0, true);
  }
}
