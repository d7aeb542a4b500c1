// Bitmaps and other pictures: the program's own BMP reader for 24-bit and
// 8-bit files, and Image::Load handing what it turns down to the system
// bitmap loader and other formats to the picture decoder.

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "tests/support/TempDir.h"
#include "gxbase/BmpReader.h"
#include "gxbase/Image.h"
#include "tests/support/GlContext.h"

using gxbase::Image;
using namespace imagetest;

namespace {

// 3 x 2 pixels of 24 bits: rows of 9 bytes, padded to 12 in the file.
const std::vector<Bytes> kBottomUpRows = {{1, 2, 3, 4, 5, 6, 7, 8, 9}, {10, 11, 12, 13, 14, 15, 16, 17, 18}};

std::vector<Bytes> GreyTable(int count) {
  std::vector<Bytes> table;
  for (int k = 0; k < count; ++k) table.push_back(Bytes(3, static_cast<unsigned char>(k * 10)));
  return table;
}

BmpLayout EightBit(int width, int height, const std::vector<Bytes>& palette) {
  BmpLayout layout = Bmp(8, width, height);
  layout.palette = palette;
  layout.coloursUsed = palette.size();
  return layout;
}

// What the system decoders deliver: BGR rows padded to a multiple of 4 bytes.
void ExpectSystemLayout(const Image& image, const std::vector<Bytes>& bottomUpRows) {
  EXPECT_EQ(image.Format(), gxbase::BGR);
  EXPECT_EQ(image.Stride() % 4, 0);
  EXPECT_TRUE(image.IsValid());
  EXPECT_EQ(RowsOf(image), bottomUpRows);
}

class BmpReader : public testing::Test {
 protected:
  bool Read(const Bytes& file) { return gxbase::ReadBmp(*image.Data(), imagetest::Write("picture.bmp", file).c_str()); }

  TempDir dir;
  Image image;
};

}  // namespace

TEST_F(BmpReader, twentyFourBitsLoadAsBgrWithoutPaddingAndTopDownFilesUpright) {
  ASSERT_TRUE(Read(BmpFile(Bmp(24, 3, 2), kBottomUpRows)));
  EXPECT_EQ(image.Format(), gxbase::BGR);
  EXPECT_EQ(image.Padding(), 0);
  EXPECT_EQ(RowsOf(image), kBottomUpRows);
  ASSERT_TRUE(Read(BmpFile(Bmp(24, 3, -2), {kBottomUpRows[1], kBottomUpRows[0]})));
  EXPECT_EQ(RowsOf(image), kBottomUpRows);
}

TEST_F(BmpReader, greyColourTableGivesLuminanceAndAColouredOneBgr) {
  ASSERT_TRUE(Read(BmpFile(EightBit(3, 2, GreyTable(256)), {{0, 1, 2}, {3, 4, 25}})));
  EXPECT_EQ(image.Format(), gxbase::Luminance);
  EXPECT_EQ(RowsOf(image), (std::vector<Bytes>{{0, 10, 20}, {30, 40, 250}}));
  ASSERT_TRUE(Read(BmpFile(EightBit(3, 1, {{0, 0, 0}, {255, 255, 255}, {30, 200, 10}}), {{2, 1, 7}})));
  EXPECT_EQ(image.Format(), gxbase::BGR);
  EXPECT_EQ(RowsOf(image), (std::vector<Bytes>{{30, 200, 10, 255, 255, 255, 0, 0, 0}}));  // beyond: black
  ASSERT_TRUE(Read(BmpFile(EightBit(1, -3, GreyTable(4)), {{3}, {2}, {1}})));
  EXPECT_EQ(RowsOf(image), (std::vector<Bytes>{{10}, {20}, {30}}));
}

TEST_F(BmpReader, aBitmapOnlyTheSystemLoaderReadsStillLoads) {
  // x1r5g5b5 values, little-endian: red, green, blue / white, black, blue.
  const std::vector<Bytes> fileRows = {{0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00}, {0xFF, 0x7F, 0x00, 0x00, 0x1F, 0x00}};
  const std::string path = imagetest::Write("sixteen.bmp", BmpFile(Bmp(16, 3, 2), fileRows));
  EXPECT_FALSE(gxbase::ReadBmp(*image.Data(), path.c_str()));
  ASSERT_TRUE(image.Load(path.c_str()));
  ExpectSystemLayout(image, {{0, 0, 255, 0, 255, 0, 255, 0, 0}, {255, 255, 255, 0, 0, 0, 255, 0, 0}});
}
