// Native keys become the key codes the handlers expect.
#include <gtest/gtest.h>

#include <SDL_keycode.h>

#include "gxbase/VirtualKey.h"

using gxbase::VirtualKey;

TEST(VirtualKeys, everyKeyMapsToItsCodeAndKeysWithoutOneToFF) {
  const struct { SDL_Keycode native; SDL_Scancode scan; bool numLock; int code; } keys[] = {
      {SDLK_SPACE, SDL_SCANCODE_SPACE, true, 0x20},   {SDLK_LEFT, SDL_SCANCODE_LEFT, true, 0x25},
      {SDLK_DOWN, SDL_SCANCODE_DOWN, false, 0x28},    {SDLK_F1, SDL_SCANCODE_F1, true, 0x70},
      {SDLK_F13, SDL_SCANCODE_F13, true, 0x7C},       {SDLK_F24, SDL_SCANCODE_F24, true, 0x87},
      {SDLK_a, SDL_SCANCODE_A, true, 'A'},            {SDLK_z, SDL_SCANCODE_Z, true, 'Z'},
      {SDLK_9, SDL_SCANCODE_9, true, '9'},            {SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, true, 0x1B},
      {SDLK_KP_0, SDL_SCANCODE_KP_0, true, 0x60},     {SDLK_KP_9, SDL_SCANCODE_KP_9, true, 0x69},
      {SDLK_KP_4, SDL_SCANCODE_KP_4, false, 0x25},    {SDLK_KP_8, SDL_SCANCODE_KP_8, false, 0x26},
      {SDLK_KP_5, SDL_SCANCODE_KP_5, false, 0x0C},    {SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD, false, 0x2E},
      {SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD, true, 0x6E}, {SDLK_KP_MULTIPLY, SDL_SCANCODE_KP_MULTIPLY, true, 0x6A},
      {SDLK_KP_DIVIDE, SDL_SCANCODE_KP_DIVIDE, false, 0x6F}, {SDLK_NUMLOCKCLEAR, SDL_SCANCODE_NUMLOCKCLEAR, false, 0x90},
      {SDLK_APPLICATION, SDL_SCANCODE_APPLICATION, true, 0x5D}, {SDLK_PERIOD, SDL_SCANCODE_PERIOD, true, 0xBE},
      {SDLK_SEMICOLON, SDL_SCANCODE_SEMICOLON, true, 0xBA}, {SDLK_QUOTE, SDL_SCANCODE_APOSTROPHE, true, 0xDE},
      {0xE4 /* a-umlaut on a German layout */, SDL_SCANCODE_APOSTROPHE, true, 0xDE},
      {SDLK_LEFTBRACKET, SDL_SCANCODE_LEFTBRACKET, true, 0xDB}, {SDLK_VOLUMEUP, SDL_SCANCODE_VOLUMEUP, true, 0xAF},
      {SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN, true, 0xFF}};
  for (const auto& key : keys) {
    EXPECT_EQ(VirtualKey::FromNative(key.native, key.scan, key.numLock), key.code) << "native key " << key.native;
  }
}
