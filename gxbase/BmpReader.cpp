#include "gxbase/BmpReader.h"

#include "gxbase/ByteFile.h"
#include "gxbase/DecodeLimits.h"
#include "gxbase/Image.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <new>

namespace gxbase {
namespace {

const int kFileHeaderSize = 14;
const int kInfoHeaderSize = 40;
const int kMaxColours = 256;

struct BmpHeader {
  int64_t pixelOffset;  // where the rows start in the file
  int64_t infoSize;     // the information header's own size: the colour table follows it
  int64_t width;
  int64_t height;       // absolute value
  bool topDown;         // rows stored top row first (negative height in the file)
  int bitsPerPixel;
  int64_t imageSize;    // 0: stride * height
  int64_t coloursUsed;  // 0: 256
};

// A colour table entry as stored: blue, green, red, reserved.
struct PaletteEntry {
  unsigned char blue, green, red, reserved;
};

bool ReadHeader(ByteFile& file, BmpHeader& header) {
  unsigned char fileHeader[kFileHeaderSize];
  unsigned char info[kInfoHeaderSize];
  if (!file.Read(fileHeader, sizeof fileHeader) || fileHeader[0] != 'B' || fileHeader[1] != 'M') return false;
  if (!file.Read(info, sizeof info)) return false;
  header.pixelOffset = LittleEndian32(fileHeader + 10);
  header.infoSize = LittleEndian32(info);
  header.width = int32_t(LittleEndian32(info + 4));
  const int64_t height = int32_t(LittleEndian32(info + 8));
  header.topDown = height < 0;
  header.height = height < 0 ? -height : height;
  header.bitsPerPixel = LittleEndian16(info + 14);
  header.imageSize = LittleEndian32(info + 20);
  header.coloursUsed = LittleEndian32(info + 32);
  const uint32_t planes = LittleEndian16(info + 12);
  const uint32_t compression = LittleEndian32(info + 16);
  // Older, smaller information headers lay their fields out differently.
  return compression == 0 && planes == 1 && header.infoSize >= kInfoHeaderSize &&
         WithinPictureLimit(header.width, header.height);
}

// The header's sizes must agree with each other and the file must really
// hold the rows, checked before anything is allocated for them.
bool RowsFit(const ByteFile& file, const BmpHeader& header, int64_t stride) {
  // Divide rather than multiply: stride * height can exceed 64 bits.
  const int64_t available = file.Size() - header.pixelOffset;
  if (available < 0 || header.height > available / stride) return false;
  const int64_t needed = stride * header.height;
  return header.imageSize == 0 || header.imageSize >= needed;
}

// Reads the file's pixel rows, stride bytes each, in file order.
std::unique_ptr<unsigned char[]> ReadRows(ByteFile& file, const BmpHeader& header, int64_t stride) {
  const int64_t needed = stride * header.height;
  std::unique_ptr<unsigned char[]> rows(new (std::nothrow) unsigned char[needed]);
  if (!rows || !file.Seek(header.pixelOffset) || !file.Read(rows.get(), needed)) return nullptr;
  return rows;
}

const unsigned char* FileRow(const unsigned char* rows, const BmpHeader& header, int64_t stride, int i) {
  const int64_t fileRow = header.topDown ? header.height - 1 - i : i;
  return rows + fileRow * stride;
}

bool Read24(ByteFile& file, const BmpHeader& header, Image& image) {
  const int64_t rowBytes = 3 * header.width;
  const int64_t stride = (rowBytes + 3) / 4 * 4;
  if (!RowsFit(file, header, stride) || !image.Allocate(header.width, header.height, BGR, 0)) return false;
  std::unique_ptr<unsigned char[]> rows = ReadRows(file, header, stride);
  if (!rows) return false;
  for (int i = 0; i < image.Height(); ++i)
    std::memcpy(image.Row(i), FileRow(rows.get(), header, stride, i), rowBytes);
  return true;
}

// Reads the colour table; entries beyond the stated count stay black.
bool ReadPalette(ByteFile& file, const BmpHeader& header, PaletteEntry (&palette)[kMaxColours], int& count) {
  if (header.coloursUsed > kMaxColours) return false;
  count = header.coloursUsed == 0 ? kMaxColours : static_cast<int>(header.coloursUsed);
  std::memset(palette, 0, sizeof palette);
  if (!file.Seek(kFileHeaderSize + header.infoSize)) return false;
  return file.Read(palette, count * sizeof(PaletteEntry));
}

bool IsGrey(const PaletteEntry* palette, int count) {
  for (int k = 0; k < count; ++k)
    if (palette[k].blue != palette[k].green || palette[k].green != palette[k].red) return false;
  return true;
}

bool Read8(ByteFile& file, const BmpHeader& header, Image& image) {
  PaletteEntry palette[kMaxColours];
  int count = 0;
  if (!ReadPalette(file, header, palette, count)) return false;
  const bool grey = IsGrey(palette, count);
  const int64_t stride = (header.width + 3) / 4 * 4;
  if (!RowsFit(file, header, stride) || !image.Allocate(header.width, header.height, grey ? Luminance : BGR, 0))
    return false;
  std::unique_ptr<unsigned char[]> rows = ReadRows(file, header, stride);
  if (!rows) return false;
  for (int i = 0; i < image.Height(); ++i) {
    const unsigned char* in = FileRow(rows.get(), header, stride, i);
    unsigned char* out = image.Row(i);
    for (int j = 0; j < image.Width(); ++j) {
      const PaletteEntry& entry = palette[in[j]];
      if (grey) {
        *out++ = entry.green;
      } else {
        *out++ = entry.blue;
        *out++ = entry.green;
        *out++ = entry.red;
      }
    }
  }
  return true;
}

bool ReadPixels(ByteFile& file, Image& image) {
  BmpHeader header;
  if (!ReadHeader(file, header)) return false;
  if (header.bitsPerPixel == 24) return Read24(file, header, image);
  if (header.bitsPerPixel == 8) return Read8(file, header, image);
  return false;
}

}  // namespace

bool ReadBmp(ImageData& data, const char* path) {
  Image& image = *data.owner;
  ByteFile file(path);
  const bool ok = file.IsOpen() && ReadPixels(file, image);
  if (!ok) image.Free();
  return ok;
}

}  // namespace gxbase
