#include "gxbase/Platform.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include "gxbase/X11Errors.h"

namespace gxbase {

namespace {

constexpr int kEventCount = 4;

struct State {
  bool events = false;
  bool video = false;
  Uint32 firstEvent = 0;
};

State& state() {
  static State instance;
  return instance;
}

}  // namespace

bool Platform::EnsureEvents() {
  State& s = state();
  if (s.events) return true;
  // Ctrl-C should end the program as usual, not become a quit event that
  // the loop does not act on.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) return false;
  Uint32 first = SDL_RegisterEvents(kEventCount);
  if (first == static_cast<Uint32>(-1)) return false;
  s.firstEvent = first;
  s.events = true;
  return true;
}

bool Platform::EnsureVideo() {
  State& s = state();
  if (s.video) return true;
  if (!EnsureEvents()) return false;
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
  // Keep the GL library loaded for the whole run: otherwise it is unloaded
  // and loaded again whenever the last window closes and a new one opens.
  SDL_GL_LoadLibrary(nullptr);
  InstallX11ErrorHandler();
  s.video = true;
  return true;
}

bool Platform::UseOffscreenVideo() {
  if (state().video) {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver != nullptr && SDL_strcmp(driver, "offscreen") == 0;
  }
  return SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen") == SDL_TRUE;
}

bool Platform::Post(Event event, unsigned windowId, int code) {
  if (!EnsureEvents()) return false;
  SDL_Event e;
  SDL_zero(e);
  e.type = TypeOf(event);
  e.user.windowID = windowId;
  e.user.code = code;
  return SDL_PushEvent(&e) == 1;
}

bool Platform::Classify(unsigned eventType, Event* event) {
  const State& s = state();
  if (!s.events || eventType < s.firstEvent || eventType >= s.firstEvent + kEventCount) {
    return false;
  }
  *event = static_cast<Event>(eventType - s.firstEvent);
  return true;
}

unsigned Platform::TypeOf(Event event) {
  EnsureEvents();
  return state().firstEvent + static_cast<Uint32>(event);
}

void Platform::Shutdown() {
  // Only the font library is closed. The native layer stays up to the very
  // end of the process: shutting it down unloads the GL driver, whose
  // process-long allocations would then look like leaks of this program.
  if (TTF_WasInit()) TTF_Quit();
}

void Platform::FitToUsableArea(int x, int y, int* width, int* height) {
  int display = 0;
  const SDL_Point corner{x, y};
  for (int i = 0; i < SDL_GetNumVideoDisplays(); ++i) {
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(i, &bounds) == 0 && SDL_PointInRect(&corner, &bounds)) display = i;
  }
  SDL_Rect area;
  if (SDL_GetDisplayUsableBounds(display, &area) != 0 || area.w < 1 || area.h < 1) return;
  if (*width > area.w) *width = area.w;
  if (*height > area.h) *height = area.h;
}

}  // namespace gxbase
