#include <GL/gl.h>

#include <algorithm>
#include <string>

#include "gxbase/BitmapFont.h"
#include "gxbase/WindowEx.h"

namespace gxbase {

unsigned WindowEx::DrawText(const char* text) {
  if (text == nullptr || window == nullptr || context == nullptr) return 0;
  if (fontChanged) {
    DeleteFontLists();
    fontChanged = false;
  }
  if (fontBase == 0 || !glIsList(fontBase)) {
    fontBase = BitmapFont::Build(fontFace, fontHeight);
    if (fontBase == 0) return 0;
  }
  // Code 255 has no list of ours: leave it out rather than call whatever
  // list happens to follow the font's.
  std::string codes(text);
  codes.erase(std::remove(codes.begin(), codes.end(), '\xFF'), codes.end());

  glPushAttrib(GL_LIST_BIT);
  glListBase(fontBase);
  glCallLists(static_cast<GLsizei>(codes.size()), GL_UNSIGNED_BYTE, codes.data());
  glPopAttrib();
  return fontBase;
}

}  // namespace gxbase
