#pragma once
// Paces the game's moves: each call of waitFor sleeps for what is left of a
// period since the previous call.

#include <functional>

class FrameTimer {
 public:
  // Milliseconds of a monotonic clock of elapsed real time.
  using Clock = std::function<int()>;
  // Blocks the calling thread for the given number of milliseconds.
  using Sleeper = std::function<void(int)>;

  // The process's monotonic millisecond clock and a real sleep.
  FrameTimer();
  // Any clock and sleeper (tests pass fakes); both must be callable.
  FrameTimer(Clock clock, Sleeper sleeper);

  // Sleeps for periodMs minus the time since the previous call, when that is
  // positive, then remembers the clock reading taken BEFORE the sleep. So a
  // call that slept is followed by one that finds its period already spent:
  // moves come in pairs. A period of 0 or less never sleeps.
  void waitFor(int periodMs);

  int getLastTicks() const { return lastTicks; }
  // A reading of the timer's clock, in milliseconds.
  int now() const { return clock(); }

  // Milliseconds since the first call in this process, from a steady clock.
  static int monotonicMs();
  // Sleeps, returning early when the program is asked to close.
  static void sleepMs(int ms);

 private:
  Clock clock;
  Sleeper sleeper;
  int lastTicks;
};
