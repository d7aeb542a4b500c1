#include <atomic>

#include <SDL.h>

#include "gxbase/Main.h"
#include "gxbase/Platform.h"

namespace gxbase {

namespace {

constexpr unsigned kShortestInterval = 10;

unsigned systemTicks() { return static_cast<unsigned>(SDL_GetTicks()); }

std::atomic<Main::TickSource> tickSource{&systemTicks};

// Runs on the timer's thread: it only reads the clock and queues the tick,
// so OnTimer runs on the main thread from the message loop.
Uint32 timerCallback(Uint32 interval, void* /*param*/) {
  unsigned ticks = tickSource.load()();
  Platform::Post(Platform::Event::TimerTick, 0, static_cast<int>(ticks));
  return interval;
}

}  // namespace

unsigned Main::SetTimerInterval(unsigned milliseconds) {
  if (milliseconds == timerInterval) return timerInterval;
  if (timerId != 0) {
    SDL_RemoveTimer(timerId);
    timerId = 0;
  }
  timerInterval = 0;
  if (milliseconds == 0) return 0;

  unsigned interval = milliseconds < kShortestInterval ? kShortestInterval : milliseconds;
  if (!Platform::EnsureEvents()) return 0;
  SDL_TimerID id = SDL_AddTimer(interval, timerCallback, nullptr);
  if (id == 0) return 0;
  timerId = id;
  timerInterval = interval;
  return interval;
}

void Main::SetTickSource(TickSource source) {
  tickSource.store(source != nullptr ? source : &systemTicks);
}

void Main::DispatchTimerTick(unsigned milliseconds) {
  // Ticks still queued from a timer that has since been stopped are stale.
  if (timerId == 0 || app == nullptr) return;
  app->OnTimer(milliseconds / 1000.0);
}

}  // namespace gxbase
