// The player's parameters: each one changes the player the way its name
// says, and a variant's text reads back into the same parameters.

#include <cstdlib>
#include <functional>
#include <string>

#include "PlayerFixture.h"
#include "game/PlayerSweep.h"

namespace {

class PlayerParametersTest : public PlayerFixture {
 public:
  // The red ghost five steps from the chomper, hunting or blue, weighed
  // `elapsedMs` after the player first saw it blue.
  std::vector<MazeNode*> redPath(bool blue, std::uint32_t elapsedMs) {
    player->decide();  // the graph, built where no blue ghost hides a cell
    addGhost(redGhost, 6, 7, blue);
    player->decide();
    nowMs += elapsedMs;
    player->applyGhostWeights(SEARCH_RED, blue);
    return player->resultList(SEARCH_RED);
  }
  // How far the first planned route reaches from the chomper, in columns or rows.
  int planReach() {
    player->decide();
    const CellPos target = player->getPlan().back()->cell;
    return std::max(std::abs(target.getCol() - 9), std::abs(target.getRow() - 9));
  }
  // The reward of the first node of a code, as the graph is built.
  int rewardOf(int code) {
    player->buildGraph();
    for (const MazeNode* n : player->getNodes()) {
      if (n->code == code) return n->reward;
    }
    return 0;
  }
  int fruitReward() {
    placeChomper(9, 5);
    fruitShown = true;
    player->decide();
    return node(9, 9).reward;
  }
};

}  // namespace

TEST_F(PlayerParametersTest, eachParameterChangesThePlayerAsItsNameSays) {
  using Probe = std::function<int(PlayerParametersTest&)>;
  const auto kept = [](bool blue, std::uint32_t ms, std::size_t i, int MazeNode::*field) {
    return Probe([=](PlayerParametersTest& t) { return t.redPath(blue, ms).at(i)->*field; });
  };
  const struct {
    const char* name;
    const char* value;
    Probe probe;
    int atDefault;
    int changed;
  } cases[] = {
      {"ghostPathLength", "7", [](PlayerParametersTest& t) { return static_cast<int>(t.redPath(false, 0).size()); }, 5, 6},
      {"localRadius", "2", [](PlayerParametersTest& t) { return t.planReach(); }, 4, 2},
      {"blueDurationMs", "8000", kept(true, 4401, 0, &MazeNode::bonus), -120, 32},
      {"dotReward", "30", [](PlayerParametersTest& t) { return t.rewardOf(CELL_DOT); }, 10, 30},
      {"pillReward", "50", [](PlayerParametersTest& t) { return t.rewardOf(CELL_POWERPILL); }, 25, 50},
      {"fruitReward", "60", [](PlayerParametersTest& t) { return t.fruitReward(); }, 20, 60},
      {"hazardReward", "-80", [](PlayerParametersTest& t) { return t.rewardOf(CELL_DOOR); }, -50, -80},
      {"dangerBonus", "-200", kept(false, 0, 0, &MazeNode::bonus), -120, -200},
      {"dangerBonusStep", "40", kept(false, 0, 1, &MazeNode::bonus), -100, -80},
      {"dangerCost", "300", kept(false, 0, 0, &MazeNode::cost), 150, 300},
      {"dangerCostStep", "40", kept(false, 0, 1, &MazeNode::cost), 130, 110},
      {"chaseFactor", "80", kept(true, 0, 0, &MazeNode::bonus), 60, 96},
      {"chaseFactorStep", "20", kept(true, 0, 1, &MazeNode::bonus), 48, 36},
      {"chaseStart", "200", kept(true, 0, 0, &MazeNode::cost), -60, -100},
      {"chaseFloor", "30", kept(true, 4000, 0, &MazeNode::bonus), 10, -120},
  };
  ASSERT_EQ(std::size(cases), PlayerParameters::fields().size()) << "every parameter has its case";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (const bool changed : {false, true}) {
      TearDown();
      SetUp();
      PlayerParameters p;
      ASSERT_TRUE(!changed || p.set(c.name, c.value, nullptr));
      player->setParameters(p);
      EXPECT_EQ(c.probe(*this), changed ? c.changed : c.atDefault);
    }
  }
}

TEST(PlayerParametersText, aVariantsTextReadsBackAndBadTextChangesNothing) {
  PlayerParameters p;
  EXPECT_EQ(p.text(), "");
  EXPECT_EQ(p.name(), "default");
  // Record order, whatever the order given; either separator.
  ASSERT_TRUE(PlayerParameters::parse("dangerCost=200;localRadius=6", p, nullptr));
  EXPECT_EQ(p.text(), "localRadius=6,dangerCost=200");
  PlayerParameters back;
  ASSERT_TRUE(PlayerParameters::parse(p.text(), back, nullptr));
  EXPECT_EQ(back, p);
  // A value equal to the default is the default player.
  ASSERT_TRUE(PlayerParameters::parse("localRadius=4", back, nullptr));
  EXPECT_EQ(back, PlayerParameters{});
  for (const char* bad : {"localRadius=0", "localRadius=23", "localRadius=x", "localRadius=", "bogus=1",
                          "localRadius", "localRadius=6,", ",localRadius=6", "hazardReward=1"}) {
    std::string error;
    EXPECT_FALSE(PlayerParameters::parse(bad, p, &error)) << bad;
    EXPECT_FALSE(error.empty()) << bad;
    EXPECT_EQ(p.text(), "localRadius=6,dangerCost=200") << bad;
  }
}

TEST(PlayerParametersText, aSweepPlaysEveryCombinationFirstParameterSlowest) {
  std::vector<PlayerParameters> variants;
  ASSERT_TRUE(PlayerSweep::expand("default", variants, nullptr));
  ASSERT_TRUE(PlayerSweep::expand("localRadius=3,4,dangerCost=200,300", variants, nullptr));
  std::vector<std::string> names;
  for (const PlayerParameters& v : variants) names.push_back(v.name());
  // localRadius=4 with dangerCost 150 would be the default again: listed once.
  EXPECT_EQ(names, (std::vector<std::string>{"default", "localRadius=3,dangerCost=200", "localRadius=3,dangerCost=300",
                                             "dangerCost=200", "dangerCost=300"}));
  for (const char* bad : {"localRadius=3,localRadius=4", "3,4", "localRadius=3,,4", "localRadius=3,99"}) {
    std::string error;
    EXPECT_FALSE(PlayerSweep::expand(bad, variants, &error)) << bad;
    EXPECT_FALSE(error.empty()) << bad;
  }
  EXPECT_EQ(variants.size(), 5u);
}
