// The movement every actor shares: its cell, the open exits (walls, the door,
// the reverse rule), the one-pixel step, the tunnel and the slow-down.

#include <string>

#include "ActorTestSupport.h"
#include "actors/Player.h"

namespace {

// A bare actor whose kind and speed the test chooses.
class Actor : public Player {
 public:
  Actor(int k, int px, int py, int d, int slowDown = 1) {
    kind = k;
    slowDownFactor = slowDown;
    setPosition(px, py);
    setDirection(d);
  }
};

using Movement = ActorTest;

TEST(CellPosition, isTheCellWhoseCentreIsAtOrLeftOfAndBelowThePosition) {
  const struct { int x, y, col, row; } cases[] = {{29, 30, 0, 1},  {190, 231, 9, 11},  {190, 190, 9, 9},
               {10, 10, 0, 0},  {370, 430, 18, 21}, {49, 69, 1, 2}};
  for (const auto& c : cases) {
    EXPECT_EQ(Actor(CHOMPER, c.x, c.y, DIR_LEFT).cellPosition(), CellPos(c.col, c.row)) << c.x << ", " << c.y;
  }
}

TEST_F(Movement, openExitsFollowTheWallsTheDoorAndTheReverseRule) {
  const struct { const char* name; int kind, x, y, direction; bool attack; int mask; } cases[] = {
      {"one pixel off a centre", CHOMPER, 31, 30, DIR_LEFT, false, 0},
      {"corner, chomper", CHOMPER, 30, 30, DIR_LEFT, false, DIR_UP | DIR_RIGHT},
      {"chomper keeps its reverse", CHOMPER, 190, 190, DIR_LEFT, false, DIR_LEFT | DIR_RIGHT},
      {"ghost never gets its reverse", RED, 190, 190, DIR_LEFT, true, DIR_LEFT},
      {"ghost at a crossing", RED, 90, 350, DIR_UP, true, DIR_LEFT | DIR_UP | DIR_RIGHT},
      {"ghost below door facing down", RED, 190, 230, DIR_DOWN, true, DIR_UP},
      {"ghost on the door", RED, 190, 250, DIR_UP, false, DIR_UP},
      {"ghost above door, scatter", RED, 190, 270, DIR_LEFT, false, DIR_LEFT | DIR_DOWN},
      {"ghost above door, attack", RED, 190, 270, DIR_LEFT, true, DIR_LEFT},
      {"ghost above door facing up, scatter ignores the reverse", RED, 190, 270, DIR_UP, false,
       DIR_LEFT | DIR_RIGHT | DIR_DOWN},
      {"ghost above door facing up, attack", RED, 190, 270, DIR_UP, true, DIR_LEFT | DIR_RIGHT},
      {"chomper above door", CHOMPER, 190, 270, DIR_LEFT, false, DIR_LEFT | DIR_RIGHT},
      {"tunnel cell is open", CHOMPER, 30, 230, DIR_LEFT, false, DIR_LEFT | DIR_RIGHT},
      {"outside the grid counts as closed", CHOMPER, 10, 230, DIR_LEFT, false, DIR_RIGHT},
      {"far outside the grid", CHOMPER, -30, 230, DIR_LEFT, false, 0}};
  for (const auto& c : cases) {
    attackMode = c.attack;
    EXPECT_EQ(Actor(c.kind, c.x, c.y, c.direction).openDirections(maze), c.mask) << c.name;
  }
}

TEST_F(Movement, stepMovesOnePixelUnlessAWallOrTheDoorRefuses) {
  const struct { const char* name; int kind, x, y, direction; bool attack, moved; int toX, toY; } cases[] = {
      {"up is y + 1", CHOMPER, 90, 350, DIR_UP, false, true, 90, 351},
      {"down is y - 1", CHOMPER, 90, 350, DIR_DOWN, false, true, 90, 349},
      {"a wall refuses", CHOMPER, 190, 190, DIR_UP, false, false, 190, 190},
      {"between centres the maze is not asked", CHOMPER, 31, 30, DIR_LEFT, false, true, 30, 30},
      {"chomper never enters the door", CHOMPER, 190, 270, DIR_DOWN, true, false, 190, 270},
      {"ghost enters the door from above", RED, 190, 270, DIR_DOWN, false, true, 190, 269},
      {"no direction stays but counts as moved", CHOMPER, 190, 190, DIR_NONE, false, true, 190, 190},
      {"not one of the four, likewise", CHOMPER, 190, 190, DIR_LEFT | DIR_UP, false, true, 190, 190}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    attackMode = c.attack;
    Actor a(c.kind, c.x, c.y, c.direction);
    EXPECT_EQ(a.step(maze), c.moved);
    EXPECT_EQ(a.getX(), c.toX);
    EXPECT_EQ(a.getY(), c.toY);
  }
}

TEST_F(Movement, tunnelJumpsToTheFarSideSoItsEndsAreNeverOccupied) {
  const struct {
    int fromX, direction, jumpX, nextCentreX;
  } cases[] = {{30, DIR_LEFT, 369, 350}, {350, DIR_RIGHT, 11, 30}};
  for (int kind : {CHOMPER, RED}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(::testing::Message() << "kind " << kind << " from x " << c.fromX);
      Actor a(kind, c.fromX, 230, c.direction);
      EXPECT_TRUE(a.step(maze));
      EXPECT_EQ(a.getX(), c.jumpX);
      EXPECT_EQ(a.getY(), 230);
      for (int i = 0; i < 19; ++i) a.step(maze);
      EXPECT_EQ(a.getX(), c.nextCentreX);
      EXPECT_NE(a.openDirections(maze), 0) << "a centre of the far side";
    }
  }
}

TEST_F(Movement, slowActorMovesOnEveryNthCall) {
  const struct {
    int factor;
    std::string moves;  // x: the call moves, -: it waits
  } cases[] = {{1, "xxxx"}, {2, "-x-x"}, {3, "--x--x"}, {0, "xxx"}, {-2, "xxx"}};
  for (const auto& c : cases) {
    Actor a(CHOMPER, 50, 30, DIR_RIGHT, c.factor);
    int x = 50;
    for (size_t i = 0; i < c.moves.size(); ++i) {
      const bool moves = c.moves[i] == 'x';
      x += moves ? 1 : 0;
      EXPECT_EQ(a.step(maze), moves) << "factor " << c.factor << " call " << i + 1;
      EXPECT_EQ(a.getX(), x) << "factor " << c.factor << " call " << i + 1;
    }
  }
}

}  // namespace
