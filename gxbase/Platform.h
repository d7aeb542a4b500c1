#pragma once
// The framework's own use of the native layer: started lazily, with the
// framework's events (creation notification, close request, quit, timer
// tick) travelling through the native event queue.

namespace gxbase {

class Platform {
 public:
  enum class Event { Created, CloseRequest, Quit, TimerTick };

  // Events and timers; true when they are available.
  static bool EnsureEvents();
  // Events, timers and windows; true when windows can be opened.
  static bool EnsureVideo();
  // Makes every window of this process offscreen (real GL contexts, nothing
  // shown), for pictures drawn without a display. False when windows were
  // opened already on another driver.
  static bool UseOffscreenVideo();
  // Queues a framework event for a window (native id, 0 for none).
  static bool Post(Event event, unsigned windowId, int code);
  // Which framework event a native event type is; false for any other.
  static bool Classify(unsigned eventType, Event* event);
  // The native event type that carries a framework event.
  static unsigned TypeOf(Event event);
  // Releases what the framework opened, at process exit.
  static void Shutdown();
  // Holds a window size within the usable area of the display that shows
  // the point (x, y), or of the first display when none does; no larger
  // than the screen it is on. Unchanged when no display is known.
  static void FitToUsableArea(int x, int y, int* width, int* height);
};

}  // namespace gxbase
