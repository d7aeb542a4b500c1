#pragma once
// Turns a picture decoded by SDL into an Image the way the system decoders
// deliver them: BGR, bottom row first, each row padded to a multiple of 4 bytes.

struct SDL_Surface;

namespace gxbase {

class Image;

// Replaces image's content by surface's pixels. With overWhite, pixels with
// transparency are composited over white; otherwise alpha is dropped.
// False (image empty) for an empty surface or when memory runs out.
bool CopySurface(SDL_Surface* surface, Image& image, bool overWhite);

}  // namespace gxbase
