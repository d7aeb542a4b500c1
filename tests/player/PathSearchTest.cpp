// The A* search: which path it finds, how it orders its work, how it fails,
// how a ghost's path is cut and how a route is scored.

#include "PlayerFixture.h"
#include "player/GameQueries.h"
#include "player/OpenList.h"

namespace {

class PathSearch : public PlayerFixture {
 protected:
  void SetUp() override {
    PlayerFixture::SetUp();
    player->buildGraph();
  }
};

}  // namespace

TEST_F(PathSearch, bestLocalRouteFromTheStartScoresTwoHundredSixteenSevenths) {
  double score = 0.0;
  ASSERT_TRUE(player->findPath(6, 5, SEARCH_CHOMPER, 0, score));
  EXPECT_DOUBLE_EQ(score, 216.0 / 7.0);
  const std::vector<CellPos> expected = {{8, 9}, {7, 9}, {6, 9}, {6, 8}, {6, 7}, {7, 7},
                                         {8, 7}, {8, 6}, {8, 5}, {7, 5}, {6, 5}};
  EXPECT_EQ(cellsOf(player->resultList(SEARCH_CHOMPER)), expected);
}

TEST_F(PathSearch, runnerUpGoesRoundTheRightHandSide) {
  double score = 0.0;
  ASSERT_TRUE(player->findPath(9, 5, SEARCH_CHOMPER, 0, score));
  EXPECT_NEAR(score, 29.667, 0.001);
  EXPECT_EQ(player->resultList(SEARCH_CHOMPER).front()->cell, CellPos(10, 9));
}

TEST_F(PathSearch, scoreDividesEachCellsWorthByHalfItsDistance) {
  // Dot, dot, power pill at distances 1, 2 and 3.
  placeChomper(2, 7);
  double score = 0.0;
  ASSERT_TRUE(player->findPath(1, 5, SEARCH_CHOMPER, 0, score));
  EXPECT_EQ(cellsOf(player->resultList(SEARCH_CHOMPER)),
            (std::vector<CellPos>{{1, 7}, {1, 6}, {1, 5}}));
  EXPECT_NEAR(score, 10 / 0.5 + 10 / 1.0 + 25 / 1.5, 1e-12);
  EXPECT_NEAR(score, 46.67, 0.005);
}

TEST_F(PathSearch, scoreIsAddedToWhatTheCallerAlreadyHas) {
  placeChomper(2, 7);
  double score = 100.0;
  ASSERT_TRUE(player->findPath(1, 5, SEARCH_CHOMPER, 0, score));
  EXPECT_NEAR(score, 146.67, 0.005);
}

TEST_F(PathSearch, targetOneStepAwayIsTheWholeRoute) {
  double score = 0.0;
  ASSERT_TRUE(player->findPath(8, 9, SEARCH_CHOMPER, 0, score));
  EXPECT_EQ(cellsOf(player->resultList(SEARCH_CHOMPER)), (std::vector<CellPos>{{8, 9}}));
  EXPECT_EQ(score, 0.0);  // an empty corridor is worth nothing
}

TEST_F(PathSearch, startEqualToTargetFailsAfterExploringEverything) {
  double score = 5.0;
  EXPECT_FALSE(player->findPath(9, 9, SEARCH_CHOMPER, 0, score));
  EXPECT_TRUE(player->resultList(SEARCH_CHOMPER).empty());
  EXPECT_TRUE(player->openList(SEARCH_CHOMPER).empty());
  EXPECT_EQ(score, 5.0);
  for (const MazeNode* n : player->getNodes()) EXPECT_TRUE(n->closed);
}

TEST_F(PathSearch, unwalkableTargetFailsAtOnceAndKeepsTheSlotsLists) {
  double score = 0.0;
  ASSERT_TRUE(player->findPath(6, 5, SEARCH_CHOMPER, 0, score));
  const auto before = cellsOf(player->resultList(SEARCH_CHOMPER));
  const std::size_t openBefore = player->openList(SEARCH_CHOMPER).size();
  addGhost(greenGhost, 12, 9, true);  // a blue ghost's cell is not walkable
  for (CellPos target : {CellPos(0, 0), CellPos(-1, 5), CellPos(12, 9)}) {
    score = 0.0;
    EXPECT_FALSE(player->findPath(target.getCol(), target.getRow(), SEARCH_CHOMPER, 0, score));
    EXPECT_EQ(score, 0.0);
    EXPECT_EQ(cellsOf(player->resultList(SEARCH_CHOMPER)), before);
    EXPECT_EQ(player->openList(SEARCH_CHOMPER).size(), openBefore);
  }
}

