#include "gxbase/ByteFile.h"

#include <sys/stat.h>

namespace gxbase {

ByteFile::ByteFile(const char* path) : file(nullptr), size(0) {
  if (path == nullptr) return;
  file = std::fopen(path, "rb");
  if (file == nullptr) return;
  // fopen succeeds on a directory; its "size" would be meaningless.
  struct stat info;
  if (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode)) {
    std::fclose(file);
    file = nullptr;
    return;
  }
  size = info.st_size;
}

ByteFile::~ByteFile() {
  if (file != nullptr) std::fclose(file);
}

bool ByteFile::Seek(int64_t offset) {
  if (file == nullptr || offset < 0 || offset > size) return false;
  return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
}

bool ByteFile::Read(void* destination, size_t count) {
  if (file == nullptr) return false;
  return std::fread(destination, 1, count, file) == count;
}

}  // namespace gxbase
