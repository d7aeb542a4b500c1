// The image record: allocation, release, sizes, rows, copies and row order.

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "gxbase/Image.h"

using gxbase::Image;
using imagetest::Bytes;
using imagetest::MakeImage;
using imagetest::RowsOf;

namespace {

void ExpectEmpty(const Image& image) {
  EXPECT_EQ(image.Width(), 0);
  EXPECT_EQ(image.Height(), 0);
  EXPECT_EQ(image.ByteSize(), 0);
  EXPECT_EQ(image.Stride(), 0);
  EXPECT_EQ(image.Format(), gxbase::RGB);
  EXPECT_EQ(image.Row(0), nullptr);
  EXPECT_EQ(image.Data()->pixels, nullptr);
  EXPECT_FALSE(image.IsValid());
}

}  // namespace

TEST(PixelFormats, bytesPerPixelFollowTheFormatTable) {
  const struct { gxbase::PixelFormat format; int bytes; } table[] = {
      {gxbase::RGB, 3}, {gxbase::RGBA, 4}, {gxbase::BGR, 3}, {gxbase::BGRA, 4},
      {gxbase::Luminance, 1}, {gxbase::LuminanceAlpha, 2}, {gxbase::Alpha, 1},
      {static_cast<gxbase::PixelFormat>(7), 0}, {static_cast<gxbase::PixelFormat>(-1), 0}};
  for (const auto& row : table) EXPECT_EQ(gxbase::BytesPerPixel(row.format), row.bytes) << row.format;
}

TEST(ImageAllocate, newImageIsEmpty) {
  Image image;
  ExpectEmpty(image);
  EXPECT_EQ(image.Data()->owner, &image);
}

TEST(ImageAllocate, zeroWidthSucceedsAndStaysEmpty) {
  Image image;
  EXPECT_TRUE(image.Allocate(0, 5, gxbase::RGB, 0));
  ExpectEmpty(image);
}

TEST(ImageAllocate, negativeSizeFailsAndStaysEmpty) {
  Image image = MakeImage(gxbase::RGB, 1, {{1, 2, 3}});
  EXPECT_FALSE(image.Allocate(-1, 5, gxbase::RGB, 0));
  ExpectEmpty(image);
  EXPECT_FALSE(image.Allocate(5, -1, gxbase::RGB, 0));
  ExpectEmpty(image);
}

TEST(ImageAllocate, paddingIsAddedToEveryRow) {
  Image image;
  ASSERT_TRUE(image.Allocate(3, 2, gxbase::RGB, 3));
  EXPECT_EQ(image.Data()->rowBytes, 9);
  EXPECT_EQ(image.Stride(), 12);
  EXPECT_EQ(image.ByteSize(), 24);
  EXPECT_EQ(image.Padding(), 3);
  EXPECT_EQ(image.BytesPerPixel(), 3);
  EXPECT_TRUE(image.IsValid());
  EXPECT_EQ(image.Row(1) - image.Row(0), 12);
}

TEST(ImageAllocate, byteSizeBeyondIntRangeFails) {
  Image image;
  EXPECT_FALSE(image.Allocate(65535, 65535, gxbase::BGRA, 0));
  ExpectEmpty(image);
  EXPECT_FALSE(image.Allocate(1, 2, gxbase::RGB, 0x7FFFFFFF));
  ExpectEmpty(image);
}

TEST(ImageAllocate, negativePaddingFails) {
  Image image;
  EXPECT_FALSE(image.Allocate(4, 4, gxbase::RGBA, -2));
  ExpectEmpty(image);
}

TEST(ImageRows, rowsOutsideTheImageAreNull) {
  Image image;
  ASSERT_TRUE(image.Allocate(2, 3, gxbase::BGR, 2));
  EXPECT_EQ(image.Row(-1), nullptr);
  EXPECT_EQ(image.Row(3), nullptr);
  EXPECT_EQ(image.Row(0), image.Data()->pixels);
  EXPECT_EQ(image.Row(2), image.Data()->pixels + 16);
}

TEST(ImageFree, freeEmptiesEveryField) {
  Image image;
  ASSERT_TRUE(image.Allocate(4, 2, gxbase::LuminanceAlpha, 1));
  image.Free();
  ExpectEmpty(image);
  EXPECT_EQ(image.Data()->rowBytes, 0);
}

TEST(ImageCopy, copyKeepsFormatPaddingAndPixels) {
  const Image original = MakeImage(gxbase::BGRA, 2, {{1, 2, 3, 4, 5, 6, 7, 8}, {9, 10, 11, 12, 13, 14, 15, 16}}, 3);
  const Image copy(original);
  EXPECT_EQ(copy.Format(), gxbase::BGRA);
  EXPECT_EQ(copy.Padding(), 3);
  EXPECT_EQ(RowsOf(copy), RowsOf(original));
  EXPECT_NE(copy.Row(0), original.Row(0));
  EXPECT_EQ(copy.Data()->owner, &copy);
}

TEST(ImageCopy, assignmentReplacesTheOldPicture) {
  Image target = MakeImage(gxbase::RGB, 1, {{1, 2, 3}, {4, 5, 6}});
  const Image source = MakeImage(gxbase::Alpha, 3, {{7, 8, 9}});
  target = source;
  EXPECT_EQ(target.Format(), gxbase::Alpha);
  EXPECT_EQ(RowsOf(target), RowsOf(source));
  target = Image();
  ExpectEmpty(target);
}

TEST(ImageCopy, selfAssignmentKeepsThePicture) {
  Image image = MakeImage(gxbase::RGB, 1, {{1, 2, 3}});
  Image& same = image;
  image = same;
  EXPECT_EQ(RowsOf(image), (std::vector<Bytes>{{1, 2, 3}}));
}

TEST(ImageFlip, flipReversesRowsAndTwiceRestores) {
  const std::vector<Bytes> rows = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
  Image image = MakeImage(gxbase::RGB, 1, rows, 2);
  image.FlipVertical();
  EXPECT_EQ(RowsOf(image), (std::vector<Bytes>{{7, 8, 9}, {4, 5, 6}, {1, 2, 3}}));
  image.FlipVertical();
  EXPECT_EQ(RowsOf(image), rows);
}

TEST(ImageFlip, flipOfOneRowChangesNothing) {
  Image image = MakeImage(gxbase::Luminance, 4, {{1, 2, 3, 4}});
  image.FlipVertical();
  EXPECT_EQ(RowsOf(image), (std::vector<Bytes>{{1, 2, 3, 4}}));
}

TEST(ImageFlip, flipOfEmptyImageIsHarmless) {
  Image image;
  image.FlipVertical();
  ExpectEmpty(image);
}

TEST(ImageValidity, inconsistentSizesAreNotValid) {
  Image image;
  ASSERT_TRUE(image.Allocate(2, 2, gxbase::RGB, 0));
  EXPECT_TRUE(image.IsValid());
  image.Data()->byteSize = 11;  // as a broken record would have it
  EXPECT_FALSE(image.IsValid());
}
