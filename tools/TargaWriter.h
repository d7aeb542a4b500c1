#pragma once
// Writes a canvas as a true-colour Targa 2.0 file: 24 bits (blue, green,
// red) or 32 bits (with alpha), uncompressed or run-length coded, bottom row
// first, with the TRUEVISION-XFILE footer.

#include <string>
#include <vector>

#include "tools/Canvas.h"

struct TargaOptions {
  int bitsPerPixel = 32;  // 24 or 32
  bool runLength = false;
};

class TargaWriter {
 public:
  // The bytes of the whole file.
  static std::vector<unsigned char> encode(const Canvas& canvas, TargaOptions options);
  // False when the file cannot be written.
  static bool write(const std::string& path, const Canvas& canvas, TargaOptions options);

 private:
  static void appendPixel(std::vector<unsigned char>& out, Rgba p, int bitsPerPixel);
  static void appendRunLength(std::vector<unsigned char>& out, const std::vector<Rgba>& pixels,
                              int bitsPerPixel);
};
