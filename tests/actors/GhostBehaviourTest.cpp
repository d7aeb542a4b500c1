#include <gtest/gtest.h>

#include "ActorTestSupport.h"
#include "GhostFactory.h"

namespace {

// A crossing on the row y = 350: a ghost moving up may go left, up or right.
constexpr int CROSS_X = 90;
constexpr int CROSS_Y = 350;

class GhostBehaviour : public ActorTest {
 protected:
  void SetUp() override {
    ActorTest::SetUp();
    setChomper(&player);
    player.setPosition(30, 30);
    Ghost::setAttackMode(true);
  }
  // A ghost of the kind standing at (x, y) facing d.
  std::unique_ptr<Ghost> ghostAt(int kind, int x, int y, int d) {
    auto g = makeGhost(kind);
    g->setPosition(x, y);
    g->setDirection(d);
    return g;
  }
  TestChomper player;
};

struct TurnCase {
  int kind;
  std::vector<double> draws;
  int chomperX, chomperY;
  int expected;
  int drawsTaken;
};

class CrossingChoice : public GhostBehaviour, public ::testing::WithParamInterface<TurnCase> {};

TEST_P(CrossingChoice, followsTheColoursRule) {
  const TurnCase& c = GetParam();
  ScriptedDraws draws(c.draws);
  player.setPosition(c.chomperX, c.chomperY);
  auto g = ghostAt(c.kind, CROSS_X, CROSS_Y, DIR_UP);
  ASSERT_EQ(g->openDirections(maze), DIR_LEFT | DIR_UP | DIR_RIGHT);
  EXPECT_TRUE(g->attack(maze));
  EXPECT_EQ(g->getDirection(), c.expected) << ghostName(c.kind);
  EXPECT_EQ(draws.drawsTaken(), c.drawsTaken) << ghostName(c.kind);
}

INSTANTIATE_TEST_SUITE_P(
    Ghosts, CrossingChoice,
    ::testing::Values(
        // Not chasing: red turns right, green turns left, neither goes straight on.
        TurnCase{1, {0.2}, 30, 350, DIR_RIGHT, 1}, TurnCase{2, {0.2}, 170, 350, DIR_LEFT, 1},
        // Not chasing: orange turns where a second draw says (0.8: left).
        TurnCase{3, {0.2, 0.8}, 170, 350, DIR_LEFT, 2},
        // A draw of exactly one half does not chase.
        TurnCase{1, {0.5}, 30, 350, DIR_RIGHT, 1},
        // Chasing: the primary direction towards the chomper.
        TurnCase{1, {0.9}, 30, 350, DIR_LEFT, 1}, TurnCase{2, {0.9}, 170, 350, DIR_RIGHT, 1},
        TurnCase{3, {0.9}, 170, 350, DIR_RIGHT, 1}, TurnCase{1, {0.9}, 90, 410, DIR_UP, 1},
        // Turquoise wanders: 0.6 (down, its reverse) is drawn again, 0.9 is left.
        TurnCase{4, {0.6, 0.9}, 30, 350, DIR_LEFT, 2}));

TEST_F(GhostBehaviour, chasingGhostAboveTheChomperGoesDown) {
  ScriptedDraws draws({0.9});
  player.setPosition(CROSS_X, 300);
  auto g = ghostAt(1, CROSS_X, CROSS_Y, DIR_DOWN);
  g->attack(maze);
  EXPECT_EQ(g->getDirection(), DIR_DOWN);
  EXPECT_EQ(g->getY(), CROSS_Y - 1);
}

TEST_F(GhostBehaviour, redFacingLeftWithLeftAndDownOpenTurnsDown) {
  ScriptedDraws draws({0.2});
  auto g = ghostAt(1, 90, 410, DIR_LEFT);
  ASSERT_EQ(g->openDirections(maze), DIR_LEFT | DIR_DOWN);
  g->attack(maze);
  EXPECT_EQ(g->getDirection(), DIR_DOWN);
}

TEST_F(GhostBehaviour, chasingRedWithItsPrimaryClosedNeverTriesTheSecondary) {
  ScriptedDraws draws({0.9});
  player.setPosition(110, 510);  // primary up (a wall), secondary right (open)
  auto g = ghostAt(1, 90, 410, DIR_RIGHT);
  ASSERT_EQ(g->openDirections(maze), DIR_RIGHT | DIR_DOWN);
  g->attack(maze);
  EXPECT_EQ(g->getDirection(), DIR_DOWN) << "clockwise from right, not the secondary";
}

TEST_F(GhostBehaviour, withoutAChomperNobodyChases) {
  setChomper(nullptr);
  ScriptedDraws draws({0.9});
  auto g = ghostAt(1, CROSS_X, CROSS_Y, DIR_UP);
  EXPECT_TRUE(g->attack(maze));
  EXPECT_EQ(g->getDirection(), DIR_RIGHT);
}

TEST_F(GhostBehaviour, betweenCentresNoChoiceAndNoDraw) {
  ScriptedDraws draws({0.9});
  auto g = ghostAt(3, CROSS_X, CROSS_Y + 1, DIR_UP);
  EXPECT_TRUE(g->attack(maze));
  EXPECT_EQ(g->getDirection(), DIR_UP);
  EXPECT_EQ(g->getY(), CROSS_Y + 2);
  EXPECT_EQ(draws.drawsTaken(), 0);
}

TEST_F(GhostBehaviour, scatterTakesThePrimaryTowardsTheDoorWhenOpen) {
  Ghost::setScatterMode(true);
  ScriptedDraws draws({0.2});
  auto g = ghostAt(1, CROSS_X, CROSS_Y, DIR_UP);
  g->scatter(maze);
  EXPECT_EQ(g->getDirection(), DIR_RIGHT);
  EXPECT_EQ(draws.drawsTaken(), 0);
}

TEST_F(GhostBehaviour, scatterTakesTheSecondaryWhenThePrimaryIsClosed) {
  Ghost::setScatterMode(true);
  ScriptedDraws draws({0.2});
  auto g = ghostAt(2, 350, 350, DIR_RIGHT);  // primary left is its reverse
  ASSERT_EQ(g->openDirections(maze), DIR_UP | DIR_DOWN);
  g->scatter(maze);
  EXPECT_EQ(g->getDirection(), DIR_DOWN);
  EXPECT_EQ(draws.drawsTaken(), 0);
}

struct FallbackCase {
  double draw;
  int expected;
};

class ScatterFallback : public GhostBehaviour, public ::testing::WithParamInterface<FallbackCase> {};

TEST_P(ScatterFallback, turnsOnFromTheSecondaryDirection) {
  Ghost::setScatterMode(true);
  ScriptedDraws draws({GetParam().draw});
  // Towards the door: primary down (a wall), secondary right (the reverse).
  auto g = ghostAt(1, 170, 350, DIR_LEFT);
  ASSERT_EQ(g->openDirections(maze), DIR_LEFT | DIR_UP);
  g->scatter(maze);
  EXPECT_EQ(g->getDirection(), GetParam().expected);
  EXPECT_EQ(draws.drawsTaken(), 1);
}

INSTANTIATE_TEST_SUITE_P(Ghosts, ScatterFallback,
                         ::testing::Values(FallbackCase{0.2, DIR_LEFT},   // clockwise
                                           FallbackCase{0.7, DIR_UP}));  // anticlockwise

TEST_F(GhostBehaviour, scatterGoesIntoTheHouseAndComesOutAgain) {
  Ghost::setScatterMode(true);
  auto g = makeGhost(2);
  for (int i = 0; i < 39; ++i) g->update(maze);
  ASSERT_EQ(g->getY(), 270);
  g->update(maze);
  EXPECT_EQ(g->getDirection(), DIR_DOWN) << "the target's primary is down, through the door";
  EXPECT_EQ(g->getY(), 269);
  for (int i = 0; i < 39; ++i) g->update(maze);
  ASSERT_EQ(g->getY(), 230) << "the house centre";
  g->update(maze);
  EXPECT_EQ(g->getDirection(), DIR_UP);
  EXPECT_EQ(g->getY(), 231);
}

enum Behaviour { WANDER, SCATTER, ATTACK_RED, ATTACK_GREEN, ATTACK_ORANGE, ATTACK_TURQUOISE };

struct SingleExitCase {
  Behaviour behaviour;
  double firstDraw;
};

class SingleExit : public GhostBehaviour, public ::testing::WithParamInterface<SingleExitCase> {};

TEST_P(SingleExit, everyBehaviourTakesTheOnlyOpenDirection) {
  const SingleExitCase& c = GetParam();
  ScriptedDraws draws({c.firstDraw, 0.1, 0.3, 0.6, 0.9});
  player.setPosition(30, 410);
  int kind = c.behaviour >= ATTACK_RED ? 1 + (c.behaviour - ATTACK_RED) : 1;
  auto g = ghostAt(kind, 50, 30, DIR_RIGHT);
  ASSERT_EQ(g->openDirections(maze), DIR_RIGHT);
  bool moved = c.behaviour == WANDER ? g->wander(maze)
               : c.behaviour == SCATTER ? g->scatter(maze)
                                        : g->attack(maze);
  EXPECT_TRUE(moved);
  EXPECT_EQ(g->getDirection(), DIR_RIGHT);
  EXPECT_EQ(g->getX(), 51);
}

INSTANTIATE_TEST_SUITE_P(
    Ghosts, SingleExit,
    ::testing::Values(SingleExitCase{WANDER, 0.1}, SingleExitCase{WANDER, 0.9},
                      SingleExitCase{SCATTER, 0.1}, SingleExitCase{SCATTER, 0.9},
                      SingleExitCase{ATTACK_RED, 0.1}, SingleExitCase{ATTACK_RED, 0.9},
                      SingleExitCase{ATTACK_GREEN, 0.1}, SingleExitCase{ATTACK_GREEN, 0.9},
                      SingleExitCase{ATTACK_ORANGE, 0.1}, SingleExitCase{ATTACK_ORANGE, 0.9},
                      SingleExitCase{ATTACK_TURQUOISE, 0.6}, SingleExitCase{ATTACK_TURQUOISE, 0.0}));

TEST_F(GhostBehaviour, turquoiseMovesAlikeBlueOrAttacking) {
  for (bool isBlue : {false, true}) {
    ScriptedDraws draws({0.9});
    auto g = ghostAt(4, CROSS_X, CROSS_Y, DIR_UP);
    g->setBlue(isBlue);
    g->update(maze);
    EXPECT_EQ(g->getDirection(), DIR_LEFT) << (isBlue ? "blue" : "attacking");
  }
}

}  // namespace
