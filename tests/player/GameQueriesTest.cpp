// The player's view of the game: ghost presence and cells, and the cell codes
// that lay the ghosts and the fruit over the live maze.

#include "player/GameQueries.h"

#include <utility>

#include "PlayerFixture.h"

using GameQueries = PlayerFixture;

TEST_F(GameQueries, cellCodeIsOutsideOrTheLiveMazesCode) {
  for (auto [col, row] : {std::pair{-1, 5}, {19, 0}, {0, 22}, {0, -1}}) {
    EXPECT_EQ(cellCodeAt(col, row), CELL_OUTSIDE) << col << ", " << row;
  }
  EXPECT_EQ(cellCodeAt(0, 13), CELL_VOID);
  EXPECT_EQ(cellCodeAt(9, 12), CELL_DOOR);
  EXPECT_EQ(cellCodeAt(1, 20), CELL_DOT);
  maze[gridIndex(1, 20)] = CELL_EMPTY;
  EXPECT_EQ(cellCodeAt(1, 20), CELL_EMPTY);
}

TEST_F(GameQueries, ghostsInOneCellShowTheFirstOfRedOrangeGreenTurquoiseAndBlueAsBlue) {
  addGhost(turquoiseGhost, 6, 9);
  EXPECT_EQ(cellCodeAt(6, 9), CELL_TURQUOISE_GHOST);
  addGhost(greenGhost, 6, 9);
  EXPECT_EQ(cellCodeAt(6, 9), CELL_GREEN_GHOST);
  addGhost(orangeGhost, 6, 9);
  EXPECT_EQ(cellCodeAt(6, 9), CELL_ORANGE_GHOST);
  addGhost(redGhost, 6, 9)->setBlue(true);
  EXPECT_EQ(cellCodeAt(6, 9), CELL_BLUE_GHOST);
  redGhost->setBlue(false);
  EXPECT_EQ(cellCodeAt(6, 9), CELL_RED_GHOST);
  redGhost->setPosition(centreX(6) + 19, centreY(9));
  EXPECT_EQ(cellCodeAt(6, 9), CELL_RED_GHOST) << "between centres: the cell to its left";
  EXPECT_EQ(cellCodeAt(7, 9), CELL_EMPTY);
}

TEST_F(GameQueries, shownFruitMarksItsCellUnlessAGhostStandsThere) {
  fruitShown = true;
  EXPECT_EQ(cellCodeAt(9, 9), CELL_FRUIT);
  EXPECT_EQ(cellCodeAt(8, 9), CELL_EMPTY);
  addGhost(turquoiseGhost, 9, 9);
  EXPECT_EQ(cellCodeAt(9, 9), CELL_TURQUOISE_GHOST);
}

TEST_F(GameQueries, absentGhostsAreNotBlueAndStandInTheCorner) {
  EXPECT_FALSE(redGhostExists() || greenGhostExists() || orangeGhostExists() ||
               turquoiseGhostExists());
  EXPECT_FALSE(anyGhostBlue());
  for (CellPos cell : {redGhostCell(), greenGhostCell(), orangeGhostCell(), turquoiseGhostCell()}) {
    EXPECT_EQ(cell, CellPos(0, 0));
  }
  addGhost(greenGhost, 12, 9);
  EXPECT_TRUE(greenGhostExists());
  EXPECT_EQ(greenGhostCell(), CellPos(12, 9));
}

TEST_F(GameQueries, anyGhostBlueAsksTheFirstPresentGhostInRedGreenOrangeTurquoiseOrder) {
  addGhost(orangeGhost, 6, 9, false);
  addGhost(greenGhost, 7, 9, true);
  EXPECT_TRUE(anyGhostBlue());  // green comes before orange
  addGhost(redGhost, 8, 9, false);
  EXPECT_FALSE(anyGhostBlue());
}
