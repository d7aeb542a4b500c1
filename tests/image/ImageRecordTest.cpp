// The image record: allocation and its limits, and conversion between pixel formats.

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "gxbase/Image.h"

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
