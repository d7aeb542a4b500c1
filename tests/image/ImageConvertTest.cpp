// Conversion between pixel formats, one sample pixel per source format
// through every target.

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "gxbase/Image.h"

using gxbase::Image;
using gxbase::PixelFormat;
using imagetest::Bytes;
using imagetest::MakeImage;
using imagetest::RowsOf;

namespace {

struct ConversionCase {
  PixelFormat from;
  Bytes pixel;
  PixelFormat to;
  Bytes expected;
};

// The colour (10, 200, 30) has grey 126; alpha 77 where the source has one.
const ConversionCase kConversions[] = {
    {gxbase::RGB, {10, 200, 30}, gxbase::RGBA, {10, 200, 30, 255}},
    {gxbase::RGB, {10, 200, 30}, gxbase::BGR, {30, 200, 10}},
    {gxbase::RGB, {10, 200, 30}, gxbase::BGRA, {30, 200, 10, 255}},
    {gxbase::RGB, {10, 200, 30}, gxbase::Luminance, {126}},
    {gxbase::RGB, {10, 200, 30}, gxbase::LuminanceAlpha, {126, 255}},
    {gxbase::RGB, {10, 200, 30}, gxbase::Alpha, {126}},
    {gxbase::BGR, {30, 200, 10}, gxbase::RGB, {10, 200, 30}},
    {gxbase::BGR, {30, 200, 10}, gxbase::RGBA, {10, 200, 30, 255}},
    {gxbase::BGR, {30, 200, 10}, gxbase::Luminance, {126}},
    {gxbase::BGR, {30, 200, 10}, gxbase::Alpha, {126}},
    {gxbase::RGBA, {10, 200, 30, 77}, gxbase::RGB, {10, 200, 30}},
    {gxbase::RGBA, {10, 200, 30, 77}, gxbase::BGR, {30, 200, 10}},
    {gxbase::RGBA, {10, 200, 30, 77}, gxbase::BGRA, {30, 200, 10, 77}},
    {gxbase::RGBA, {10, 200, 30, 77}, gxbase::Luminance, {126}},
    {gxbase::RGBA, {10, 200, 30, 77}, gxbase::LuminanceAlpha, {126, 77}},
    {gxbase::RGBA, {10, 200, 30, 77}, gxbase::Alpha, {77}},
    {gxbase::BGRA, {30, 200, 10, 77}, gxbase::RGBA, {10, 200, 30, 77}},
    {gxbase::BGRA, {30, 200, 10, 77}, gxbase::LuminanceAlpha, {126, 77}},
    {gxbase::BGRA, {30, 200, 10, 77}, gxbase::Alpha, {77}},
    {gxbase::Luminance, {90}, gxbase::RGB, {90, 90, 90}},
    {gxbase::Luminance, {90}, gxbase::RGBA, {90, 90, 90, 255}},
    {gxbase::Luminance, {90}, gxbase::BGRA, {90, 90, 90, 255}},
    {gxbase::Luminance, {90}, gxbase::LuminanceAlpha, {90, 255}},
    {gxbase::Luminance, {90}, gxbase::Alpha, {90}},
    {gxbase::LuminanceAlpha, {90, 40}, gxbase::BGR, {90, 90, 90}},
    {gxbase::LuminanceAlpha, {90, 40}, gxbase::RGBA, {90, 90, 90, 40}},
    {gxbase::LuminanceAlpha, {90, 40}, gxbase::Luminance, {90}},
    {gxbase::LuminanceAlpha, {90, 40}, gxbase::Alpha, {40}},
    {gxbase::Alpha, {60}, gxbase::RGB, {60, 60, 60}},
    {gxbase::Alpha, {60}, gxbase::BGRA, {60, 60, 60, 60}},
    {gxbase::Alpha, {60}, gxbase::Luminance, {60}},
    {gxbase::Alpha, {60}, gxbase::LuminanceAlpha, {0, 60}},
};

void PrintTo(const ConversionCase& c, std::ostream* out) { *out << c.from << " to " << c.to; }

class ConvertTable : public testing::TestWithParam<ConversionCase> {};

int GreyOf(unsigned char r, unsigned char g, unsigned char b) {
  Image image = MakeImage(gxbase::RGB, 1, {{r, g, b}});
  EXPECT_TRUE(image.Convert(gxbase::Luminance));
  return image.Row(0)[0];
}

}  // namespace

TEST_P(ConvertTable, derivesTheMissingChannels) {
  const ConversionCase& c = GetParam();
  Image image = MakeImage(c.from, 1, {c.pixel});
  ASSERT_TRUE(image.Convert(c.to));
  EXPECT_EQ(image.Format(), c.to);
  EXPECT_EQ(RowsOf(image), std::vector<Bytes>{c.expected});
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfPair, ConvertTable, testing::ValuesIn(kConversions));

TEST(ImageConvert, greyUsesWeightsThreeSixOne) {
  EXPECT_EQ(GreyOf(10, 200, 30), 126);
  EXPECT_EQ(GreyOf(255, 255, 255), 255);
  EXPECT_EQ(GreyOf(0, 0, 0), 0);
  EXPECT_EQ(GreyOf(0, 255, 0), 153);  // 0.587 would give 150
  EXPECT_EQ(GreyOf(0, 0, 255), 26);   // 0.114 would give 29
}

TEST(ImageConvert, conversionDropsThePadding) {
  Image image = MakeImage(gxbase::RGB, 2, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}, 3);
  ASSERT_TRUE(image.Convert(gxbase::BGR));
  EXPECT_EQ(image.Padding(), 0);
  EXPECT_EQ(image.Stride(), 6);
  EXPECT_TRUE(image.IsValid());
  EXPECT_EQ(RowsOf(image), (std::vector<Bytes>{{3, 2, 1, 6, 5, 4}, {9, 8, 7, 12, 11, 10}}));
}
