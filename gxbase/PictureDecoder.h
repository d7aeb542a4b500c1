#pragma once
// PNG, JPEG and GIF pictures through SDL_image, recognised by their content,
// composited over white where they have transparency and delivered as BGR,
// bottom row first, rows padded to 4 bytes; one image pixel per picture pixel.
// Pictures whose header claims more than kMaxDecodedPixels are refused.

namespace gxbase {

struct ImageData;

// Fills data's image from the file at path. On failure the image is empty.
bool ReadPicture(ImageData& data, const char* path);

}  // namespace gxbase
