#include "gxbase/DecodeLimits.h"

#include "gxbase/ByteFile.h"

#include <cstring>

namespace gxbase {
namespace {

uint32_t BigEndian16(const unsigned char* bytes) { return uint32_t(bytes[0]) << 8 | bytes[1]; }
uint32_t BigEndian32(const unsigned char* bytes) { return BigEndian16(bytes) << 16 | BigEndian16(bytes + 2); }

// Bitmap info header compressions whose rows are stored whole.
bool RowsStoredWhole(uint32_t compression) { return compression == 0 || compression == 3 || compression == 6; }

bool CheckBitmap(ByteFile& file) {
  unsigned char head[14 + 40] = {};
  if (!file.Read(head, 14 + 12) || head[0] != 'B' || head[1] != 'M') return false;
  const int64_t pixelOffset = LittleEndian32(head + 10);
  const uint32_t infoSize = LittleEndian32(head + 14);
  int64_t width, height;
  uint32_t bits, compression = 0;
  if (infoSize == 12) {  // the old core header: 16-bit sizes
    width = LittleEndian16(head + 18);
    height = LittleEndian16(head + 20);
    bits = LittleEndian16(head + 24);
  } else {
    if (infoSize < 40 || !file.Read(head + 26, 28)) return false;
    width = int32_t(LittleEndian32(head + 18));
    height = int32_t(LittleEndian32(head + 22));
    bits = LittleEndian16(head + 28);
    compression = LittleEndian32(head + 30);
  }
  if (height < 0) height = -height;
  if (!WithinPictureLimit(width, height) || bits > 32) return false;
  if (!RowsStoredWhole(compression)) return true;
  // Uncompressed rows must really be in the file.
  const int64_t stride = (width * bits + 31) / 32 * 4;
  return pixelOffset + stride * height <= file.Size();
}

// The PNG decoder does not notice when the file ends early: it goes on
// with stale bytes and can spin for ever on a cut file. So every chunk, up
// to the closing IEND, must lie wholly within the file.
bool ChunksComplete(ByteFile& file) {
  const int64_t kMaxChunkLength = 0x7FFFFFFF;
  for (int64_t position = 8;;) {
    unsigned char chunk[8];  // length, type
    if (!file.Seek(position) || !file.Read(chunk, sizeof chunk)) return false;
    const int64_t length = BigEndian32(chunk);
    const int64_t end = position + 8 + length + 4;  // data and CRC follow
    if (length > kMaxChunkLength || end > file.Size()) return false;
    if (std::memcmp(chunk + 4, "IEND", 4) == 0) return true;
    position = end;
  }
}

bool CheckPng(ByteFile& file) {
  // Signature (8 bytes), then the IHDR chunk: length, type, width, height.
  unsigned char head[24];
  if (!file.Read(head, sizeof head) || std::memcmp(head + 12, "IHDR", 4) != 0) return false;
  return WithinPictureLimit(BigEndian32(head + 16), BigEndian32(head + 20)) && ChunksComplete(file);
}

// Skips GIF data sub-blocks up to and including the zero-length terminator.
bool SkipSubBlocks(ByteFile& file) {
  unsigned char length = 0;
  unsigned char block[255];
  do {
    if (!file.Read(&length, 1) || !file.Read(block, length)) return false;
  } while (length != 0);
  return true;
}

// The system decoder's LZW reader trusts the codes it reads: a code naming
// a table entry not made yet sends it past the end of its tables, and it
// corrupts memory (a 200-byte file did). So the code stream of the frame it
// decodes is walked here first: every code must be one a sound decoder
// knows at that point. A stream that ends without its end code is left to
// the decoder, which stops early.
bool LzwCodesSound(ByteFile& file) {
  unsigned char minSize = 0;
  if (!file.Read(&minSize, 1) || minSize < 2 || minSize > 8) return false;
  const int clear = 1 << minSize, end = clear + 1;
  int next = clear + 2, width = minSize + 1, previous = -1;
  uint32_t bits = 0;
  int count = 0;
  unsigned char length = 0;
  unsigned char block[255];
  while (file.Read(&length, 1) && length != 0 && file.Read(block, length)) {
    for (int i = 0; i < length; ++i) {
      bits |= uint32_t(block[i]) << count;
      for (count += 8; count >= width;) {
        const int code = int(bits & ((1u << width) - 1));
        bits >>= width;
        count -= width;
        if (code == clear) {
          next = clear + 2;
          width = minSize + 1;
          previous = -1;
          continue;
        }
        if (code == end) return true;
        // After a clear the first code is a colour; later ones may name the entry being made.
        if (previous < 0 ? code >= clear : code > next) return false;
        if (previous >= 0 && next < 4096 && ++next == (1 << width) && width < 12) ++width;
        previous = code;
      }
    }
  }
  return true;
}

bool CheckGif(ByteFile& file) {
  unsigned char screen[13];
  if (!file.Read(screen, sizeof screen)) return false;
  if (!WithinPictureLimit(LittleEndian16(screen + 6), LittleEndian16(screen + 8))) return false;
  unsigned char table[3 * 256];
  if ((screen[10] & 0x80) && !file.Read(table, 3 << ((screen[10] & 7) + 1))) return false;
  // Extensions may come first; the first image descriptor sizes the frame SDL decodes.
  for (unsigned char introducer = 0; file.Read(&introducer, 1);) {
    if (introducer == 0x2C) {
      // The frame is placed at its offset, and the decoder's surface reaches
      // out to the frame's far edge: both must stay within the limit.
      unsigned char descriptor[9];
      if (!file.Read(descriptor, sizeof descriptor)) return false;
      const int64_t left = LittleEndian16(descriptor), top = LittleEndian16(descriptor + 2);
      const int64_t width = LittleEndian16(descriptor + 4), height = LittleEndian16(descriptor + 6);
      if (!WithinPictureLimit(width, height) || !WithinPictureLimit(left + width, top + height)) return false;
      const bool localTable = descriptor[8] & 0x80;
      if (localTable && !file.Read(table, 3 << ((descriptor[8] & 7) + 1))) return false;
      return LzwCodesSound(file);
    }
    unsigned char label;
    if (introducer != 0x21 || !file.Read(&label, 1) || !SkipSubBlocks(file)) return false;
  }
  return false;
}

bool IsFrameMarker(unsigned char marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool CheckJpeg(ByteFile& file, int64_t position) {
  // Walk the marker segments up to the frame header, which holds the size.
  unsigned char segment[4];
  while (file.Seek(position) && file.Read(segment, sizeof segment) && segment[0] == 0xFF) {
    if (segment[1] == 0xFF) {  // fill byte
      ++position;
      continue;
    }
    const int64_t length = BigEndian16(segment + 2);
    if (IsFrameMarker(segment[1])) {
      unsigned char frame[5];
      return file.Read(frame, sizeof frame) && WithinPictureLimit(BigEndian16(frame + 3), BigEndian16(frame + 1));
    }
    if (segment[1] == 0xDA || segment[1] == 0xD9 || length < 2) return false;  // no frame before the data
    position += 2 + length;
  }
  return false;
}

PictureKind Sniff(ByteFile& file) {
  static const unsigned char kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  unsigned char magic[8] = {};
  if (!file.Read(magic, sizeof magic)) return PictureKind::Unknown;
  file.Seek(0);
  if (std::memcmp(magic, kPng, 8) == 0) return CheckPng(file) ? PictureKind::Png : PictureKind::Unknown;
  if (std::memcmp(magic, "GIF87a", 6) == 0 || std::memcmp(magic, "GIF89a", 6) == 0)
    return CheckGif(file) ? PictureKind::Gif : PictureKind::Unknown;
  if (magic[0] == 0xFF && magic[1] == 0xD8 && magic[2] == 0xFF)
    return CheckJpeg(file, 2) ? PictureKind::Jpeg : PictureKind::Unknown;
  return PictureKind::Unknown;
}

}  // namespace

bool WithinPictureLimit(int64_t width, int64_t height) {
  // Divide rather than multiply: two 32-bit sizes overflow even 64 bits.
  return width > 0 && height > 0 && width <= kMaxDecodedPixels && height <= kMaxDecodedPixels / width;
}

bool BitmapSizeAcceptable(ByteFile& file) {
  const bool ok = file.Seek(0) && CheckBitmap(file);
  file.Seek(0);
  return ok;
}

PictureKind AcceptablePicture(ByteFile& file) {
  const PictureKind kind = file.Seek(0) ? Sniff(file) : PictureKind::Unknown;
  file.Seek(0);
  return kind;
}

}  // namespace gxbase
