#include "gxbase/VirtualKey.h"

#include <SDL.h>

namespace gxbase {

namespace {

struct KeyPair {
  SDL_Keycode native;
  int code;
};

constexpr KeyPair kSpecialKeys[] = {
    {SDLK_BACKSPACE, 0x08},   {SDLK_TAB, 0x09},          {SDLK_CLEAR, 0x0C},       {SDLK_RETURN, 0x0D},
    {SDLK_KP_ENTER, 0x0D},    {SDLK_LSHIFT, 0x10},       {SDLK_RSHIFT, 0x10},      {SDLK_LCTRL, 0x11},
    {SDLK_RCTRL, 0x11},       {SDLK_LALT, 0x12},         {SDLK_RALT, 0x12},        {SDLK_MODE, 0x12},
    {SDLK_PAUSE, 0x13},       {SDLK_CAPSLOCK, 0x14},     {SDLK_ESCAPE, 0x1B},      {SDLK_SPACE, 0x20},
    {SDLK_PAGEUP, 0x21},      {SDLK_PAGEDOWN, 0x22},     {SDLK_END, 0x23},         {SDLK_HOME, 0x24},
    {SDLK_LEFT, 0x25},        {SDLK_UP, 0x26},           {SDLK_RIGHT, 0x27},       {SDLK_DOWN, 0x28},
    {SDLK_SELECT, 0x29},      {SDLK_EXECUTE, 0x2B},      {SDLK_PRINTSCREEN, 0x2C}, {SDLK_INSERT, 0x2D},
    {SDLK_DELETE, 0x2E},      {SDLK_HELP, 0x2F},         {SDLK_LGUI, 0x5B},        {SDLK_RGUI, 0x5C},
    {SDLK_APPLICATION, 0x5D}, {SDLK_MENU, 0x5D},         {SDLK_SLEEP, 0x5F},       {SDLK_KP_MULTIPLY, 0x6A},
    {SDLK_KP_PLUS, 0x6B},     {SDLK_KP_COMMA, 0x6C},     {SDLK_KP_MINUS, 0x6D},    {SDLK_KP_DIVIDE, 0x6F},
    {SDLK_KP_EQUALS, 0xBB},   {SDLK_NUMLOCKCLEAR, 0x90}, {SDLK_SCROLLLOCK, 0x91},  {SDLK_AC_BACK, 0xA6},
    {SDLK_AC_FORWARD, 0xA7},  {SDLK_AC_REFRESH, 0xA8},   {SDLK_AC_STOP, 0xA9},     {SDLK_AC_SEARCH, 0xAA},
    {SDLK_AC_BOOKMARKS, 0xAB}, {SDLK_AC_HOME, 0xAC},     {SDLK_MUTE, 0xAD},        {SDLK_VOLUMEDOWN, 0xAE},
    {SDLK_VOLUMEUP, 0xAF},    {SDLK_AUDIONEXT, 0xB0},    {SDLK_AUDIOPREV, 0xB1},   {SDLK_AUDIOSTOP, 0xB2},
    {SDLK_AUDIOPLAY, 0xB3},   {SDLK_MAIL, 0xB4},         {SDLK_MEDIASELECT, 0xB5},
};

// Punctuation keys by their place on the keyboard, which is what their
// codes name: the symbols on them differ from one layout to another.
constexpr KeyPair kPunctuationKeys[] = {
    {SDL_SCANCODE_SEMICOLON, 0xBA},    {SDL_SCANCODE_EQUALS, 0xBB},       {SDL_SCANCODE_COMMA, 0xBC},
    {SDL_SCANCODE_MINUS, 0xBD},        {SDL_SCANCODE_PERIOD, 0xBE},       {SDL_SCANCODE_SLASH, 0xBF},
    {SDL_SCANCODE_GRAVE, 0xC0},        {SDL_SCANCODE_LEFTBRACKET, 0xDB},  {SDL_SCANCODE_BACKSLASH, 0xDC},
    {SDL_SCANCODE_RIGHTBRACKET, 0xDD}, {SDL_SCANCODE_APOSTROPHE, 0xDE},   {SDL_SCANCODE_NONUSHASH, 0xDF},
    {SDL_SCANCODE_NONUSBACKSLASH, 0xE2},
};

// The number pad in the order 0..9 and its decimal point: with Num Lock on
// the digits and the decimal key, with it off the keys printed beside them.
constexpr SDL_Keycode kPadKeys[] = {SDLK_KP_0, SDLK_KP_1, SDLK_KP_2, SDLK_KP_3, SDLK_KP_4, SDLK_KP_5,
                                    SDLK_KP_6, SDLK_KP_7, SDLK_KP_8, SDLK_KP_9, SDLK_KP_PERIOD};
constexpr int kPadDigitCodes[] = {0x60, 0x61, 0x62, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6E};
constexpr int kPadEditingCodes[] = {0x2D, 0x23, 0x28, 0x22, 0x25, 0x0C, 0x27, 0x24, 0x26, 0x21, 0x2E};

constexpr SDL_Keycode kFunctionKeys[] = {
    SDLK_F1,  SDLK_F2,  SDLK_F3,  SDLK_F4,  SDLK_F5,  SDLK_F6,  SDLK_F7,  SDLK_F8,
    SDLK_F9,  SDLK_F10, SDLK_F11, SDLK_F12, SDLK_F13, SDLK_F14, SDLK_F15, SDLK_F16,
    SDLK_F17, SDLK_F18, SDLK_F19, SDLK_F20, SDLK_F21, SDLK_F22, SDLK_F23, SDLK_F24};

template <typename T, size_t N>
int indexOf(const T (&keys)[N], T key) {
  for (size_t i = 0; i < N; ++i) {
    if (keys[i] == key) return static_cast<int>(i);
  }
  return -1;
}

int codeIn(const KeyPair* pairs, size_t count, int native) {
  for (size_t i = 0; i < count; ++i) {
    if (pairs[i].native == native) return pairs[i].code;
  }
  return 0;
}

}  // namespace

int VirtualKey::FromNative(int keySymbol, int scanCode, bool numLock) {
  const SDL_Keycode symbol = keySymbol;
  // Letter symbols are the lower-case characters; the codes are upper case.
  if (symbol >= SDLK_a && symbol <= SDLK_z) return symbol - SDLK_a + 'A';
  if (symbol >= SDLK_0 && symbol <= SDLK_9) return symbol;
  int index = indexOf(kFunctionKeys, symbol);
  if (index >= 0) return kF1 + index;
  index = indexOf(kPadKeys, symbol);
  if (index >= 0) return numLock ? kPadDigitCodes[index] : kPadEditingCodes[index];
  int code = codeIn(kSpecialKeys, SDL_arraysize(kSpecialKeys), symbol);
  if (code == 0) code = codeIn(kPunctuationKeys, SDL_arraysize(kPunctuationKeys), scanCode);
  return code != 0 ? code : kNoCode;
}

}  // namespace gxbase
