#pragma once
// Ends the program at once when its X server goes away (the session ends,
// X forwarding drops, the server is killed): one line "PROGRAM: display
// connection lost" on standard error and exit status 1, within moments,
// also while the program sleeps between frames. Nothing touches the dead
// connection again: no window is destroyed and no static object's
// destructor runs, so the program cannot hang in the native layer.

namespace gxbase {

class DisplayLoss {
 public:
  static constexpr int kExitStatus = 1;

  // Starts watching the display connection of a native window, if it has
  // one (an X11 window). Once per process; later calls do nothing.
  static void Watch(void* nativeWindow);
};

}  // namespace gxbase
