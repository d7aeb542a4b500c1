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

TEST_F(AnalysisMarks, ghostAndPlanMarksGoToTheirOverlaysAndAreClearedTogether) {
  EXPECT_TRUE(std::equal(analysisMazeTemplate, analysisMazeTemplate + MAZE_CELLS, mazeTemplate));
  const struct {
    int ghost, mark;
  } paths[] = {{1, 17}, {2, 18}, {3, 19}, {4, 20}, {0, 0}, {5, 0}};  // 16 + the ghost number
  for (const auto& c : paths) {
    ghostOverlay[gridIndex(6, 9)] = 99;
    window().markGhostPath(CellPos(6, 9), c.ghost);
    EXPECT_EQ(at(ghostOverlay, 6, 9), c.mark) << "ghost " << c.ghost;
  }
  window().setRedGhostCell(6, 9, false);
  window().setOrangeGhostCell(7, 9, false);
  window().setGreenGhostCell(8, 9, false);
  window().setTurquoiseGhostCell(10, 9, true);
  const int shown[] = {at(ghostOverlay, 6, 9), at(ghostOverlay, 7, 9), at(ghostOverlay, 8, 9), at(ghostOverlay, 10, 9)};
  EXPECT_EQ(std::vector<int>(shown, shown + 4),
            (std::vector<int>{MARK_RED_GHOST, MARK_ORANGE_GHOST, MARK_GREEN_GHOST, MARK_BLUE_GHOST}));
  EXPECT_EQ(window().ghostCellShown(4), CellPos(10, 9));
  window().markPlanCell(CellPos(11, 9));
  EXPECT_EQ(at(chomperOverlay, 11, 9), MARK_PLAN);
  window().setFruitCell(9, 9);
  window().clearOverlay();
  for (int i = 0; i < MAZE_CELLS; ++i) EXPECT_EQ(ghostOverlay[i] + chomperOverlay[i], 0);
  EXPECT_EQ(at(analysisMaze, 9, 9), MARK_FRUIT) << "the food view stays";
}

TEST_F(AnalysisMarks, cellsTheChomperLeavesAreMarkedEatenInTheWindowOnlyUntilAReset) {
  window().setChomperCell(1, 20);
  EXPECT_EQ(at(chomperOverlay, 1, 20), MARK_CHOMPER);
  EXPECT_EQ(at(analysisMaze, 1, 20), CELL_DOT) << "still under the chomper";
  EXPECT_EQ(analysisMaze[MAZE_CELLS - 1], CELL_WALL) << "the first report marks nothing eaten";
  window().setFruitCell(2, 20);
  window().setChomperCell(2, 20);
  EXPECT_EQ(at(analysisMaze, 1, 20), MARK_EATEN);
  EXPECT_EQ(at(analysisMaze, 2, 20), MARK_FRUIT) << "the fruit stays while the chomper is on it";
  EXPECT_EQ(maze[gridIndex(1, 20)], CELL_DOT) << "the game's maze is not touched";
  window().resetMaze();
  EXPECT_EQ(at(analysisMaze, 1, 20), CELL_DOT);
  window().setChomperCell(9, 9);  // the first report of the new game
  EXPECT_EQ(at(analysisMaze, 2, 20), MARK_EATEN) << "the old game's last cell is remembered";
}

TEST_F(AnalysisMarks, cellsOutsideTheGridAreIgnoredAndNothingDrawsWithoutAContext) {
  window().setFruitCell(19, 0);
  window().setRedGhostCell(-1, 3, false);
  window().markPlanCell(CellPos(0, 22));
  window().setChomperCell(-5, -5);
  window().setChomperCell(1, 20);
  EXPECT_TRUE(std::equal(analysisMaze, analysisMaze + MAZE_CELLS, analysisMazeTemplate));
  EXPECT_EQ(std::count(ghostOverlay, ghostOverlay + MAZE_CELLS, 0), MAZE_CELLS);
  EXPECT_FALSE(window().HasContext());
  player->decide();  // which draws the window: must not touch GL
}
