#pragma once
// The base class of every window: a native window with its own OpenGL
// context, whose events arrive at the virtual handlers below.
//
// Calling order: constructor (no native window yet) -> Create (by Main::Run)
// -> OnCreate on the first loop pass that reaches it -> OnResize, OnDisplay,
// input handlers, OnIdle -> OnDestroy inside Destroy -> destructor.
// Handlers marked [GL] run with the window's context current.

namespace gxbase {

class WindowEx;

class GLWindow {
 public:
  GLWindow();
  virtual ~GLWindow();

  virtual void OnCreate() {}                          // [GL] once after each Create
  virtual void OnDestroy() {}                         // [GL] inside Destroy
  virtual void OnDisplay();                           // [GL] clear, then SwapBuffers
  virtual void OnResize(int width, int height);       // [GL] viewport to the new size
  virtual void OnMouseButton(int /*button*/, bool /*down*/) {}  // [GL] 0 left, 1 middle, 2 right
  virtual void OnMouseMove(int /*x*/, int /*y*/) {}   // [GL] y counted from the bottom
  virtual void OnKeyboard(int /*key*/, bool /*down*/) {}  // virtual-key code (0x20 blank, 0x25..0x28 arrows, 0x70 F1)
  virtual void OnMenu(int /*id*/) {}
  virtual void OnIdle() {}                            // every idle pass, no context made current
  virtual void OnMessage(const void* /*event*/) {}    // every native event for this window, first

  // Presents the back buffer; 0 when there is no native window.
  int SwapBuffers();
  // Asks for a repaint: OnDisplay runs later from the loop, once for any
  // number of requests, before the next idle pass. No-op without a native window.
  void Redraw();
  // Posts a close request; the main window then ends the program, any other hides.
  void Close();
  void SetSize(int width, int height);
  void SetPosition(int x, int y);
  int Width() const;
  int Height() const;
  // printf-style text at the current raster position in the current colour;
  // returns the font's first display list, 0 when nothing was drawn.
  unsigned Printf(const char* format, ...)
#if defined(__GNUC__)
      __attribute__((format(printf, 2, 3)))
#endif
      ;

  // True between a successful Create and Destroy: the window has a GL context.
  bool HasContext() const;

  WindowEx* Extra() { return extra; }
  const WindowEx* Extra() const { return extra; }

 private:
  WindowEx* extra;
};

}  // namespace gxbase
