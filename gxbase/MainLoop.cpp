#include <SDL.h>

#include <cstring>

#include "gxbase/GLWindow.h"
#include "gxbase/Main.h"
#include "gxbase/Platform.h"
#include "gxbase/WindowEx.h"

namespace gxbase {

namespace {

// The native window an event is addressed to; 0 for none.
unsigned eventWindowId(const SDL_Event& event) {
  switch (event.type) {
    case SDL_WINDOWEVENT: return event.window.windowID;
    case SDL_KEYDOWN:
    case SDL_KEYUP: return event.key.windowID;
    case SDL_MOUSEMOTION: return event.motion.windowID;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: return event.button.windowID;
    case SDL_MOUSEWHEEL: return event.wheel.windowID;
    case SDL_TEXTINPUT: return event.text.windowID;
    case SDL_TEXTEDITING: return event.edit.windowID;
    default: break;
  }
  Platform::Event framework;
  if (Platform::Classify(event.type, &framework)) return event.user.windowID;
  return 0;
}

// True when nothing at all waits. A poll can come back empty while events
// posted during the last poll cycle still wait behind the native layer's
// end-of-cycle marker; those must not be taken for an empty queue.
bool queueIsEmpty() { return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) <= 0; }

// True when a window's close or the quit request waits in the queue; it
// fetches what the native layer has but takes nothing out of the queue.
bool closeRequested() {
  SDL_PumpEvents();
  const Uint32 closeType = Platform::TypeOf(Platform::Event::CloseRequest);
  const Uint32 quitType = Platform::TypeOf(Platform::Event::Quit);
  if (SDL_HasEvent(SDL_QUIT) || SDL_HasEvent(closeType) || SDL_HasEvent(quitType)) return true;
  SDL_Event events[64];
  const int count = SDL_PeepEvents(events, 64, SDL_PEEKEVENT, SDL_WINDOWEVENT, SDL_WINDOWEVENT);
  for (int i = 0; i < count; ++i) {
    if (events[i].window.event == SDL_WINDOWEVENT_CLOSE) return true;
  }
  return false;
}

}  // namespace

int Main::MessageLoop() {
  int exitCode = 0;
  for (;;) {
    SDL_Event event;
    if (SDL_PollEvent(&event)) {
      if (DispatchEvent(&event, &exitCode)) break;
      continue;
    }
    if (!queueIsEmpty()) continue;
    // An empty queue: pending repaints come first, like waiting messages;
    // only a pass with nothing at all to do is an idle pass.
    bool painted = false;
    for (size_t i = 0; i < windows.size(); ++i) painted |= windows[i]->PaintIfNeeded();
    if (!painted) Idle();
  }
  // The main window went with its close; whatever else is open goes now.
  DestroyWindows();
  return exitCode;
}

bool Main::DispatchEvent(const void* nativeEvent, int* exitCode) {
  const SDL_Event& event = *static_cast<const SDL_Event*>(nativeEvent);
  Platform::Event framework;
  bool known = Platform::Classify(event.type, &framework);
  if (known && framework == Platform::Event::Quit) {
    *exitCode = event.user.code;
    return true;
  }
  if (known && framework == Platform::Event::TimerTick) {
    DispatchTimerTick(static_cast<unsigned>(event.user.code));
    return false;
  }
  unsigned id = eventWindowId(event);
  for (size_t i = 0; id != 0 && i < windows.size(); ++i) {
    if (windows[i]->NativeId() == id) {
      windows[i]->Dispatch(&event);
      break;
    }
  }
  return false;
}

void Main::Idle() {
  if (app != nullptr) app->OnIdle();
  for (size_t i = 0; i < windows.size(); ++i) windows[i]->Owner()->OnIdle();
}

void Main::PostQuit(int exitCode) { Platform::Post(Platform::Event::Quit, 0, exitCode); }

bool Main::HasKeyboard() {
  const char* driver = SDL_GetCurrentVideoDriver();
  return driver == nullptr || (std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0);
}

bool Main::Pause(int milliseconds) {
  // Without windows nothing can ask to close: a plain sleep.
  if (!SDL_WasInit(SDL_INIT_VIDEO)) {
    if (milliseconds > 0) SDL_Delay(static_cast<Uint32>(milliseconds));
    return true;
  }
  // Looks at the queue every few milliseconds; the pause itself keeps its
  // length to the millisecond, so the game's pace does not change.
  constexpr Uint32 kSliceMs = 20;
  const Uint64 start = SDL_GetTicks64();
  for (;;) {
    if (closeRequested()) return false;
    const Uint64 spent = SDL_GetTicks64() - start;
    if (spent >= static_cast<Uint64>(milliseconds < 0 ? 0 : milliseconds)) return true;
    const Uint64 left = static_cast<Uint64>(milliseconds) - spent;
    SDL_Delay(static_cast<Uint32>(left < kSliceMs ? left : kSliceMs));
  }
}

}  // namespace gxbase
