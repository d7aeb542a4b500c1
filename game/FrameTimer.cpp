#include "game/FrameTimer.h"

#include <cassert>
#include <chrono>
#include <climits>

#include "gxbase/Main.h"

FrameTimer::FrameTimer() : FrameTimer(&FrameTimer::monotonicMs, &FrameTimer::sleepMs) {}

FrameTimer::FrameTimer(Clock c, Sleeper s) : clock(std::move(c)), sleeper(std::move(s)) {
  assert(clock && "FrameTimer needs a clock");
  assert(sleeper && "FrameTimer needs a sleeper");
  lastTicks = clock();
}

void FrameTimer::waitFor(int periodMs) {
  const int now = clock();
  const long long remaining = static_cast<long long>(periodMs) - (static_cast<long long>(now) - lastTicks);
  if (remaining > 0) sleeper(remaining > INT_MAX ? INT_MAX : static_cast<int>(remaining));
  lastTicks = now;
}

int FrameTimer::monotonicMs() {
  // Counted from a process-local origin so the int does not run over for
  // weeks; steady_clock, unlike clock(), measures real time, not CPU time.
  using namespace std::chrono;
  static const steady_clock::time_point origin = steady_clock::now();
  const long long ms = duration_cast<milliseconds>(steady_clock::now() - origin).count();
  return ms > INT_MAX ? INT_MAX : static_cast<int>(ms);
}

void FrameTimer::sleepMs(int ms) {
  // Cut short only by a close request, which the message loop then handles.
  gxbase::Main::Pause(ms);
}
