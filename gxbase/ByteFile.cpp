#include "gxbase/ByteFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gxbase {

ByteFile::ByteFile(const char* path) : file(nullptr), size(0) {
  if (path == nullptr) return;
  // Without O_NONBLOCK, opening a named pipe waits for a writer for ever.
  const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return;
  // Anything but a regular file (directory, device, pipe) is no picture.
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || fcntl(fd, F_SETFL, 0) != 0) {
    close(fd);
    return;
  }
  file = fdopen(fd, "rb");
  if (file == nullptr) {
    close(fd);
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
