#pragma once
// The program's own reader for true-colour Targa files: image types 2
// (uncompressed) and 10 (run-length coded), 24 bits (-> BGR) or 32 bits
// (-> BGRA, alpha kept), either origin. A file is looked at only when it ends
// with the Targa 2.0 footer or its name ends in ".tga" or ".TGA". Pictures
// beyond kMaxDecodedPixels are refused.

namespace gxbase {

struct ImageData;

// Fills data's image from the file at path. On failure the image is empty.
bool ReadTarga(ImageData& data, const char* path);

// True when path is at least 5 characters long and its first ".tga", or its
// first ".TGA", is its last four characters.
bool IsTargaName(const char* path);

}  // namespace gxbase
