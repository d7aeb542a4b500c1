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
