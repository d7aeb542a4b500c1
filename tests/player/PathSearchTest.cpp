// The A* search: which path it finds, how it orders its work, how it fails,
// how a ghost's path is cut and how a route is scored; and the ghost
// predictions kept for searches made without costs.

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

#include "OracleSearch.h"
#include "PlayerFixture.h"
#include "player/ClearPaths.h"
#include "player/OpenQueue.h"

using PathSearch = PlayerWithGraph;

TEST_F(PathSearch, bestLocalRouteFromTheStartScoresTwoHundredSixteenSevenths) {
  double score = 0.0;
  ASSERT_TRUE(player->findPath(6, 5, SEARCH_CHOMPER, 0, score));
  EXPECT_DOUBLE_EQ(score, 216.0 / 7.0);
  const std::vector<CellPos> expected = {{8, 9}, {7, 9}, {6, 9}, {6, 8}, {6, 7}, {7, 7},
                                         {8, 7}, {8, 6}, {8, 5}, {7, 5}, {6, 5}};
  EXPECT_EQ(cellsOf(player->resultList(SEARCH_CHOMPER)), expected);
}

TEST_F(PathSearch, runnerUpTiesInFAndTakesTheNewestNodeRoundTheRight) {
  // Both ways round to (9, 5) cost the same; the right-hand neighbour is
  // opened last and so expanded first.
  double score = 0.0;
  ASSERT_TRUE(player->findPath(9, 5, SEARCH_CHOMPER, 0, score));
  EXPECT_NEAR(score, 29.667, 0.001);
  EXPECT_EQ(player->resultList(SEARCH_CHOMPER).front()->cell, CellPos(10, 9));
}

TEST_F(PathSearch, scoreAddsEachCellsWorthOverHalfItsDistanceToTheCallersScore) {
  placeChomper(2, 7);  // dot, dot, power pill at distances 1, 2 and 3
  double score = 0.0;
  ASSERT_TRUE(player->findPath(1, 5, SEARCH_CHOMPER, 0, score));
  EXPECT_EQ(cellsOf(player->resultList(SEARCH_CHOMPER)),
            (std::vector<CellPos>{{1, 7}, {1, 6}, {1, 5}}));
  EXPECT_NEAR(score, 10 / 0.5 + 10 / 1.0 + 25 / 1.5, 1e-12);
  ASSERT_TRUE(player->findPath(1, 5, SEARCH_CHOMPER, 0, score));
  EXPECT_NEAR(score, 2 * (10 / 0.5 + 10 / 1.0 + 25 / 1.5), 1e-12);
}

TEST_F(PathSearch, unwalkableTargetFailsAtOnceAndKeepsTheSlotsLists) {
  double score = 0.0;
  ASSERT_TRUE(player->findPath(6, 5, SEARCH_CHOMPER, 0, score));
  const auto before = cellsOf(player->resultList(SEARCH_CHOMPER));
  addGhost(greenGhost, 12, 9, true);  // a blue ghost's cell is not walkable
  for (CellPos target : {CellPos(0, 0), CellPos(-1, 5), CellPos(12, 9)}) {
    score = 0.0;
    EXPECT_FALSE(player->findPath(target.getCol(), target.getRow(), SEARCH_CHOMPER, 0, score));
    EXPECT_EQ(score, 0.0);
    EXPECT_EQ(cellsOf(player->resultList(SEARCH_CHOMPER)), before);
  }
}

TEST_F(PlayerFixture, searchFromOrToACellWithoutANodeFails) {
  addGhost(redGhost, 6, 9, true);
  player->buildGraph();  // while a blue ghost stands on (6, 9)
  redGhost = nullptr;    // it has gone since: walkable, but no node
  double score = 0.0;
  EXPECT_FALSE(player->findPath(6, 9, SEARCH_CHOMPER, 0, score));
  placeChomper(0, 0);  // inside the outer wall
  EXPECT_FALSE(player->findPath(1, 1, SEARCH_CHOMPER, 0, score));
  EXPECT_TRUE(player->resultList(SEARCH_CHOMPER).empty());
}

