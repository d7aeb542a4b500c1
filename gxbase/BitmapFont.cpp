#include "gxbase/BitmapFont.h"

#include <GL/gl.h>
#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <string>
#include <vector>

#include "gxbase/WindowEx.h"

namespace gxbase {

namespace {

constexpr unsigned kCodes = WindowEx::kFontListCount;

// The font file fontconfig picks for a family at a pixel size; empty when
// there is none.
std::string matchFontFile(const std::string& family, int pixels, int* index) {
  FcPattern* pattern = FcPatternCreate();
  if (pattern == nullptr) return std::string();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddDouble(pattern, FC_PIXEL_SIZE, pixels);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  std::string file;
  FcChar8* path = nullptr;
  if (match != nullptr && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
    file = reinterpret_cast<const char*>(path);
    if (FcPatternGetInteger(match, FC_INDEX, 0, index) != FcResultMatch) *index = 0;
  }
  if (match != nullptr) FcPatternDestroy(match);
  return file;
}

TTF_Font* openFont(const std::string& family, int pixels) {
  if (!TTF_WasInit() && TTF_Init() != 0) return nullptr;
  int index = 0;
  std::string file = matchFontFile(family, pixels, &index);
  if (file.empty()) return nullptr;
  return TTF_OpenFontIndex(file.c_str(), pixels, index);
}

// The face and height asked for, or the system font.
TTF_Font* chooseFont(const std::string& face, int height) {
  TTF_Font* font = nullptr;
  if (height >= 1 && !face.empty()) font = openFont(face, height);
  if (font == nullptr) font = openFont("monospace", BitmapFont::kSystemHeight);
  return font;
}

bool isControlCode(unsigned code) { return code < 0x20 || (code >= 0x7F && code < 0xA0); }

// One glyph as a glBitmap image: rows bottom first, one bit per pixel,
// most significant bit leftmost, rows padded to whole bytes.
struct GlyphBitmap {
  int width = 0;
  int height = 0;
  float originX = 0;
  float originY = 0;
  float advance = 0;
  std::vector<GLubyte> bits;
};

void rasterise(SDL_Surface* argb, GlyphBitmap* glyph) {
  glyph->width = argb->w;
  glyph->height = argb->h;
  int rowBytes = (argb->w + 7) / 8;
  glyph->bits.assign(static_cast<size_t>(rowBytes) * argb->h, 0);
  SDL_LockSurface(argb);
  for (int row = 0; row < argb->h; ++row) {
    // GL wants the bottom row first.
    const Uint8* source = static_cast<const Uint8*>(argb->pixels) + (argb->h - 1 - row) * argb->pitch;
    GLubyte* target = glyph->bits.data() + row * rowBytes;
    for (int column = 0; column < argb->w; ++column) {
      Uint32 pixel = reinterpret_cast<const Uint32*>(source)[column];
      Uint8 r, g, b, a;
      SDL_GetRGBA(pixel, argb->format, &r, &g, &b, &a);
      if (a >= 128) target[column / 8] |= static_cast<GLubyte>(0x80 >> (column % 8));
    }
  }
  SDL_UnlockSurface(argb);
}

GlyphBitmap renderGlyph(TTF_Font* font, unsigned code) {
  GlyphBitmap glyph;
  Uint16 character = static_cast<Uint16>(code);
  int minX, maxX, minY, maxY, advance;
  if (isControlCode(code) || !TTF_GlyphIsProvided(font, character) ||
      TTF_GlyphMetrics(font, character, &minX, &maxX, &minY, &maxY, &advance) != 0) {
    return glyph;  // an empty list: the character draws nothing
  }
  glyph.advance = static_cast<float>(advance);
  SDL_Surface* rendered = TTF_RenderGlyph_Blended(font, character, SDL_Color{255, 255, 255, 255});
  if (rendered == nullptr) return glyph;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(rendered);
  if (argb == nullptr) return glyph;
  rasterise(argb, &glyph);
  SDL_FreeSurface(argb);
  // The rendered line has the baseline at the font's ascent below its top.
  glyph.originX = minX < 0 ? static_cast<float>(-minX) : 0.0f;
  glyph.originY = static_cast<float>(glyph.height - TTF_FontAscent(font));
  return glyph;
}

void compileLists(TTF_Font* font, GLuint base) {
  // Save the pixel-store state and unpack tightly packed bytes.
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
  glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
  for (unsigned code = 0; code < kCodes; ++code) {
    GlyphBitmap glyph = renderGlyph(font, code);
    glNewList(base + code, GL_COMPILE);
    glBitmap(glyph.width, glyph.height, glyph.originX, glyph.originY, glyph.advance, 0.0f,
             glyph.bits.empty() ? nullptr : glyph.bits.data());
    glEndList();
  }
  glPopClientAttrib();
}

}  // namespace

unsigned BitmapFont::Build(const std::string& face, int height) {
  GLuint base = glGenLists(kCodes);
  if (base == 0) return 0;
  TTF_Font* font = chooseFont(face, height);
  if (font == nullptr) {
    // Said once: the program plays on, its windows without text.
    static bool warned = false;
    if (!warned) std::fputs("No font could be opened (fontconfig finds no \"monospace\" font): text is not shown\n", stderr);
    warned = true;
    glDeleteLists(base, kCodes);
    return 0;
  }
  compileLists(font, base);
  TTF_CloseFont(font);
  return base;
}

}  // namespace gxbase
