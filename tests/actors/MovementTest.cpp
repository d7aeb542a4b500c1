#include <gtest/gtest.h>

#include "ActorTestSupport.h"
#include "actors/Player.h"

namespace {

constexpr int CHOMPER = 0;
constexpr int RED = 1;

// A bare actor whose kind and speed the test chooses.
class Actor : public Player {
 public:
  explicit Actor(int k, int px, int py, int d) {
    kind = k;
    setPosition(px, py);
    setDirection(d);
  }
  void setSlowDown(int factor) { slowDownFactor = factor; }
};

class Movement : public ActorTest {};

TEST(Directions, oppositeSwapsLeftRightAndUpDown) {
  EXPECT_EQ(oppositeDirection(DIR_LEFT), DIR_RIGHT);
  EXPECT_EQ(oppositeDirection(DIR_RIGHT), DIR_LEFT);
  EXPECT_EQ(oppositeDirection(DIR_UP), DIR_DOWN);
  EXPECT_EQ(oppositeDirection(DIR_DOWN), DIR_UP);
}

TEST(Directions, aNewActorStandsAtTheOriginFacingLeft) {
  Player p;
  EXPECT_EQ(p.getX(), 0);
  EXPECT_EQ(p.getY(), 0);
  EXPECT_EQ(p.getDirection(), DIR_LEFT);
  EXPECT_EQ(p.getSlowDownFactor(), 1);
  EXPECT_EQ(p.getKind(), 0);
}

struct CellCase {
  int x, y, col, row;
};

class CellPositions : public ::testing::TestWithParam<CellCase> {};

TEST_P(CellPositions, nameTheCellAtOrLeftOfAndBelowThePosition) {
  const CellCase& c = GetParam();
  Actor a(CHOMPER, c.x, c.y, DIR_LEFT);
  EXPECT_EQ(a.cellPosition(), CellPos(c.col, c.row)) << c.x << "," << c.y;
}

INSTANTIATE_TEST_SUITE_P(Movement, CellPositions,
                         ::testing::Values(CellCase{29, 30, 0, 1}, CellCase{190, 231, 9, 11},
                                           CellCase{190, 190, 9, 9}, CellCase{10, 10, 0, 0},
                                           CellCase{370, 430, 18, 21}, CellCase{49, 69, 1, 2}));

struct MaskCase {
  const char* name;
  int kind, x, y, direction;
  bool attack;
  int mask;
};

class OpenDirections : public ActorTest, public ::testing::WithParamInterface<MaskCase> {};

TEST_P(OpenDirections, followTheLevel) {
  const MaskCase& c = GetParam();
  attackMode = c.attack;
  Actor a(c.kind, c.x, c.y, c.direction);
  EXPECT_EQ(a.openDirections(maze), c.mask) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Movement, OpenDirections,
    ::testing::Values(
        MaskCase{"one pixel off a centre", CHOMPER, 31, 30, DIR_LEFT, false, 0},
        MaskCase{"one pixel above a centre", RED, 190, 231, DIR_UP, false, 0},
        MaskCase{"corner, chomper", CHOMPER, 30, 30, DIR_LEFT, false, DIR_UP | DIR_RIGHT},
        MaskCase{"chomper keeps its reverse", CHOMPER, 190, 190, DIR_LEFT, false,
                 DIR_LEFT | DIR_RIGHT},
        MaskCase{"ghost never gets its reverse", RED, 190, 190, DIR_LEFT, true, DIR_LEFT},
        MaskCase{"ghost at a crossing", RED, 90, 350, DIR_UP, true, DIR_LEFT | DIR_UP | DIR_RIGHT},
        MaskCase{"ghost below door facing down, scatter", RED, 190, 230, DIR_DOWN, false, DIR_UP},
        MaskCase{"ghost below door facing down, attack", RED, 190, 230, DIR_DOWN, true, DIR_UP},
        MaskCase{"ghost below door facing up", RED, 190, 230, DIR_UP, true, DIR_UP},
        MaskCase{"ghost above door, scatter", RED, 190, 270, DIR_LEFT, false, DIR_LEFT | DIR_DOWN},
        MaskCase{"ghost above door, attack", RED, 190, 270, DIR_LEFT, true, DIR_LEFT},
        MaskCase{"ghost above door facing up, scatter ignores the reverse", RED, 190, 270, DIR_UP,
                 false, DIR_LEFT | DIR_RIGHT | DIR_DOWN},
        MaskCase{"ghost above door facing up, attack", RED, 190, 270, DIR_UP, true,
                 DIR_LEFT | DIR_RIGHT},
        MaskCase{"chomper above door, scatter", CHOMPER, 190, 270, DIR_LEFT, false,
                 DIR_LEFT | DIR_RIGHT},
        MaskCase{"chomper above door, attack", CHOMPER, 190, 270, DIR_LEFT, true,
                 DIR_LEFT | DIR_RIGHT},
        MaskCase{"ghost on the door", RED, 190, 250, DIR_UP, false, DIR_UP},
        MaskCase{"tunnel cell is open", CHOMPER, 30, 230, DIR_LEFT, false, DIR_LEFT | DIR_RIGHT},
        MaskCase{"outside the grid counts as closed", CHOMPER, 10, 230, DIR_LEFT, false,
                 DIR_RIGHT},
        MaskCase{"far outside the grid", CHOMPER, -30, 230, DIR_LEFT, false, 0}));

TEST_F(Movement, offCentreStepMovesOnWithoutLookingAtTheMaze) {
  std::fill(maze, maze + MAZE_CELLS, CELL_WALL);
  Actor a(CHOMPER, 31, 30, DIR_LEFT);
  EXPECT_TRUE(a.step(maze));
  EXPECT_EQ(a.getX(), 30);
  EXPECT_EQ(a.getY(), 30);
}

struct StepCase {
  int direction, dx, dy;
};

class OnePixelSteps : public ActorTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(OnePixelSteps, moveAlongTheDirection) {
  Actor a(CHOMPER, 90, 350, GetParam().direction);
  EXPECT_TRUE(a.step(maze));
  EXPECT_EQ(a.getX(), 90 + GetParam().dx);
  EXPECT_EQ(a.getY(), 350 + GetParam().dy);
}

INSTANTIATE_TEST_SUITE_P(Movement, OnePixelSteps,
                         ::testing::Values(StepCase{DIR_LEFT, -1, 0}, StepCase{DIR_UP, 0, 1},
                                           StepCase{DIR_RIGHT, 1, 0}, StepCase{DIR_DOWN, 0, -1}));

TEST_F(Movement, wallRefusesTheMoveFromACentre) {
  Actor a(CHOMPER, 190, 190, DIR_UP);
  EXPECT_FALSE(a.step(maze));
  EXPECT_EQ(a.getX(), 190);
  EXPECT_EQ(a.getY(), 190);
}

TEST_F(Movement, chomperNeverStepsIntoTheDoor) {
  for (bool attack : {false, true}) {
    attackMode = attack;
    Actor a(CHOMPER, 190, 270, DIR_DOWN);
    EXPECT_FALSE(a.step(maze));
    EXPECT_EQ(a.getY(), 270);
  }
}

TEST_F(Movement, ghostStepsIntoTheDoorFromAbove) {
  Actor a(RED, 190, 270, DIR_DOWN);
  EXPECT_TRUE(a.step(maze));
  EXPECT_EQ(a.getY(), 269);
}

TEST_F(Movement, directionOutsideTheFourStaysButCountsAsMoved) {
  for (int d : {0, 3, 16}) {
    Actor a(CHOMPER, 190, 190, d);
    EXPECT_TRUE(a.step(maze)) << d;
    EXPECT_EQ(a.getX(), 190);
    EXPECT_EQ(a.getY(), 190);
  }
}

TEST_F(Movement, tunnelLeftwardsJumpsToTheFarSide) {
  Actor a(CHOMPER, 30, 230, DIR_LEFT);
  EXPECT_TRUE(a.step(maze));
  EXPECT_EQ(a.getX(), 369);
  EXPECT_EQ(a.getY(), 230);
  for (int i = 0; i < 19; ++i) a.step(maze);
  EXPECT_EQ(a.getX(), 350);
  EXPECT_NE(a.openDirections(maze), 0) << "the next centre is column 17";
}

TEST_F(Movement, tunnelRightwardsJumpsToTheFarSide) {
  Actor a(CHOMPER, 350, 230, DIR_RIGHT);
  EXPECT_TRUE(a.step(maze));
  EXPECT_EQ(a.getX(), 11);
  for (int i = 0; i < 19; ++i) a.step(maze);
  EXPECT_EQ(a.getX(), 30);
}

TEST_F(Movement, tunnelCentresAreNeverOccupied) {
  struct Walk {
    int startX, direction;
  };
  for (Walk w : {Walk{110, DIR_LEFT}, Walk{270, DIR_RIGHT}}) {
    for (int kind : {CHOMPER, RED}) {
      Actor a(kind, w.startX, 230, w.direction);
      bool jumped = false;
      for (int i = 0; i < 400; ++i) {
        a.step(maze);
        ASSERT_NE(a.getX(), 10) << "step " << i;
        ASSERT_NE(a.getX(), 370) << "step " << i;
        ASSERT_GE(a.getX(), 11);
        ASSERT_LE(a.getX(), 369);
        jumped = jumped || (w.direction == DIR_LEFT ? a.getX() > 200 : a.getX() < 200);
      }
      EXPECT_TRUE(jumped) << "the walk went through the tunnel";
    }
  }
}

struct SlowCase {
  int factor;
  std::vector<bool> moves;
};

class SlowDown : public ActorTest, public ::testing::WithParamInterface<SlowCase> {};

TEST_P(SlowDown, movesOnEveryNthCall) {
  Actor a(CHOMPER, 50, 30, DIR_RIGHT);
  a.setSlowDown(GetParam().factor);
  int x = 50;
  for (size_t i = 0; i < GetParam().moves.size(); ++i) {
    bool expected = GetParam().moves[i];
    EXPECT_EQ(a.step(maze), expected) << "call " << i + 1;
    if (expected) ++x;
    EXPECT_EQ(a.getX(), x) << "call " << i + 1;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Movement, SlowDown,
    ::testing::Values(SlowCase{1, {true, true, true, true}},
                      SlowCase{2, {false, true, false, true}},
                      SlowCase{3, {false, false, true, false, false, true}},
                      SlowCase{0, {true, true, true}}, SlowCase{-2, {true, true, true}}));

TEST_F(Movement, refusedMoveRestartsTheSlowDownCount) {
  Actor a(CHOMPER, 30, 30, DIR_LEFT);  // a wall to the left
  a.setSlowDown(3);
  EXPECT_FALSE(a.step(maze));
  EXPECT_FALSE(a.step(maze));
  EXPECT_FALSE(a.step(maze)) << "refused by the wall";
  a.setDirection(DIR_RIGHT);
  EXPECT_FALSE(a.step(maze));
  EXPECT_FALSE(a.step(maze));
  EXPECT_EQ(a.getX(), 30);
  EXPECT_TRUE(a.step(maze));
  EXPECT_EQ(a.getX(), 31);
}

}  // namespace
