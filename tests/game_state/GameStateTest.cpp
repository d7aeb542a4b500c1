// The level: its food, its border, the tunnel and the filler beside it.

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/GameFixture.h"

namespace {

int count(const int* grid, int code) { return static_cast<int>(std::count(grid, grid + MAZE_CELLS, code)); }

TEST_F(GameFixture, levelCopiedIntoTheLiveMazeHolds157PiecesOfFood) {
  EXPECT_EQ(count(mazeTemplate, CELL_DOT), 153);
  EXPECT_EQ(count(mazeTemplate, CELL_POWERPILL), 4);
  EXPECT_EQ(count(mazeTemplate, CELL_DOOR), 1);
  // No food in the ghost house, on its door, above it or at the chomper's start.
  EXPECT_EQ(mazeTemplate[gridIndex(9, 11)], CELL_EMPTY);
  EXPECT_EQ(mazeTemplate[gridIndex(9, 12)], CELL_DOOR);
  EXPECT_EQ(mazeTemplate[gridIndex(9, 13)], CELL_EMPTY);
  EXPECT_EQ(mazeTemplate[gridIndex(9, 9)], CELL_EMPTY);
  EXPECT_TRUE(std::equal(maze, maze + MAZE_CELLS, mazeTemplate));
  EXPECT_EQ(foodLeft, 157);
}

TEST(Level, borderIsClosedButForTheTunnelAndFillerLiesOnlyBesideIt) {
  for (int i = 0; i < MAZE_CELLS; ++i) {
    const int row = i / MAZE_COLS, col = i % MAZE_COLS, code = mazeTemplate[i];
    const bool filler = (row == 8 || row == 12) && (col <= 2 || col >= MAZE_COLS - 3);
    const bool tunnelEnd = row == 10 && (col == 0 || col == MAZE_COLS - 1);
    const bool border = row == 0 || row == MAZE_ROWS - 1 || col == 0 || col == MAZE_COLS - 1;
    if (filler || tunnelEnd || border) {
      EXPECT_EQ(code, filler ? CELL_VOID : tunnelEnd ? CELL_TUNNEL : CELL_WALL) << "cell " << i;
    } else {
      EXPECT_TRUE(code == CELL_WALL || code == CELL_DOOR || code == CELL_DOT ||
                  code == CELL_POWERPILL || code == CELL_EMPTY) << "cell " << i << " holds " << code;
    }
  }
}

}  // namespace
