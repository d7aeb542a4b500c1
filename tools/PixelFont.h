#pragma once
// A blocky 5 x 7 capital-letter font for the screen images, drawn with each
// font pixel as a square of `scale` canvas pixels.

#include <string>

#include "tools/Canvas.h"

class PixelFont {
 public:
  static constexpr int GLYPH_WIDTH = 5;
  static constexpr int GLYPH_HEIGHT = 7;

  // Width in canvas pixels: glyphs with one font pixel of space between them.
  static int textWidth(const std::string& text, int scale);
  // Draws text with its top-left corner at (x, y); unknown characters draw as blanks.
  static void draw(Canvas& canvas, const std::string& text, int x, int y, int scale, Rgba colour);
  // The glyph's seven rows of five characters ('#' set), or null if none.
  static const char* const* glyph(char c);
};
