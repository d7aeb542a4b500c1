#include "tools/Canvas.h"

#include <cmath>

Canvas::Canvas(int width, int height, Rgba background)
    : w(width), h(height), pixels(static_cast<size_t>(width) * height, background) {}

Rgba Canvas::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= w || y >= h) return TRANSPARENT;
  return pixels[static_cast<size_t>(y) * w + x];
}

void Canvas::set(int x, int y, Rgba colour) {
  if (x < 0 || y < 0 || x >= w || y >= h) return;
  pixels[static_cast<size_t>(y) * w + x] = colour;
}

void Canvas::fillRect(int x, int y, int width, int height, Rgba colour) {
  for (int j = y; j < y + height; ++j) {
    for (int i = x; i < x + width; ++i) set(i, j, colour);
  }
}

void Canvas::fillEllipse(double cx, double cy, double rx, double ry, Rgba colour) {
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const double dx = (x + 0.5 - cx) / rx;
      const double dy = (y + 0.5 - cy) / ry;
      if (dx * dx + dy * dy <= 1.0) set(x, y, colour);
    }
  }
}

void Canvas::clearWedge(double cx, double cy, double r, double a0, double a1, Rgba colour) {
  const double pi = std::acos(-1.0);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const double dx = x + 0.5 - cx;
      const double dy = cy - (y + 0.5);  // screen up is positive
      if (dx * dx + dy * dy > r * r) continue;
      double angle = std::atan2(dy, dx) * 180.0 / pi;
      if (angle < a0) angle += 360.0;
      if (angle >= a0 && angle <= a1) set(x, y, colour);
    }
  }
}

void Canvas::line(double x0, double y0, double x1, double y1, int thickness, Rgba colour) {
  const double length = std::hypot(x1 - x0, y1 - y0);
  const int steps = static_cast<int>(std::ceil(length * 2)) + 1;
  for (int s = 0; s <= steps; ++s) {
    const double t = static_cast<double>(s) / steps;
    const int x = static_cast<int>(std::floor(x0 + (x1 - x0) * t - thickness * 0.5 + 0.5));
    const int y = static_cast<int>(std::floor(y0 + (y1 - y0) * t - thickness * 0.5 + 0.5));
    fillRect(x, y, thickness, thickness, colour);
  }
}

void Canvas::frame(int x, int y, int width, int height, int thickness, Rgba colour) {
  fillRect(x, y, width, thickness, colour);
  fillRect(x, y + height - thickness, width, thickness, colour);
  fillRect(x, y, thickness, height, colour);
  fillRect(x + width - thickness, y, thickness, height, colour);
}
