// The image record: allocation and its limits, conversion between pixel
// formats; a picture kept while its file stays the same.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>

#include "TestFiles.h"
#include "gxbase/Image.h"
#include "gxbase/ImageFileCache.h"
#include "tests/support/TempDir.h"

using namespace gxbase;
using namespace imagetest;

TEST(ImageFileCache, readsTheFileAgainOnlyWhenItsSizeOrModificationTimeChanges) {
  TempDir dir;
  const auto write = [&](int width, unsigned char value) {
    return imagetest::Write("start.tga", imagetest::TargaFile(imagetest::Targa(2, 24, width, 1), Bytes(3 * width, value)));
  };
  const std::string path = write(10, 7);  // long enough for a Targa file
  gxbase::ImageFileCache cache(path);
  EXPECT_EQ(cache.Get().Row(0)[0], 7);
  struct stat first;
  ASSERT_EQ(stat(path.c_str(), &first), 0);
  write(10, 9);
  const timespec times[2] = {first.st_atim, first.st_mtim};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
  EXPECT_EQ(cache.Get().Row(0)[0], 7);  // same size and time: the kept picture
  const timespec later[2] = {first.st_atim, {first.st_mtim.tv_sec + 1, first.st_mtim.tv_nsec}};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), later, 0), 0);
  EXPECT_EQ(cache.Get().Row(0)[0], 9);
  write(11, 9);
  EXPECT_EQ(cache.Get().Width(), 11);
  std::remove(path.c_str());
  EXPECT_FALSE(cache.Get().IsValid());
}
