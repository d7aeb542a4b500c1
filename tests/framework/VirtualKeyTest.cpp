// Native key symbols become the key codes the handlers expect.
#include <gtest/gtest.h>

#include <SDL_keycode.h>

#include "gxbase/VirtualKey.h"

using gxbase::VirtualKey;

TEST(VirtualKeys, keysMapToTheirCodesAndKeysWithoutOneToZero) {
  const struct { SDL_Keycode native; int code; } keys[] = {
      {SDLK_SPACE, 0x20},  {SDLK_LEFT, 0x25},   {SDLK_UP, 0x26},      {SDLK_RIGHT, 0x27}, {SDLK_DOWN, 0x28},
      {SDLK_F1, 0x70},     {SDLK_F12, 0x7B},    {SDLK_a, 'A'},        {SDLK_z, 'Z'},      {SDLK_0, '0'},
      {SDLK_9, '9'},       {SDLK_RETURN, 0x0D}, {SDLK_ESCAPE, 0x1B},  {SDLK_VOLUMEUP, 0}, {SDLK_UNKNOWN, 0}};
  for (const auto& key : keys) {
    EXPECT_EQ(VirtualKey::FromNative(key.native), key.code) << "native key " << key.native;
  }
}