TEST_F(PathSearch, searchFromACellWithoutANodeFails) {
  placeChomper(0, 0);  // inside the outer wall: no node
  double score = 0.0;
  EXPECT_FALSE(player->findPath(1, 1, SEARCH_CHOMPER, 0, score));
  EXPECT_TRUE(player->resultList(SEARCH_CHOMPER).empty());
}

TEST_F(PathSearch, walkableTargetWithoutANodeFails) {
  // The graph was built while a blue ghost stood on (6, 9); it has gone since.
  resetGameState();
  std::copy(mazeTemplate, mazeTemplate + MAZE_CELLS, maze);
  MyChomper other;
  setChomper(&other);
  addGhost(redGhost, 6, 9, true);
  other.buildGraph();
  redGhost = nullptr;
  double score = 0.0;
  EXPECT_EQ(cellCodeAt(6, 9), CELL_EMPTY);
  EXPECT_FALSE(other.findPath(6, 9, SEARCH_CHOMPER, 0, score));
  setChomper(player.get());
}

TEST_F(PathSearch, ghostSearchKeepsTheGhostsOwnCellFirst) {
  addGhost(redGhost, 12, 9);
  double score = 0.0;
  ASSERT_TRUE(player->findPath(9, 9, SEARCH_RED, 0, score));
  EXPECT_EQ(cellsOf(player->resultList(SEARCH_RED)),
            (std::vector<CellPos>{{12, 9}, {11, 9}, {10, 9}, {9, 9}}));
  EXPECT_TRUE(player->resultList(SEARCH_CHOMPER).empty());  // other slots untouched
}

TEST_F(PathSearch, ghostThreeStepsAwayKeepsAllFourCells) {
  addGhost(redGhost, 12, 9);
  double score = 0.0;
  ASSERT_TRUE(player->findPath(9, 9, SEARCH_RED, 5, score));
  EXPECT_EQ(player->resultList(SEARCH_RED).size(), 4u);
}

TEST_F(PathSearch, cutTwoOfAPathOfTwentyFiveCellsEmptiesItAndStillSucceeds) {
  placeChomper(1, 1);
  addGhost(redGhost, 1, 19);
  double score = 0.0;
  ASSERT_TRUE(player->findPath(1, 1, SEARCH_RED, 0, score));
  ASSERT_EQ(player->resultList(SEARCH_RED).size(), 25u);
  EXPECT_TRUE(player->findPath(1, 1, SEARCH_RED, 2, score));
  EXPECT_TRUE(player->resultList(SEARCH_RED).empty());
}

struct CutCase {
  int pathLength;
  int kept;
};

void PrintTo(const CutCase& c, std::ostream* os) {
  *os << c.pathLength << " cells keep " << c.kept;
}

class CutOfFive : public PlayerFixture, public ::testing::WithParamInterface<CutCase> {};

// The ghost walks the bottom corridor toward the chomper at (1, 1): a path of
// n cells needs the ghost n - 1 columns to the right.
TEST_P(CutOfFive, fartherGhostsKeepFewerCells) {
  player->buildGraph();
  placeChomper(1, 1);
  const int n = GetParam().pathLength;
  addGhost(redGhost, n, 1);
  double score = 0.0;
  ASSERT_TRUE(player->findPath(1, 1, SEARCH_RED, 0, score));
  ASSERT_EQ(player->resultList(SEARCH_RED).size(), static_cast<std::size_t>(n));
  ASSERT_TRUE(player->findPath(1, 1, SEARCH_RED, 5, score));
  EXPECT_EQ(player->resultList(SEARCH_RED).size(), static_cast<std::size_t>(GetParam().kept));
}

INSTANTIATE_TEST_SUITE_P(PathSearch, CutOfFive,
                         ::testing::Values(CutCase{2, 2}, CutCase{5, 5}, CutCase{6, 5},
                                           CutCase{10, 5}, CutCase{11, 4}, CutCase{15, 4},
                                           CutCase{16, 3}, CutCase{17, 3}));

struct CutTableCase {
  int pathLength;
  int cut;
  int kept;
};

void PrintTo(const CutTableCase& c, std::ostream* os) {
  *os << c.pathLength << " cells cut " << c.cut << " keep " << c.kept;
}

class CutTable : public ::testing::TestWithParam<CutTableCase> {};

