#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "game/GameState.h"

namespace {

// Code of the level's cell holding the pixel centre (x, y).
int levelAt(int x, int y) { return mazeTemplate[gridIndex((x - 10) / 20, (y - 10) / 20)]; }

TEST(Level, holds153DotsAnd4Pills) {
  EXPECT_EQ(std::count(mazeTemplate, mazeTemplate + MAZE_CELLS, CELL_DOT), 153);
  EXPECT_EQ(std::count(mazeTemplate, mazeTemplate + MAZE_CELLS, CELL_POWERPILL), 4);
  EXPECT_EQ(countFoodIn(mazeTemplate), 157);
}

TEST(Level, copyIntoTheLiveMazeIsIdenticalAndHolds157Pieces) {
  resetGameState();
  std::copy(mazeTemplate, mazeTemplate + MAZE_CELLS, maze);
  EXPECT_TRUE(std::equal(maze, maze + MAZE_CELLS, mazeTemplate));
  EXPECT_EQ(countFoodIn(maze), 157);
  resetGameState();
}

TEST(Level, holdsOnlyKnownCellCodes) {
  const std::set<int> known = {CELL_VOID, CELL_WALL,      CELL_DOOR, CELL_TUNNEL,
                               CELL_DOT,  CELL_POWERPILL, CELL_EMPTY};
  for (int i = 0; i < MAZE_CELLS; ++i) EXPECT_EQ(known.count(mazeTemplate[i]), 1u) << i;
}

struct Landmark {
  const char* name;
  int x;
  int y;
  int code;
};

class LevelLandmarks : public ::testing::TestWithParam<Landmark> {};

TEST_P(LevelLandmarks, holdTheirCode) {
  const Landmark& l = GetParam();
  EXPECT_EQ(levelAt(l.x, l.y), l.code) << l.name;
}

INSTANTIATE_TEST_SUITE_P(
    Level, LevelLandmarks,
    ::testing::Values(Landmark{"pill top left", 30, 390, CELL_POWERPILL},
                      Landmark{"pill top right", 350, 390, CELL_POWERPILL},
                      Landmark{"pill bottom left", 30, 110, CELL_POWERPILL},
                      Landmark{"pill bottom right", 350, 110, CELL_POWERPILL},
                      Landmark{"left tunnel end", 10, 230, CELL_TUNNEL},
                      Landmark{"right tunnel end", 370, 230, CELL_TUNNEL},
                      Landmark{"ghost house, no food", 190, 230, CELL_EMPTY},
                      Landmark{"house door, no food", 190, 250, CELL_DOOR},
                      Landmark{"above the door", 190, 270, CELL_EMPTY},
                      Landmark{"chomper start and fruit", 190, 190, CELL_EMPTY}));

TEST(Level, fillerLiesOnlyBesideTheTunnelRow) {
  std::set<int> expected;
  for (int gridRow : {8, 12}) {
    for (int col : {0, 1, 2, 16, 17, 18}) expected.insert(gridRow * MAZE_COLS + col);
  }
  std::set<int> actual;
  for (int i = 0; i < MAZE_CELLS; ++i) {
    if (mazeTemplate[i] == CELL_VOID) actual.insert(i);
  }
  EXPECT_EQ(actual, expected);
}

TEST(Level, outerRingIsWallExceptTunnelEndsAndFiller) {
  for (int i = 0; i < MAZE_CELLS; ++i) {
    int row = i / MAZE_COLS;
    int col = i % MAZE_COLS;
    bool ring = row == 0 || row == MAZE_ROWS - 1 || col == 0 || col == MAZE_COLS - 1;
    if (!ring) continue;
    int code = mazeTemplate[i];
    bool tunnel = row == 10 && (col == 0 || col == MAZE_COLS - 1);
    EXPECT_EQ(code, tunnel ? CELL_TUNNEL : code == CELL_VOID ? CELL_VOID : CELL_WALL) << i;
  }
}

TEST(Level, theOnlyDoorIsAboveTheHouse) {
  EXPECT_EQ(std::count(mazeTemplate, mazeTemplate + MAZE_CELLS, CELL_DOOR), 1);
  EXPECT_EQ(std::count(mazeTemplate, mazeTemplate + MAZE_CELLS, CELL_TUNNEL), 2);
}

}  // namespace
