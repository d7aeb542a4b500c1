#pragma once
// The application object and the framework singleton that runs it.

#include <vector>

namespace gxbase {

class WindowEx;

// Exactly one object of a class derived from App may exist; it registers
// itself on construction. A second one ends the process with status 1.
class App {
 public:
  App();
  virtual ~App();

  virtual void OnStart() {}             // before any native window exists
  virtual void OnIdle() {}              // every idle pass, before the windows'
  virtual void OnTimer(double /*seconds*/) {}
  virtual void OnExit() {}              // after the message loop has ended
};

// The framework singleton: the application object, the windows in
// construction order, the application timer and where reports go.
//
// Running a program: construct the App object and its windows, then
//   int main(int argc, char** argv) { return gxbase::Entry(argc, argv); }
// Run calls OnStart, creates every window's native window in order, runs the
// message loop until the main window is closed, destroys the remaining
// windows, stops the timer, calls OnExit and returns the exit code.
class Main {
 public:
  // Reads the millisecond tick count handed to OnTimer. It is called on the
  // timer's own thread, so it must be safe to call from any thread.
  using TickSource = unsigned (*)();

  // The singleton, created on first use and destroyed at process exit.
  static Main& Instance();
  virtual ~Main();
  Main(const Main&) = delete;
  Main& operator=(const Main&) = delete;

  // The program's life: closeExitCode (0 unless set) after the main window
  // was closed, -1 without an application object, 1 when the main window
  // could not be created.
  int Run(int argc, char** argv);
  // Dispatches events, paints and idle passes until the quit request;
  // returns the exit code it carries.
  int MessageLoop();
  // One idle pass: the application's OnIdle, then every window's, in order.
  void Idle();
  // Asks the loop to end with the given exit code once it reaches the request.
  void PostQuit(int exitCode);
  // Blocks the calling thread for the given milliseconds, but returns as
  // soon as a close or quit request waits in the queue (where it stays for
  // the loop to handle), so a pause never holds up a close. False when it
  // returned early.
  static bool Pause(int milliseconds);
  // False when the windows are opened without a display (SDL's offscreen or
  // dummy driver), so no key can ever arrive; true before any window opened.
  static bool HasKeyboard();

  // Starts, changes or (with 0) stops the application timer; intervals
  // below 10 ms become 10. Returns the interval in force, 0 when stopped.
  unsigned SetTimerInterval(unsigned milliseconds);
  unsigned TimerInterval() const { return timerInterval; }
  int TimerId() const { return timerId; }
  // Replaces the clock read at each tick; nullptr restores the system's.
  void SetTickSource(TickSource source);

  // Window sequence. The first record added to an empty sequence becomes the
  // main window; removing a record never changes which one is main.
  bool RegisterWindowClass();
  bool AddWindow(WindowEx* window);
  void RemoveWindow(WindowEx* window);
  bool IsMainWindow(const WindowEx* window) const;
  const std::vector<WindowEx*>& Windows() const { return windows; }

  // printf-style report to standard output (console) or a message box
  // captioned "Message". Text of 1024 characters or more is dropped.
  void LogMessage(const char* format, ...)
#if defined(__GNUC__)
      __attribute__((format(printf, 2, 3)))
#endif
      ;

  App* app = nullptr;
  int argc = 0;
  char** argv = nullptr;
  bool console = false;
  // The exit code the program ends with when its main window is closed.
  int closeExitCode = 0;

 private:
  Main() = default;
  friend class App;

  // Hands one native event to its window or the timer; true for the quit
  // request, whose exit code it stores.
  bool DispatchEvent(const void* event, int* exitCode);
  void DispatchTimerTick(unsigned milliseconds);
  bool CreateWindows();
  void DestroyWindows();

  std::vector<WindowEx*> windows;
  WindowEx* mainWindow = nullptr;
  bool classRegistered = false;
  int timerId = 0;
  unsigned timerInterval = 0;
};

// The program entry: sends reports to standard output and runs the program.
int Entry(int argc, char** argv);

}  // namespace gxbase
