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

TEST(ImageAllocate, edgeCasesSucceedOrFailButAlwaysLeaveAnEmptyImageAndPaddingEndsEveryRow) {
  const struct { int width, height, padding; PixelFormat format; bool succeeds; } cases[] = {
      {0, 5, 0, RGB, true},      {-1, 5, 0, RGB, false},          {5, -1, 0, RGB, false},
      {4, 4, -2, RGBA, false},   {65535, 65535, 0, BGRA, false},  {1, 2, 0x7FFFFFFF, RGB, false}};
  for (const auto& c : cases) {
    Image image = MakeImage(RGB, 1, {{1, 2, 3}});
    EXPECT_EQ(image.Allocate(c.width, c.height, c.format, c.padding), c.succeeds) << c.width << " " << c.padding;
    EXPECT_TRUE(image.Width() == 0 && image.ByteSize() == 0 && image.Row(0) == nullptr && !image.IsValid());
  }
  Image image;
  ASSERT_TRUE(image.Allocate(3, 2, RGB, 3));
  EXPECT_EQ(image.ByteSize(), 24);
  EXPECT_EQ(image.Row(1) - image.Row(0), 12);
  EXPECT_EQ(image.Row(2), nullptr);
}

TEST(ImageConvert, derivesTheMissingChannelsGreyWeighedThreeSixOneAndDropsThePadding) {
  // The colour (10, 200, 30) has grey 126.
  const struct { PixelFormat from; Bytes pixel; PixelFormat to; Bytes expected; } cases[] = {
      {RGB, {10, 200, 30}, BGRA, {30, 200, 10, 255}},      {RGB, {10, 200, 30}, LuminanceAlpha, {126, 255}},
      {RGB, {0, 255, 0}, Luminance, {153}},                {RGB, {0, 0, 255}, Alpha, {26}},
      {BGR, {30, 200, 10}, RGBA, {10, 200, 30, 255}},      {RGBA, {10, 200, 30, 77}, BGR, {30, 200, 10}},
      {RGBA, {10, 200, 30, 77}, LuminanceAlpha, {126, 77}}, {BGRA, {30, 200, 10, 77}, RGBA, {10, 200, 30, 77}},
      {BGRA, {30, 200, 10, 77}, Alpha, {77}},              {Luminance, {90}, BGRA, {90, 90, 90, 255}},
      {LuminanceAlpha, {90, 40}, RGBA, {90, 90, 90, 40}},  {LuminanceAlpha, {90, 40}, Alpha, {40}},
      {Alpha, {60}, BGRA, {60, 60, 60, 60}},               {Alpha, {60}, LuminanceAlpha, {0, 60}}};
  for (const auto& c : cases) {
    Image image = MakeImage(c.from, 1, {c.pixel, c.pixel}, 3);
    ASSERT_TRUE(image.Convert(c.to));
    EXPECT_EQ(image.Format(), c.to);
    EXPECT_EQ(image.Padding(), 0);
    EXPECT_EQ(RowsOf(image), (std::vector<Bytes>{c.expected, c.expected})) << c.from << " to " << c.to;
  }
}

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
