#include "gxbase/PictureDecoder.h"

#include "gxbase/ByteFile.h"
#include "gxbase/DecodeLimits.h"
#include "gxbase/DecoderMemory.h"
#include "gxbase/Image.h"
#include "gxbase/SurfaceCopy.h"

#include <SDL.h>
#include <SDL_image.h>

namespace gxbase {

namespace {

// Decodes with the loader of the kind the size check recognised.
SDL_Surface* Decode(PictureKind kind, SDL_RWops* stream) {
  switch (kind) {
    case PictureKind::Png: return IMG_LoadPNG_RW(stream);
    case PictureKind::Jpeg: return IMG_LoadJPG_RW(stream);
    case PictureKind::Gif: return IMG_LoadGIF_RW(stream);
    case PictureKind::Unknown: break;
  }
  return nullptr;
}

}  // namespace

bool ReadPicture(ImageData& data, const char* path) {
  Image& image = *data.owner;
  image.Free();
  ByteFile file(path);
  if (!file.IsOpen()) return false;
  // The format is told by the file's content, never by its name.
  const PictureKind kind = AcceptablePicture(file);
  if (kind == PictureKind::Unknown) return false;
  SDL_RWops* stream = SDL_RWFromFP(file.Handle(), SDL_FALSE);
  if (stream == nullptr) return false;
  // The header checks cannot see everything a damaged file may make the
  // decoder allocate; this bounds it.
  const DecoderMemoryLimit memoryLimit(static_cast<std::size_t>(kMaxDecoderBlock));
  SDL_Surface* picture = Decode(kind, stream);
  SDL_RWclose(stream);
  const bool ok = CopySurface(picture, image, true);
  SDL_FreeSurface(picture);
  return ok;
}

}  // namespace gxbase
