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
    // The system GIF decoder frees a pointer it never allocated on some
    // damaged files whose codes are all sound (found by fuzzing, kept as
    // regression inputs): a GIF is refused rather than corrupt memory.
    case PictureKind::Gif: return nullptr;
    case PictureKind::Unknown: break;
  }
  return nullptr;
}

}  // namespace

bool ReadPicture(ImageData& data, const char* path) { return DecodeWithSystem(data, path, ChoosePicture, true); }

}  // namespace gxbase
