// The image record: allocation, rows, copies and row order.

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
