// The player's view of the game: ghost presence and cells, and the cell codes
// that lay the ghosts and the fruit over the live maze.

#include "player/GameQueries.h"

#include "PlayerFixture.h"

using GameQueries = PlayerFixture;

TEST_F(GameQueries, cellCodeIsOutsideTheLiveMazesCodeOrTheShownFruit) {
  const struct { int col, row, code; } cases[] = {{-1, 5, CELL_OUTSIDE}, {19, 0, CELL_OUTSIDE}, {0, 22, CELL_OUTSIDE},
      {0, -1, CELL_OUTSIDE}, {0, 13, CELL_VOID}, {9, 12, CELL_DOOR}, {1, 20, CELL_DOT}, {9, 9, CELL_EMPTY}};
  for (const auto& c : cases) EXPECT_EQ(cellCodeAt(c.col, c.row), c.code) << c.col << ", " << c.row;
  fruitShown = true;
  EXPECT_EQ(cellCodeAt(9, 9), CELL_FRUIT);
  addGhost(turquoiseGhost, 9, 9);
  EXPECT_EQ(cellCodeAt(9, 9), CELL_TURQUOISE_GHOST);
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
  redGhost->setPosition(centre(6) + 19, centre(9));
  EXPECT_EQ(cellCodeAt(6, 9), CELL_RED_GHOST) << "between centres: the cell to its left";
}
