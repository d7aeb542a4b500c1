#pragma once
// The application object and the framework singleton that runs it.

namespace gxbase {

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

}  // namespace gxbase
