#include "gxbase/SystemBitmapLoader.h"

#include "gxbase/ByteFile.h"
#include "gxbase/DecodeLimits.h"
#include "gxbase/DecoderMemory.h"
#include "gxbase/Image.h"
#include "gxbase/SurfaceCopy.h"

#include <SDL.h>

namespace gxbase {

bool ReadSystemBitmap(ImageData& data, const char* path) {
  Image& image = *data.owner;
  image.Free();
  ByteFile file(path);
  if (!file.IsOpen() || !BitmapSizeAcceptable(file)) return false;
  SDL_RWops* stream = SDL_RWFromFP(file.Handle(), SDL_FALSE);
  if (stream == nullptr) return false;
  // The header checks cannot see everything a damaged file may make the
  // decoder allocate; this bounds it.
  const DecoderMemoryLimit memoryLimit(static_cast<std::size_t>(kMaxDecoderBlock));
  SDL_Surface* bitmap = SDL_LoadBMP_RW(stream, 1);
  // A bitmap's alpha, if any, is not part of the picture.
  const bool ok = CopySurface(bitmap, image, false);
  SDL_FreeSurface(bitmap);
  return ok;
}

}  // namespace gxbase
