#pragma once
// The record behind every GLWindow: the native window and GL context it owns
// while created, and the settings used for the next creation.

#include <string>
#include <vector>

namespace gxbase {

class GLWindow;

class WindowEx {
 public:
  // x or y with this value lets the system place the window.
  static constexpr int kDefaultPosition = 0x1FFF0000;
  // Number of bitmap-font display lists: one per character code 0..254.
  static constexpr unsigned kFontListCount = 255;

  explicit WindowEx(GLWindow* owner);
  virtual ~WindowEx();
  WindowEx(const WindowEx&) = delete;
  WindowEx& operator=(const WindowEx&) = delete;

  // Makes the native window and its GL context from the settings below,
  // shows it when visible and posts the creation notification. The new
  // context stays current. A failure writes one line to standard output and
  // returns false; whatever was made stays until Destroy.
  bool Create();
  // OnDestroy with the context current, then frees font lists, context and
  // native window. The position is remembered for the next Create.
  void Destroy();
  // Saves the current context on the context stack and makes this window's
  // current. On failure the saved level is undone and nothing changes.
  bool BeginGL();
  // Puts back the context saved by the matching BeginGL.
  void EndGL();
  // Draws text through this window's bitmap-font lists at the current raster
  // position; fontBase on success, 0 when nothing could be drawn.
  unsigned DrawText(const char* text);

  // Presents the back buffer; 0 without a native window.
  int SwapBuffers();
  // The picture last presented, with this window's context current: red,
  // green, blue bytes of Width() x Height() pixels, top row first. False
  // without a native window.
  bool ReadPresented(std::vector<unsigned char>& rgb) const;
  // Negative sizes become 0. The record always takes the values; a native
  // window is resized (client area) or moved at once.
  void SetSize(int newWidth, int newHeight);
  void SetPosition(int newX, int newY);
  // Raises the native window and gives it the keyboard, even on a display
  // without a window manager to do so; nothing without a native window.
  void TakeKeyboardFocus();

  // Handles one native event addressed to this window.
  void Dispatch(const void* event);
  // Delivers the pending repaint, if any; true when OnDisplay ran.
  bool PaintIfNeeded();
  void RequestPaint();
  void RequestClose();
  void Hide();

  bool HasNativeWindow() const { return window != nullptr; }
  bool HasContext() const { return context != nullptr; }
  bool IsShown() const;
  bool IsCurrent() const;
  bool NeedsPaint() const { return needsPaint; }
  unsigned NativeId() const;
  GLWindow* Owner() const { return owner; }

  // Settings and state, with the values a new record gets.
  int x = kDefaultPosition;
  int y = kDefaultPosition;
  int width = 320;
  int height = 240;
  int displayMode = 7;  // 4: double buffer, 1 clear: double buffer too, 8: stereo
  int colourBits = 24;
  int depthBits = 32;
  int stencilBits = 0;
  int alphaBits = 0;
  int accumulationBits = 0;
  std::string title = "OpenGL";
  int fontHeight = 0;  // below 1: the system font
  std::string fontFace;
  bool fontChanged = false;
  bool visible = true;
  bool fullScreen = false;
  bool fullScreenActive = false;
  bool topMost = false;
  bool inFrame = false;
  bool inCreationNotification = false;
  unsigned fontBase = 0;
  void* cursor = nullptr;  // null: the system's standard arrow

 private:
  bool OpenNativeWindow();
  bool OpenContext();
  void DeleteFontLists();
  void ReleaseNative();
  void Resized(int newWidth, int newHeight);
  void PresentBlank();
  void MouseMoved(int mouseX, int mouseY);
  void MouseButton(int button, bool down);
  void Keyboard(const void* nativeKey, bool down);
  void Closed();
  void CreationNotified();
  void WindowEvent(int kind, int data1, int data2);

  friend class GLWindow;

  GLWindow* owner;
  void* window = nullptr;   // the native window
  void* context = nullptr;  // its GL context
  bool needsPaint = false;
  bool sizeChanged = false;  // the drawable has not been presented since a resize
};

}  // namespace gxbase
