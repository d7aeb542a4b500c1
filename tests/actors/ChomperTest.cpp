// The chomper eats on a cell centre, just before it moves on.

#include "ActorTestSupport.h"

namespace {

class ChomperTest : public ActorTest {
 protected:
  void SetUp() override {
    ActorTest::SetUp();
    gameSettings.dotValue = 10;
    gameSettings.powerpillValue = 50;
    gameSettings.powerpillSlowdownFactor = 3;
    gameSettings.nMovesBlueGhosts = 200;
  }
};

TEST_F(ChomperTest, eatsOnlyOnACentreAndEatingTheLastPieceWins) {
  const struct { const char* name; int x, y, direction, foodBefore; bool moved, eaten; int score; } cases[] = {
      {"a dot with a wall ahead is eaten without moving", 30, 30, DIR_LEFT, 157, false, true, 10},
      {"nothing is eaten between centres", 31, 30, DIR_LEFT, 157, true, false, 0},
      {"the last dot", 30, 30, DIR_RIGHT, 1, true, true, 10},
      {"a pill that is the last food", 350, 390, DIR_DOWN, 1, true, true, 50}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::copy(mazeTemplate, mazeTemplate + MAZE_CELLS, maze);
    foodLeft = c.foodBefore;
    gameWon = false;
    TestChomper chomper;
    chomper.setPosition(c.x, c.y);
    chomper.setDirection(c.direction);
    const CellPos cell = chomper.cellPosition();
    const int before = maze[gridIndex(cell.getCol(), cell.getRow())];
    EXPECT_EQ(chomper.update(maze), c.moved);
    EXPECT_EQ(maze[gridIndex(cell.getCol(), cell.getRow())], c.eaten ? CELL_EMPTY : before);
    EXPECT_EQ(chomper.getScore(), c.score);
    EXPECT_EQ(foodLeft, c.foodBefore - (c.eaten ? 1 : 0));
    EXPECT_EQ(gameWon, c.eaten && c.foodBefore == 1);
  }
}

}  // namespace
