#pragma once
// A hidden window with a current OpenGL context to draw into (it works under
// SDL's offscreen video driver, without a display), the one way tests read
// pixels back, and picture writers for making test files.

#include <vector>

#include "gxbase/Image.h"

struct SDL_Window;

class OffscreenContext {
 public:
  // A hidden width x height window whose compatibility context is made
  // current, projected one unit per pixel with the origin bottom left.
  OffscreenContext(int width, int height);
  ~OffscreenContext();
  OffscreenContext(const OffscreenContext&) = delete;
  OffscreenContext& operator=(const OffscreenContext&) = delete;

  // False when no window or context could be made; the reason is in error().
  bool ready() const { return context != nullptr; }
  const char* error() const;

 private:
  SDL_Window* window = nullptr;
  void* context = nullptr;
  bool videoStarted = false;
};

// Red, green, blue bytes of the current read buffer, bottom row first.
std::vector<unsigned char> readPixels(int x, int y, int width, int height);

// Writes an RGB, BGR, RGBA or BGRA image (alpha kept) as a PNG file, or an
// RGB or BGR one as a JPEG of high quality.
bool WritePngFile(const gxbase::Image& image, const char* path);
bool WriteJpegFile(const gxbase::Image& image, const char* path);
