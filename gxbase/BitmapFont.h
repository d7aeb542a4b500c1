#pragma once
// Turns a font into bitmap display lists, one per character code 0..254
// (Latin-1), for drawing text at the GL raster position.

#include <string>

namespace gxbase {

class BitmapFont {
 public:
  // Height of the system font in pixels.
  static constexpr int kSystemHeight = 14;

  // Reserves 255 display lists in the current GL context and fills them
  // from the font with this face and pixel height, or from the system font
  // (a monospaced face) when the height is below 1 or the face cannot be
  // had. Returns the first list, 0 on failure (nothing left reserved).
  static unsigned Build(const std::string& face, int height);
};

}  // namespace gxbase
