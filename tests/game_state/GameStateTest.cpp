#include <gtest/gtest.h>

#include <algorithm>

#include "game/GameState.h"

namespace {

class GameStateTest : public ::testing::Test {
 protected:
  void SetUp() override { resetGameState(); }
  void TearDown() override { resetGameState(); }

  void loadLevel() {
    std::copy(mazeTemplate, mazeTemplate + MAZE_CELLS, maze);
    foodLeft = countFoodIn(maze);
  }
};

TEST_F(GameStateTest, everythingStartsEmpty) {
  EXPECT_EQ(chomper, nullptr);
  EXPECT_EQ(redGhost, nullptr);
  EXPECT_EQ(greenGhost, nullptr);
  EXPECT_EQ(orangeGhost, nullptr);
  EXPECT_EQ(turquoiseGhost, nullptr);
  EXPECT_TRUE(std::all_of(maze, maze + MAZE_CELLS, [](int c) { return c == 0; }));
  EXPECT_EQ(foodLeft, 0);
  EXPECT_FALSE(gameWon);
  EXPECT_FALSE(fruitShown);
  EXPECT_EQ(scatterCountdown, 0);
  EXPECT_EQ(attackCountdown, 0);
  EXPECT_EQ(blueCountdown, 0);
  EXPECT_FALSE(attackMode);
  for (int setting : {nMovesBlueGhosts, nMovesGhostAppears, lengthAttackMode, lengthScatterMode,
                      powerpillSlowdownFactor, ghostValue, powerpillValue, dotValue, fruitValue}) {
    EXPECT_EQ(setting, 0);
  }
}

TEST_F(GameStateTest, resetGameStatePutsBackProgramStartValues) {
  int dummy = 0;
  chomper = reinterpret_cast<Chomper*>(&dummy);
  redGhost = reinterpret_cast<Ghost*>(&dummy);
  turquoiseGhost = reinterpret_cast<Ghost*>(&dummy);
  maze[17] = CELL_DOT;
  foodLeft = 12;
  gameWon = fruitShown = attackMode = true;
  scatterCountdown = attackCountdown = blueCountdown = 5;
  nMovesBlueGhosts = fruitValue = dotValue = 7;

  resetGameState();

  EXPECT_EQ(chomper, nullptr);
  EXPECT_EQ(redGhost, nullptr);
  EXPECT_EQ(turquoiseGhost, nullptr);
  EXPECT_EQ(maze[17], 0);
  EXPECT_EQ(foodLeft, 0);
  EXPECT_FALSE(gameWon || fruitShown || attackMode);
  EXPECT_EQ(scatterCountdown + attackCountdown + blueCountdown, 0);
  EXPECT_EQ(nMovesBlueGhosts + fruitValue + dotValue, 0);
}

TEST_F(GameStateTest, setChomperStoresThePointer) {
  int dummy = 0;
  Chomper* c = reinterpret_cast<Chomper*>(&dummy);
  setChomper(c);
  EXPECT_EQ(chomper, c);
}

TEST_F(GameStateTest, valueGettersReturnTheSettings) {
  powerpillValue = 50;
  dotValue = 10;
  EXPECT_EQ(getPowerpillValue(), 50);
  EXPECT_EQ(getDotValue(), 10);
}

TEST_F(GameStateTest, eatingFoodCountsDownWithoutWinningEarly) {
  foodLeft = 3;
  foodEaten();
  EXPECT_EQ(foodLeft, 2);
  foodEaten();
  EXPECT_EQ(foodLeft, 1);
  EXPECT_FALSE(gameWon);
}

TEST_F(GameStateTest, eatingTheLastPieceWins) {
  foodLeft = 1;
  foodEaten();
  EXPECT_EQ(foodLeft, 0);
  EXPECT_TRUE(gameWon);
}

TEST_F(GameStateTest, eatingThe157thPieceOfTheLevelWins) {
  loadLevel();
  ASSERT_EQ(foodLeft, 157);
  for (int i = 1; i < 157; ++i) {
    foodEaten();
    ASSERT_FALSE(gameWon) << "won after " << i << " pieces";
  }
  foodEaten();
  EXPECT_TRUE(gameWon);
  EXPECT_EQ(foodLeft, 0);
}

TEST_F(GameStateTest, countFoodCountsOnlyDotsAndPills) {
  int grid[MAZE_CELLS] = {};
  grid[0] = CELL_DOT;
  grid[1] = CELL_POWERPILL;
  grid[2] = CELL_EMPTY;
  grid[3] = CELL_TUNNEL;
  grid[4] = CELL_DOOR;
  grid[5] = CELL_WALL;
  grid[MAZE_CELLS - 1] = CELL_DOT;
  EXPECT_EQ(countFoodIn(grid), 3);
}

TEST(GridGeometry, gridIndexCountsRowsFromTheBottom) {
  EXPECT_EQ(gridIndex(0, 21), 0);
  EXPECT_EQ(gridIndex(18, 0), MAZE_CELLS - 1);
  EXPECT_EQ(gridIndex(9, 11), 10 * 19 + 9);
}

TEST(GridGeometry, insideGridAcceptsOnlyMazeCells) {
  EXPECT_TRUE(insideGrid(0, 0));
  EXPECT_TRUE(insideGrid(18, 21));
  EXPECT_FALSE(insideGrid(-1, 5));
  EXPECT_FALSE(insideGrid(19, 5));
  EXPECT_FALSE(insideGrid(5, -1));
  EXPECT_FALSE(insideGrid(5, 22));
}

}  // namespace
