// The move decision: the worked first decisions of a game, the local window,
// the food phase and following what is left of a plan.

#include "PlayerFixture.h"
#include "player/GameQueries.h"

using MoveDecision = PlayerFixture;

namespace {

const std::vector<CellPos> kFirstRoute = {{8, 9}, {7, 9}, {6, 9}, {6, 8}, {6, 7}, {7, 7},
                                          {8, 7}, {8, 6}, {8, 5}, {7, 5}, {6, 5}};

std::vector<CellPos> routeAfterFirstStep() {
  return std::vector<CellPos>(kFirstRoute.begin() + 1, kFirstRoute.end());
}

}  // namespace

TEST_F(MoveDecision, firstDecisionWithoutGhostsHeadsLeftTowardSixFive) {
  player->setDirection(DIR_UP);
  player->decide();
  EXPECT_FALSE(player->usedFoodPhase());
  EXPECT_EQ(player->getDirection(), DIR_LEFT);
  EXPECT_TRUE(player->hasPlan());
  EXPECT_EQ(cellsOf(player->getPlan()), routeAfterFirstStep());
  EXPECT_EQ(player->resultList(SEARCH_RED).size(), 0u);
}

TEST_F(MoveDecision, redGhostInTheHouseKeepsFourCellsOfItsPath) {
  addGhost(redGhost, 9, 11);
  player->decide();
  const auto& kept = player->resultList(SEARCH_RED);
  EXPECT_EQ(cellsOf(kept), (std::vector<CellPos>{{9, 11}, {9, 12}, {9, 13}, {10, 13}}));
  std::vector<int> bonus, cost;
  for (const MazeNode* n : kept) {
    bonus.push_back(n->bonus);
    cost.push_back(n->cost);
  }
  EXPECT_EQ(bonus, (std::vector<int>{-120, -100, -80, -60}));
  EXPECT_EQ(cost, (std::vector<int>{150, 130, 110, 90}));
  EXPECT_EQ(player->getDirection(), DIR_LEFT);
  EXPECT_EQ(cellsOf(player->getPlan()), routeAfterFirstStep());
}

TEST_F(MoveDecision, fourGhostsInTheHouseSplitAndTheChomperStillGoesLeft) {
  addGhost(redGhost, 9, 11);
  addGhost(greenGhost, 9, 11);
  addGhost(orangeGhost, 9, 11);
  addGhost(turquoiseGhost, 9, 11);
  EXPECT_EQ(cellCodeAt(9, 11), CELL_RED_GHOST);
  player->decide();
  EXPECT_EQ(node(9, 11).reward, -50);
  const std::vector<CellPos> right = {{9, 11}, {9, 12}, {9, 13}, {10, 13}};
  const std::vector<CellPos> left = {{9, 11}, {9, 12}, {9, 13}, {8, 13}};
  EXPECT_EQ(cellsOf(player->resultList(SEARCH_RED)), right);
  EXPECT_EQ(cellsOf(player->resultList(SEARCH_GREEN)), left);
  EXPECT_EQ(cellsOf(player->resultList(SEARCH_ORANGE)), right);
  EXPECT_EQ(cellsOf(player->resultList(SEARCH_TURQUOISE)), right);
  EXPECT_EQ(player->getDirection(), DIR_LEFT);
  EXPECT_EQ(cellsOf(player->getPlan()), routeAfterFirstStep());
}

TEST_F(MoveDecision, withoutGhostsTheWindowIsToldEveryGhostIsInTheCorner) {
  player->decide();
  const Window* window = player->getWindow();
  for (int ghost = 1; ghost <= 4; ++ghost) EXPECT_EQ(window->ghostCellShown(ghost), CellPos(0, 0));
  // Red, orange, green, turquoise are reported in that order: turquoise is last.
  EXPECT_EQ(ghostOverlay[gridIndex(0, 0)], MARK_TURQUOISE_GHOST);
}

