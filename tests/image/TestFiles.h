#pragma once
// Picture files the image tests write themselves: Targa and BMP files built
// byte by byte.

#include <cstdint>
#include <string>
#include <vector>

#include "gxbase/Image.h"

namespace imagetest {

using Bytes = std::vector<unsigned char>;

// Writes bytes to the named file of the current folder; returns the name.
std::string Write(const std::string& name, const Bytes& bytes);

struct TargaLayout {
  int imageType = 2;  // 2 uncompressed, 10 run-length coded
  int depth = 24;
  int width = 0;
  int height = 0;
  bool topLeft = false;
  int idLength = 0;
  int colourMapType = 0;
  bool footer = false;  // Targa 2.0 footer with its signature
};

TargaLayout Targa(int imageType, int depth, int width, int height);

// Header, identification bytes, pixel data as given, optional footer.
Bytes TargaFile(const TargaLayout& layout, const Bytes& pixelData);

// Run-length chunks: count copies of one pixel value, or the values as given.
Bytes RepeatChunk(int count, const Bytes& pixel);
Bytes LiteralChunk(const std::vector<Bytes>& pixels);

struct BmpLayout {
  int bitsPerPixel = 24;
  int width = 0;
  int height = 0;  // negative: rows stored top row first
  uint32_t compression = 0;
  int planes = 1;
  uint32_t imageSize = 0;    // 0 leaves it to the reader
  uint32_t coloursUsed = 0;  // 0 means 256 for 8 bits
  std::vector<Bytes> palette;  // blue, green, red entries for 8 bits
};

BmpLayout Bmp(int bitsPerPixel, int width, int height);

// File header, 40-byte information header, colour table, then the rows in
// file order, each padded to a multiple of 4 bytes.
Bytes BmpFile(const BmpLayout& layout, const std::vector<Bytes>& fileRows);

// An image filled from rows given bottom row first (no padding).
gxbase::Image MakeImage(gxbase::PixelFormat format, int width, const std::vector<Bytes>& rows, int padding = 0);

// The rows of an image without padding, bottom row first.
std::vector<Bytes> RowsOf(const gxbase::Image& image);

Bytes Concat(const std::vector<Bytes>& parts);

}  // namespace imagetest
