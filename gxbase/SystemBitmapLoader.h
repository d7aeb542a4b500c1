#pragma once
// Windows bitmaps of every kind SDL decodes (any depth, compressed, with
// colour masks), delivered as BGR, bottom row first, rows padded to 4 bytes.
// Uncompressed rows must be in the file; no bitmap may exceed kMaxDecodedPixels.

namespace gxbase {

struct ImageData;

// Fills data's image from the file at path. On failure the image is empty.
bool ReadSystemBitmap(ImageData& data, const char* path);

}  // namespace gxbase