TEST_F(MoveDecision, decisionReportsPlanGhostsAndChomperToTheWindow) {
  addGhost(redGhost, 9, 11);
  player->decide();
  EXPECT_EQ(chomperOverlay[gridIndex(9, 9)], MARK_CHOMPER);
  // The plan is reported before its first step is taken.
  for (const CellPos& c : kFirstRoute) {
    EXPECT_EQ(chomperOverlay[gridIndex(c.getCol(), c.getRow())], MARK_PLAN) << c;
  }
  EXPECT_EQ(ghostOverlay[gridIndex(9, 11)], MARK_RED_GHOST);  // the ghost hides its path mark
  EXPECT_EQ(ghostOverlay[gridIndex(9, 12)], MARK_GHOST_PATH + 1);
  EXPECT_EQ(ghostOverlay[gridIndex(10, 13)], MARK_GHOST_PATH + 1);
  EXPECT_EQ(player->getWindow()->chomperCellShown(), CellPos(9, 9));
  EXPECT_EQ(player->getWindow()->ghostCellShown(1), CellPos(9, 11));
}

TEST_F(MoveDecision, nextDecisionClearsTheOldMarks) {
  player->decide();
  placeChomper(1, 20);
  player->decide();
  EXPECT_EQ(chomperOverlay[gridIndex(9, 9)], 0);
  EXPECT_EQ(chomperOverlay[gridIndex(6, 5)], 0);  // the old plan's target
  EXPECT_EQ(chomperOverlay[gridIndex(1, 20)], MARK_CHOMPER);
}

TEST_F(MoveDecision, shownFruitIsReportedToTheWindow) {
  placeChomper(1, 20);
  fruitShown = true;
  player->decide();
  EXPECT_EQ(analysisMaze[gridIndex(9, 9)], MARK_FRUIT);
}

struct WindowCase {
  CellPos chomper;
  LocalWindow expected;
};

void PrintTo(const WindowCase& c, std::ostream* os) { *os << "chomper on " << c.chomper; }

class LocalWindowBounds : public PlayerFixture,
                          public ::testing::WithParamInterface<WindowCase> {};

TEST_P(LocalWindowBounds, windowIsClippedToTheGridWithExclusiveLimits) {
  const LocalWindow w = player->localWindow(GetParam().chomper, 4);
  EXPECT_EQ(w.firstCol, GetParam().expected.firstCol);
  EXPECT_EQ(w.colLimit, GetParam().expected.colLimit);
  EXPECT_EQ(w.firstRow, GetParam().expected.firstRow);
  EXPECT_EQ(w.rowLimit, GetParam().expected.rowLimit);
}

// Limits are exclusive: columns 0..4 is firstCol 0, colLimit 5.
INSTANTIATE_TEST_SUITE_P(MoveDecision, LocalWindowBounds,
                         ::testing::Values(WindowCase{{9, 9}, {5, 13, 5, 13}},
                                           WindowCase{{1, 1}, {0, 5, 0, 5}},
                                           WindowCase{{17, 20}, {13, 19, 16, 22}}));

struct DirectionCase {
  CellPos from;
  CellPos to;
  int direction;
};

void PrintTo(const DirectionCase& c, std::ostream* os) {
  *os << c.from << " to " << c.to << " is " << c.direction;
}

class DirectionFrom : public ::testing::TestWithParam<DirectionCase> {};

TEST_P(DirectionFrom, columnsAreComparedBeforeRows) {
  EXPECT_EQ(MyChomper::directionFrom(GetParam().from, GetParam().to), GetParam().direction);
}

INSTANTIATE_TEST_SUITE_P(MoveDecision, DirectionFrom,
                         ::testing::Values(DirectionCase{{5, 5}, {6, 5}, DIR_RIGHT},
                                           DirectionCase{{5, 5}, {4, 5}, DIR_LEFT},
                                           DirectionCase{{5, 5}, {5, 6}, DIR_UP},
                                           DirectionCase{{5, 5}, {5, 4}, DIR_DOWN},
                                           DirectionCase{{5, 5}, {6, 6}, DIR_RIGHT},
                                           DirectionCase{{5, 5}, {4, 2}, DIR_LEFT},
                                           DirectionCase{{5, 5}, {5, 5}, DIR_NONE}));

