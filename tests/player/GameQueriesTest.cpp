// The player's view of the game: ghost presence and cells, the fruit, and
// the cell codes that lay the actors over the maze.

#include "player/GameQueries.h"

#include "PlayerFixture.h"

using GameQueries = PlayerFixture;

TEST_F(GameQueries, gridSizeIsTheMaze) {
  EXPECT_EQ(mazeColumns(), 19);
  EXPECT_EQ(mazeRows(), 22);
}

TEST_F(GameQueries, cellsOutsideTheGridAreOutside) {
  EXPECT_EQ(cellCodeAt(-1, 5), CELL_OUTSIDE);
  EXPECT_EQ(cellCodeAt(19, 0), CELL_OUTSIDE);
  EXPECT_EQ(cellCodeAt(0, 22), CELL_OUTSIDE);
  EXPECT_EQ(cellCodeAt(0, -1), CELL_OUTSIDE);
}

TEST_F(GameQueries, emptyCellsShowTheLiveMaze) {
  EXPECT_EQ(cellCodeAt(18, 21), CELL_WALL);       // top-right corner
  EXPECT_EQ(cellCodeAt(1, 20), CELL_DOT);
  EXPECT_EQ(cellCodeAt(1, 19), CELL_POWERPILL);
  EXPECT_EQ(cellCodeAt(9, 12), CELL_DOOR);
  EXPECT_EQ(cellCodeAt(0, 11), CELL_TUNNEL);
  EXPECT_EQ(cellCodeAt(0, 13), CELL_VOID);
  EXPECT_EQ(cellCodeAt(9, 9), CELL_EMPTY);
  maze[gridIndex(1, 20)] = CELL_EMPTY;
  EXPECT_EQ(cellCodeAt(1, 20), CELL_EMPTY);
}

TEST_F(GameQueries, eachGhostGivesItsCellItsOwnCode) {
  addGhost(redGhost, 6, 9);
  addGhost(orangeGhost, 7, 9);
  addGhost(greenGhost, 8, 9);
  addGhost(turquoiseGhost, 10, 9);
  EXPECT_EQ(cellCodeAt(6, 9), CELL_RED_GHOST);
  EXPECT_EQ(cellCodeAt(7, 9), CELL_ORANGE_GHOST);
  EXPECT_EQ(cellCodeAt(8, 9), CELL_GREEN_GHOST);
  EXPECT_EQ(cellCodeAt(10, 9), CELL_TURQUOISE_GHOST);
}

TEST_F(GameQueries, twoGhostsInOneCellShowTheFirstOfRedOrangeGreenTurquoise) {
  addGhost(greenGhost, 6, 9);
  addGhost(orangeGhost, 6, 9);
  EXPECT_EQ(cellCodeAt(6, 9), CELL_ORANGE_GHOST);
  addGhost(redGhost, 6, 9);
  EXPECT_EQ(cellCodeAt(6, 9), CELL_RED_GHOST);
}

TEST_F(GameQueries, blueRedGhostHidesAGreenGhostThatIsNotBlue) {
  addGhost(greenGhost, 6, 9, false);
  addGhost(redGhost, 6, 9, true);
  EXPECT_EQ(cellCodeAt(6, 9), CELL_BLUE_GHOST);
}

TEST_F(GameQueries, ghostBetweenCentresCountsInTheCellToItsLeftOrBelow) {
  Ghost* red = addGhost(redGhost, 6, 9);
  red->setPosition(centreX(6) + 19, centreY(9));
  EXPECT_EQ(cellCodeAt(6, 9), CELL_RED_GHOST);
  EXPECT_EQ(cellCodeAt(7, 9), CELL_EMPTY);
}

TEST_F(GameQueries, shownFruitMarksItsCell) {
  EXPECT_EQ(cellCodeAt(9, 9), CELL_EMPTY);
  fruitShown = true;
  EXPECT_EQ(cellCodeAt(9, 9), CELL_FRUIT);
  EXPECT_EQ(cellCodeAt(8, 9), CELL_EMPTY);
}

TEST_F(GameQueries, ghostOnTheFruitShowsTheGhost) {
  fruitShown = true;
  addGhost(turquoiseGhost, 9, 9);
  EXPECT_EQ(cellCodeAt(9, 9), CELL_TURQUOISE_GHOST);
}

TEST_F(GameQueries, fruitLiesAtTheChomperStart) {
  EXPECT_EQ(fruitPosition().x, 190);
  EXPECT_EQ(fruitPosition().y, 190);
  EXPECT_EQ(fruitCell(), CellPos(9, 9));
  EXPECT_FALSE(isFruitShown());
  fruitShown = true;
  EXPECT_TRUE(isFruitShown());
}

TEST_F(GameQueries, withoutGhostsNothingIsBlueAndEveryGhostCellIsTheCorner) {
  EXPECT_FALSE(redGhostExists());
  EXPECT_FALSE(greenGhostExists());
  EXPECT_FALSE(orangeGhostExists());
  EXPECT_FALSE(turquoiseGhostExists());
  EXPECT_FALSE(anyGhostBlue());
  EXPECT_EQ(redGhostCell(), CellPos(0, 0));
  EXPECT_EQ(greenGhostCell(), CellPos(0, 0));
  EXPECT_EQ(orangeGhostCell(), CellPos(0, 0));
  EXPECT_EQ(turquoiseGhostCell(), CellPos(0, 0));
}

TEST_F(GameQueries, presentGhostReportsItsCell) {
  addGhost(greenGhost, 12, 9);
  EXPECT_TRUE(greenGhostExists());
  EXPECT_EQ(greenGhostCell(), CellPos(12, 9));
}

TEST_F(GameQueries, anyGhostBlueAsksTheFirstPresentGhostInRedGreenOrangeTurquoiseOrder) {
  addGhost(orangeGhost, 6, 9, false);
  addGhost(greenGhost, 7, 9, true);
  EXPECT_TRUE(anyGhostBlue());  // green comes before orange here
  addGhost(redGhost, 8, 9, false);
  EXPECT_FALSE(anyGhostBlue());
}

TEST(WalkableCodes, onlyCorridorDoorFruitAndHuntingGhostsAreWalkable) {
  for (int code = -1; code <= 20; ++code) {
    const bool expected = code == 2 || code == 3 || code == 4 || code == 5 || code == 6 ||
                          code == 9 || (code >= 10 && code <= 13);
    EXPECT_EQ(isWalkableCode(code), expected) << "code " << code;
  }
}
