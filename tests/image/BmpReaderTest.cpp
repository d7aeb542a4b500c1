// The program's own BMP reader: 24-bit and 8-bit files, both row orders,
// grey and coloured tables, and the files it leaves to the system loader.

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "gxbase/BmpReader.h"
#include "gxbase/Image.h"

using gxbase::Image;
using imagetest::BmpFile;
using imagetest::BmpLayout;
using imagetest::Bytes;
using imagetest::RowsOf;

namespace {

// 3 x 2 pixels of 24 bits: rows of 9 bytes, padded to 12 in the file.
const std::vector<Bytes> kBottomUpRows = {{1, 2, 3, 4, 5, 6, 7, 8, 9}, {10, 11, 12, 13, 14, 15, 16, 17, 18}};

BmpLayout Layout(int bits, int width, int height) {
  BmpLayout layout;
  layout.bitsPerPixel = bits;
  layout.width = width;
  layout.height = height;
  return layout;
}

std::vector<Bytes> GreyTable(int count) {
  std::vector<Bytes> table;
  for (int k = 0; k < count; ++k) {
    const unsigned char level = static_cast<unsigned char>(k * 10);
    table.push_back({level, level, level});
  }
  return table;
}

class BmpReader : public testing::Test {
 protected:
  bool Read(const Bytes& file) { return gxbase::ReadBmp(*image.Data(), dir.Write("picture.bmp", file).c_str()); }

  imagetest::TempDir dir;
  Image image;
};

}  // namespace

TEST_F(BmpReader, twentyFourBitsLoadAsBgrBottomRowFirst) {
  ASSERT_TRUE(Read(BmpFile(Layout(24, 3, 2), kBottomUpRows)));
  EXPECT_EQ(image.Format(), gxbase::BGR);
  EXPECT_EQ(image.Padding(), 0);
  EXPECT_EQ(RowsOf(image), kBottomUpRows);
}

TEST_F(BmpReader, topDownFileLoadsUpright) {
  ASSERT_TRUE(Read(BmpFile(Layout(24, 3, -2), {kBottomUpRows[1], kBottomUpRows[0]})));
  EXPECT_EQ(image.Height(), 2);
  EXPECT_EQ(RowsOf(image), kBottomUpRows);
}

TEST_F(BmpReader, greyColourTableGivesLuminance) {
  BmpLayout layout = Layout(8, 3, 2);
  layout.palette = GreyTable(256);
  ASSERT_TRUE(Read(BmpFile(layout, {{0, 1, 2}, {3, 4, 25}})));
  EXPECT_EQ(image.Format(), gxbase::Luminance);
  EXPECT_EQ(RowsOf(image), (std::vector<Bytes>{{0, 10, 20}, {30, 40, 250}}));
}

TEST_F(BmpReader, colouredTableGivesBgr) {
  BmpLayout layout = Layout(8, 2, 1);
  layout.coloursUsed = 3;
  layout.palette = {{0, 0, 0}, {255, 255, 255}, {30, 200, 10}};
  ASSERT_TRUE(Read(BmpFile(layout, {{2, 1}})));
  EXPECT_EQ(image.Format(), gxbase::BGR);
  EXPECT_EQ(RowsOf(image), (std::vector<Bytes>{{30, 200, 10, 255, 255, 255}}));
}

TEST_F(BmpReader, eightBitTopDownFileLoadsUpright) {
  BmpLayout layout = Layout(8, 1, -3);
  layout.coloursUsed = 4;
  layout.palette = GreyTable(4);
  ASSERT_TRUE(Read(BmpFile(layout, {{3}, {2}, {1}})));
  EXPECT_EQ(RowsOf(image), (std::vector<Bytes>{{10}, {20}, {30}}));
}