// Empties the live maze of food except the given cells, and lets the player
// see the result as at the start of a game.
void keepOnlyFood(MyChomper& player, const std::vector<CellPos>& cells) {
  for (int i = 0; i < MAZE_CELLS; ++i) {
    if (maze[i] == CELL_DOT || maze[i] == CELL_POWERPILL) maze[i] = CELL_EMPTY;
  }
  for (const CellPos& c : cells) maze[gridIndex(c.getCol(), c.getRow())] = CELL_DOT;
  player.buildGraph();
  player.resetForNewGame();
}

// The player believes every piece of food eaten.
void forgetAllFood(MyChomper& player) {
  for (MazeNode* n : player.getNodes()) {
    n->reward = 0;
    n->eaten = true;
  }
}

TEST_F(MoveDecision, withNothingWorthwhileNearbyTheChomperHeadsForRemainingFood) {
  keepOnlyFood(*player, {{17, 1}});
  player->decide();
  EXPECT_TRUE(player->usedFoodPhase());
  ASSERT_TRUE(player->hasPlan());
  ASSERT_FALSE(player->getPlan().empty());
  EXPECT_EQ(player->getPlan().back()->cell, CellPos(17, 1));
}

struct FoodCase {
  std::vector<CellPos> food;  // in node order, top row first
  CellPos chosen;
};

void PrintTo(const FoodCase& c, std::ostream* os) {
  *os << c.food.size() << " pieces, goes to " << c.chosen;
}

class FoodPhase : public PlayerFixture, public ::testing::WithParamInterface<FoodCase> {};

TEST_P(FoodPhase, firstReachableFoodIsTakenThenOnlyStrictlyBetterRoutes) {
  keepOnlyFood(*player, GetParam().food);
  EXPECT_TRUE(player->planRoute(CellPos(9, 9), 4));
  ASSERT_FALSE(player->getPlan().empty());
  EXPECT_EQ(player->getPlan().back()->cell, GetParam().chosen);
}

// Alone from (9, 9): (1, 20) scores 10 / 9.5, (4, 16) 10 / 6, (14, 8) 10 / 3,
// (17, 1) 10 / 8; but the route to (1, 20) passes (4, 16) and collects both.
INSTANTIATE_TEST_SUITE_P(MoveDecision, FoodPhase,
                         ::testing::Values(FoodCase{{{1, 20}, {14, 8}}, {14, 8}},
                                           FoodCase{{{4, 16}, {17, 1}}, {4, 16}},
                                           FoodCase{{{1, 20}, {4, 16}}, {1, 20}}));

TEST_F(MoveDecision, foodPhaseTakesTheFirstReachableFoodEvenAtANegativeScore) {
  keepOnlyFood(*player, {{1, 20}});
  player->nodeAtCell(1, 20)->bonus = -1000;
  EXPECT_TRUE(player->planRoute(CellPos(9, 9), 4));
  ASSERT_FALSE(player->getPlan().empty());
  EXPECT_EQ(player->getPlan().back()->cell, CellPos(1, 20));
}

TEST_F(MoveDecision, withNoFoodAnywhereNoRouteIsPlanned) {
  keepOnlyFood(*player, {});
  EXPECT_TRUE(player->planRoute(CellPos(9, 9), 4));
  EXPECT_TRUE(player->getPlan().empty());
}

TEST_F(MoveDecision, withNoFoodLeftTheOldPlanIsFollowedThenTheDirectionStays) {
  player->decide();  // ten cells left toward (6, 5)
  forgetAllFood(*player);
  player->decide();
  EXPECT_EQ(player->getPlan().size(), 9u);  // one more step of the old plan
  EXPECT_TRUE(player->hasPlan());
  EXPECT_EQ(player->getDirection(), DIR_LEFT);  // toward (7, 9)
  while (!player->getPlan().empty()) player->decide();
  player->setDirection(DIR_DOWN);
  player->decide();
  EXPECT_FALSE(player->hasPlan());
  EXPECT_EQ(player->getDirection(), DIR_DOWN);
}

TEST_F(MoveDecision, remainingPlanStepNotNextToTheChomperStillGivesADirection) {
  player->decide();
  forgetAllFood(*player);
  placeChomper(6, 8);  // the next planned cell (7, 9) is up and to the right
  player->decide();
  EXPECT_EQ(player->getDirection(), DIR_RIGHT);
}
