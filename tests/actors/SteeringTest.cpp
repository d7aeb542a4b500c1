// Direction arithmetic of the ghosts: heading towards a point and the random
// draws. Turning round to an open direction is checked by the ghosts' choices.

#include "actors/Steering.h"

#include <cstdlib>
#include <map>

#include "ActorTestSupport.h"

namespace {

TEST(Steering, headingTowardsAPointTakesTheAxisOfTheLargerDistanceFirst) {
  const struct { int dx, dy, primary, secondary; } cases[] = {
      // Up and right; a tie goes right.
      {10, 30, DIR_UP, DIR_RIGHT}, {30, 10, DIR_RIGHT, DIR_UP}, {20, 20, DIR_RIGHT, DIR_UP},
      // Down and right (dy <= 0); a tie goes down.
      {30, -10, DIR_RIGHT, DIR_DOWN}, {10, -30, DIR_DOWN, DIR_RIGHT},
      {20, -20, DIR_DOWN, DIR_RIGHT}, {20, 0, DIR_RIGHT, DIR_DOWN},
      // Up and left (dx <= 0); a tie goes left.
      {-10, 30, DIR_UP, DIR_LEFT}, {-30, 10, DIR_LEFT, DIR_UP}, {-20, 20, DIR_LEFT, DIR_UP},
      {0, 20, DIR_UP, DIR_LEFT},
      // Down and left; a tie goes down.
      {-30, -10, DIR_LEFT, DIR_DOWN}, {-10, -30, DIR_DOWN, DIR_LEFT},
      {-20, -20, DIR_DOWN, DIR_LEFT}, {0, -20, DIR_DOWN, DIR_LEFT}, {-20, 0, DIR_LEFT, DIR_DOWN},
      // On the target itself.
      {0, 0, DIR_DOWN, DIR_LEFT}};
  for (const auto& c : cases) {
    const Heading h = headingTowards(c.dx, c.dy);
    EXPECT_EQ(h.primary, c.primary) << c.dx << ", " << c.dy;
    EXPECT_EQ(h.secondary, c.secondary) << c.dx << ", " << c.dy;
  }
}

TEST(RandomDraws, quartersOfTheRangeGiveUpRightDownLeftInEqualShares) {
  const struct {
    double r;
    int direction;
  } cases[] = {{0.0, DIR_UP},    {0.2499, DIR_UP},   {0.25, DIR_RIGHT}, {0.4999, DIR_RIGHT},
               {0.5, DIR_DOWN},  {0.7499, DIR_DOWN}, {0.75, DIR_LEFT},  {1.0, DIR_LEFT}};
  for (const auto& c : cases) EXPECT_EQ(directionForDraw(c.r), c.direction) << c.r;
  std::map<int, int> counts;  // over every 15-bit result of the library source
  for (int bits = 0; bits <= 0x7FFF; ++bits) ++counts[directionForDraw(bits / 32767.0)];
  for (int d : {DIR_UP, DIR_RIGHT, DIR_DOWN, DIR_LEFT}) EXPECT_EQ(counts[d], 8192) << d;
}

TEST(RandomDraws, scriptedSourceReplacesTheSeededLibraryUntilCleared) {
  {
    ScriptedDraws draws({0.125});
    EXPECT_EQ(drawRandom(), 0.125);
  }
  std::srand(5);
  const double expected = (std::rand() & 0x7FFF) / 32767.0;
  std::srand(5);
  EXPECT_EQ(drawRandom(), expected);
}

TEST(RandomDraws, randomDirectionDrawsAgainUntilTheDirectionIsOpen) {
  const struct {
    int mask, direction, drawsTaken;
  } cases[] = {{DIR_UP | DIR_DOWN, DIR_DOWN, 1}, {DIR_UP, DIR_UP, 2}, {DIR_LEFT, DIR_LEFT, 4}};
  for (const auto& c : cases) {
    ScriptedDraws draws({0.6, 0.1, 0.3, 0.9});  // down, up, right, left
    EXPECT_EQ(randomDirectionIn(c.mask), c.direction) << c.mask;
    EXPECT_EQ(draws.drawsTaken(), c.drawsTaken) << c.mask;
  }
}

}  // namespace
