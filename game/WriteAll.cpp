#include "game/WriteAll.h"

#include <cerrno>
#include <cstring>

bool writeAll(int fd, const std::string& text, WriteCall write, std::string* reason) {
  for (size_t done = 0; done < text.size();) {
    const ssize_t written = write(fd, text.data() + done, text.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (reason != nullptr) *reason = written < 0 ? std::strerror(errno) : "the file takes no more bytes";
      return false;
    }
    done += static_cast<size_t>(written);
  }
  return true;
}
