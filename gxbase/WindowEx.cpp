#include "gxbase/WindowEx.h"

#include <GL/gl.h>
#include <SDL.h>

#include <algorithm>

#include "gxbase/ContextStack.h"
#include "gxbase/GLWindow.h"
#include "gxbase/Platform.h"

namespace gxbase {

static_assert(WindowEx::kDefaultPosition == static_cast<int>(SDL_WINDOWPOS_UNDEFINED),
              "the default position must be the one the native layer understands");

namespace {

SDL_Window* native(void* window) { return static_cast<SDL_Window*>(window); }

}  // namespace

WindowEx::WindowEx(GLWindow* owner) : owner(owner) {}

WindowEx::~WindowEx() {
  // A window deleted while still open must not leave a native window behind
  // whose events would reach a deleted record.
  if (window != nullptr || context != nullptr) ReleaseNative();
}

bool WindowEx::BeginGL() {
  if (window == nullptr || context == nullptr) return false;
  ContextStack::Push();
  if (SDL_GL_MakeCurrent(native(window), context) == 0) return true;
  // Undo the level at once, so a failed BeginGL needs no EndGL.
  ContextStack::Pop();
  return false;
}

void WindowEx::EndGL() { ContextStack::Pop(); }

int WindowEx::SwapBuffers() {
  if (window == nullptr) return 0;
  // Presenting needs this window's context current on the calling thread.
  bool switched = !IsCurrent() && BeginGL();
  SDL_GL_SwapWindow(native(window));
  if (switched) EndGL();
  return 1;
}

void WindowEx::SetSize(int newWidth, int newHeight) {
  if (newWidth < 0) newWidth = 0;
  if (newHeight < 0) newHeight = 0;
  if (window != nullptr) {
    int left = 0, top = 0;
    SDL_GetWindowPosition(native(window), &left, &top);
    Platform::FitToUsableArea(left, top, &newWidth, &newHeight);
    SDL_SetWindowSize(native(window), newWidth, newHeight);
    sizeChanged = true;
  }
  width = newWidth;
  height = newHeight;
}

void WindowEx::SetPosition(int newX, int newY) {
  if (window != nullptr) SDL_SetWindowPosition(native(window), newX, newY);
  x = newX;
  y = newY;
}

bool WindowEx::ReadPresented(std::vector<unsigned char>& rgb) const {
  if (window == nullptr) return false;
  const int w = width;
  const int h = height;
  std::vector<unsigned char> rows(static_cast<size_t>(w) * h * 3);
  // Tightly packed rows; GL's rows come bottom first.
  GLint packAlignment = 4;
  GLint readBuffer = GL_BACK;
  glGetIntegerv(GL_PACK_ALIGNMENT, &packAlignment);
  glGetIntegerv(GL_READ_BUFFER, &readBuffer);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadBuffer(GL_FRONT);
  glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, rows.data());
  glReadBuffer(static_cast<GLenum>(readBuffer));
  glPixelStorei(GL_PACK_ALIGNMENT, packAlignment);
  const size_t stride = static_cast<size_t>(w) * 3;
  rgb.resize(rows.size());
  for (int y = 0; y < h; ++y) {
    std::copy_n(rows.data() + static_cast<size_t>(h - 1 - y) * stride, stride, rgb.data() + y * stride);
  }
  return true;
}

void WindowEx::TakeKeyboardFocus() {
  if (window == nullptr) return;
  SDL_RaiseWindow(native(window));
  // Without a window manager raising does not move the focus: ask the display.
  SDL_SetWindowInputFocus(native(window));
}

void WindowEx::RequestPaint() {
  if (window != nullptr) needsPaint = true;
}

void WindowEx::RequestClose() {
  if (window != nullptr) Platform::Post(Platform::Event::CloseRequest, NativeId(), 0);
}

void WindowEx::Hide() {
  if (window != nullptr) {
    SDL_HideWindow(native(window));
  } else {
    visible = false;
  }
}

bool WindowEx::PaintIfNeeded() {
  // Hidden windows are not painted; their request waits until they show.
  if (!needsPaint || !IsShown()) return false;
  needsPaint = false;
  if (BeginGL()) {
    if (sizeChanged) PresentBlank();
    owner->OnDisplay();
    EndGL();
  }
  return true;
}

void WindowEx::PresentBlank() {
  // A GL drawable (Mesa under X11) takes a new window size only at a buffer
  // swap: a picture drawn before it lands in the old-sized buffer and shows
  // cropped. A blank frame presented first makes the paint fill the window.
  glClear(GL_COLOR_BUFFER_BIT);
  SDL_GL_SwapWindow(native(window));
  sizeChanged = false;
}

bool WindowEx::IsShown() const {
  return window != nullptr && (SDL_GetWindowFlags(native(window)) & SDL_WINDOW_SHOWN) != 0;
}

bool WindowEx::IsCurrent() const {
  return context != nullptr && SDL_GL_GetCurrentContext() == context;
}

unsigned WindowEx::NativeId() const { return window != nullptr ? SDL_GetWindowID(native(window)) : 0; }

}  // namespace gxbase
