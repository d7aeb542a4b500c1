#pragma once
// The program's own reader for uncompressed Windows bitmaps of 24 bits
// (-> BGR) or 8 bits with a colour table (-> Luminance when every table
// entry is grey, else BGR), rows stored bottom-up or top-down. Pictures
// beyond kMaxDecodedPixels are refused.

namespace gxbase {

struct ImageData;

// Fills data's image from the file at path. On failure the image is empty.
bool ReadBmp(ImageData& data, const char* path);

}  // namespace gxbase
