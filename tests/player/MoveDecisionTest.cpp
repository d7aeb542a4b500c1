// The move decision: the worked first decisions of a game, what the window
// is told, the local window, the food phase and following what is left of a plan.

#include <tuple>

#include "PlayerFixture.h"

using MoveDecision = PlayerFixture;

namespace {

const std::vector<CellPos> kFirstRoute = {{8, 9}, {7, 9}, {6, 9}, {6, 8}, {6, 7}, {7, 7},
                                          {8, 7}, {8, 6}, {8, 5}, {7, 5}, {6, 5}};

// What is left of it once the decision has taken its first step: ten cells.
const std::vector<CellPos> kRouteAfterFirstStep(kFirstRoute.begin() + 1, kFirstRoute.end());

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

}  // namespace

TEST_F(MoveDecision, firstDecisionWithoutGhostsHeadsLeftTowardSixFive) {
  player->setDirection(DIR_UP);
  player->decide();
  EXPECT_FALSE(player->usedFoodPhase());
  EXPECT_EQ(player->getDirection(), DIR_LEFT);
  EXPECT_TRUE(player->hasPlan());
  EXPECT_EQ(player->getPlan().size(), 10u);
  EXPECT_EQ(cellsOf(player->getPlan()), kRouteAfterFirstStep);
  for (const MazeNode* n : player->getNodes()) EXPECT_TRUE(n->bonus == 0 && n->cost == 0) << "no ghost, no weights";
  // The window is told every absent ghost stands in the corner, turquoise last.
  for (int ghost = 1; ghost <= 4; ++ghost) EXPECT_EQ(player->getWindow()->ghostCellShown(ghost), CellPos(0, 0));
  EXPECT_EQ(ghostOverlay[gridIndex(0, 0)], MARK_TURQUOISE_GHOST);
}

TEST_F(MoveDecision, redGhostInTheHouseKeepsFourCellsOfItsPathAndTheWindowShowsAll) {
  addGhost(redGhost, 9, 11);
  player->decide();
  const auto& kept = player->resultList(SEARCH_RED);
  EXPECT_EQ(cellsOf(kept), (std::vector<CellPos>{{9, 11}, {9, 12}, {9, 13}, {10, 13}}));
  EXPECT_EQ(valuesOf(kept, &MazeNode::bonus), (std::vector<int>{-120, -100, -80, -60}));
  EXPECT_EQ(valuesOf(kept, &MazeNode::cost), (std::vector<int>{150, 130, 110, 90}));
  EXPECT_EQ(player->getDirection(), DIR_LEFT);
  EXPECT_EQ(cellsOf(player->getPlan()), kRouteAfterFirstStep);
  // The plan is reported before its first step is taken.
  EXPECT_EQ(chomperOverlay[gridIndex(9, 9)], MARK_CHOMPER);
  for (const CellPos& c : kFirstRoute) EXPECT_EQ(chomperOverlay[gridIndex(c.getCol(), c.getRow())], MARK_PLAN) << c;
  EXPECT_EQ(ghostOverlay[gridIndex(9, 11)], MARK_RED_GHOST);  // hides its own path mark
  EXPECT_EQ(ghostOverlay[gridIndex(9, 12)], MARK_GHOST_PATH + 1);
  EXPECT_EQ(ghostOverlay[gridIndex(10, 13)], MARK_GHOST_PATH + 1);
  EXPECT_EQ(player->getWindow()->ghostCellShown(1), CellPos(9, 11));
}

TEST_F(MoveDecision, aHuntingGhostOnTheBestRouteTurnsTheChomperAway) {
  addGhost(redGhost, 6, 8);  // on the way to (6, 5), facing the chomper
  player->decide();
  EXPECT_EQ(player->getDirection(), DIR_RIGHT);  // without the ghost: left
  const std::vector<CellPos> plan = cellsOf(player->getPlan());
  EXPECT_EQ(std::count(plan.begin(), plan.end(), CellPos(6, 8)), 0);
}

