#pragma once
// The one game-state fixture: program-start state with the level copied into
// the live maze, the library's random source seeded alike every time; all
// put back after the test.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "actors/Random.h"
#include "maze/GameState.h"

class GameFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    resetGameState();
    setRandomSource(nullptr);
    std::srand(1);
    std::copy(mazeTemplate, mazeTemplate + MAZE_CELLS, maze);
    foodLeft = countFoodIn(maze);
  }
  void TearDown() override {
    resetGameState();
    setRandomSource(nullptr);
  }

  static int centre(int cell) { return 10 + 20 * cell; }
  static int& cellAt(int col, int row) { return maze[gridIndex(col, row)]; }
};
