#pragma once
// A picture held in memory as rows of 8-bit pixels, bottom row first, ready to
// be drawn at the current OpenGL raster position.

namespace gxbase {

// Codes outside 0..6 can reach an image through its record; the fixed
// underlying type keeps them well-defined (they convert and draw as nothing).
enum PixelFormat : int {
  RGB = 0,             // red, green, blue
  RGBA = 1,            // red, green, blue, alpha
  BGR = 2,             // blue, green, red
  BGRA = 3,            // blue, green, red, alpha
  Luminance = 4,       // grey
  LuminanceAlpha = 5,  // grey, alpha
  Alpha = 6            // alpha
};

// Bytes per pixel of a format; 0 for a code outside 0..6.
int BytesPerPixel(PixelFormat format);

class Image;

// The record behind an Image. Row 0 is the bottom row; row i starts at byte
// i * stride. Everything is 0 (and pixels null) while the image is empty.
struct ImageData {
  explicit ImageData(Image* owner);

  Image* owner;
  PixelFormat format;
  unsigned char* pixels;
  int width;
  int height;
  int byteSize;  // stride * height
  int rowBytes;  // width * bytes per pixel
  int stride;    // rowBytes + padding
};

class Image {
 public:
  Image();
  Image(const Image& other);
  Image& operator=(const Image& other);
  virtual ~Image();

  // Fills the image from a file, trying the BMP reader, the system bitmap
  // loader, the Targa reader and the system picture decoder in that order.
  // On failure the image is empty.
  bool Load(const char* path);

  // Width or height 0: true, empty. Negative: false, empty. Contents undefined.
  bool Allocate(int width, int height, PixelFormat format, int padding);
  void Free();

  int Width() const;
  int Height() const;
  int ByteSize() const;
  PixelFormat Format() const;
  int BytesPerPixel() const;
  int Stride() const;
  int Padding() const;

  // Address of row i (0 = bottom), or null when i is outside 0..Height()-1.
  unsigned char* Row(int i);
  const unsigned char* Row(int i) const;

  // Width and height non-zero, pixels present and the sizes consistent.
  bool IsValid() const;

  // Converts in place to another format; the result has no row padding.
  bool Convert(PixelFormat target);
  // Reverses the order of the rows.
  void FlipVertical();
  // Draws at the current raster position of the current GL context; leaves
  // the pixel-store state as it found it. False for an empty image or a GL error.
  bool Draw() const;

  ImageData* Data() { return extra; }
  const ImageData* Data() const { return extra; }

 private:
  // Allocates like other and copies its rows, padding included; on a failed
  // allocation this image stays empty.
  void CopyFrom(const Image& other);
  // Takes over other's pixels and sizes; other gets this image's old ones.
  void SwapPixels(Image& other);

  ImageData* extra;
};

}  // namespace gxbase
