#include "gxbase/DisplayLoss.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <thread>

namespace gxbase {

namespace {

[[noreturn]] void displayLost() {
  // The watcher and Xlib may both notice; one line is enough.
  static std::atomic<bool> reported{false};
  if (!reported.exchange(true)) {
    std::fflush(stdout);
    char line[256];
    const int length = std::snprintf(line, sizeof line, "%s: display connection lost\n", program_invocation_short_name);
    if (length > 0) (void)!write(STDERR_FILENO, line, std::strlen(line));
  }
  // _exit, not exit: exit would run static destructors, which close windows
  // on the dead connection and never return.
  _exit(DisplayLoss::kExitStatus);
}

// Xlib calls this when a request or a read finds the connection gone. Its
// own default handler calls exit.
int onIoError(Display*) { displayLost(); }

// Sleeping between frames the program makes no X call for seconds; the
// watcher sees the server hang up meanwhile. It only polls the socket,
// never reads it, so Xlib's own reading is not disturbed.
void watchConnection(int fd) {
  pollfd entry{fd, POLLRDHUP, 0};
  for (;;) {
    entry.revents = 0;
    if (poll(&entry, 1, -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (entry.revents & POLLNVAL) return;  // closed by the program itself
    if (entry.revents & (POLLHUP | POLLRDHUP | POLLERR)) displayLost();
  }
}

}  // namespace

void DisplayLoss::Watch(void* nativeWindow) {
  static bool watching = false;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (watching || !SDL_GetWindowWMInfo(static_cast<SDL_Window*>(nativeWindow), &info) ||
      info.subsystem != SDL_SYSWM_X11) {
    return;
  }
  watching = true;
  XSetIOErrorHandler(onIoError);
  std::thread(watchConnection, ConnectionNumber(info.info.x11.display)).detach();
}

}  // namespace gxbase
