#include "player/Window.h"

#include <GL/gl.h>

#include <algorithm>

#include "maze/MazeView.h"
#include "maze/WallOutline.h"

namespace {

void writeCell(int* grid, int col, int row, int value) {
  if (insideGrid(col, row)) grid[gridIndex(col, row)] = value;
}

}  // namespace

Window::Window(MyChomper* ownerPlayer)
    : mazeList(0),
      chomperCol(-1),
      chomperRow(-1),
      redCol(-1),
      redRow(-1),
      greenCol(-1),
      greenRow(-1),
      orangeCol(-1),
      orangeRow(-1),
      turquoiseCol(-1),
      turquoiseRow(-1),
      owner(ownerPlayer) {}

Window::~Window() = default;

void Window::OnCreate() {
  SetSize(380, 460);
  SetPosition(600, 200);
  setUpMazeView(Width(), Height());
  buildMazeList();
}

void Window::buildMazeList() {
  mazeList = glGenLists(1);
  glNewList(mazeList, GL_COMPILE);
  drawWallOutline();
  glEndList();
}

void Window::OnDisplay() {
  if (!HasContext()) return;
  glClear(GL_COLOR_BUFFER_BIT);
  glLoadIdentity();
  glCallList(mazeList);
  drawAnalysis();
  SwapBuffers();
}

void Window::clearOverlay() {
  std::fill(ghostOverlay, ghostOverlay + MAZE_CELLS, 0);
  std::fill(chomperOverlay, chomperOverlay + MAZE_CELLS, 0);
}

void Window::markGhostPath(CellPos cell, int ghost) {
  const int mark = ghost >= 1 && ghost <= 4 ? MARK_GHOST_PATH + ghost : 0;
  writeCell(ghostOverlay, cell.getCol(), cell.getRow(), mark);
}

void Window::markPlanCell(CellPos cell) {
  writeCell(chomperOverlay, cell.getCol(), cell.getRow(), MARK_PLAN);
}

void Window::setChomperCell(int col, int row) {
  // Food is shown eaten once the chomper has moved on from its cell. Nothing
  // is remembered before the first report.
  writeCell(analysisMaze, chomperCol, chomperRow, MARK_EATEN);
  writeCell(chomperOverlay, col, row, MARK_CHOMPER);
  chomperCol = col;
  chomperRow = row;
}

void Window::showGhost(int col, int row, int mark, int& shownCol, int& shownRow) {
  writeCell(ghostOverlay, col, row, mark);
  shownCol = col;
  shownRow = row;
}

void Window::setRedGhostCell(int col, int row, bool blue) {
  showGhost(col, row, blue ? MARK_BLUE_GHOST : MARK_RED_GHOST, redCol, redRow);
}

void Window::setGreenGhostCell(int col, int row, bool blue) {
  showGhost(col, row, blue ? MARK_BLUE_GHOST : MARK_GREEN_GHOST, greenCol, greenRow);
}

void Window::setOrangeGhostCell(int col, int row, bool blue) {
  showGhost(col, row, blue ? MARK_BLUE_GHOST : MARK_ORANGE_GHOST, orangeCol, orangeRow);
}

void Window::setTurquoiseGhostCell(int col, int row, bool blue) {
  showGhost(col, row, blue ? MARK_BLUE_GHOST : MARK_TURQUOISE_GHOST, turquoiseCol, turquoiseRow);
}

CellPos Window::ghostCellShown(int ghost) const {
  switch (ghost) {
    case 1:
      return CellPos(redCol, redRow);
    case 2:
      return CellPos(greenCol, greenRow);
    case 3:
      return CellPos(orangeCol, orangeRow);
    default:
      return CellPos(turquoiseCol, turquoiseRow);
  }
}

void Window::setFruitCell(int col, int row) { writeCell(analysisMaze, col, row, MARK_FRUIT); }

void Window::resetMaze() {
  std::copy(analysisMazeTemplate, analysisMazeTemplate + MAZE_CELLS, analysisMaze);
}
