#pragma once
// Size checks made before a file is handed to a system decoder. Those
// decoders allocate (and clear) the whole picture as soon as they have read
// its header, so a few hostile bytes could otherwise cost gigabytes.

#include <cstdint>

namespace gxbase {

class ByteFile;

// The largest picture the system decoders are asked for: 16 megapixels
// (4096 x 4096), far beyond any sprite or screen of this program. A
// compressed file of a few dozen bytes may claim that much, and decoding it
// costs time and memory in proportion, so the bound stays modest.
const int64_t kMaxDecodedPixels = int64_t(1) << 24;

// The largest single block a system decoder may allocate: the biggest
// picture above as 4-byte pixels, and some room for the decoder's own state.
const int64_t kMaxDecoderBlock = kMaxDecodedPixels * 4 + (int64_t(1) << 20);

// Formats the picture decoder hands on, each after checking its size.
enum class PictureKind { Unknown, Png, Jpeg, Gif };

// True for a Windows bitmap whose stated size is sane: uncompressed pixel
// rows must be in the file, compressed ones within kMaxDecodedPixels.
// Leaves the file at its start.
bool BitmapSizeAcceptable(ByteFile& file);

// True when a width x height picture is within kMaxDecodedPixels (both
// sizes above 0). Every reader applies it before allocating.
bool WithinPictureLimit(int64_t width, int64_t height);

// The picture's format when it is PNG, JPEG or GIF and its stated size is
// within kMaxDecodedPixels; otherwise Unknown. A PNG file must also hold
// every chunk up to its end marker. Leaves the file at its start.
PictureKind AcceptablePicture(ByteFile& file);

}  // namespace gxbase
