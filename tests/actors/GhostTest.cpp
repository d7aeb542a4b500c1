// The ghosts: leaving the house and the direction each behaviour chooses
// where it may turn (whole games in PinnedGamesTest hold their release).

#include <string>

#include "ActorTestSupport.h"

namespace {

class GhostTest : public ActorTest {
 protected:
  void SetUp() override {
    ActorTest::SetUp();
    setChomper(&player);
    player.setPosition(30, 30);
  }
  // A ghost of the kind standing at (x, y) facing d.
  static std::unique_ptr<Ghost> ghostAt(int kind, int x, int y, int d) {
    auto g = makeGhost(kind);
    g->setPosition(x, y);
    g->setDirection(d);
    return g;
  }
  TestChomper player;
};

TEST_F(GhostTest, freshGhostWalksOutThroughTheDoorInEitherMode) {
  for (int kind : {RED, GREEN, ORANGE, TURQUOISE}) {
    for (bool attack : {false, true}) {
      SCOPED_TRACE(::testing::Message() << "kind " << kind << (attack ? " attack" : " scatter"));
      attackMode = attack;
      auto g = makeGhost(kind);
      for (int i = 1; i <= 39; ++i) {
        ASSERT_TRUE(g->update(maze)) << "update " << i;
        if (i == 19) { EXPECT_EQ(g->getY(), 250) << "the door's centre"; }
      }
      EXPECT_EQ(g->getX(), 190);
      EXPECT_EQ(g->getY(), 270) << "the cell above the door";
    }
  }
}

// (90, 350) is a crossing: a ghost moving up may go left, up or right there.
// (90, 410) has exits left, down and right; (170, 350) left, up and right.
enum Mode { ATTACK, SCATTER, BLUE_ATTACK, BLUE_SCATTER };

struct Choice {
  const char* name;
  int kind, x, y, facing;
  Mode mode;
  std::vector<double> draws;
  int chomperX, chomperY;  // no chomper when negative
  int chosen, drawsTaken;
};

TEST_F(GhostTest, eachBehaviourChoosesItsOwnWayAtAJunction) {
  const Choice cases[] = {
      // Attack without chasing (a draw of 0.5 or less): the colour's own turn.
      {"red turns right", RED, 90, 350, DIR_UP, ATTACK, {0.2}, 30, 350, DIR_RIGHT, 1},
      {"green turns left", GREEN, 90, 350, DIR_UP, ATTACK, {0.2}, 170, 350, DIR_LEFT, 1},
      {"orange: a 2nd draw", ORANGE, 90, 350, DIR_UP, ATTACK, {0.2, 0.8}, 170, 350, DIR_LEFT, 2},
      {"0.5 does not chase", RED, 90, 350, DIR_UP, ATTACK, {0.5}, 30, 350, DIR_RIGHT, 1},
      {"red left, {left, down}", RED, 90, 410, DIR_LEFT, ATTACK, {0.2}, 30, 30, DIR_DOWN, 1},
      // Attack, chasing: the primary direction towards the chomper, if open.
      {"red chases left", RED, 90, 350, DIR_UP, ATTACK, {0.9}, 30, 350, DIR_LEFT, 1},
      {"orange chases right", ORANGE, 90, 350, DIR_UP, ATTACK, {0.9}, 170, 350, DIR_RIGHT, 1},
      {"red chases up", RED, 90, 350, DIR_UP, ATTACK, {0.9}, 90, 410, DIR_UP, 1},
      // Primary up is closed: red turns clockwise, never to the open secondary (right).
      {"no secondary", RED, 90, 410, DIR_RIGHT, ATTACK, {0.9}, 110, 510, DIR_DOWN, 1},
      {"no chomper, no chase", RED, 90, 350, DIR_UP, ATTACK, {0.9}, -1, -1, DIR_RIGHT, 1},
      // Turquoise wanders: its reverse (down) is drawn again.
      {"turquoise", TURQUOISE, 90, 350, DIR_UP, ATTACK, {0.6, 0.9}, 30, 350, DIR_LEFT, 2},
      {"between centres", ORANGE, 90, 351, DIR_UP, ATTACK, {0.9}, 30, 30, DIR_UP, 0},
      // Blue ghosts wander whatever the mode (red's own turn would be right).
      {"blue, attack", RED, 90, 350, DIR_UP, BLUE_ATTACK, {0.1}, 30, 30, DIR_UP, 1},
      {"blue, scatter", GREEN, 90, 350, DIR_UP, BLUE_SCATTER, {0.1}, 30, 30, DIR_UP, 1},
      // Scatter: towards the cell above the door, (190, 270); no draw while the
      // primary or else the secondary is open (not the reverse).
      {"primary", RED, 90, 350, DIR_UP, SCATTER, {0.2}, 30, 30, DIR_RIGHT, 0},
      {"secondary", GREEN, 350, 350, DIR_RIGHT, SCATTER, {0.2}, 30, 30, DIR_DOWN, 0},
      // Neither: turn clockwise or anticlockwise from the secondary as a draw says.
      {"clockwise", RED, 170, 350, DIR_LEFT, SCATTER, {0.2}, 30, 30, DIR_LEFT, 1},
      {"anticlockwise", RED, 170, 350, DIR_LEFT, SCATTER, {0.7}, 30, 30, DIR_UP, 1}};
  for (const Choice& c : cases) {
    SCOPED_TRACE(c.name);
    attackMode = c.mode == ATTACK || c.mode == BLUE_ATTACK;
    ScriptedDraws draws(c.draws);
    player.setPosition(c.chomperX, c.chomperY);
    setChomper(c.chomperX < 0 ? nullptr : &player);
    auto g = ghostAt(c.kind, c.x, c.y, c.facing);
    g->setBlue(c.mode == BLUE_ATTACK || c.mode == BLUE_SCATTER);
    EXPECT_TRUE(g->update(maze));
    EXPECT_EQ(g->getDirection(), c.chosen);
    EXPECT_EQ(draws.drawsTaken(), c.drawsTaken);
  }
}

}  // namespace