TEST(CutTable, keptLengthFollowsThePathLength) {
  const struct { int pathLength, cut, kept; } cases[] = {{4, 5, 5},  {10, 5, 5}, {11, 5, 4}, {15, 5, 4}, {16, 5, 3},
               {20, 5, 3}, {21, 5, 2}, {40, 5, 2}, {25, 2, 0}, {12, 1, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(MyChomper::keptLength(c.pathLength, c.cut), c.kept) << c.pathLength << " cells cut " << c.cut;
  }
}

TEST_F(PathSearch, cutTwoOfAGhostPathOfTwentyFiveCellsEmptiesItAndStillSucceeds) {
  placeChomper(1, 1);
  addGhost(redGhost, 1, 19);
  double score = 0.0;
  ASSERT_TRUE(player->findPath(1, 1, SEARCH_RED, 0, score));
  ASSERT_EQ(cellsOf(player->resultList(SEARCH_RED)).front(), CellPos(1, 19)) << "ghost first";
  ASSERT_EQ(player->resultList(SEARCH_RED).size(), 25u);
  EXPECT_TRUE(player->findPath(1, 1, SEARCH_RED, 2, score));
  EXPECT_TRUE(player->resultList(SEARCH_RED).empty());
  ASSERT_TRUE(player->findPath(1, 1, SEARCH_RED, 5, score));
  EXPECT_EQ(player->resultList(SEARCH_RED).size(), 2u);
  EXPECT_TRUE(player->resultList(SEARCH_CHOMPER).empty()) << "other slots untouched";
}

TEST_F(PathSearch, tunnelEndsAreNeighboursButDistancesDoNotWrap) {
  placeChomper(1, 11);
  double score = 0.0;
  ASSERT_TRUE(player->findPath(17, 11, SEARCH_CHOMPER, 0, score));
  EXPECT_EQ(cellsOf(player->resultList(SEARCH_CHOMPER)),
            (std::vector<CellPos>{{0, 11}, {18, 11}, {17, 11}}));
  EXPECT_EQ(score, 0.0);
}

TEST_F(PathSearch, costIsPaidWhenTheSearchLeavesACell) {
  player->nodeAtCell(8, 9)->cost = 500;  // the first step of the best route
  double score = 0.0;
  ASSERT_TRUE(player->findPath(6, 5, SEARCH_CHOMPER, 0, score));
  EXPECT_EQ(player->resultList(SEARCH_CHOMPER).front()->cell, CellPos(10, 9));
}

TEST_F(PathSearch, routesKnownWithoutASearchAreTheSearchsOwnWhateverTheCostsAround) {
  // Random starts with a few costly or cheap cells around them: every route
  // known without a search is the one the reference search finds.
  OracleSearch reference;
  PlainRoutes plain;
  plain.build(player->getNodes());
  std::mt19937 random(7);
  const std::vector<MazeNode*>& nodes = player->getNodes();
  auto anyNode = [&] { return nodes[random() % nodes.size()]; };
  int known = 0;
  for (int trial = 0; trial < 150; ++trial) {
    for (MazeNode* n : nodes) n->cost = 0;
    const MazeNode* start = anyNode();
    placeChomper(start->cell.getCol(), start->cell.getRow());
    for (int i = static_cast<int>(random() % 4); i > 0; --i) {
      anyNode()->cost = std::vector<int>{-60, 70, 150}[random() % 3];
    }
    plain.begin(start);
    for (const MazeNode* target : nodes) {
      MazeNode* const* first = nullptr;
      MazeNode* const* last = nullptr;
      if (!plain.known(target, first, last)) continue;
      ++known;
      double ignored = 0.0;
      const CellPos cell = target->cell;
      ASSERT_TRUE(reference.findPath(*player, cell.getCol(), cell.getRow(), SEARCH_CHOMPER, 0, ignored));
      ASSERT_EQ(std::vector<MazeNode*>(first, last), player->resultList(SEARCH_CHOMPER))
          << "from (" << start->cell.getCol() << ", " << start->cell.getRow() << ") to ("
          << cell.getCol() << ", " << cell.getRow() << ")";
    }
  }
  EXPECT_GT(known, 1000);
}

TEST(ClearPaths, keepsEachSearchsOutcomeForItsStartTargetAndCutUntilForgotten) {
  std::vector<MazeNode> nodes(3);
  for (int i = 0; i < 3; ++i) nodes[static_cast<std::size_t>(i)].index = i * 4;
  ClearPaths kept;
  kept.reset(12, 5);
  const std::int16_t* first = nullptr;
  const std::int16_t* last = nullptr;
  EXPECT_EQ(kept.find(0, 8, 5, first, last), ClearPaths::Kept::UNKNOWN);
  kept.keep(0, 8, 5, true, {&nodes[0], &nodes[1], &nodes[2]});
  kept.keep(8, 0, 5, false, {});
  ASSERT_EQ(kept.find(0, 8, 5, first, last), ClearPaths::Kept::REACHED);
  EXPECT_EQ(std::vector<std::int16_t>(first, last), (std::vector<std::int16_t>{0, 4, 8}));
  EXPECT_EQ(kept.find(8, 0, 5, first, last), ClearPaths::Kept::UNREACHED);
  EXPECT_EQ(kept.find(0, 4, 5, first, last), ClearPaths::Kept::UNKNOWN) << "another target";
  EXPECT_EQ(kept.find(0, 8, 4, first, last), ClearPaths::Kept::UNKNOWN) << "another cut";
  kept.reset(12, 5);
  EXPECT_EQ(kept.find(0, 8, 5, first, last), ClearPaths::Kept::UNKNOWN) << "forgotten";
  EXPECT_EQ(kept.find(8, 0, 5, first, last), ClearPaths::Kept::UNKNOWN) << "forgotten";
}

TEST(OpenQueue, takesNodesInTheOrderOfThePlainRuleThroughAnyRunOfChanges) {
  // The plain rule on a plain list: a new node goes ahead of the first node,
  // from the front, whose current f is >= its own; a changed node stays put.
  // Few nodes and many changes, so runs are cut and dropped again and again.
  constexpr int NODES = 12;
  OpenQueue::Store store;
  store.reset(NODES);
  std::mt19937 random(7);
  for (int search = 0; search < 3000; ++search) {
    OpenQueue queue(store);
    std::vector<std::pair<int, int>> plain;  // node, f; front first
    int unlisted = 0;                        // nodes 0..unlisted-1 have been listed
    while (unlisted < NODES || !plain.empty()) {
      const int what = static_cast<int>(random() % 8);
      const int f = static_cast<int>(random() % 9);
      if (what < 2 && unlisted < NODES) {
        auto place = std::find_if(plain.begin(), plain.end(), [f](const auto& e) { return e.second >= f; });
        plain.insert(place, {unlisted, f});
        queue.push(unlisted++, f);
      } else if (what < 7 && !plain.empty()) {
        auto& changed = plain[random() % plain.size()];
        changed.second = f;
        queue.changeF(changed.first, f);
      } else if (!plain.empty()) {
        ASSERT_EQ(queue.popFront(), plain.front().first) << "search " << search;
        plain.erase(plain.begin());
      }
      ASSERT_EQ(queue.empty(), plain.empty());
    }
  }
}
