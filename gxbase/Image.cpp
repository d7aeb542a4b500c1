#include "gxbase/Image.h"

#include <algorithm>
#include <cassert>
#include <climits>
#include <cstdint>
#include <cstring>
#include <new>

namespace gxbase {

int BytesPerPixel(PixelFormat format) {
  switch (format) {
    case RGB: case BGR: return 3;
    case RGBA: case BGRA: return 4;
    case Luminance: case Alpha: return 1;
    case LuminanceAlpha: return 2;
  }
  return 0;
}

ImageData::ImageData(Image* parent)
    : owner(parent), format(RGB), pixels(nullptr), width(0), height(0),
      byteSize(0), rowBytes(0), stride(0) {
  // The readers reach the owning image through this pointer.
  assert(parent!=NULL);
}

Image::Image() : extra(new (std::nothrow) ImageData(this)) {
  assert(extra!=NULL);
}

Image::Image(const Image& other) : extra(new (std::nothrow) ImageData(this)) {
  assert(extra!=NULL);
  CopyFrom(other);
}

Image& Image::operator=(const Image& other) {
  if (this != &other) CopyFrom(other);
  return *this;
}

Image::~Image() {
  Free();
  delete extra;
}

bool Image::Allocate(int width, int height, PixelFormat format, int padding) {
  Free();
  if (width < 0 || height < 0 || padding < 0) return false;
  if (width == 0 || height == 0) return true;
  // 64-bit sizes: the byte size must still fit the record's int fields.
  const int64_t rowBytes = int64_t(width) * gxbase::BytesPerPixel(format);
  const int64_t stride = rowBytes + padding;
  const int64_t byteSize = stride * height;
  if (stride > INT_MAX || byteSize > INT_MAX) return false;
  unsigned char* pixels = new (std::nothrow) unsigned char[byteSize];
  if (pixels == nullptr) return false;
  extra->format = format;
  extra->pixels = pixels;
  extra->width = width;
  extra->height = height;
  extra->byteSize = static_cast<int>(byteSize);
  extra->rowBytes = static_cast<int>(rowBytes);
  extra->stride = static_cast<int>(stride);
  return true;
}

void Image::Free() {
  delete[] extra->pixels;
  extra->format = RGB;
  extra->pixels = nullptr;
  extra->width = 0;
  extra->height = 0;
  extra->byteSize = 0;
  extra->rowBytes = 0;
  extra->stride = 0;
}

int Image::Width() const { return extra->pixels ? extra->width : 0; }
int Image::Height() const { return extra->pixels ? extra->height : 0; }
int Image::ByteSize() const { return extra->pixels ? extra->byteSize : 0; }
PixelFormat Image::Format() const { return extra->format; }
int Image::BytesPerPixel() const { return gxbase::BytesPerPixel(extra->format); }
int Image::Stride() const { return extra->stride; }
int Image::Padding() const { return extra->stride - extra->rowBytes; }

unsigned char* Image::Row(int i) {
  if (i < 0 || i >= Height()) return nullptr;
  return extra->pixels + int64_t(i) * extra->stride;
}

const unsigned char* Image::Row(int i) const {
  if (i < 0 || i >= Height()) return nullptr;
  return extra->pixels + int64_t(i) * extra->stride;
}

bool Image::IsValid() const {
  if (extra->width == 0 || extra->height == 0 || extra->pixels == nullptr) return false;
  const int64_t stride = int64_t(extra->width) * BytesPerPixel() + Padding();
  return int64_t(extra->height) * stride == extra->byteSize;
}

void Image::FlipVertical() {
  // Swapping rows pairwise in place gives the same result as copying the
  // rows from a reversed copy, without a second buffer.
  const int height = Height();
  for (int i = 0; i < height / 2; ++i) {
    unsigned char* low = Row(i);
    std::swap_ranges(low, low + extra->stride, Row(height - 1 - i));
  }
}

void Image::CopyFrom(const Image& other) {
  if (!Allocate(other.Width(), other.Height(), other.Format(), other.Padding())) return;
  for (int i = 0; i < Height(); ++i) std::memcpy(Row(i), other.Row(i), Stride());
}

void Image::SwapPixels(Image& other) {
  ImageData* mine = extra;
  ImageData* theirs = other.extra;
  std::swap(mine->format, theirs->format);
  std::swap(mine->pixels, theirs->pixels);
  std::swap(mine->width, theirs->width);
  std::swap(mine->height, theirs->height);
  std::swap(mine->byteSize, theirs->byteSize);
  std::swap(mine->rowBytes, theirs->rowBytes);
  std::swap(mine->stride, theirs->stride);
}

}  // namespace gxbase
