// Loading an image from a file through the readers, first success wins.

#include "gxbase/BmpReader.h"
#include "gxbase/Image.h"
#include "gxbase/PictureDecoder.h"
#include "gxbase/SystemBitmapLoader.h"
#include "gxbase/TargaReader.h"

namespace gxbase {

bool Image::Load(const char* path) {
  // The name does not pick the reader: a Targa file is turned down by both
  // bitmap readers before the Targa reader takes it.
  using Reader = bool (*)(ImageData&, const char*);
  const Reader readers[] = {ReadBmp, ReadSystemBitmap, ReadTarga, ReadPicture};
  for (Reader read : readers)
    if (read(*extra, path)) return true;
  Free();
  return false;
}

}  // namespace gxbase
