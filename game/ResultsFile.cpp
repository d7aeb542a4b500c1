#include "game/ResultsFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace {

// Takes an exclusive advisory lock on an open file; released on close.
void lockFile(int fd) {
  while (flock(fd, LOCK_EX) != 0 && errno == EINTR) {
  }
}

// True when the regular file at path, size bytes long, does not end in a
// line break. Read through a descriptor of its own: the appending one is
// write-only, so that a named pipe without a reader is refused at opening.
bool endsMidLine(const char* path, off_t size) {
  if (size == 0) return false;
  const int fd = open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  char last = '\n';
  const bool read = fd >= 0 && pread(fd, &last, 1, size - 1) == 1;
  if (fd >= 0) close(fd);
  return read && last != '\n';
}

bool writeLocked(int fd, const char* path, const std::string& line, std::string& reason, WriteCall write) {
  struct stat info;
  if (fstat(fd, &info) != 0) {
    reason = std::strerror(errno);
    return false;
  }
  // Only a regular file has a size to go back to; elsewhere (a pipe, a
  // device) a cut line cannot be taken back.
  const bool regular = S_ISREG(info.st_mode);
  const std::string text = regular && endsMidLine(path, info.st_size) ? "\n" + line : line;
  if (writeAll(fd, text, write, &reason)) return true;
  if (regular && ftruncate(fd, info.st_size) != 0) reason += "; the cut line stays in the file";
  return false;
}

}  // namespace

bool appendWholeLine(const char* path, const std::string& line, std::string& reason, WriteCall write) {
  // A file-size limit would otherwise kill the program on the write; ignored,
  // the write fails and says so.
  std::signal(SIGXFSZ, SIG_IGN);
  // Non-blocking, so a named pipe without a reader loses the line instead of
  // stopping the game.
  const int fd = open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
  if (fd < 0) {
    reason = std::strerror(errno);
    return false;
  }
  // Where locks are not supported the line is still written.
  lockFile(fd);
  const bool ok = writeLocked(fd, path, line, reason, write);
  close(fd);
  return ok;
}
