#pragma once
// Test support: a hidden window with a current OpenGL context to draw into
// and read back, and a PNG writer for making picture files. Works under
// SDL's offscreen video driver, without a display.

#include <vector>

struct SDL_Window;

namespace gxbase {

class Image;

class OffscreenContext {
 public:
  // Makes a hidden width x height window with a compatibility GL context
  // current, with a projection of one unit per pixel, origin bottom left.
  OffscreenContext(int width, int height);
  ~OffscreenContext();
  OffscreenContext(const OffscreenContext&) = delete;
  OffscreenContext& operator=(const OffscreenContext&) = delete;

  // False when no window or context could be made; the reason is in Error().
  bool IsReady() const { return context != nullptr; }
  const char* Error() const;

  // Red, green, blue, alpha bytes of the drawing buffer, bottom row first.
  std::vector<unsigned char> ReadPixels(int x, int y, int width, int height) const;

 private:
  SDL_Window* window;
  void* context;
  bool videoStarted;
};

// Writes an RGB, BGR, RGBA or BGRA image (alpha kept) as a PNG file.
bool WritePngFile(const Image& image, const char* path);
// Writes an RGB or BGR image as a JPEG file of high quality.
bool WriteJpegFile(const Image& image, const char* path);

}  // namespace gxbase
