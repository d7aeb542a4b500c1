#pragma once
// Key codes as the handlers see them, those of the Windows virtual-key set:
// blank 0x20, arrows left 0x25, up 0x26, right 0x27, down 0x28, F1..F24
// 0x70..0x87, letters as upper-case ASCII, digits as ASCII, number-pad
// digits 0x60..0x69 and operators 0x6A..0x6F, punctuation 0xBA..0xC0 and
// 0xDB..0xDF, Num Lock 0x90, Menu 0x5D, and the editing, lock, modifier and
// media keys with their usual codes. With Num Lock off the number pad gives
// the codes of the keys printed on it (arrows, Home, Insert, ...). A key
// without a code of its own gives 0xFF, as it does on that platform, so
// every key press reaches the handlers.

namespace gxbase {

class VirtualKey {
 public:
  static constexpr int kBlank = 0x20;
  static constexpr int kLeft = 0x25;
  static constexpr int kUp = 0x26;
  static constexpr int kRight = 0x27;
  static constexpr int kDown = 0x28;
  static constexpr int kF1 = 0x70;
  static constexpr int kNoCode = 0xFF;

  // The code for a native key: its symbol, its physical (scan) code, and
  // whether Num Lock was on.
  static int FromNative(int keySymbol, int scanCode, bool numLock);
};

}  // namespace gxbase
