// The player's model: construction, the node graph, rewards, the reset at
// the start of each game and the updates every decision makes.

#include "PlayerFixture.h"
#include "player/GameQueries.h"

using PlayerModel = PlayerFixture;

TEST(MazeNodeRecord, clearSearchStateForgetsOnlyTheSearchFields) {
  MazeNode a;
  MazeNode b;
  a.cell = CellPos(3, 4);
  a.code = 4;
  a.reward = 10;
  a.bonus = -120;
  a.cost = 150;
  a.eaten = true;
  a.f = 7;
  a.g = 5;
  a.h = 2;
  a.parent = &b;
  a.open = true;
  a.closed = true;
  a.clearSearchState();
  EXPECT_EQ(a.f, 0);
  EXPECT_EQ(a.g, 0);
  EXPECT_EQ(a.h, 0);
  EXPECT_EQ(a.parent, nullptr);
  EXPECT_FALSE(a.open);
  EXPECT_FALSE(a.closed);
  EXPECT_EQ(a.cell, CellPos(3, 4));
  EXPECT_EQ(a.code, 4);
  EXPECT_EQ(a.reward, 10);
  EXPECT_EQ(a.bonus, -120);
  EXPECT_EQ(a.cost, 150);
  EXPECT_TRUE(a.eaten);
}

TEST_F(PlayerModel, newPlayerStandsAtTheStartWithNoGraphYet) {
  EXPECT_EQ(player->getX(), 190);
  EXPECT_EQ(player->getY(), 190);
  EXPECT_EQ(player->getDirection(), DIR_LEFT);
  EXPECT_EQ(player->getScore(), 0);
  EXPECT_FALSE(player->isGraphBuilt());
  EXPECT_TRUE(player->getNodes().empty());
  EXPECT_EQ(player->nodeAtCell(9, 9), nullptr);
  EXPECT_EQ(player->getGhostPathLength(), 5);
  EXPECT_EQ(player->getLocalRadius(), 4);
  EXPECT_FALSE(player->hasPlan());
  EXPECT_FALSE(player->isNewGameSeen());
  EXPECT_FALSE(player->isBlueSeen());
  ASSERT_NE(player->getWindow(), nullptr);
  EXPECT_EQ(player->getWindow()->getOwner(), player.get());
}

TEST_F(PlayerModel, graphHasOneNodePerWalkableCellTopRowFirst) {
  player->buildGraph();
  const auto& nodes = player->getNodes();
  ASSERT_EQ(nodes.size(), 193u);
  EXPECT_TRUE(player->isGraphBuilt());
  EXPECT_EQ(nodes.front()->cell, CellPos(1, 20));
  EXPECT_EQ(nodes.back()->cell, CellPos(17, 1));
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    EXPECT_EQ(nodes[i]->index, static_cast<int>(i));
    if (i == 0) continue;
    const CellPos& a = nodes[i - 1]->cell;
    const CellPos& b = nodes[i]->cell;
    EXPECT_TRUE(a.getRow() > b.getRow() || (a.getRow() == b.getRow() && a.getCol() < b.getCol()));
  }
}

TEST_F(PlayerModel, wallsAndVoidHaveNoNode) {
  player->buildGraph();
  EXPECT_EQ(player->nodeAtCell(0, 0), nullptr);
  EXPECT_EQ(player->nodeAtCell(9, 20), nullptr);
  EXPECT_EQ(player->nodeAtCell(0, 13), nullptr);
  EXPECT_EQ(player->nodeAtCell(-1, 11), nullptr);
  EXPECT_EQ(player->nodeAtCell(19, 11), nullptr);
}

TEST_F(PlayerModel, doorIsANodeWorthMinusFiftyAndTheHouseBehindItIsANode) {
  player->buildGraph();
  EXPECT_EQ(node(9, 12).code, CELL_DOOR);
  EXPECT_EQ(node(9, 12).reward, -50);
  EXPECT_EQ(node(9, 11).code, CELL_EMPTY);
  EXPECT_TRUE(node(9, 11).exitUp);
  EXPECT_TRUE(node(9, 12).exitDown);
}

TEST_F(PlayerModel, nodesRecordTheirExitsAndContent) {
  player->buildGraph();
  const MazeNode& corner = node(1, 20);
  EXPECT_FALSE(corner.exitUp);
  EXPECT_TRUE(corner.exitDown);
  EXPECT_FALSE(corner.exitLeft);
  EXPECT_TRUE(corner.exitRight);
  EXPECT_EQ(corner.code, CELL_DOT);
  EXPECT_EQ(corner.reward, 10);
  EXPECT_EQ(node(1, 19).reward, 25);
  EXPECT_EQ(node(9, 9).reward, 0);
  EXPECT_EQ(node(1, 20).bonus, 0);
  EXPECT_FALSE(node(1, 20).eaten);
}

TEST_F(PlayerModel, tunnelEndsLeadToEachOther) {
  player->buildGraph();
  const MazeNode& west = node(0, 11);
  const MazeNode& east = node(18, 11);
  EXPECT_TRUE(west.exitLeft);
  EXPECT_TRUE(west.exitRight);
  EXPECT_TRUE(east.exitLeft);
  EXPECT_TRUE(east.exitRight);
  EXPECT_EQ(west.neighbours[2], &east);  // left of column 0 is column 18
  EXPECT_EQ(east.neighbours[3], &west);  // right of column 18 is column 0
}

struct RewardCase {
  int code;
  int reward;
};

