#include "tools/TargaWriter.h"

#include <cassert>
#include <cstdio>
#include <cstring>

namespace {

void appendLe16(std::vector<unsigned char>& out, int value) {
  out.push_back(static_cast<unsigned char>(value & 0xFF));
  out.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

bool samePixel(Rgba a, Rgba b, int bitsPerPixel) {
  return a.r == b.r && a.g == b.g && a.b == b.b && (bitsPerPixel == 24 || a.a == b.a);
}

}  // namespace

void TargaWriter::appendPixel(std::vector<unsigned char>& out, Rgba p, int bitsPerPixel) {
  out.push_back(p.b);
  out.push_back(p.g);
  out.push_back(p.r);
  if (bitsPerPixel == 32) out.push_back(p.a);
}

void TargaWriter::appendRunLength(std::vector<unsigned char>& out, const std::vector<Rgba>& pixels,
                                  int bitsPerPixel) {
  // Packets run across row ends; each holds 1..128 pixels. Runs of two or
  // more equal pixels become run packets, everything else raw packets.
  size_t i = 0;
  while (i < pixels.size()) {
    size_t run = 1;
    while (i + run < pixels.size() && run < 128 && samePixel(pixels[i + run], pixels[i], bitsPerPixel)) ++run;
    if (run >= 2) {
      out.push_back(static_cast<unsigned char>(0x80 | (run - 1)));
      appendPixel(out, pixels[i], bitsPerPixel);
      i += run;
      continue;
    }
    size_t raw = 1;
    while (i + raw < pixels.size() && raw < 128 &&
           !(i + raw + 1 < pixels.size() && samePixel(pixels[i + raw], pixels[i + raw + 1], bitsPerPixel))) {
      ++raw;
    }
    out.push_back(static_cast<unsigned char>(raw - 1));
    for (size_t k = 0; k < raw; ++k) appendPixel(out, pixels[i + k], bitsPerPixel);
    i += raw;
  }
}

std::vector<unsigned char> TargaWriter::encode(const Canvas& canvas, TargaOptions options) {
  assert((options.bitsPerPixel == 24 || options.bitsPerPixel == 32) && "true-colour Targa only");
  std::vector<unsigned char> out;
  out.push_back(0);                            // no identification field
  out.push_back(0);                            // no colour map
  out.push_back(options.runLength ? 10 : 2);   // true colour, coded or not
  for (int i = 0; i < 5; ++i) out.push_back(0);  // colour-map fields (no colour map)
  appendLe16(out, 0);                          // x origin
  appendLe16(out, 0);                          // y origin
  appendLe16(out, canvas.width());
  appendLe16(out, canvas.height());
  out.push_back(static_cast<unsigned char>(options.bitsPerPixel));
  out.push_back(options.bitsPerPixel == 32 ? 8 : 0);  // alpha bits; bottom-left origin

  // The canvas keeps row 0 at the top; the file starts with the bottom row.
  std::vector<Rgba> pixels;
  pixels.reserve(static_cast<size_t>(canvas.width()) * canvas.height());
  for (int y = canvas.height() - 1; y >= 0; --y) {
    for (int x = 0; x < canvas.width(); ++x) pixels.push_back(canvas.pixel(x, y));
  }
  if (options.runLength) {
    appendRunLength(out, pixels, options.bitsPerPixel);
  } else {
    for (Rgba p : pixels) appendPixel(out, p, options.bitsPerPixel);
  }

  // Targa 2.0 footer: no extension or developer area.
  for (int i = 0; i < 8; ++i) out.push_back(0);
  const char* signature = "TRUEVISION-XFILE.";
  out.insert(out.end(), signature, signature + std::strlen(signature) + 1);
  return out;
}

bool TargaWriter::write(const std::string& path, const Canvas& canvas, TargaOptions options) {
  const std::vector<unsigned char> bytes = encode(canvas, options);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && ok;
}
