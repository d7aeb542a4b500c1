// The shared game state: its reset, the level and its food, eating and winning.

#include "maze/GameState.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class GameStateTest : public ::testing::Test {
 protected:
  void SetUp() override { resetGameState(); }
  void TearDown() override { resetGameState(); }
};

int count(const int* grid, int code) {
  return static_cast<int>(std::count(grid, grid + MAZE_CELLS, code));
}

TEST_F(GameStateTest, resetPutsBackProgramStartValues) {
  int dummy = 0;
  setChomper(reinterpret_cast<Chomper*>(&dummy));
  redGhost = turquoiseGhost = reinterpret_cast<Ghost*>(&dummy);
  std::fill(maze, maze + MAZE_CELLS, CELL_DOT);
  gameWon = fruitShown = attackMode = true;
  foodLeft = blueCountdown = nMovesBlueGhosts = fruitValue = 7;
  resetGameState();
  EXPECT_TRUE(!chomper && !redGhost && !turquoiseGhost);
  EXPECT_EQ(count(maze, 0), MAZE_CELLS);
  EXPECT_FALSE(gameWon || fruitShown || attackMode);
  EXPECT_EQ(foodLeft + blueCountdown + nMovesBlueGhosts + fruitValue, 0);
}

TEST_F(GameStateTest, levelCopiedIntoTheLiveMazeHolds157PiecesOfFood) {
  EXPECT_EQ(count(mazeTemplate, CELL_DOT), 153);
  EXPECT_EQ(count(mazeTemplate, CELL_POWERPILL), 4);
  EXPECT_EQ(count(mazeTemplate, CELL_DOOR), 1);
  // No food in the ghost house, on its door, above it or at the chomper's start.
  EXPECT_EQ(mazeTemplate[gridIndex(9, 11)], CELL_EMPTY);
  EXPECT_EQ(mazeTemplate[gridIndex(9, 12)], CELL_DOOR);
  EXPECT_EQ(mazeTemplate[gridIndex(9, 13)], CELL_EMPTY);
  EXPECT_EQ(mazeTemplate[gridIndex(9, 9)], CELL_EMPTY);
  std::copy(mazeTemplate, mazeTemplate + MAZE_CELLS, maze);
  EXPECT_TRUE(std::equal(maze, maze + MAZE_CELLS, mazeTemplate));
  EXPECT_EQ(countFoodIn(maze), 157);
}

TEST_F(GameStateTest, eatingThe157thPieceOfTheLevelWins) {
  std::copy(mazeTemplate, mazeTemplate + MAZE_CELLS, maze);
  foodLeft = countFoodIn(maze);
  for (int i = 1; i < 157; ++i) {
    foodEaten();
    ASSERT_FALSE(gameWon) << "won after " << i << " pieces";
  }
  EXPECT_EQ(foodLeft, 1);
  foodEaten();
  EXPECT_TRUE(gameWon);
  EXPECT_EQ(foodLeft, 0);
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
                  code == CELL_POWERPILL || code == CELL_EMPTY)
          << "cell " << i << " holds " << code;
    }
  }
}

}  // namespace
