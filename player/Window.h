#pragma once
// The analysis window: shows what the autonomous player believes and plans.
// The maze walls, the food as the player has seen it eaten, the ghosts and
// their predicted paths, the chomper and its planned route. The player marks
// cells on every decision and then calls OnDisplay directly. A view only:
// nothing reads anything back from it.

#include "actors/CellPos.h"
#include "gxbase/GLWindow.h"
#include "player/AnalysisGrids.h"

class MyChomper;

class Window : public gxbase::GLWindow {
 public:
  explicit Window(MyChomper* owner);
  ~Window() override;

  // Size, position and projection like the game window; records the walls.
  void OnCreate() override;
  // Walls and marks; draws nothing while the window has no GL context.
  void OnDisplay() override;

  // Marking operations; none of them draws. Cells are (column, row from the
  // bottom); cells outside the grid are ignored.
  void clearOverlay();
  void markGhostPath(CellPos cell, int ghost);  // ghost 1 red, 2 green, 3 orange, 4 turquoise
  void markPlanCell(CellPos cell);
  // Marks the previously reported chomper cell eaten, then the new one.
  void setChomperCell(int col, int row);
  void setRedGhostCell(int col, int row, bool blue);
  void setGreenGhostCell(int col, int row, bool blue);
  void setOrangeGhostCell(int col, int row, bool blue);
  void setTurquoiseGhostCell(int col, int row, bool blue);
  void setFruitCell(int col, int row);
  // Back to the full level's food; the remembered cells stay.
  void resetMaze();

  MyChomper* getOwner() const { return owner; }
  CellPos chomperCellShown() const { return CellPos(chomperCol, chomperRow); }
  // Last cell reported for ghost 1 red, 2 green, 3 orange, 4 turquoise.
  CellPos ghostCellShown(int ghost) const;

 private:
  void buildMazeList();
  // Marks a ghost's cell and remembers it in that ghost's members.
  static void showGhost(int col, int row, int mark, int& shownCol, int& shownRow);
  void drawAnalysis() const;
  // Each draws its kind of mark for a cell and says whether it drew one.
  bool drawActorMark(int col, int row, int chomperMark, int ghostMark) const;
  bool drawRouteMark(int col, int row, int chomperMark, int ghostMark) const;
  void drawFoodMark(int col, int row, int mazeMark) const;
  static void drawCellSquare(int col, int row, double size, double offset, bool filled);

  unsigned int mazeList;
  int chomperCol, chomperRow;
  int redCol, redRow;
  int greenCol, greenRow;
  int orangeCol, orangeRow;
  int turquoiseCol, turquoiseRow;
  MyChomper* owner;
};
