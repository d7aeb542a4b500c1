#include "gxbase/SurfaceCopy.h"

#include "gxbase/DecodeLimits.h"
#include "gxbase/Image.h"

#include <SDL.h>

#include <cstdint>
#include <cstring>

namespace gxbase {
namespace {

// c over white with coverage alpha, rounded to nearest.
unsigned char OverWhite(int c, int alpha) {
  return static_cast<unsigned char>((c * alpha + 255 * (255 - alpha) + 127) / 255);
}

// source holds RGBA32 pixels (bytes red, green, blue, alpha).
void CopyRows(const SDL_Surface* source, Image& image, bool overWhite) {
  const int width = image.Width();
  const int height = image.Height();
  const int padding = image.Padding();
  for (int y = 0; y < height; ++y) {
    const unsigned char* in = static_cast<const unsigned char*>(source->pixels) + int64_t(y) * source->pitch;
    unsigned char* out = image.Row(height - 1 - y);  // SDL rows run top-down
    for (int x = 0; x < width; ++x, in += 4, out += 3) {
      const int alpha = overWhite ? in[3] : 255;
      out[0] = OverWhite(in[2], alpha);
      out[1] = OverWhite(in[1], alpha);
      out[2] = OverWhite(in[0], alpha);
    }
    std::memset(out, 0, padding);
  }
}

}  // namespace

bool CopySurface(SDL_Surface* surface, Image& image, bool overWhite) {
  image.Free();
  if (surface == nullptr || surface->w <= 0 || surface->h <= 0) return false;
  if (int64_t(surface->w) * surface->h > kMaxDecodedPixels) return false;
  const int64_t stride = (int64_t(surface->w) * 24 + 31) / 32 * 4;
  if (!image.Allocate(surface->w, surface->h, BGR, static_cast<int>(stride - 3 * int64_t(surface->w))))
    return false;
  SDL_Surface* rgba = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_RGBA32, 0);
  if (rgba == nullptr) {
    image.Free();
    return false;
  }
  SDL_LockSurface(rgba);
  CopyRows(rgba, image, overWhite);
  SDL_UnlockSurface(rgba);
  SDL_FreeSurface(rgba);
  return true;
}

}  // namespace gxbase
