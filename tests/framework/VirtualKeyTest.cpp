// Native key symbols become the key codes the handlers expect.
#include <gtest/gtest.h>

#include <SDL_keycode.h>

#include "gxbase/VirtualKey.h"

using gxbase::VirtualKey;

namespace {

struct KeyCase {
  SDL_Keycode native;
  int code;
};

const KeyCase kKeys[] = {
    {SDLK_SPACE, 0x20}, {SDLK_LEFT, 0x25}, {SDLK_UP, 0x26},  {SDLK_RIGHT, 0x27},
    {SDLK_DOWN, 0x28},  {SDLK_F1, 0x70},   {SDLK_F12, 0x7B}, {SDLK_a, 'A'},
    {SDLK_q, 'Q'},      {SDLK_z, 'Z'},     {SDLK_0, '0'},    {SDLK_9, '9'},
    {SDLK_RETURN, 0x0D}, {SDLK_ESCAPE, 0x1B},
};

}  // namespace

TEST(VirtualKeys, keysMapToTheirCodes) {
  for (const KeyCase& key : kKeys) {
    EXPECT_EQ(VirtualKey::FromNative(key.native), key.code) << "native key " << key.native;
  }
}

TEST(VirtualKeys, namedConstantsMatchTheTable) {
  EXPECT_EQ(VirtualKey::kBlank, VirtualKey::FromNative(SDLK_SPACE));
  EXPECT_EQ(VirtualKey::kLeft, VirtualKey::FromNative(SDLK_LEFT));
  EXPECT_EQ(VirtualKey::kUp, VirtualKey::FromNative(SDLK_UP));
  EXPECT_EQ(VirtualKey::kRight, VirtualKey::FromNative(SDLK_RIGHT));
  EXPECT_EQ(VirtualKey::kDown, VirtualKey::FromNative(SDLK_DOWN));
  EXPECT_EQ(VirtualKey::kF1, VirtualKey::FromNative(SDLK_F1));
}

TEST(VirtualKeys, keysWithoutCodeGiveZero) {
  EXPECT_EQ(VirtualKey::FromNative(SDLK_VOLUMEUP), 0);
  EXPECT_EQ(VirtualKey::FromNative(SDLK_UNKNOWN), 0);
}
