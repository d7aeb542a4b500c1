#pragma once
// The one way tests read pixels back, and picture writers for making test files.

#include <vector>

#include "gxbase/Image.h"

// Red, green, blue bytes of the current read buffer, bottom row first.
std::vector<unsigned char> readPixels(int x, int y, int width, int height);

// Writes an RGB, BGR, RGBA or BGRA image (alpha kept) as a PNG file, or an
// RGB or BGR one as a JPEG of high quality.
bool WritePngFile(const gxbase::Image& image, const char* path);
bool WriteJpegFile(const gxbase::Image& image, const char* path);
