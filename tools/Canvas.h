#pragma once
// A picture being drawn by the sprite tool: RGBA pixels, row 0 at the top,
// with a few filled shapes. Everything outside the canvas is clipped.

#include <cstdint>
#include <vector>

struct Rgba {
  std::uint8_t r, g, b, a;
};

constexpr Rgba TRANSPARENT{0, 0, 0, 0};

class Canvas {
 public:
  Canvas(int width, int height, Rgba background);

  int width() const { return w; }
  int height() const { return h; }
  Rgba pixel(int x, int y) const;  // TRANSPARENT outside the canvas

  void set(int x, int y, Rgba colour);
  void fillRect(int x, int y, int width, int height, Rgba colour);
  // Pixels whose centres lie inside the ellipse centred on (cx, cy).
  void fillEllipse(double cx, double cy, double rx, double ry, Rgba colour);
  void fillCircle(double cx, double cy, double r, Rgba colour) { fillEllipse(cx, cy, r, r, colour); }
  // Pixels whose centres lie inside the wedge from angle a0 to a1 (degrees,
  // 0 pointing right, counted anticlockwise as seen on screen) of a circle.
  void clearWedge(double cx, double cy, double r, double a0, double a1, Rgba colour);
  // A line of square dots of the given thickness.
  void line(double x0, double y0, double x1, double y1, int thickness, Rgba colour);
  // Outline of the rectangle, thickness pixels wide, inside it.
  void frame(int x, int y, int width, int height, int thickness, Rgba colour);

 private:
  int w;
  int h;
  std::vector<Rgba> pixels;
};
