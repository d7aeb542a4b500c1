#include "gxbase/TargaReader.h"

#include "gxbase/ByteFile.h"
#include "gxbase/DecodeLimits.h"
#include "gxbase/Image.h"

#include <cstdint>
#include <cstring>

namespace gxbase {
namespace {

const int kHeaderSize = 18;
const int kFooterSize = 26;
const char kSignature[] = "TRUEVISION-XFILE";
const int kUncompressed = 2;
const int kRunLength = 10;
const int kTopLeftOrigin = 0x20;
const int kMaxChunkPixels = 128;

struct TargaHeader {
  int idLength;
  int imageType;
  int width;
  int height;
  int bytesPerPixel;
  bool topLeftOrigin;
};

// Reads the Targa 2.0 footer; a file too short to hold one is no Targa file,
// whatever its name.
bool ReadFooter(ByteFile& file, bool& hasSignature) {
  unsigned char footer[kFooterSize];
  if (!file.Seek(file.Size() - kFooterSize) || !file.Read(footer, sizeof footer)) return false;
  hasSignature = std::memcmp(footer + 8, kSignature, 16) == 0;
  return true;
}

bool ReadHeader(ByteFile& file, TargaHeader& header) {
  unsigned char bytes[kHeaderSize];
  if (!file.Seek(0) || !file.Read(bytes, sizeof bytes)) return false;
  header.idLength = bytes[0];
  header.imageType = bytes[2];
  header.width = LittleEndian16(bytes + 12);
  header.height = LittleEndian16(bytes + 14);
  header.bytesPerPixel = bytes[16] / 8;
  header.topLeftOrigin = (bytes[17] & kTopLeftOrigin) != 0;
  const bool colourMapped = bytes[1] != 0;
  const bool trueColour = header.imageType == kUncompressed || header.imageType == kRunLength;
  const bool depthKnown = bytes[16] == 24 || bytes[16] == 32;
  return !colourMapped && trueColour && depthKnown && header.width != 0 && header.height != 0;
}

// The smallest file that could hold the pixel data, so a header claiming a
// huge picture is rejected before anything is allocated for it.
bool PixelDataFits(const ByteFile& file, const TargaHeader& header) {
  // A run-length file of a few megabytes can claim half a gigapixel.
  if (!WithinPictureLimit(header.width, header.height)) return false;
  const int64_t pixels = int64_t(header.width) * header.height;
  const int64_t start = kHeaderSize + header.idLength;
  int64_t least = pixels * header.bytesPerPixel;
  if (header.imageType == kRunLength) {
    // Each chunk holds at most 128 pixels in a header byte plus one value.
    least = (pixels + kMaxChunkPixels - 1) / kMaxChunkPixels * (1 + header.bytesPerPixel);
  }
  return start + least <= file.Size();
}

// Fills the image as one run of pixels across row ends. A chunk that would
// run past the end fails; running out of file succeeds only when full.
bool ReadRunLength(ByteFile& file, Image& image) {
  const int bpp = image.BytesPerPixel();
  const int64_t total = int64_t(image.Width()) * image.Height();
  unsigned char* out = image.Row(0);
  int64_t filled = 0;
  while (filled < total) {
    unsigned char chunk;
    if (!file.Read(&chunk, 1)) break;
    const int count = (chunk & 0x7F) + 1;
    if (filled + count > total) return false;
    unsigned char* at = out + filled * bpp;
    if (chunk & 0x80) {
      if (!file.Read(at, bpp)) break;
      for (int k = 1; k < count; ++k) std::memcpy(at + k * bpp, at, bpp);
    } else if (!file.Read(at, size_t(count) * bpp)) {
      break;
    }
    filled += count;
  }
  return filled == total;
}

bool ReadPixels(ByteFile& file, const char* path, Image& image) {
  bool hasSignature = false;
  if (!ReadFooter(file, hasSignature) || !(hasSignature || IsTargaName(path))) return false;
  TargaHeader header;
  if (!ReadHeader(file, header) || !PixelDataFits(file, header)) return false;
  if (!file.Seek(kHeaderSize + header.idLength)) return false;
  const PixelFormat format = header.bytesPerPixel == 4 ? BGRA : BGR;
  if (!image.Allocate(header.width, header.height, format, 0)) return false;
  // Rows have no padding, so the uncompressed rows are one block.
  const bool ok = header.imageType == kUncompressed ? file.Read(image.Row(0), image.ByteSize())
                                                    : ReadRunLength(file, image);
  if (ok && header.topLeftOrigin) image.FlipVertical();
  return ok;
}

}  // namespace

bool IsTargaName(const char* path) {
  if (path == nullptr) return false;
  const size_t length = std::strlen(path);
  if (length < 5) return false;
  const char* ending = path + length - 4;
  return std::strstr(path, ".tga") == ending || std::strstr(path, ".TGA") == ending;
}

bool ReadTarga(ImageData& data, const char* path) {
  Image& image = *data.owner;
  ByteFile file(path);
  const bool ok = file.IsOpen() && ReadPixels(file, path, image);
  if (!ok) image.Free();
  return ok;
}

}  // namespace gxbase
