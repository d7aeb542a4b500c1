#include <GL/gl.h>
#include <SDL.h>

#include <algorithm>
#include <cstdio>

#include "gxbase/ContextStack.h"
#include "gxbase/DisplayLoss.h"
#include "gxbase/GLWindow.h"
#include "gxbase/Platform.h"
#include "gxbase/WindowEx.h"

namespace gxbase {

namespace {

SDL_Window* native(void* window) { return static_cast<SDL_Window*>(window); }

// A failure line on standard error, with the native layer's reason.
void fail(const char* what) {
  std::fprintf(stderr, "%s: %s\n", what, SDL_GetError());
}

// The frame-buffer request made from the record's settings.
struct PixelRequest {
  bool doubleBuffer;
  bool stereo;
  int colourBits;
  int alphaBits;
  int depthBits;
  int stencilBits;
  int accumulationBits;
};

PixelRequest requestOf(const WindowEx& record) {
  int mode = record.displayMode;
  return PixelRequest{(mode & 4) != 0 || (mode & 1) == 0,
                      (mode & 8) != 0,
                      record.colourBits & 0xFF,
                      record.alphaBits & 0xFF,
                      record.depthBits & 0xFF,
                      record.stencilBits & 0xFF,
                      record.accumulationBits & 0xFF};
}

// Weaker requests tried in turn when the native layer has no exact match,
// so the closest available format is taken.
PixelRequest relaxed(PixelRequest request, int step) {
  if (step >= 1) {
    request.depthBits = std::min(request.depthBits, 24);
    request.stereo = false;
    request.accumulationBits = 0;
  }
  if (step >= 2) {
    request.depthBits = std::min(request.depthBits, 16);
    request.colourBits = std::min(request.colourBits, 15);
    request.alphaBits = 0;
    request.stencilBits = 0;
  }
  return request;
}
constexpr int kRelaxSteps = 3;

void applyRequest(const PixelRequest& request) {
  SDL_GL_ResetAttributes();
  int channel = std::min(request.colourBits / 3, 8);
  int accumulation = std::min(request.accumulationBits / 3, 16);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, request.doubleBuffer ? 1 : 0);
  SDL_GL_SetAttribute(SDL_GL_STEREO, request.stereo ? 1 : 0);
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, channel);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, channel);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, channel);
  SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, request.alphaBits);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, request.depthBits);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, request.stencilBits);
  SDL_GL_SetAttribute(SDL_GL_ACCUM_RED_SIZE, accumulation);
  SDL_GL_SetAttribute(SDL_GL_ACCUM_GREEN_SIZE, accumulation);
  SDL_GL_SetAttribute(SDL_GL_ACCUM_BLUE_SIZE, accumulation);
  // The drawing is OpenGL 1.1 immediate mode.
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
}

// The current display mode's size, 640 x 480 when it cannot be read.
void displaySize(int* w, int* h) {
  SDL_DisplayMode mode;
  bool known = SDL_GetCurrentDisplayMode(0, &mode) == 0;
  *w = known ? mode.w : 640;
  *h = known ? mode.h : 480;
}

// Windows left to the system's placement cascade from near the top-left of
// the display, each further one 30 pixels down and right, starting over
// when a window would no longer fit. (Centring them, as the native layer
// would, stacks every default-placed window on top of the others.)
constexpr int kCascadeStart = 40;
constexpr int kCascadeStep = 30;

void cascadePosition(int w, int h, int* left, int* top) {
  static int placed = 0;
  SDL_Rect area;
  if (SDL_GetDisplayUsableBounds(0, &area) != 0) area = SDL_Rect{0, 0, 640, 480};
  int offset = kCascadeStart + kCascadeStep * placed;
  if (placed > 0 && (offset + w > area.w || offset + h > area.h)) {
    placed = 0;
    offset = kCascadeStart;
  }
  ++placed;
  if (*left == WindowEx::kDefaultPosition) *left = area.x + offset;
  if (*top == WindowEx::kDefaultPosition) *top = area.y + offset;
}

}  // namespace

bool WindowEx::Create() {
  if (window != nullptr) Destroy();
  if (!Platform::EnsureVideo()) {
    fail("Failed to create window");
    return false;
  }
  if (!OpenNativeWindow()) return false;
  DisplayLoss::Watch(window);
  if (!OpenContext()) return false;
  if (!BeginGL()) {
    fail("Failed to make GL context current");
    return false;
  }
  // No EndGL: the new window's context stays current after creation.
  SDL_GL_SetSwapInterval(0);  // the program paces itself
  if (visible) SDL_ShowWindow(native(window));
  SDL_GetWindowSize(native(window), &width, &height);
  // The first size arrives while the window is being made, as it would
  // from the native layer: before OnCreate.
  Resized(width, height);
  Platform::Post(Platform::Event::Created, NativeId(), 0);
  return true;
}

bool WindowEx::OpenNativeWindow() {
  // Shown only once the context exists, when visible is set.
  Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN;
  if (topMost) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
  int left = x, top = y, w = width, h = height;
  if (fullScreen) {
    flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    left = top = 0;
    displaySize(&w, &h);
    fullScreenActive = true;
  }
  // The native layer wants a size of at least one pixel.
  w = std::max(w, 1);
  h = std::max(h, 1);
  if (left == kDefaultPosition || top == kDefaultPosition) cascadePosition(w, h, &left, &top);
  if (!fullScreen) Platform::FitToUsableArea(left, top, &w, &h);

  for (int step = 0; step < kRelaxSteps && window == nullptr; ++step) {
    applyRequest(relaxed(requestOf(*this), step));
    window = SDL_CreateWindow(title.c_str(), left, top, w, h, flags);
  }
  if (window != nullptr) return true;

  // No GL-capable format at all: tell apart a native layer that cannot open
  // windows from one that only lacks a matching pixel format.
  window = SDL_CreateWindow(title.c_str(), left, top, w, h, flags & ~SDL_WINDOW_OPENGL);
  fail(window != nullptr ? "Failed to set pixel format" : "Failed to create window");
  return false;
}

bool WindowEx::OpenContext() {
  // Creating a context makes it current; the context stack must save the
  // one that was current before, so put that back first.
  SDL_Window* previousWindow = SDL_GL_GetCurrentWindow();
  SDL_GLContext previousContext = SDL_GL_GetCurrentContext();
  context = SDL_GL_CreateContext(native(window));
  SDL_GL_MakeCurrent(previousContext ? previousWindow : nullptr, previousContext);
  if (context == nullptr) {
    fail("Failed to create GL context");
    return false;
  }
  return true;
}

void WindowEx::Destroy() {
  if (window == nullptr && context == nullptr) return;
  bool current = BeginGL();
  owner->OnDestroy();
  if (current) {
    DeleteFontLists();
    EndGL();
  }
  fontBase = 0;
  if (window != nullptr) SDL_GetWindowPosition(native(window), &x, &y);
  ReleaseNative();
}

void WindowEx::DeleteFontLists() {
  if (fontBase != 0 && glIsList(fontBase)) glDeleteLists(fontBase, kFontListCount);
  fontBase = 0;
}

void WindowEx::ReleaseNative() {
  if (context != nullptr) {
    ContextStack::Forget(context);
    SDL_GL_DeleteContext(context);
    context = nullptr;
  }
  if (window != nullptr) {
    SDL_DestroyWindow(native(window));
    window = nullptr;
  }
  needsPaint = false;
  inCreationNotification = false;
}

}  // namespace gxbase
