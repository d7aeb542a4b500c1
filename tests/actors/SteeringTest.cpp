#include "actors/Steering.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "ActorTestSupport.h"
#include "actors/Player.h"
#include "actors/Random.h"

namespace {

struct HeadingCase {
  int dx, dy, primary, secondary;
};

class HeadingTowards : public ::testing::TestWithParam<HeadingCase> {};

TEST_P(HeadingTowards, picksTheAxisOfTheLargerDistance) {
  const HeadingCase& c = GetParam();
  Heading h = headingTowards(c.dx, c.dy);
  EXPECT_EQ(h.primary, c.primary) << c.dx << "," << c.dy;
  EXPECT_EQ(h.secondary, c.secondary) << c.dx << "," << c.dy;
}

INSTANTIATE_TEST_SUITE_P(
    Steering, HeadingTowards,
    ::testing::Values(
        // Up and right.
        HeadingCase{10, 30, DIR_UP, DIR_RIGHT}, HeadingCase{30, 10, DIR_RIGHT, DIR_UP},
        HeadingCase{20, 20, DIR_RIGHT, DIR_UP},
        // Down and right (dy <= 0).
        HeadingCase{30, -10, DIR_RIGHT, DIR_DOWN}, HeadingCase{10, -30, DIR_DOWN, DIR_RIGHT},
        HeadingCase{20, -20, DIR_DOWN, DIR_RIGHT}, HeadingCase{20, 0, DIR_RIGHT, DIR_DOWN},
        // Up and left (dx <= 0).
        HeadingCase{-10, 30, DIR_UP, DIR_LEFT}, HeadingCase{-30, 10, DIR_LEFT, DIR_UP},
        HeadingCase{-20, 20, DIR_LEFT, DIR_UP}, HeadingCase{0, 20, DIR_UP, DIR_LEFT},
        // Down and left.
        HeadingCase{-30, -10, DIR_LEFT, DIR_DOWN}, HeadingCase{-10, -30, DIR_DOWN, DIR_LEFT},
        HeadingCase{-20, -20, DIR_DOWN, DIR_LEFT}, HeadingCase{0, -20, DIR_DOWN, DIR_LEFT},
        HeadingCase{-20, 0, DIR_LEFT, DIR_DOWN},
        // On the target itself.
        HeadingCase{0, 0, DIR_DOWN, DIR_LEFT}));

TEST(Rotations, clockwiseRunsLeftUpRightDown) {
  EXPECT_EQ(rotateClockwise(DIR_LEFT), DIR_UP);
  EXPECT_EQ(rotateClockwise(DIR_UP), DIR_RIGHT);
  EXPECT_EQ(rotateClockwise(DIR_RIGHT), DIR_DOWN);
  EXPECT_EQ(rotateClockwise(DIR_DOWN), DIR_LEFT);
}

TEST(Rotations, anticlockwiseRunsDownRightUpLeft) {
  EXPECT_EQ(rotateAnticlockwise(DIR_DOWN), DIR_RIGHT);
  EXPECT_EQ(rotateAnticlockwise(DIR_RIGHT), DIR_UP);
  EXPECT_EQ(rotateAnticlockwise(DIR_UP), DIR_LEFT);
  EXPECT_EQ(rotateAnticlockwise(DIR_LEFT), DIR_DOWN);
}

TEST(Rotations, turnsTakeTheFirstOpenDirectionAndTheStartLast) {
  const int crossing = DIR_LEFT | DIR_UP | DIR_RIGHT;
  EXPECT_EQ(firstClockwiseIn(DIR_UP, crossing), DIR_RIGHT);
  EXPECT_EQ(firstAnticlockwiseIn(DIR_UP, crossing), DIR_LEFT);
  EXPECT_EQ(firstClockwiseIn(DIR_LEFT, DIR_LEFT | DIR_DOWN), DIR_DOWN);
  EXPECT_EQ(firstClockwiseIn(DIR_UP, DIR_UP), DIR_UP);
  EXPECT_EQ(firstAnticlockwiseIn(DIR_DOWN, DIR_DOWN), DIR_DOWN);
}

TEST(Rotations, turnFromANonDirectionStillEndsInTheMask) {
  EXPECT_EQ(firstClockwiseIn(DIR_NONE, DIR_RIGHT), DIR_RIGHT);
  EXPECT_EQ(firstClockwiseIn(DIR_LEFT | DIR_UP, DIR_DOWN), DIR_DOWN);
  EXPECT_EQ(firstAnticlockwiseIn(DIR_NONE, DIR_DOWN | DIR_UP), DIR_UP);
}

struct DrawCase {
  double r;
  int direction;
};

class DrawnDirection : public ::testing::TestWithParam<DrawCase> {};

TEST_P(DrawnDirection, splitsTheRangeInQuarters) {
  EXPECT_EQ(directionForDraw(GetParam().r), GetParam().direction) << GetParam().r;
}

INSTANTIATE_TEST_SUITE_P(Steering, DrawnDirection,
                         ::testing::Values(DrawCase{0.0, DIR_UP}, DrawCase{0.2499, DIR_UP},
                                           DrawCase{0.25, DIR_RIGHT}, DrawCase{0.4999, DIR_RIGHT},
                                           DrawCase{0.5, DIR_DOWN}, DrawCase{0.7499, DIR_DOWN},
                                           DrawCase{0.75, DIR_LEFT}, DrawCase{1.0, DIR_LEFT}));

TEST(RandomDraws, everyQuarterHoldsTheSameShareOfThe15BitResults) {
  std::map<int, int> counts;
  for (int bits = 0; bits <= 0x7FFF; ++bits) ++counts[directionForDraw(bits / 32767.0)];
  EXPECT_EQ(counts[DIR_UP], 8192);
  EXPECT_EQ(counts[DIR_RIGHT], 8192);
  EXPECT_EQ(counts[DIR_DOWN], 8192);
  EXPECT_EQ(counts[DIR_LEFT], 8192);
}

TEST(RandomDraws, libraryDrawsStayWithinZeroAndOne) {
  std::srand(12345);
  bool sawLow = false, sawHigh = false;
  for (int i = 0; i < 10000; ++i) {
    double r = libraryRandom();
    ASSERT_GE(r, 0.0);
    ASSERT_LE(r, 1.0);
    sawLow = sawLow || r < 0.25;
    sawHigh = sawHigh || r >= 0.75;
  }
  EXPECT_TRUE(sawLow && sawHigh);
}

TEST(RandomDraws, sameSeedGivesSameDraws) {
  std::srand(99);
  double a1 = drawRandom(), a2 = drawRandom(), a3 = drawRandom();
  std::srand(99);
  EXPECT_EQ(drawRandom(), a1);
  EXPECT_EQ(drawRandom(), a2);
  EXPECT_EQ(drawRandom(), a3);
}

TEST(RandomDraws, injectedSourceReplacesTheLibraryUntilCleared) {
  {
    ScriptedDraws draws({0.125});
    EXPECT_EQ(drawRandom(), 0.125);
    EXPECT_EQ(draws.drawsTaken(), 1);
  }
  std::srand(5);
  double expected = (std::rand() & 0x7FFF) / 32767.0;
  std::srand(5);
  EXPECT_EQ(drawRandom(), expected);
}

TEST(RandomDirection, drawsAgainUntilTheDirectionIsOpen) {
  ScriptedDraws draws({0.1, 0.3, 0.6, 0.9});  // up, right, down, left
  EXPECT_EQ(randomDirectionIn(DIR_LEFT), DIR_LEFT);
  EXPECT_EQ(draws.drawsTaken(), 4);
}

TEST(RandomDirection, takesTheFirstDrawWhenItIsOpen) {
  ScriptedDraws draws({0.6});
  EXPECT_EQ(randomDirectionIn(DIR_DOWN | DIR_UP), DIR_DOWN);
  EXPECT_EQ(draws.drawsTaken(), 1);
}

}  // namespace
