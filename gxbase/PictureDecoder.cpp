#include "gxbase/PictureDecoder.h"

#include "gxbase/ByteFile.h"
#include "gxbase/DecodeLimits.h"
#include "gxbase/SystemDecode.h"

#include <SDL.h>
#include <SDL_image.h>

namespace gxbase {
namespace {

// The format is told by the file's content, never by its name.
SurfaceDecoder ChoosePicture(ByteFile& file) {
  switch (AcceptablePicture(file)) {
    case PictureKind::Png: return IMG_LoadPNG_RW;
    case PictureKind::Jpeg: return IMG_LoadJPG_RW;
    case PictureKind::Gif: return IMG_LoadGIF_RW;
    case PictureKind::Unknown: break;
  }
  return nullptr;
}

}  // namespace

bool ReadPicture(ImageData& data, const char* path) { return DecodeWithSystem(data, path, ChoosePicture, true); }

}  // namespace gxbase
