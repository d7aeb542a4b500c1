// The analysis window's marks: what each marking operation writes into the
// window's grids. Drawing them is tested with a real GL context elsewhere.

#include "PlayerFixture.h"

namespace {

class AnalysisMarks : public PlayerFixture {
 protected:
  Window& window() { return *player->getWindow(); }
  static int at(const int* grid, int col, int row) { return grid[gridIndex(col, row)]; }
};

}  // namespace

TEST_F(AnalysisMarks, bothMazeCopiesStartAsTheLevel) {
  for (int i = 0; i < MAZE_CELLS; ++i) {
    EXPECT_EQ(analysisMazeTemplate[i], mazeTemplate[i]) << "cell " << i;
    EXPECT_EQ(analysisMaze[i], mazeTemplate[i]) << "cell " << i;
  }
}

TEST_F(AnalysisMarks, clearOverlayForgetsGhostAndChomperMarksButNotFood) {
  window().markPlanCell(CellPos(8, 9));
  window().markGhostPath(CellPos(9, 12), 1);
  window().setFruitCell(9, 9);
  window().clearOverlay();
  for (int i = 0; i < MAZE_CELLS; ++i) {
    EXPECT_EQ(ghostOverlay[i], 0);
    EXPECT_EQ(chomperOverlay[i], 0);
  }
  EXPECT_EQ(at(analysisMaze, 9, 9), MARK_FRUIT);
}

TEST_F(AnalysisMarks, ghostPathMarksAreSixteenPlusTheGhostNumber) {
  const struct {
    int ghost;
    int mark;
  } cases[] = {{1, 17}, {2, 18}, {3, 19}, {4, 20}, {0, 0}, {5, 0}};
  for (const auto& c : cases) {
    ghostOverlay[gridIndex(6, 9)] = 99;
    window().markGhostPath(CellPos(6, 9), c.ghost);
    EXPECT_EQ(at(ghostOverlay, 6, 9), c.mark) << "ghost " << c.ghost;
  }
}

TEST_F(AnalysisMarks, planCellsAreMarkedInTheChomperOverlay) {
  window().markPlanCell(CellPos(8, 9));
  EXPECT_EQ(at(chomperOverlay, 8, 9), MARK_PLAN);
  EXPECT_EQ(at(ghostOverlay, 8, 9), 0);
}

TEST_F(AnalysisMarks, firstChomperReportWritesNoEatenMark) {
  window().setChomperCell(1, 20);
  EXPECT_EQ(analysisMaze[MAZE_CELLS - 1], CELL_WALL);
  EXPECT_EQ(at(chomperOverlay, 1, 20), MARK_CHOMPER);
  EXPECT_EQ(at(analysisMaze, 1, 20), CELL_DOT);  // still under the chomper
  EXPECT_EQ(window().chomperCellShown(), CellPos(1, 20));
}

TEST_F(AnalysisMarks, dotVanishesWhenTheChomperMovesOn) {
  window().setChomperCell(1, 20);
  window().setChomperCell(2, 20);
  EXPECT_EQ(at(analysisMaze, 1, 20), MARK_EATEN);
  EXPECT_EQ(at(analysisMaze, 2, 20), CELL_DOT);
  // Not the game's maze: the player's view only.
  EXPECT_EQ(maze[gridIndex(1, 20)], CELL_DOT);
}

TEST_F(AnalysisMarks, ghostCellsTakeTheGhostsCodeOrBlue) {
  window().setRedGhostCell(6, 9, false);
  window().setOrangeGhostCell(7, 9, false);
  window().setGreenGhostCell(8, 9, false);
  window().setTurquoiseGhostCell(10, 9, false);
  EXPECT_EQ(at(ghostOverlay, 6, 9), MARK_RED_GHOST);
  EXPECT_EQ(at(ghostOverlay, 7, 9), MARK_ORANGE_GHOST);
  EXPECT_EQ(at(ghostOverlay, 8, 9), MARK_GREEN_GHOST);
  EXPECT_EQ(at(ghostOverlay, 10, 9), MARK_TURQUOISE_GHOST);
  window().setGreenGhostCell(11, 9, true);
  EXPECT_EQ(at(ghostOverlay, 11, 9), MARK_BLUE_GHOST);
  EXPECT_EQ(window().ghostCellShown(2), CellPos(11, 9));
}

TEST_F(AnalysisMarks, fruitMarkStaysUntilTheChomperLeavesItsCell) {
  window().setFruitCell(9, 9);
  window().setChomperCell(9, 9);
  EXPECT_EQ(at(analysisMaze, 9, 9), MARK_FRUIT);
  window().setChomperCell(8, 9);
  EXPECT_EQ(at(analysisMaze, 9, 9), MARK_EATEN);
}

TEST_F(AnalysisMarks, resetMazeBringsTheFoodBackButRemembersTheChomper) {
  window().setChomperCell(1, 20);
  window().setChomperCell(2, 20);
  window().setChomperCell(3, 20);
  window().resetMaze();
  EXPECT_EQ(at(analysisMaze, 1, 20), CELL_DOT);
  EXPECT_EQ(at(analysisMaze, 2, 20), CELL_DOT);
  // The first report of the new game still clears the old game's last cell.
  window().setChomperCell(9, 9);
  EXPECT_EQ(at(analysisMaze, 3, 20), MARK_EATEN);
}

TEST_F(AnalysisMarks, cellsOutsideTheGridAreIgnored) {
  const std::vector<int> before(analysisMaze, analysisMaze + MAZE_CELLS);
  window().setFruitCell(19, 0);
  window().setRedGhostCell(-1, 3, false);
  window().markPlanCell(CellPos(0, 22));
  window().setChomperCell(-5, -5);
  window().setChomperCell(1, 20);
  EXPECT_EQ(std::vector<int>(analysisMaze, analysisMaze + MAZE_CELLS), before);
  for (int i = 0; i < MAZE_CELLS; ++i) EXPECT_EQ(ghostOverlay[i], 0);
}

TEST_F(AnalysisMarks, displayWithoutAContextDrawsNothing) {
  EXPECT_FALSE(window().HasContext());
  window().OnDisplay();  // must not touch GL
  player->decide();      // which calls it too
  SUCCEED();
}