TEST_F(MoveDecision, fourGhostsInTheHouseSplitAndTheChomperStillGoesLeft) {
  for (Ghost** slot : {&redGhost, &greenGhost, &orangeGhost, &turquoiseGhost}) addGhost(*slot, 9, 11);
  player->decide();
  EXPECT_EQ(node(9, 11).reward, -50);
  const std::vector<CellPos> right = {{9, 11}, {9, 12}, {9, 13}, {10, 13}};
  const std::vector<CellPos> left = {{9, 11}, {9, 12}, {9, 13}, {8, 13}};
  EXPECT_EQ(cellsOf(player->resultList(SEARCH_RED)), right);
  EXPECT_EQ(cellsOf(player->resultList(SEARCH_GREEN)), left);
  EXPECT_EQ(cellsOf(player->resultList(SEARCH_ORANGE)), right);
  EXPECT_EQ(cellsOf(player->resultList(SEARCH_TURQUOISE)), right);
  EXPECT_EQ(player->getDirection(), DIR_LEFT);
  EXPECT_EQ(cellsOf(player->getPlan()), kRouteAfterFirstStep);
}

TEST_F(MoveDecision, localWindowIsClippedToTheGridWithExclusiveLimits) {
  // First column, column limit, first row, row limit.
  using Bounds = std::tuple<int, int, int, int>;
  const struct {
    CellPos chomper;
    Bounds expected;
  } cases[] = {{{9, 9}, {5, 13, 5, 13}}, {{1, 1}, {0, 5, 0, 5}}, {{17, 20}, {13, 19, 16, 22}}};
  for (const auto& c : cases) {
    const LocalWindow w = player->localWindow(c.chomper, 4);
    EXPECT_EQ(Bounds(w.firstCol, w.colLimit, w.firstRow, w.rowLimit), c.expected) << c.chomper;
  }
}

TEST_F(MoveDecision, withNothingNearbyTheFirstReachableFoodIsTakenThenOnlyBetterRoutes) {
  // Every piece lies outside the local window. Alone from (9, 9): (1, 20) scores
  // 10 / 9.5, (4, 16) 10 / 6, (14, 8) 10 / 3, (17, 1) 10 / 8; but the route to
  // (1, 20) passes (4, 16) and collects both.
  const struct {
    std::vector<CellPos> food;  // in node order, top row first
    int bonus;                  // on the first piece
    CellPos chosen;             // (0, 0): no route
  } cases[] = {{{}, 0, {0, 0}},  // no food anywhere: nothing planned
               {{{1, 20}, {14, 8}}, 0, {14, 8}},
               {{{4, 16}, {17, 1}}, 0, {4, 16}},
               {{{1, 20}, {4, 16}}, 0, {1, 20}},
               {{{1, 20}}, -1000, {1, 20}}};  // the first is taken even at a negative score
  for (const auto& c : cases) {
    keepOnlyFood(*player, c.food);
    if (!c.food.empty()) player->nodeAtCell(c.food[0].getCol(), c.food[0].getRow())->bonus = c.bonus;
    EXPECT_TRUE(player->planRoute(CellPos(9, 9), 4));
    EXPECT_TRUE(player->usedFoodPhase());
    const auto& plan = player->getPlan();
    EXPECT_EQ(plan.empty() ? CellPos(0, 0) : plan.back()->cell, c.chosen) << c.food.size();
  }
}

TEST_F(MoveDecision, withNoFoodLeftTheOldPlanIsFollowedThenTheDirectionStays) {
  player->decide();  // ten cells left toward (6, 5)
  forgetAllFood(*player);
  player->decide();
  EXPECT_EQ(player->getPlan().size(), 9u);  // one more step of the old plan
  EXPECT_EQ(player->getDirection(), DIR_LEFT);  // toward (7, 9)
  for (int i = 0; i < 9 && !player->getPlan().empty(); ++i) player->decide();
  EXPECT_TRUE(player->getPlan().empty());
  player->setDirection(DIR_DOWN);
  player->decide();
  EXPECT_FALSE(player->hasPlan());
  EXPECT_EQ(player->getDirection(), DIR_DOWN);
}
