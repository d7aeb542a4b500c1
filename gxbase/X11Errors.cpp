#include "gxbase/X11Errors.h"

#include <SDL.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace gxbase {
namespace {

int reportAndEnd(Display* display, XErrorEvent* error) {
  char text[128] = {};
  XGetErrorText(display, error->error_code, text, sizeof text);
  std::fprintf(stderr, "A window of the program was destroyed from outside (X error: %s, resource 0x%lx); ending\n",
               text, error->resourceid);
  // No exit handlers: destructors would talk to the X server again from
  // inside this handler, while Xlib holds its lock.
  std::fflush(nullptr);
  std::_Exit(1);
}

}  // namespace

void InstallX11ErrorHandler() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver != nullptr && std::strcmp(driver, "x11") == 0) XSetErrorHandler(reportAndEnd);
}

}  // namespace gxbase
