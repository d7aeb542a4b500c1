#pragma once
// A read-only binary file for the image readers: opens regular files only
// (never directories, devices or named pipes, and without ever blocking), knows its size up front so readers can
// check claimed sizes before allocating, and reads all-or-nothing.

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace gxbase {

class ByteFile {
 public:
  explicit ByteFile(const char* path);
  ~ByteFile();
  ByteFile(const ByteFile&) = delete;
  ByteFile& operator=(const ByteFile&) = delete;

  bool IsOpen() const { return file != nullptr; }
  // Size in bytes at the time the file was opened.
  int64_t Size() const { return size; }
  // Moves to an absolute offset; false when it lies outside 0..Size().
  bool Seek(int64_t offset);
  // Reads exactly count bytes; false on a short read.
  bool Read(void* destination, size_t count);
  // The open stream, for handing to a decoder that reads it itself.
  FILE* Handle() { return file; }

 private:
  FILE* file;
  int64_t size;
};

// Unsigned little-endian values as stored in BMP and Targa headers.
inline uint32_t LittleEndian16(const unsigned char* bytes) {
  return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8;
}
inline uint32_t LittleEndian32(const unsigned char* bytes) {
  return LittleEndian16(bytes) | LittleEndian16(bytes + 2) << 16;
}

}  // namespace gxbase
