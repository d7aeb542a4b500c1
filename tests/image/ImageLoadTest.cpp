// Image::Load: the readers in order, the system bitmap loader for bitmaps
// the own reader turns down, and the picture decoder for other formats.

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "gxbase/Image.h"
#include "gxbase/TestContext.h"

using gxbase::Image;
using imagetest::BmpFile;
using imagetest::BmpLayout;
using imagetest::Bytes;
using imagetest::Concat;
using imagetest::RowsOf;

namespace {

BmpLayout Layout(int bits, int width, int height) {
  BmpLayout layout;
  layout.bitsPerPixel = bits;
  layout.width = width;
  layout.height = height;
  return layout;
}

// What the system decoders deliver for a 3 x 2 picture: BGR rows padded
// from 9 to 12 bytes, bottom row first.
void ExpectSystemLayout(const Image& image, const std::vector<Bytes>& bottomUpRows) {
  EXPECT_EQ(image.Format(), gxbase::BGR);
  EXPECT_EQ(image.Stride() % 4, 0);
  EXPECT_EQ(image.Padding(), image.Stride() - 3 * image.Width());
  EXPECT_TRUE(image.IsValid());
  EXPECT_EQ(RowsOf(image), bottomUpRows);
}

class ImageLoad : public testing::Test {
 protected:
  imagetest::TempDir dir;
  Image image;
};

}  // namespace

