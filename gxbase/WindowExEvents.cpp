#include <SDL.h>

#include "gxbase/GLWindow.h"
#include "gxbase/Main.h"
#include "gxbase/Platform.h"
#include "gxbase/VirtualKey.h"
#include "gxbase/WindowEx.h"

namespace gxbase {

namespace {

// Handler numbering of the mouse buttons: 0 left, 1 middle, 2 right.
int handlerButton(Uint8 nativeButton) {
  switch (nativeButton) {
    case SDL_BUTTON_LEFT: return 0;
    case SDL_BUTTON_MIDDLE: return 1;
    case SDL_BUTTON_RIGHT: return 2;
    default: return -1;
  }
}

}  // namespace

void WindowEx::Dispatch(const void* event) {
  const SDL_Event& e = *static_cast<const SDL_Event*>(event);
  owner->OnMessage(event);
  switch (e.type) {
    case SDL_WINDOWEVENT: WindowEvent(e.window.event, e.window.data1, e.window.data2); return;
    case SDL_KEYDOWN: Keyboard(&e.key.keysym, true); return;  // also on auto-repeat
    case SDL_KEYUP: Keyboard(&e.key.keysym, false); return;
    case SDL_MOUSEMOTION: MouseMoved(e.motion.x, e.motion.y); return;
    case SDL_MOUSEBUTTONDOWN: MouseButton(handlerButton(e.button.button), true); return;
    case SDL_MOUSEBUTTONUP: MouseButton(handlerButton(e.button.button), false); return;
    default: break;
  }
  Platform::Event framework;
  if (!Platform::Classify(e.type, &framework)) return;
  if (framework == Platform::Event::Created) CreationNotified();
  if (framework == Platform::Event::CloseRequest) Closed();
}

void WindowEx::WindowEvent(int kind, int data1, int data2) {
  switch (kind) {
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      // A new size means a new picture, drawn whole (see PaintIfNeeded).
      sizeChanged = needsPaint = true;
      Resized(data1, data2);
      break;
    case SDL_WINDOWEVENT_EXPOSED: needsPaint = true; break;
    case SDL_WINDOWEVENT_CLOSE: Closed(); break;
    case SDL_WINDOWEVENT_ENTER:
      inFrame = false;
      if (cursor != nullptr) SDL_SetCursor(static_cast<SDL_Cursor*>(cursor));
      break;
    default: break;
  }
}

void WindowEx::Resized(int newWidth, int newHeight) {
  width = newWidth;
  height = newHeight;
  if (BeginGL()) {
    owner->OnResize(newWidth, newHeight);
    EndGL();
  }
}

void WindowEx::MouseMoved(int mouseX, int mouseY) {
  if (BeginGL()) {
    // Handlers count y from the bottom edge, as GL does.
    owner->OnMouseMove(mouseX, height - 1 - mouseY);
    EndGL();
  }
  inFrame = false;
}

void WindowEx::MouseButton(int button, bool down) {
  if (button < 0 || !BeginGL()) return;
  // While a button is held the pointer stays ours, also outside the window.
  SDL_CaptureMouse(down ? SDL_TRUE : SDL_FALSE);
  owner->OnMouseButton(button, down);
  EndGL();
}

void WindowEx::Keyboard(const void* nativeKey, bool down) {
  const SDL_Keysym& key = *static_cast<const SDL_Keysym*>(nativeKey);
  owner->OnKeyboard(VirtualKey::FromNative(key.sym, key.scancode, (key.mod & KMOD_NUM) != 0), down);
}

void WindowEx::Closed() {
  Main& main = Main::Instance();
  if (main.IsMainWindow(this)) {
    Destroy();
    main.PostQuit(main.closeExitCode);
  } else {
    Hide();
  }
}

void WindowEx::CreationNotified() {
  if (inCreationNotification) return;
  inCreationNotification = true;
  if (BeginGL()) {
    owner->OnCreate();
    EndGL();
  }
  inCreationNotification = false;
}

}  // namespace gxbase
