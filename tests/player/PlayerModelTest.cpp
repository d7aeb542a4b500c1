// The player's model: the node graph, rewards, the reset at the start of
// each game and what every decision notes before it plans.

#include <utility>

#include "PlayerFixture.h"
#include "player/GameQueries.h"

using PlayerModel = PlayerWithGraph;
using NewPlayer = PlayerFixture;

TEST_F(PlayerModel, graphHasOneNodePerWalkableCellTopRowFirstWorthItsContent) {
  const auto& nodes = player->getNodes();
  ASSERT_EQ(nodes.size(), 193u);
  EXPECT_EQ(nodes.front()->cell, CellPos(1, 20));
  EXPECT_EQ(nodes.back()->cell, CellPos(17, 1));
  for (std::size_t i = 1; i < nodes.size(); ++i) {
    EXPECT_EQ(nodes[i]->index, static_cast<int>(i));
    const CellPos& a = nodes[i - 1]->cell;
    const CellPos& b = nodes[i]->cell;
    EXPECT_TRUE(a.getRow() > b.getRow() || (a.getRow() == b.getRow() && a.getCol() < b.getCol()));
  }
  EXPECT_EQ(node(1, 20).reward, 10);
  EXPECT_EQ(node(1, 19).reward, 25);
  EXPECT_EQ(node(9, 9).reward, 0);
  EXPECT_EQ(node(9, 12).reward, -50) << "the door";
  EXPECT_EQ(node(9, 11).code, CELL_EMPTY) << "the house behind the door";
  // Walls, filler and cells outside the grid have none.
  for (auto [col, row] : {std::pair{0, 0}, {9, 20}, {0, 13}, {-1, 11}, {19, 11}}) {
    EXPECT_EQ(player->nodeAtCell(col, row), nullptr) << col << ", " << row;
  }
}

TEST_F(PlayerModel, newGameResetRefreshesContentButLeavesWeights) {
  MazeNode* dot = player->nodeAtCell(1, 20);
  dot->code = CELL_EMPTY;
  dot->reward = 0;
  dot->eaten = true;
  dot->bonus = 33;
  analysisMaze[gridIndex(1, 20)] = MARK_EATEN;
  fruitShown = true;
  player->resetForNewGame();
  EXPECT_TRUE(dot->code == CELL_DOT && dot->reward == 10 && !dot->eaten);
  EXPECT_EQ(dot->bonus, 33);
  EXPECT_EQ(analysisMaze[gridIndex(1, 20)], CELL_DOT) << "the window's food is back too";
  EXPECT_TRUE(node(9, 9).code == CELL_FRUIT && node(9, 9).reward == 20);
}
