// The image record: allocation, rows, copies and row order; a picture kept
// while its file stays the same.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>

#include "TestFiles.h"
#include "gxbase/Image.h"
#include "gxbase/ImageFileCache.h"

using gxbase::Image;
using imagetest::Bytes;
using imagetest::MakeImage;
using imagetest::RowsOf;

namespace {

void ExpectEmpty(const Image& image) {
  EXPECT_EQ(image.Width(), 0);
  EXPECT_EQ(image.Height(), 0);
  EXPECT_EQ(image.ByteSize(), 0);
  EXPECT_EQ(image.Row(0), nullptr);
  EXPECT_EQ(image.Data()->pixels, nullptr);
  EXPECT_FALSE(image.IsValid());
}

}  // namespace

TEST(ImageAllocate, edgeCasesSucceedOrFailButAlwaysLeaveAnEmptyImage) {
  const struct { const char* what; int width, height, padding; gxbase::PixelFormat format; bool succeeds; } cases[] = {
      {"zeroWidth", 0, 5, 0, gxbase::RGB, true},         {"negativeWidth", -1, 5, 0, gxbase::RGB, false},
      {"negativeHeight", 5, -1, 0, gxbase::RGB, false},  {"negativePadding", 4, 4, -2, gxbase::RGBA, false},
      {"beyondIntRange", 65535, 65535, 0, gxbase::BGRA, false},
      {"paddingBeyondIntRange", 1, 2, 0x7FFFFFFF, gxbase::RGB, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Image image = MakeImage(gxbase::RGB, 1, {{1, 2, 3}});
    EXPECT_EQ(image.Allocate(c.width, c.height, c.format, c.padding), c.succeeds);
    ExpectEmpty(image);
  }
}

TEST(ImageAllocate, paddingIsAddedToEveryRowAndRowsOutsideTheImageAreNull) {
  Image image;
  ASSERT_TRUE(image.Allocate(3, 2, gxbase::RGB, 3));
  EXPECT_EQ(image.Stride(), 12);
  EXPECT_EQ(image.ByteSize(), 24);
  EXPECT_TRUE(image.IsValid());
  EXPECT_EQ(image.Row(0), image.Data()->pixels);
  EXPECT_EQ(image.Row(1) - image.Row(0), 12);
  EXPECT_EQ(image.Row(-1), nullptr);
  EXPECT_EQ(image.Row(2), nullptr);
}

TEST(ImageCopy, copyAndAssignmentKeepFormatPaddingAndPixelsInTheirOwnBuffer) {
  const Image original = MakeImage(gxbase::BGRA, 2, {{1, 2, 3, 4, 5, 6, 7, 8}, {9, 10, 11, 12, 13, 14, 15, 16}}, 3);
  const Image copy(original);
  EXPECT_EQ(copy.Format(), gxbase::BGRA);
  EXPECT_EQ(copy.Padding(), 3);
  EXPECT_EQ(RowsOf(copy), RowsOf(original));
  EXPECT_NE(copy.Row(0), original.Row(0));
  Image target = MakeImage(gxbase::RGB, 1, {{1, 2, 3}, {4, 5, 6}});
  target = original;
  EXPECT_EQ(RowsOf(target), RowsOf(original));
  target = Image();
  ExpectEmpty(target);
}

TEST(ImageFlip, flipReversesRowsTwiceRestoresAndOneRowStaysAsItIs) {
  const std::vector<Bytes> rows = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
  Image image = MakeImage(gxbase::RGB, 1, rows, 2);
  image.FlipVertical();
  EXPECT_EQ(RowsOf(image), (std::vector<Bytes>{{7, 8, 9}, {4, 5, 6}, {1, 2, 3}}));
  image.FlipVertical();
  EXPECT_EQ(RowsOf(image), rows);
  Image oneRow = MakeImage(gxbase::Luminance, 4, {{1, 2, 3, 4}});
  oneRow.FlipVertical();
  EXPECT_EQ(RowsOf(oneRow), (std::vector<Bytes>{{1, 2, 3, 4}}));
}

TEST(ImageFileCache, readsTheFileAgainOnlyWhenItsSizeOrModificationTimeChanges) {
  imagetest::TempDir dir;
  const auto write = [&](int width, unsigned char value) {
    return dir.Write("start.tga", imagetest::TargaFile(imagetest::Targa(2, 24, width, 1), Bytes(3 * width, value)));
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
