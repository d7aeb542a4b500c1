// A results file on a full disk: a line lands whole or not at all, and the
// next line, once there is room again, starts on a line of its own.

#include <gtest/gtest.h>
#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include "game/ResultsFile.h"
#include "tests/engine/EngineTestSupport.h"

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

TEST(FullDisk, aTmpfsFilledToTheByteNeverHoldsACutOrJoinedLine) {
  TempDir dir;
  std::filesystem::create_directory("disk");
  if (mount("tmpfs", "disk", "tmpfs", 0, "size=8k") != 0) GTEST_SKIP() << "no tmpfs: " << std::strerror(errno);
  // Whole lines up to six bytes short of a page: the file's page has room
  // for "1 1 1 " and the next page is taken by the filler.
  std::string earlier;
  while (earlier.size() + EARLIER.size() <= 4096 - 6 - 16) earlier += EARLIER;
  earlier += std::string(4096 - 6 - earlier.size() - 1, '9') + "\n";
  writeFile("disk/gamedata.txt", earlier);
  writeFile("disk/filler", std::string(8192, 'x'));  // as much as fits
  std::string reason;
  EXPECT_FALSE(appendWholeLine("disk/gamedata.txt", LINE, reason, ::write));
  EXPECT_EQ(readFile("disk/gamedata.txt"), earlier);
  std::filesystem::remove("disk/filler");
  EXPECT_TRUE(appendWholeLine("disk/gamedata.txt", LINE, reason, ::write)) << reason;
  EXPECT_EQ(readFile("disk/gamedata.txt"), earlier + LINE);
  umount2("disk", MNT_DETACH);
}

}  // namespace