TEST_P(CutTable, keptLengthFollowsThePathLength) {
  EXPECT_EQ(MyChomper::keptLength(GetParam().pathLength, GetParam().cut), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    PathSearch, CutTable,
    ::testing::Values(CutTableCase{4, 5, 5}, CutTableCase{10, 5, 5}, CutTableCase{11, 5, 4},
                      CutTableCase{15, 5, 4}, CutTableCase{16, 5, 3}, CutTableCase{20, 5, 3},
                      CutTableCase{21, 5, 2}, CutTableCase{40, 5, 2}, CutTableCase{25, 2, 0},
                      CutTableCase{12, 1, 0}));

TEST_F(PathSearch, tunnelEndsAreNeighbours) {
  placeChomper(1, 11);
  double score = 0.0;
  ASSERT_TRUE(player->findPath(17, 11, SEARCH_CHOMPER, 0, score));
  EXPECT_EQ(cellsOf(player->resultList(SEARCH_CHOMPER)),
            (std::vector<CellPos>{{0, 11}, {18, 11}, {17, 11}}));
  // Distances for the score do not wrap: (17, 11) counts 16 columns away.
  EXPECT_EQ(score, 0.0);
}

TEST_F(PathSearch, ghostCostsAreAddedWhenTheSearchLeavesACell) {
  // Expensive cells on the left make the search prefer the right-hand side.
  player->nodeAtCell(8, 9)->cost = 500;
  double score = 0.0;
  ASSERT_TRUE(player->findPath(6, 5, SEARCH_CHOMPER, 0, score));
  EXPECT_EQ(player->resultList(SEARCH_CHOMPER).front()->cell, CellPos(10, 9));
}

TEST(OpenListOrder, equalFGoesAheadOfOlderNodes) {
  MazeNode a, b, c, d;
  a.f = 10;
  b.f = 10;
  c.f = 5;
  d.f = 12;
  OpenList list;
  list.insertByF(&a);
  list.insertByF(&b);
  list.insertByF(&c);
  list.insertByF(&d);
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list.at(0), &c);
  EXPECT_EQ(list.at(1), &b);
  EXPECT_EQ(list.at(2), &a);
  EXPECT_EQ(list.at(3), &d);
  EXPECT_EQ(list.popFirst(), &c);
  EXPECT_EQ(list.popFirst(), &b);
}

TEST(OpenListOrder, listedNodesKeepTheirPlaceWhenTheirFChanges) {
  MazeNode a, b, c;
  a.f = 4;
  b.f = 8;
  OpenList list;
  list.insertByF(&a);
  list.insertByF(&b);
  b.f = 1;  // improved while listed: it does not move
  list.fChanged();
  c.f = 6;
  list.insertByF(&c);  // compared with b's current f of 1: c goes last
  EXPECT_EQ(list.at(0), &a);
  EXPECT_EQ(list.at(1), &b);
  EXPECT_EQ(list.at(2), &c);
}

TEST_F(PathSearch, tiesInFExpandTheNewestNodeFirst) {
  // From (9, 9) toward (9, 5) both ways round cost the same; the right-hand
  // neighbour is opened last and is expanded first, so the route goes right.
  double score = 0.0;
  ASSERT_TRUE(player->findPath(9, 5, SEARCH_CHOMPER, 0, score));
  EXPECT_EQ(player->resultList(SEARCH_CHOMPER).front()->cell, CellPos(10, 9));
}

// The open list against the plainest model of its rule: a list scanned from
// the front, with random insertions, removals and changes of f. Mixes with
// few changes and many removals keep the list in order for long stretches.
TEST(OpenListOrder, behavesLikeAPlainScannedList) {
  const struct {
    int insertBelow, popBelow;  // of 10: insert, pop, else change an f
  } mixes[] = {{5, 8}, {4, 9}, {5, 10}};
  for (const auto& mix : mixes) {
    std::vector<MazeNode> nodes(300);
    std::vector<MazeNode*> model;
    OpenList list;
    std::srand(7);
    std::size_t nextNode = 0;
    for (int step = 0; step < 5000; ++step) {
      const int action = std::rand() % 10;
      if (action < mix.insertBelow && nextNode < nodes.size()) {
        MazeNode* n = &nodes[nextNode++];
        n->f = std::rand() % 40;
        auto it = model.begin();
        while (it != model.end() && (*it)->f < n->f) ++it;
        model.insert(it, n);
        list.insertByF(n);
      } else if (action < mix.popBelow && !model.empty()) {
        ASSERT_EQ(list.popFirst(), model.front());
        model.erase(model.begin());
      } else if (!model.empty()) {
        MazeNode* n = model[static_cast<std::size_t>(std::rand()) % model.size()];
        n->f = std::rand() % 40;  // changed while listed
        list.fChanged();
      }
      if (nextNode == nodes.size() && model.empty()) nextNode = 0;
      ASSERT_EQ(list.size(), model.size());
      for (std::size_t i = 0; i < model.size(); ++i) {
        ASSERT_EQ(list.at(i), model[i]) << "step " << step;
      }
    }
  }
}
