// The frame timer on a fake clock: what it sleeps, and why moves come in pairs.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <vector>

#include "game/FrameTimer.h"

namespace {

// A clock that only moves when the test works or the timer sleeps.
struct FakeTime {
  int now = 0;
  std::vector<int> sleeps;

  FrameTimer timer() {
    return FrameTimer([this] { return now; },
                      [this](int ms) {
                        sleeps.push_back(ms);
                        now += ms;
                      });
  }
};

TEST(FrameTimerTest, constructionTakesTheFirstReading) {
  FakeTime time;
  time.now = 1234;
  FrameTimer timer = time.timer();
  EXPECT_EQ(timer.getLastTicks(), 1234);
}

TEST(FrameTimerTest, aCallTenMillisecondsAfterTheLastSleepsTheRestOfThePeriod) {
  FakeTime time;
  FrameTimer timer = time.timer();
  time.now += 10;  // work
  timer.waitFor(200);
  ASSERT_EQ(time.sleeps, std::vector<int>{190});
  time.now += 10;
  timer.waitFor(200);  // the sleep counts: the period is already used up
  EXPECT_EQ(time.sleeps, std::vector<int>{190});
}

TEST(FrameTimerTest, movesComeInPairs) {
  FakeTime time;
  FrameTimer timer = time.timer();
  std::vector<int> moveTimes;
  for (int i = 0; i < 6; ++i) {
    time.now += 10;  // one move's work
    moveTimes.push_back(time.now);
    timer.waitFor(200);
  }
  EXPECT_EQ(moveTimes, (std::vector<int>{10, 210, 220, 420, 430, 630}));
  EXPECT_EQ(time.sleeps, (std::vector<int>{190, 190, 190}));
}

TEST(FrameTimerTest, theReadingKeptIsTheOneTakenBeforeTheSleep) {
  FakeTime time;
  FrameTimer timer = time.timer();
  time.now = 50;
  timer.waitFor(200);
  EXPECT_EQ(time.now, 200);
  EXPECT_EQ(timer.getLastTicks(), 50);
}

TEST(FrameTimerTest, aPeriodOfZeroOrLessNeverSleepsButTakesANewReading) {
  FakeTime time;
  FrameTimer timer = time.timer();
  for (int period : {0, -1, -1000}) {
    time.now += 3;
    timer.waitFor(period);
    EXPECT_EQ(timer.getLastTicks(), time.now);
  }
  EXPECT_TRUE(time.sleeps.empty());
}

TEST(FrameTimerTest, workLongerThanThePeriodNeverSleeps) {
  FakeTime time;
  FrameTimer timer = time.timer();
  time.now += 250;
  timer.waitFor(200);
  EXPECT_TRUE(time.sleeps.empty());
}

TEST(FrameTimerTest, constructionSeedsTheRandomGeneratorWithTheCalendarTime) {
  const time_t before = time(nullptr);
  FakeTime fake;
  FrameTimer timer = fake.timer();
  const int drawn = rand();
  const time_t after = time(nullptr);
  bool matches = false;
  for (time_t t = before; t <= after; ++t) {
    srand(static_cast<unsigned>(t));
    matches = matches || rand() == drawn;
  }
  EXPECT_TRUE(matches);
}

TEST(FrameTimerTest, theRealClockIsMonotonic) {
  const int first = FrameTimer::monotonicMs();
  const int second = FrameTimer::monotonicMs();
  EXPECT_GE(first, 0);
  EXPECT_GE(second, first);
}

}  // namespace
