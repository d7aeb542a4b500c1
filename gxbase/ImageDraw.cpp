// Drawing an image at the current OpenGL raster position.

#include "gxbase/BgraSupport.h"
#include "gxbase/Image.h"

#include <GL/gl.h>

#include <cstring>

namespace gxbase {
namespace {

// GL_BGR_EXT and GL_BGRA_EXT, the same values as the core GL_BGR and GL_BGRA.
const GLenum kBgrExt = 0x80E0;
const GLenum kBgraExt = 0x80E1;

bool GlPixelFormat(PixelFormat format, GLenum& glFormat) {
  switch (format) {
    case RGB: glFormat = GL_RGB; return true;
    case RGBA: glFormat = GL_RGBA; return true;
    case BGR: glFormat = kBgrExt; return true;
    case BGRA: glFormat = kBgraExt; return true;
    case Luminance: glFormat = GL_LUMINANCE; return true;
    case LuminanceAlpha: glFormat = GL_LUMINANCE_ALPHA; return true;
    case Alpha: glFormat = GL_ALPHA; return true;
  }
  return false;
}

// Sets the unpack state to tightly packed rows for the lifetime of the scope
// and puts back exactly the settings it had to change.
class NeutralUnpackState {
 public:
  NeutralUnpackState() {
    for (Setting& s : settings) {
      glGetIntegerv(s.name, &s.saved);
      s.changed = s.saved != s.neutral;
      if (s.changed) glPixelStorei(s.name, s.neutral);
    }
  }
  ~NeutralUnpackState() {
    for (const Setting& s : settings)
      if (s.changed) glPixelStorei(s.name, s.saved);
  }

 private:
  struct Setting {
    GLenum name;
    GLint neutral;
    GLint saved;
    bool changed;
  };
  Setting settings[5] = {{GL_UNPACK_SWAP_BYTES, GL_FALSE, 0, false},
                         {GL_UNPACK_ROW_LENGTH, 0, 0, false},
                         {GL_UNPACK_SKIP_PIXELS, 0, 0, false},
                         {GL_UNPACK_SKIP_ROWS, 0, 0, false},
                         {GL_UNPACK_ALIGNMENT, 1, 0, false}};
};

// Copies the rows of source without their padding into copy.
bool CopyUnpadded(const Image& source, Image& copy) {
  if (!copy.Allocate(source.Width(), source.Height(), source.Format(), 0)) return false;
  const int rowBytes = source.Width() * source.BytesPerPixel();
  for (int i = 0; i < source.Height(); ++i) std::memcpy(copy.Row(i), source.Row(i), rowBytes);
  return true;
}

// A context without BGR/BGRA gets the same picture in RGB/RGBA byte order.
bool ConvertForContextWithoutBgra(Image& image) {
  if (image.Format() == BGR) return image.Convert(RGB);
  if (image.Format() == BGRA) return image.Convert(RGBA);
  return true;
}

}  // namespace

bool Image::Draw() const {
  if (extra->pixels == nullptr) return false;
  const bool bgra = BgraSupported();
  // Only a padded image or an old context pays for a copy.
  Image copy;
  const Image* source = this;
  if (Padding() != 0 || !bgra) {
    if (!CopyUnpadded(*this, copy)) return false;
    if (!bgra && !ConvertForContextWithoutBgra(copy)) return false;
    source = &copy;
  }
  GLenum glFormat;
  if (!GlPixelFormat(source->Format(), glFormat)) return false;

  NeutralUnpackState unpackState;
  glGetError();  // drop an error left by earlier drawing
  glDrawPixels(source->Width(), source->Height(), glFormat, GL_UNSIGNED_BYTE, source->Row(0));
  return glGetError() == GL_NO_ERROR;
}

}  // namespace gxbase
