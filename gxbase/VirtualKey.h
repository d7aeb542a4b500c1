#pragma once
// Key codes as the handlers see them: blank 0x20, arrows left 0x25, up 0x26,
// right 0x27, down 0x28, F1..F12 0x70..0x7B, letters as upper-case ASCII,
// digits as ASCII, and a few editing keys with their usual codes.

namespace gxbase {

class VirtualKey {
 public:
  static constexpr int kBlank = 0x20;
  static constexpr int kLeft = 0x25;
  static constexpr int kUp = 0x26;
  static constexpr int kRight = 0x27;
  static constexpr int kDown = 0x28;
  static constexpr int kF1 = 0x70;

  // The code for a native key symbol; 0 for keys without one.
  static int FromNative(int keySymbol);
};

}  // namespace gxbase
