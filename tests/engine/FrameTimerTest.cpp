// The frame timer on a fake clock: what it sleeps, and why moves come in pairs.

#include <gtest/gtest.h>

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

TEST(FrameTimerTest, tenMillisecondsOfWorkSleepTheRestOfThePeriodThenNothingSoMovesComeInPairs) {
  FakeTime time;
  FrameTimer timer = time.timer();
  std::vector<int> moveTimes;
  for (int i = 0; i < 4; ++i) {
    time.now += 10;  // one move's work
    moveTimes.push_back(time.now);
    timer.waitFor(200);
  }
  EXPECT_EQ(time.sleeps, (std::vector<int>{190, 190}));  // the second call of each pair sleeps 0
  EXPECT_EQ(moveTimes, (std::vector<int>{10, 210, 220, 420}));
}

TEST(FrameTimerTest, aPeriodOfZeroOrLessOrOverrunWorkNeverSleeps) {
  FakeTime time;
  FrameTimer timer = time.timer();
  for (int period : {0, -1, -1000}) {
    time.now += 3;
    timer.waitFor(period);
    EXPECT_EQ(timer.getLastTicks(), time.now);
  }
  time.now += 250;
  timer.waitFor(200);
  EXPECT_TRUE(time.sleeps.empty());
}

}  // namespace
