#include "tests/support/GlContext.h"

#include <GL/gl.h>
#include <SDL.h>
#include <SDL_image.h>

std::vector<unsigned char> readPixels(int x, int y, int width, int height) {
  glFinish();
  std::vector<unsigned char> pixels(size_t(width) * height * 3);
  GLint alignment = 4;
  glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, y, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  glPixelStorei(GL_PACK_ALIGNMENT, alignment);
  return pixels;
}

namespace {

using gxbase::Image;
using gxbase::PixelFormat;
using gxbase::RGB;
using gxbase::BGR;
using gxbase::RGBA;
using gxbase::BGRA;

bool SdlFormatOf(PixelFormat format, Uint32& sdlFormat) {
  switch (format) {
    case RGB: sdlFormat = SDL_PIXELFORMAT_RGB24; return true;
    case BGR: sdlFormat = SDL_PIXELFORMAT_BGR24; return true;
    case RGBA: sdlFormat = SDL_PIXELFORMAT_RGBA32; return true;
    case BGRA: sdlFormat = SDL_PIXELFORMAT_BGRA32; return true;
    default: return false;
  }
}

// A surface over a top-down copy of image's rows, for the picture writers.
class TopDownSurface {
 public:
  explicit TopDownSurface(const Image& image) : rows(image), surface(nullptr) {
    Uint32 sdlFormat;
    if (!image.IsValid() || !SdlFormatOf(image.Format(), sdlFormat)) return;
    rows.FlipVertical();
    surface = SDL_CreateRGBSurfaceWithFormatFrom(rows.Row(0), rows.Width(), rows.Height(),
                                                 rows.BytesPerPixel() * 8, rows.Stride(), sdlFormat);
  }
  ~TopDownSurface() { SDL_FreeSurface(surface); }
  SDL_Surface* Get() const { return surface; }

 private:
  Image rows;
  SDL_Surface* surface;
};

}  // namespace

bool WritePngFile(const Image& image, const char* path) {
  TopDownSurface surface(image);
  return surface.Get() != nullptr && IMG_SavePNG(surface.Get(), path) == 0;
}

bool WriteJpegFile(const Image& image, const char* path) {
  TopDownSurface surface(image);
  return surface.Get() != nullptr && IMG_SaveJPG(surface.Get(), path, 95) == 0;
}
