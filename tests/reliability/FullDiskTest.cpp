// A results file on a full disk: a line lands whole or not at all.

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "game/ResultsFile.h"
#include "tests/support/TempDir.h"

namespace {

const std::string LINE = "1 1 1 1 1 1400\n";
const std::string EARLIER = "0 1 0 0 1 340\n";

// A disk with room for six more bytes: writes short, then fails.
ssize_t roomForSixBytes(int fd, const void* bytes, size_t count) {
  static size_t room = 6;
  if (room == 0) {
    errno = ENOSPC;
    return -1;
  }
  const size_t taken = count < room ? count : room;
  room -= taken;
  return write(fd, bytes, taken);
}

TEST(FullDisk, aWriteThatFallsShortLeavesNoCutLineBehind) {
  TempDir dir;
  writeFile("gamedata.txt", EARLIER);
  std::string reason;
  EXPECT_FALSE(appendWholeLine("gamedata.txt", LINE, reason, roomForSixBytes));
  EXPECT_EQ(reason, std::strerror(ENOSPC));
  EXPECT_EQ(readFile("gamedata.txt"), EARLIER);
  EXPECT_TRUE(appendWholeLine("gamedata.txt", LINE, reason, ::write));
  EXPECT_EQ(readFile("gamedata.txt"), EARLIER + LINE);
}

}  // namespace