TEST_F(ImageLoad, targaFileIsTakenByTheTargaReader) {
  imagetest::TargaLayout layout;
  layout.width = 2;
  layout.height = 2;
  const Bytes pixels = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  ASSERT_TRUE(image.Load(dir.Write("dot.tga", imagetest::TargaFile(layout, pixels)).c_str()));
  EXPECT_EQ(image.Format(), gxbase::BGR);
  EXPECT_EQ(image.Padding(), 0);
  EXPECT_EQ(RowsOf(image), (std::vector<Bytes>{{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}));
}

TEST_F(ImageLoad, plainBitmapIsTakenByTheOwnReaderWithoutPadding) {
  const std::vector<Bytes> rows = {{1, 2, 3, 4, 5, 6, 7, 8, 9}, {10, 11, 12, 13, 14, 15, 16, 17, 18}};
  ASSERT_TRUE(image.Load(dir.Write("plain.bmp", BmpFile(Layout(24, 3, 2), rows)).c_str()));
  EXPECT_EQ(image.Padding(), 0);
  EXPECT_EQ(RowsOf(image), rows);
}

TEST_F(ImageLoad, sixteenBitBitmapLoadsThroughTheSystemLoader) {
  // x1r5g5b5 values, little-endian: red, green, blue / white, black, blue.
  const std::vector<Bytes> fileRows = {{0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00}, {0xFF, 0x7F, 0x00, 0x00, 0x1F, 0x00}};
  ASSERT_TRUE(image.Load(dir.Write("sixteen.bmp", BmpFile(Layout(16, 3, 2), fileRows)).c_str()));
  ExpectSystemLayout(image, {{0, 0, 255, 0, 255, 0, 255, 0, 0}, {255, 255, 255, 0, 0, 0, 255, 0, 0}});
}

TEST_F(ImageLoad, runLengthBitmapLoadsThroughTheSystemLoader) {
  BmpLayout layout = Layout(8, 3, 2);
  layout.compression = 1;
  layout.coloursUsed = 2;
  layout.palette = {{30, 200, 10}, {1, 2, 3}};
  // Bottom row: three of colour 0. Top row: one of colour 1, two of colour 0.
  const Bytes encoded = {3, 0, 0, 0, 1, 1, 2, 0, 0, 1};
  layout.imageSize = encoded.size();
  ASSERT_TRUE(image.Load(dir.Write("rle.bmp", BmpFile(layout, {encoded})).c_str()));
  ExpectSystemLayout(image, {{30, 200, 10, 30, 200, 10, 30, 200, 10}, {1, 2, 3, 30, 200, 10, 30, 200, 10}});
}

TEST_F(ImageLoad, pngLoadsThroughThePictureDecoderOverWhite) {
  // Bottom row: opaque red, transparent black, opaque green;
  // top row: half-covering blue, opaque white, opaque black.
  const Image picture = imagetest::MakeImage(
      gxbase::RGBA, 3,
      {{255, 0, 0, 255, 0, 0, 0, 0, 0, 255, 0, 255}, {0, 0, 255, 128, 255, 255, 255, 255, 0, 0, 0, 255}});
  const std::string path = dir.Path("picture.png");
  ASSERT_TRUE(gxbase::WritePngFile(picture, path.c_str()));
  ASSERT_TRUE(image.Load(path.c_str()));
  EXPECT_EQ(image.Width(), 3);
  EXPECT_EQ(image.Height(), 2);
  ExpectSystemLayout(image, {{0, 0, 255, 255, 255, 255, 0, 255, 0}, {255, 127, 127, 255, 255, 255, 0, 0, 0}});
}

TEST_F(ImageLoad, pngWithoutTransparencyKeepsItsColours) {
  const Image picture = imagetest::MakeImage(gxbase::BGR, 1, {{1, 2, 3}, {4, 5, 6}});
  const std::string path = dir.Path("opaque.png");
  ASSERT_TRUE(gxbase::WritePngFile(picture, path.c_str()));
  ASSERT_TRUE(image.Load(path.c_str()));
  ExpectSystemLayout(image, {{1, 2, 3}, {4, 5, 6}});
}

TEST_F(ImageLoad, gifLoadsThroughThePictureDecoder) {
  // One pixel of colour 0 of a two-colour table; the control block marks
  // colour 0 transparent when transparent is set.
  auto gif = [](bool transparent) {
    return Bytes{'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0,  // screen, table of 2
                 10, 200, 30, 0, 0, 0,                                    // colours 0 and 1
                 0x21, 0xF9, 4, static_cast<unsigned char>(transparent ? 1 : 0), 0, 0, 0, 0,
                 0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0,  // image descriptor, 1 x 1
                 2, 2, 0x44, 0x01, 0, 0x3B};       // clear, 0, end; trailer
  };
  ASSERT_TRUE(image.Load(dir.Write("opaque.gif", gif(false)).c_str()));
  ExpectSystemLayout(image, {{30, 200, 10}});
  ASSERT_TRUE(image.Load(dir.Write("clear.gif", gif(true)).c_str()));
  ExpectSystemLayout(image, {{255, 255, 255}});
}

TEST_F(ImageLoad, jpegLoadsThroughThePictureDecoder) {
  Image picture;
  ASSERT_TRUE(picture.Allocate(16, 8, gxbase::RGB, 0));
  for (int i = 0; i < 8; ++i)
    for (int j = 0; j < 16 * 3; j += 3) {
      picture.Row(i)[j] = 200;
      picture.Row(i)[j + 1] = 100;
      picture.Row(i)[j + 2] = 50;
    }
  const std::string path = dir.Path("photo.jpg");
  ASSERT_TRUE(gxbase::WriteJpegFile(picture, path.c_str()));
  ASSERT_TRUE(image.Load(path.c_str()));
  ASSERT_EQ(image.Width(), 16);
  ASSERT_EQ(image.Height(), 8);
  EXPECT_EQ(image.Format(), gxbase::BGR);
  EXPECT_NEAR(image.Row(3)[3 * 5 + 0], 50, 8);  // lossy: close, not exact
  EXPECT_NEAR(image.Row(3)[3 * 5 + 1], 100, 8);
  EXPECT_NEAR(image.Row(3)[3 * 5 + 2], 200, 8);
}

TEST_F(ImageLoad, missingFileLeavesTheImageEmpty) {
  image = imagetest::MakeImage(gxbase::RGB, 1, {{1, 2, 3}});
  EXPECT_FALSE(image.Load(dir.Path("absent.tga").c_str()));
  EXPECT_EQ(image.Data()->pixels, nullptr);
  EXPECT_EQ(image.Width(), 0);
  EXPECT_FALSE(image.IsValid());
}

TEST_F(ImageLoad, nullPathFails) {
  EXPECT_FALSE(image.Load(nullptr));
  EXPECT_EQ(image.Data()->pixels, nullptr);
}

TEST_F(ImageLoad, secondLoadReplacesTheFirstPicture) {
  imagetest::TargaLayout layout;
  layout.depth = 32;
  layout.width = 2;
  layout.height = 1;
  ASSERT_TRUE(image.Load(dir.Write("first.tga", imagetest::TargaFile(layout, {1, 2, 3, 4, 5, 6, 7, 8})).c_str()));
  ASSERT_EQ(image.Format(), gxbase::BGRA);
  const std::vector<Bytes> rows = {{9, 8, 7, 6, 5, 4, 3, 2, 1}};
  ASSERT_TRUE(image.Load(dir.Write("second.bmp", BmpFile(Layout(24, 3, 1), rows)).c_str()));
  EXPECT_EQ(image.Format(), gxbase::BGR);
  EXPECT_EQ(RowsOf(image), rows);
}

TEST_F(ImageLoad, failedLoadAfterASuccessEmptiesTheImage) {
  const std::vector<Bytes> rows = {{9, 8, 7}};
  ASSERT_TRUE(image.Load(dir.Write("good.bmp", BmpFile(Layout(24, 1, 1), rows)).c_str()));
  EXPECT_FALSE(image.Load(dir.Write("bad.tga", Bytes(40, 0xAB)).c_str()));
  EXPECT_EQ(image.Data()->pixels, nullptr);
}
