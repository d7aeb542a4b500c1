#pragma once
// Writing all of a text to a file descriptor: a short write goes on with the
// rest, and a write interrupted by a signal before it wrote anything (EINTR)
// is made again.

#include <sys/types.h>
#include <unistd.h>

#include <string>

// The write call used; tests pass one that writes short.
using WriteCall = ssize_t (*)(int fd, const void* bytes, size_t count);

// False when the file takes no more; `reason`, when not null, then says why.
bool writeAll(int fd, const std::string& text, WriteCall write = ::write, std::string* reason = nullptr);
