// Ghost predictions turned into weights: danger on a hunting ghost's path,
// chase on a blue ghost's path while the blue period is young.

#include "PlayerFixture.h"

namespace {

class GhostWeights : public PlayerFixture {
 protected:
  void SetUp() override {
    PlayerFixture::SetUp();
    player->buildGraph();
  }

  // A red ghost five steps from the chomper at (9, 9): a kept path of five cells.
  void predictRedNearby(bool blue) {
    addGhost(redGhost, 6, 7, blue);
    double unused = 0.0;
    ASSERT_TRUE(player->findPath(9, 9, SEARCH_RED, 5, unused));
    ASSERT_EQ(player->resultList(SEARCH_RED).size(), 5u);
  }

  std::vector<int> bonuses(Searcher s) const {
    std::vector<int> out;
    for (const MazeNode* n : player->resultList(s)) out.push_back(n->bonus);
    return out;
  }

  std::vector<int> costs(Searcher s) const {
    std::vector<int> out;
    for (const MazeNode* n : player->resultList(s)) out.push_back(n->cost);
    return out;
  }
};

}  // namespace

TEST_F(GhostWeights, huntingGhostsPathIsCostlyAndWorthless) {
  predictRedNearby(false);
  player->applyGhostWeights(SEARCH_RED, false);
  EXPECT_EQ(bonuses(SEARCH_RED), (std::vector<int>{-120, -100, -80, -60, -40}));
  EXPECT_EQ(costs(SEARCH_RED), (std::vector<int>{150, 130, 110, 90, 70}));
}

TEST_F(GhostWeights, freshBlueGhostsPathDrawsTheChomper) {
  predictRedNearby(true);
  player->decide();  // the first decision that sees blue starts the clock
  ASSERT_TRUE(player->isBlueSeen());
  EXPECT_EQ(player->getBlueStartMs(), nowMs);
  double unused = 0.0;
  ASSERT_TRUE(player->findPath(9, 9, SEARCH_RED, 5, unused));
  player->applyGhostWeights(SEARCH_RED, true);
  EXPECT_EQ(bonuses(SEARCH_RED), (std::vector<int>{60, 48, 36, 24, 12}));
  EXPECT_EQ(costs(SEARCH_RED), (std::vector<int>{-60, -48, -36, -24, -12}));
}

TEST_F(GhostWeights, chaseStillAppliesAfterExactlyFourThousandFourHundredMs) {
  predictRedNearby(true);
  player->decide();
  nowMs += 4400;  // t is exactly 10
  double unused = 0.0;
  ASSERT_TRUE(player->findPath(9, 9, SEARCH_RED, 5, unused));
  player->applyGhostWeights(SEARCH_RED, true);
  EXPECT_EQ(bonuses(SEARCH_RED), (std::vector<int>{5, 4, 3, 2, 1}));
  EXPECT_EQ(costs(SEARCH_RED), (std::vector<int>{-5, -4, -3, -2, -1}));
}

TEST_F(GhostWeights, oneMillisecondLaterBlueGhostsAreDangerousAgain) {
  predictRedNearby(true);
  player->decide();
  nowMs += 4401;
  double unused = 0.0;
  ASSERT_TRUE(player->findPath(9, 9, SEARCH_RED, 5, unused));
  player->applyGhostWeights(SEARCH_RED, true);
  EXPECT_EQ(bonuses(SEARCH_RED), (std::vector<int>{-120, -100, -80, -60, -40}));
}

TEST_F(GhostWeights, blueClockKeepsTheFirstSightingUntilBlueEnds) {
  Ghost* red = addGhost(redGhost, 6, 7, true);
  player->decide();
  const std::uint32_t start = nowMs;
  nowMs += 1000;
  player->decide();  // a second pill while blue does not restart the clock
  EXPECT_EQ(player->getBlueStartMs(), start);
  red->setBlue(false);
  player->decide();
  EXPECT_FALSE(player->isBlueSeen());
  red->setBlue(true);
  nowMs += 500;
  player->decide();
  EXPECT_EQ(player->getBlueStartMs(), nowMs);
}

TEST_F(GhostWeights, clockThatWrapsRoundStillMeasuresTheElapsedTime) {
  nowMs = 0xFFFFFF00u;
  predictRedNearby(true);
  player->decide();
  nowMs += 4400;  // wraps past zero
  double unused = 0.0;
  ASSERT_TRUE(player->findPath(9, 9, SEARCH_RED, 5, unused));
  player->applyGhostWeights(SEARCH_RED, true);
  EXPECT_EQ(bonuses(SEARCH_RED), (std::vector<int>{5, 4, 3, 2, 1}));
}

TEST_F(GhostWeights, failedSearchWeightsTheGhostsPreviousPathAgain) {
  predictRedNearby(false);
  const auto kept = cellsOf(player->resultList(SEARCH_RED));
  addGhost(greenGhost, 12, 9, true);
  double unused = 0.0;
  EXPECT_FALSE(player->findPath(12, 9, SEARCH_RED, 5, unused));  // blue ghost's cell
  player->applyGhostWeights(SEARCH_RED, false);
  EXPECT_EQ(cellsOf(player->resultList(SEARCH_RED)), kept);
  EXPECT_EQ(bonuses(SEARCH_RED), (std::vector<int>{-120, -100, -80, -60, -40}));
}
