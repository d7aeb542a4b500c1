#include <gtest/gtest.h>

#include "ActorTestSupport.h"
#include "GhostFactory.h"

namespace {

class GhostBase : public ActorTest {
 protected:
  void SetUp() override {
    ActorTest::SetUp();
    setChomper(&player);
    player.setPosition(30, 30);
  }
  TestChomper player;
};

class EveryColour : public GhostBase, public ::testing::WithParamInterface<int> {};

TEST_P(EveryColour, freshGhostIsActiveAtHomeFacingUp) {
  auto g = makeGhost(GetParam());
  EXPECT_TRUE(g->isActive());
  EXPECT_FALSE(g->isBlue());
  EXPECT_EQ(g->getX(), 190);
  EXPECT_EQ(g->getY(), 231);
  EXPECT_EQ(g->getDirection(), DIR_UP);
  EXPECT_EQ(g->getKind(), GetParam());
  EXPECT_EQ(g->getReleaseCountdown(), 0);
  EXPECT_EQ(g->getSlowDownFactor(), 1);
  EXPECT_EQ(g->openDirections(maze), 0);
}

TEST_P(EveryColour, walksOutThroughTheDoorInEitherMode) {
  for (bool attack : {false, true}) {
    Ghost::setAttackMode(attack);
    auto g = makeGhost(GetParam());
    for (int i = 1; i <= 39; ++i) {
      ASSERT_TRUE(g->update(maze)) << ghostName(GetParam()) << " update " << i;
      if (i == 19) {
        EXPECT_EQ(g->getY(), 250) << "door centre";
      }
    }
    EXPECT_EQ(g->getX(), 190);
    EXPECT_EQ(g->getY(), 270) << "the cell above the door";
  }
}

TEST_P(EveryColour, resetToHomeKeepsBlueAndSpeed) {
  auto g = makeGhost(GetParam());
  g->setPosition(30, 30);
  g->setDirection(DIR_LEFT);
  g->setBlue(true);
  g->setSlowDownFactor(4);
  g->setActive(false);
  g->setReleaseCountdown(7);
  g->resetToHome();
  EXPECT_TRUE(g->isActive());
  EXPECT_EQ(g->getReleaseCountdown(), 0);
  EXPECT_EQ(g->getX(), 190);
  EXPECT_EQ(g->getY(), 231);
  EXPECT_EQ(g->getDirection(), DIR_UP);
  EXPECT_TRUE(g->isBlue());
  EXPECT_EQ(g->getSlowDownFactor(), 4);
}

INSTANTIATE_TEST_SUITE_P(Ghosts, EveryColour, ::testing::Values(1, 2, 3, 4));

TEST_F(GhostBase, modeAccessorsShareOneFlag) {
  Ghost::setAttackMode(false);
  EXPECT_TRUE(Ghost::isScatterMode());
  Ghost::setScatterMode(false);
  EXPECT_TRUE(Ghost::isAttackMode());
  EXPECT_TRUE(attackMode);
  Ghost::setScatterMode(true);
  EXPECT_FALSE(Ghost::isAttackMode());
  Ghost::setAttackMode(true);
  EXPECT_FALSE(Ghost::isScatterMode());
}

TEST_F(GhostBase, waitingGhostIsReleasedOnTheTenthUpdate) {
  RedGhost g;
  g.resetToHome();
  g.setActive(false);
  g.setReleaseCountdown(10);
  g.setDirection(DIR_LEFT);
  for (int i = 1; i <= 9; ++i) {
    EXPECT_FALSE(g.update(maze)) << "update " << i;
    EXPECT_FALSE(g.isActive());
    EXPECT_EQ(g.getY(), 231) << "a waiting ghost does not move";
  }
  EXPECT_TRUE(g.update(maze));
  EXPECT_TRUE(g.isActive());
  EXPECT_EQ(g.getX(), 190);
  EXPECT_EQ(g.getY(), 231);
  EXPECT_EQ(g.getDirection(), DIR_UP);
}

TEST_F(GhostBase, countdownOfZeroOrLessReleasesOnTheNextUpdate) {
  for (int n : {0, -3}) {
    RedGhost g;
    g.setActive(false);
    g.setReleaseCountdown(n);
    EXPECT_TRUE(g.update(maze)) << n;
    EXPECT_TRUE(g.isActive()) << n;
  }
}

TEST_F(GhostBase, waitingBlueGhostIsReleasedBlueAndWanders) {
  RedGhost g;
  g.setBlue(true);
  g.setActive(false);
  g.setReleaseCountdown(1);
  EXPECT_TRUE(g.update(maze));
  EXPECT_TRUE(g.isBlue());

  // At a crossing a draw of 0.1 means up to a wanderer; the red ghost's own
  // rule, not chasing, would turn right.
  Ghost::setAttackMode(true);
  ScriptedDraws draws({0.1});
  g.setPosition(90, 350);
  EXPECT_TRUE(g.update(maze));
  EXPECT_EQ(g.getDirection(), DIR_UP);
}

TEST_F(GhostBase, blueGhostWandersWhateverTheMode) {
  for (bool attack : {false, true}) {
    Ghost::setAttackMode(attack);
    ScriptedDraws draws({0.1});
    GreenGhost g;
    g.setBlue(true);
    g.setPosition(90, 350);
    g.update(maze);
    EXPECT_EQ(g.getDirection(), DIR_UP) << (attack ? "attack" : "scatter");
  }
}

TEST_F(GhostBase, modeSelectsOwnRuleOrScatter) {
  ScriptedDraws draws({0.1});  // never chases
  GreenGhost g;
  g.setPosition(90, 350);
  Ghost::setAttackMode(true);
  g.update(maze);
  EXPECT_EQ(g.getDirection(), DIR_LEFT) << "own rule: anticlockwise turn";

  g.setPosition(90, 350);
  g.setDirection(DIR_UP);
  Ghost::setScatterMode(true);
  g.update(maze);
  EXPECT_EQ(g.getDirection(), DIR_RIGHT) << "scatter: towards the door";
}

TEST_F(GhostBase, slowGhostChoosesAgainOnEveryCallAndKeepsTheMovingChoice) {
  Ghost::setAttackMode(true);
  ScriptedDraws draws({0.2, 0.9});
  player.setPosition(30, 350);  // to the left, same row
  RedGhost g;
  g.setSlowDownFactor(2);
  g.setPosition(90, 350);
  EXPECT_FALSE(g.update(maze));
  EXPECT_EQ(g.getDirection(), DIR_UP) << "the waiting call's choice is taken back";
  EXPECT_TRUE(g.update(maze));
  EXPECT_EQ(g.getDirection(), DIR_LEFT);
  EXPECT_EQ(g.getX(), 89);
  EXPECT_EQ(draws.drawsTaken(), 2);
}

class BlueGhosts : public GhostBase {
 protected:
  void SetUp() override {
    GhostBase::SetUp();
    powerpillSlowdownFactor = 3;
    nMovesBlueGhosts = 200;
    redGhost = &red;
    greenGhost = &green;
    orangeGhost = &orange;
    turquoiseGhost = &turquoise;
  }
  RedGhost red;
  GreenGhost green;
  OrangeGhost orange;
  TurquoiseGhost turquoise;
};

TEST_F(BlueGhosts, pillTurnsEveryGhostBlueAndSlow) {
  orange.setActive(false);  // waiting in the house
  startBlueGhosts();
  for (Ghost* g : {redGhost, greenGhost, orangeGhost, turquoiseGhost}) {
    EXPECT_TRUE(g->isBlue()) << g->getKind();
    EXPECT_EQ(g->getSlowDownFactor(), 3) << g->getKind();
  }
  EXPECT_EQ(blueCountdown, 200);
  EXPECT_EQ(foodLeft, 156);
}

TEST_F(BlueGhosts, missingGhostsAreSkipped) {
  greenGhost = nullptr;
  turquoiseGhost = nullptr;
  startBlueGhosts();
  EXPECT_TRUE(red.isBlue());
  EXPECT_TRUE(orange.isBlue());
  EXPECT_FALSE(green.isBlue());
  EXPECT_EQ(green.getSlowDownFactor(), 1);
}

TEST_F(BlueGhosts, secondPillRestartsTheFullPeriod) {
  startBlueGhosts();
  blueCountdown = 17;
  startBlueGhosts();
  EXPECT_EQ(blueCountdown, 200);
  EXPECT_EQ(foodLeft, 155);
}

TEST_F(BlueGhosts, pillThatIsTheLastFoodWins) {
  foodLeft = 1;
  startBlueGhosts();
  EXPECT_TRUE(gameWon);
  EXPECT_EQ(foodLeft, 0);
}

}  // namespace
