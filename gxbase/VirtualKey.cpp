#include "gxbase/VirtualKey.h"

#include <SDL.h>

namespace gxbase {

namespace {

struct KeyPair {
  SDL_Keycode native;
  int code;
};

constexpr KeyPair kSpecialKeys[] = {
    {SDLK_BACKSPACE, 0x08}, {SDLK_TAB, 0x09},      {SDLK_RETURN, 0x0D},   {SDLK_KP_ENTER, 0x0D},
    {SDLK_LSHIFT, 0x10},    {SDLK_RSHIFT, 0x10},   {SDLK_LCTRL, 0x11},    {SDLK_RCTRL, 0x11},
    {SDLK_LALT, 0x12},      {SDLK_RALT, 0x12},     {SDLK_PAUSE, 0x13},    {SDLK_CAPSLOCK, 0x14},
    {SDLK_ESCAPE, 0x1B},    {SDLK_SPACE, 0x20},    {SDLK_PAGEUP, 0x21},   {SDLK_PAGEDOWN, 0x22},
    {SDLK_END, 0x23},       {SDLK_HOME, 0x24},     {SDLK_LEFT, 0x25},     {SDLK_UP, 0x26},
    {SDLK_RIGHT, 0x27},     {SDLK_DOWN, 0x28},     {SDLK_INSERT, 0x2D},   {SDLK_DELETE, 0x2E},
};

constexpr SDL_Keycode kFunctionKeys[] = {SDLK_F1, SDLK_F2, SDLK_F3,  SDLK_F4,  SDLK_F5,  SDLK_F6,
                                         SDLK_F7, SDLK_F8, SDLK_F9, SDLK_F10, SDLK_F11, SDLK_F12};

}  // namespace

int VirtualKey::FromNative(int keySymbol) {
  // Letter symbols are the lower-case characters; the codes are upper case.
  if (keySymbol >= SDLK_a && keySymbol <= SDLK_z) return keySymbol - SDLK_a + 'A';
  if (keySymbol >= SDLK_0 && keySymbol <= SDLK_9) return keySymbol;
  for (int i = 0; i < static_cast<int>(SDL_arraysize(kFunctionKeys)); ++i) {
    if (kFunctionKeys[i] == keySymbol) return kF1 + i;
  }
  for (const KeyPair& pair : kSpecialKeys) {
    if (pair.native == keySymbol) return pair.code;
  }
  return 0;
}

}  // namespace gxbase
