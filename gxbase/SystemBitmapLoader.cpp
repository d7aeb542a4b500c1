#include "gxbase/SystemBitmapLoader.h"

#include "gxbase/ByteFile.h"
#include "gxbase/DecodeLimits.h"
#include "gxbase/SystemDecode.h"

#include <SDL.h>

namespace gxbase {
namespace {

SDL_Surface* DecodeBitmap(SDL_RWops* stream) { return SDL_LoadBMP_RW(stream, 0); }

SurfaceDecoder ChooseBitmap(ByteFile& file) { return BitmapSizeAcceptable(file) ? DecodeBitmap : nullptr; }

}  // namespace

bool ReadSystemBitmap(ImageData& data, const char* path) {
  // A bitmap's alpha, if any, is not part of the picture.
  return DecodeWithSystem(data, path, ChooseBitmap, false);
}

}  // namespace gxbase
