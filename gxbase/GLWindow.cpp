#include "gxbase/GLWindow.h"

#include <GL/gl.h>

#include <cassert>
#include <cstdarg>
#include <cstdio>
#include <memory>
#include <new>

#include "gxbase/Main.h"
#include "gxbase/WindowEx.h"

namespace gxbase {

namespace {

constexpr int kTextBufferSize = 1024;

}  // namespace

GLWindow::GLWindow() : extra(nullptr) {
  Main& main = Main::Instance();
  if (!main.RegisterWindowClass()) {
    std::fputs("Failed to register window class\n", stderr);
    return;
  }
  extra = new (std::nothrow) WindowEx(this);
  assert(extra != nullptr && "GLWindow: the window record could not be allocated");
  main.AddWindow(extra);
}

GLWindow::~GLWindow() {
  if (extra == nullptr) return;
  Main::Instance().RemoveWindow(extra);
  delete extra;
}

void GLWindow::OnDisplay() {
  glClear(GL_COLOR_BUFFER_BIT);
  SwapBuffers();
}

void GLWindow::OnResize(int width, int height) { glViewport(0, 0, width, height); }

int GLWindow::SwapBuffers() { return extra != nullptr ? extra->SwapBuffers() : 0; }

void GLWindow::Redraw() {
  if (extra != nullptr) extra->RequestPaint();
}

void GLWindow::Close() {
  if (extra != nullptr) extra->RequestClose();
}

void GLWindow::SetSize(int width, int height) {
  if (extra != nullptr) extra->SetSize(width, height);
}

void GLWindow::SetPosition(int x, int y) {
  if (extra != nullptr) extra->SetPosition(x, y);
}

int GLWindow::Width() const { return extra != nullptr ? extra->width : 0; }

int GLWindow::Height() const { return extra != nullptr ? extra->height : 0; }

unsigned GLWindow::Printf(const char* format, ...) {
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[kTextBufferSize]);
  if (!buffer) return 0;

  va_list args;
  va_start(args, format);
  int length = std::vsnprintf(buffer.get(), kTextBufferSize, format, args);
  va_end(args);
  // Text that does not fit with its terminating zero is not drawn at all.
  if (length < 0 || length >= kTextBufferSize || extra == nullptr) return 0;

  unsigned base = extra->DrawText(buffer.get());
  // A font that failed to build gets one more chance.
  if (base == 0) base = extra->DrawText(buffer.get());
  return base;
}

bool GLWindow::HasContext() const { return extra != nullptr && extra->HasContext(); }

}  // namespace gxbase
