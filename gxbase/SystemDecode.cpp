#include "gxbase/SystemDecode.h"

#include "gxbase/ByteFile.h"
#include "gxbase/DecodeLimits.h"
#include "gxbase/DecoderMemory.h"
#include "gxbase/Image.h"
#include "gxbase/SurfaceCopy.h"

#include <SDL.h>

namespace gxbase {

bool DecodeWithSystem(ImageData& data, const char* path, DecoderChoice choose, bool overWhite) {
  Image& image = *data.owner;
  image.Free();
  ByteFile file(path);
  if (!file.IsOpen()) return false;
  const SurfaceDecoder decode = choose(file);
  if (decode == nullptr) return false;
  SDL_RWops* stream = SDL_RWFromFP(file.Handle(), SDL_FALSE);
  if (stream == nullptr) return false;
  SDL_Surface* picture = nullptr;
  {
    // The header checks cannot see everything a damaged file may make the
    // decoder allocate; this bounds it.
    const DecoderMemoryLimit memoryLimit(static_cast<std::size_t>(kMaxDecoderBlock));
    picture = decode(stream);
  }
  SDL_RWclose(stream);
  const bool ok = CopySurface(picture, image, overWhite);
  SDL_FreeSurface(picture);
  return ok;
}

}  // namespace gxbase
