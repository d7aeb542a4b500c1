// Ghost predictions turned into weights: danger on a hunting ghost's path,
// chase on a blue ghost's path while the blue period is young.

#include "PlayerFixture.h"

namespace {

const std::vector<int> kDangerBonus = {-120, -100, -80, -60, -40};
const std::vector<int> kDangerCost = {150, 130, 110, 90, 70};

class GhostWeights : public PlayerWithGraph {
 protected:
  std::vector<int> redPath(int MazeNode::*field) const {
    return valuesOf(player->resultList(SEARCH_RED), field);
  }
};

}  // namespace

TEST_F(GhostWeights, weightsFollowTheBlueStateAndTheTimeSinceBlueWasFirstSeen) {
  const struct {
    const char* name;
    std::uint32_t startMs;
    bool blue;
    std::uint32_t elapsedMs;
    std::vector<int> bonus, cost;
  } cases[] = {
      {"hunting: costly and worthless", 1000, false, 0, kDangerBonus, kDangerCost},
      {"fresh blue, t = 120: drawn along", 1000, true, 0, {60, 48, 36, 24, 12},
       {-60, -48, -36, -24, -12}},
      {"4400 ms on, t = 10: still drawn", 1000, true, 4400, {5, 4, 3, 2, 1}, {-5, -4, -3, -2, -1}},
      {"4401 ms on: dangerous again", 1000, true, 4401, kDangerBonus, kDangerCost},
      {"a clock that wraps round", 0xFFFFFF00u, true, 4400, {5, 4, 3, 2, 1}, {-5, -4, -3, -2, -1}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    nowMs = c.startMs;
    redGhost = nullptr;
    player->decide();  // forgets any blue period
    addGhost(redGhost, 6, 7, c.blue);
    player->decide();  // predicts the red ghost; the first that sees blue starts the clock
    ASSERT_EQ(player->resultList(SEARCH_RED).size(), 5u) << "five steps from the chomper";
    EXPECT_EQ(player->isBlueSeen(), c.blue);
    nowMs += c.elapsedMs;
    player->applyGhostWeights(SEARCH_RED, c.blue);
    EXPECT_EQ(redPath(&MazeNode::bonus), c.bonus);
    EXPECT_EQ(redPath(&MazeNode::cost), c.cost);
  }
}
