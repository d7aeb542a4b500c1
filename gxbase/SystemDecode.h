#pragma once
// The pipeline both system readers share: open the file (regular files
// only), check what it states about its size, let an SDL decoder read it
// under the decoder memory limit and copy the result in as BGR, bottom row
// first, rows padded to 4 bytes.

struct SDL_RWops;
struct SDL_Surface;

namespace gxbase {

class ByteFile;
struct ImageData;

// Decodes a picture from the stream; null on failure.
using SurfaceDecoder = SDL_Surface* (*)(SDL_RWops* stream);
// Picks the decoder for an open file whose stated size is acceptable, null
// to refuse it. Must leave the file at its start.
using DecoderChoice = SurfaceDecoder (*)(ByteFile& file);

// Fills data's image from the file at path. With overWhite, transparent
// pixels are composited over white; otherwise alpha is dropped. On failure
// the image is empty.
bool DecodeWithSystem(ImageData& data, const char* path, DecoderChoice choose, bool overWhite);

}  // namespace gxbase