void PrintTo(const RewardCase& c, std::ostream* os) {
  *os << "code " << c.code << " reward " << c.reward;
}

class Rewards : public ::testing::TestWithParam<RewardCase> {};

TEST_P(Rewards, rewardFollowsTheCellCode) {
  MazeNode n;
  n.reward = 999;
  MyChomper::rewardFor(n, GetParam().code);
  EXPECT_EQ(n.reward, GetParam().reward);
}

INSTANTIATE_TEST_SUITE_P(
    PlayerModel, Rewards,
    ::testing::Values(RewardCase{CELL_DOT, 10}, RewardCase{CELL_POWERPILL, 25},
                      RewardCase{CELL_FRUIT, 20}, RewardCase{CELL_DOOR, -50},
                      RewardCase{CELL_RED_GHOST, -50}, RewardCase{CELL_ORANGE_GHOST, -50},
                      RewardCase{CELL_GREEN_GHOST, -50}, RewardCase{CELL_TURQUOISE_GHOST, -50},
                      RewardCase{CELL_BLUE_GHOST, 0}, RewardCase{CELL_EMPTY, 0},
                      RewardCase{CELL_TUNNEL, 0}, RewardCase{CELL_WALL, 0},
                      RewardCase{CELL_OUTSIDE, 0}));

TEST_F(PlayerModel, ghostStandingThereWhenTheGraphIsBuiltLeavesItsCode) {
  addGhost(redGhost, 9, 11);
  player->buildGraph();
  EXPECT_EQ(node(9, 11).code, CELL_RED_GHOST);
  EXPECT_EQ(node(9, 11).reward, -50);
}

TEST_F(PlayerModel, blueGhostCellGetsNoNodeWhenTheGraphIsBuilt) {
  addGhost(redGhost, 6, 9, true);
  player->buildGraph();
  EXPECT_EQ(player->nodeAtCell(6, 9), nullptr);
  EXPECT_EQ(player->getNodes().size(), 192u);
}

TEST_F(PlayerModel, newGameResetRefreshesCodesRewardsAndEatenFlags) {
  player->buildGraph();
  MazeNode* dot = player->nodeAtCell(1, 20);
  dot->code = CELL_EMPTY;
  dot->reward = 0;
  dot->eaten = true;
  dot->bonus = 33;
  addGhost(greenGhost, 6, 9);
  fruitShown = true;
  player->resetForNewGame();
  EXPECT_EQ(dot->code, CELL_DOT);
  EXPECT_EQ(dot->reward, 10);
  EXPECT_FALSE(dot->eaten);
  EXPECT_EQ(dot->bonus, 33);  // weights are left alone
  EXPECT_EQ(node(6, 9).code, CELL_GREEN_GHOST);
  EXPECT_EQ(node(6, 9).reward, -50);
  EXPECT_EQ(node(9, 9).code, CELL_FRUIT);
  EXPECT_EQ(node(9, 9).reward, 20);
}

TEST_F(PlayerModel, newGameResetPutsTheWindowsFoodBack) {
  player->buildGraph();
  analysisMaze[gridIndex(1, 20)] = 9;
  player->resetForNewGame();
  EXPECT_EQ(analysisMaze[gridIndex(1, 20)], CELL_DOT);
}

TEST_F(PlayerModel, firstDecisionBuildsAndResetsLaterOnesDoNot) {
  player->decide();
  EXPECT_TRUE(player->isGraphBuilt());
  EXPECT_TRUE(player->isNewGameSeen());
  const MazeNode* first = player->getNodes().front();
  // A second decision at score 0 neither rebuilds nor resets.
  player->nodeAtCell(1, 20)->code = CELL_EMPTY;
  player->decide();
  EXPECT_EQ(player->getNodes().size(), 193u);
  EXPECT_EQ(player->getNodes().front(), first);
  EXPECT_EQ(node(1, 20).code, CELL_EMPTY);
}

TEST_F(PlayerModel, resetRunsOnceMoreAfterTheScoreLeavesZeroAndReturns) {
  player->decide();
  player->setScore(10);
  player->decide();
  EXPECT_FALSE(player->isNewGameSeen());
  player->nodeAtCell(1, 20)->code = CELL_EMPTY;
  player->setScore(0);  // a new game
  player->decide();
  EXPECT_TRUE(player->isNewGameSeen());
  EXPECT_EQ(node(1, 20).code, CELL_DOT);
}

TEST_F(PlayerModel, chomperOnADotSeesItEatenInTheSameDecision) {
  placeChomper(1, 20);
  player->setScore(10);
  player->decide();
  EXPECT_EQ(node(1, 20).reward, 0);
  EXPECT_EQ(node(1, 20).code, CELL_EMPTY);
  EXPECT_TRUE(node(1, 20).eaten);
}

TEST_F(PlayerModel, shownFruitMakesItsNodeRewarding) {
  placeChomper(1, 20);
  player->setScore(10);
  player->decide();
  fruitShown = true;
  player->decide();
  EXPECT_EQ(node(9, 9).reward, 20);
  EXPECT_EQ(node(9, 9).code, CELL_FRUIT);
  EXPECT_FALSE(node(9, 9).eaten);
}

TEST_F(PlayerModel, withoutGhostsNoWeightsAreWritten) {
  player->decide();
  for (const MazeNode* n : player->getNodes()) {
    EXPECT_EQ(n->bonus, 0);
    EXPECT_EQ(n->cost, 0);
  }
}