TEST_F(BmpReader, indexBeyondTheColourTableIsBlack) {
  BmpLayout layout = Layout(8, 2, 1);
  layout.coloursUsed = 2;
  layout.palette = {{50, 60, 70}, {80, 90, 100}};
  ASSERT_TRUE(Read(BmpFile(layout, {{1, 200}})));
  EXPECT_EQ(RowsOf(image), (std::vector<Bytes>{{80, 90, 100, 0, 0, 0}}));
}

TEST_F(BmpReader, statedImageSizeLargerThanTheRowsIsAccepted) {
  BmpLayout layout = Layout(24, 3, 2);
  layout.imageSize = 24;
  ASSERT_TRUE(Read(BmpFile(layout, kBottomUpRows)));
  EXPECT_EQ(RowsOf(image), kBottomUpRows);
}

struct RejectedBmp {
  const char* name;
  BmpLayout layout;
};

BmpLayout Changed(BmpLayout layout, void (*change)(BmpLayout&)) {
  change(layout);
  return layout;
}

void PrintTo(const RejectedBmp& c, std::ostream* out) { *out << c.name; }

class BmpRejects : public testing::TestWithParam<RejectedBmp> {};

TEST_P(BmpRejects, readerTurnsTheFileDownAndLeavesTheImageEmpty) {
  const BmpLayout& layout = GetParam().layout;
  imagetest::TempDir dir;
  const int rowBytes = (std::abs(layout.width) * layout.bitsPerPixel + 7) / 8;
  const std::vector<Bytes> rows(std::abs(layout.height), Bytes(rowBytes, 1));
  const std::string path = dir.Write("rejected.bmp", BmpFile(layout, rows));
  Image image = imagetest::MakeImage(gxbase::RGB, 1, {{1, 2, 3}});
  EXPECT_FALSE(gxbase::ReadBmp(*image.Data(), path.c_str()));
  EXPECT_EQ(image.Data()->pixels, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, BmpRejects,
    testing::Values(
        RejectedBmp{"sixteenBits", Layout(16, 2, 2)}, RejectedBmp{"thirtyTwoBits", Layout(32, 2, 2)},
        RejectedBmp{"fourBits", Layout(4, 2, 2)}, RejectedBmp{"oneBit", Layout(1, 8, 2)},
        RejectedBmp{"compressed", Changed(Layout(8, 2, 2), [](BmpLayout& l) { l.compression = 1; })},
        RejectedBmp{"twoPlanes", Changed(Layout(24, 2, 2), [](BmpLayout& l) { l.planes = 2; })},
        RejectedBmp{"zeroWidth", Layout(24, 0, 2)}, RejectedBmp{"zeroHeight", Layout(24, 2, 0)},
        RejectedBmp{"negativeWidth", Layout(24, -2, 2)},
        RejectedBmp{"moreThan256Colours",
                    Changed(Layout(8, 2, 2), [](BmpLayout& l) { l.coloursUsed = 257; l.palette = GreyTable(257); })},
        RejectedBmp{"imageSizeBelowStrideTimesHeight",
                    Changed(Layout(24, 3, 2), [](BmpLayout& l) { l.imageSize = 23; })},
        RejectedBmp{"colourTableCutShort",
                    Changed(Layout(8, 1, 1), [](BmpLayout& l) { l.coloursUsed = 200; })}),
    [](const testing::TestParamInfo<RejectedBmp>& info) { return std::string(info.param.name); });

TEST_F(BmpReader, wrongTypeBytesAreRefused) {
  Bytes file = BmpFile(Layout(24, 3, 2), kBottomUpRows);
  file[0] = 'M';
  file[1] = 'B';
  EXPECT_FALSE(Read(file));
  EXPECT_EQ(image.Data()->pixels, nullptr);
}

TEST_F(BmpReader, missingFileFails) {
  EXPECT_FALSE(gxbase::ReadBmp(*image.Data(), dir.Path("absent.bmp").c_str()));
  EXPECT_FALSE(gxbase::ReadBmp(*image.Data(), nullptr));
  EXPECT_EQ(image.Data()->pixels, nullptr);
}
