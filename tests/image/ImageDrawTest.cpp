// Drawing at the raster position of a real (offscreen) GL context, reading
// the picture back from the drawing buffer.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <memory>

#include "TestFiles.h"
#include "gxbase/BgraSupport.h"
#include "gxbase/Image.h"
#include "gxbase/TestContext.h"

using gxbase::Image;
using imagetest::Bytes;
using imagetest::MakeImage;
using imagetest::RowsOf;

namespace {

const int kSize = 16;
const Bytes kRed = {255, 0, 0}, kGreen = {0, 255, 0}, kBlue = {0, 0, 255}, kWhite = {255, 255, 255},
            kBlack = {0, 0, 0}, kGrey = {90, 90, 90};

struct UnpackState {
  GLint swapBytes, rowLength, skipPixels, skipRows, alignment;
  bool operator==(const UnpackState& o) const {
    return swapBytes == o.swapBytes && rowLength == o.rowLength && skipPixels == o.skipPixels &&
           skipRows == o.skipRows && alignment == o.alignment;
  }
};

UnpackState CurrentUnpackState() {
  UnpackState s;
  glGetIntegerv(GL_UNPACK_SWAP_BYTES, &s.swapBytes);
  glGetIntegerv(GL_UNPACK_ROW_LENGTH, &s.rowLength);
  glGetIntegerv(GL_UNPACK_SKIP_PIXELS, &s.skipPixels);
  glGetIntegerv(GL_UNPACK_SKIP_ROWS, &s.skipRows);
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &s.alignment);
  return s;
}

void SetUnpackState(const UnpackState& s) {
  glPixelStorei(GL_UNPACK_SWAP_BYTES, s.swapBytes);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, s.rowLength);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, s.skipPixels);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, s.skipRows);
  glPixelStorei(GL_UNPACK_ALIGNMENT, s.alignment);
}

const UnpackState kGlDefaults = {GL_FALSE, 0, 0, 0, 4};

// A 3 x 2 picture: bottom row red, green, blue; top row white, black, grey.
// Rows of 9 bytes are not a multiple of the default alignment of 4.
Image ThreeByTwo(gxbase::PixelFormat format, int padding) {
  Image image = MakeImage(gxbase::RGB, 3,
                          {imagetest::Concat({kRed, kGreen, kBlue}), imagetest::Concat({kWhite, kBlack, kGrey})});
  EXPECT_TRUE(image.Convert(format));
  if (padding == 0) return image;
  Image padded = MakeImage(format, 3, RowsOf(image), padding);
  return padded;
}

class ImageDraw : public testing::Test {
 protected:
  static void SetUpTestSuite() { context = std::make_unique<gxbase::OffscreenContext>(kSize, kSize); }
  static void TearDownTestSuite() { context.reset(); }

  void SetUp() override {
    ASSERT_TRUE(context->IsReady()) << context->Error();
    gxbase::OverrideBgraSupport(-1);
    SetUnpackState(kGlDefaults);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
  }
  void TearDown() override { gxbase::OverrideBgraSupport(-1); }

  // Colour of the buffer pixel at (x, y), y counted from the bottom.
  static Bytes PixelAt(int x, int y) {
    const std::vector<unsigned char> rgba = context->ReadPixels(x, y, 1, 1);
    return {rgba[0], rgba[1], rgba[2]};
  }

  // Draws at (x, y) and checks the 3 x 2 picture landed there upright.
  static void ExpectThreeByTwoAt(int x, int y) {
    EXPECT_EQ(PixelAt(x, y), kRed);
    EXPECT_EQ(PixelAt(x + 1, y), kGreen);
    EXPECT_EQ(PixelAt(x + 2, y), kBlue);
    EXPECT_EQ(PixelAt(x, y + 1), kWhite);
    EXPECT_EQ(PixelAt(x + 1, y + 1), kBlack);
    EXPECT_EQ(PixelAt(x + 2, y + 1), kGrey);
    EXPECT_EQ(PixelAt(x + 3, y), kBlack);      // nothing right of it
    EXPECT_EQ(PixelAt(x, y + 2), kBlack);      // nothing above it
    EXPECT_EQ(PixelAt(x - 1, y), kBlack);      // nothing left of it
  }

  static std::unique_ptr<gxbase::OffscreenContext> context;
};

std::unique_ptr<gxbase::OffscreenContext> ImageDraw::context;

}  // namespace

TEST_F(ImageDraw, contextWithOpenGl12AcceptsBgra) { EXPECT_TRUE(gxbase::BgraSupported()); }

TEST_F(ImageDraw, bgrImageAppearsUprightAtTheRasterPosition) {
  const Image image = ThreeByTwo(gxbase::BGR, 0);
  glRasterPos2i(4, 5);
  EXPECT_TRUE(image.Draw());
  ExpectThreeByTwoAt(4, 5);
}

TEST_F(ImageDraw, everyFormatDrawsItsColours) {
  const gxbase::PixelFormat formats[] = {gxbase::RGB, gxbase::RGBA, gxbase::BGR, gxbase::BGRA};
  for (gxbase::PixelFormat format : formats) {
    glClear(GL_COLOR_BUFFER_BIT);
    glRasterPos2i(2, 2);
    EXPECT_TRUE(ThreeByTwo(format, 0).Draw()) << format;
    ExpectThreeByTwoAt(2, 2);
  }
}

TEST_F(ImageDraw, greyFormatsDrawGrey) {
  const Image luminance = MakeImage(gxbase::Luminance, 2, {{90, 200}});
  const Image luminanceAlpha = MakeImage(gxbase::LuminanceAlpha, 1, {{90, 255}});
  glRasterPos2i(1, 1);
  EXPECT_TRUE(luminance.Draw());
  glRasterPos2i(1, 3);
  EXPECT_TRUE(luminanceAlpha.Draw());
  EXPECT_EQ(PixelAt(1, 1), kGrey);
  EXPECT_EQ(PixelAt(2, 1), (Bytes{200, 200, 200}));
  EXPECT_EQ(PixelAt(1, 3), kGrey);
}

TEST_F(ImageDraw, paddedImageDrawsTheSamePictureAndStaysUnchanged) {
  const Image image = ThreeByTwo(gxbase::BGR, 3);
  const Image before(image);
  glRasterPos2i(4, 5);
  EXPECT_TRUE(image.Draw());
  ExpectThreeByTwoAt(4, 5);
  EXPECT_EQ(image.Padding(), 3);
  EXPECT_EQ(RowsOf(image), RowsOf(before));
}

TEST_F(ImageDraw, contextWithoutBgraGetsTheSamePicture) {
  gxbase::OverrideBgraSupport(0);
  const Image image = ThreeByTwo(gxbase::BGRA, 0);
  const Image before(image);
  glRasterPos2i(6, 7);
  EXPECT_TRUE(image.Draw());
  ExpectThreeByTwoAt(6, 7);
  EXPECT_EQ(image.Format(), gxbase::BGRA);
  EXPECT_EQ(RowsOf(image), RowsOf(before));
}

TEST_F(ImageDraw, pixelStoreSettingsAreNeutralWhileDrawingAndRestoredAfter) {
  const UnpackState odd = {GL_TRUE, 7, 2, 1, 8};
  SetUnpackState(odd);
  const Image image = ThreeByTwo(gxbase::BGR, 1);
  glRasterPos2i(3, 3);
  EXPECT_TRUE(image.Draw());
  ExpectThreeByTwoAt(3, 3);
  EXPECT_EQ(CurrentUnpackState(), odd);
}

TEST_F(ImageDraw, defaultPixelStoreSettingsStayDefault) {
  const Image image = ThreeByTwo(gxbase::RGB, 0);
  glRasterPos2i(3, 3);
  EXPECT_TRUE(image.Draw());
  EXPECT_EQ(CurrentUnpackState(), kGlDefaults);
}

TEST_F(ImageDraw, emptyImageDrawsNothing) {
  const Image image;
  glRasterPos2i(0, 0);
  EXPECT_FALSE(image.Draw());
  EXPECT_EQ(PixelAt(0, 0), kBlack);
}

TEST_F(ImageDraw, unknownFormatIsNotDrawnAndTouchesNoState) {
  Image image = MakeImage(gxbase::RGB, 1, {{255, 255, 255}});
  image.Data()->format = static_cast<gxbase::PixelFormat>(9);
  SetUnpackState({GL_FALSE, 3, 0, 0, 2});
  glRasterPos2i(0, 0);
  EXPECT_FALSE(image.Draw());
  EXPECT_EQ(CurrentUnpackState(), (UnpackState{GL_FALSE, 3, 0, 0, 2}));
  EXPECT_EQ(PixelAt(0, 0), kBlack);
  image.Data()->format = gxbase::RGB;
}

TEST_F(ImageDraw, errorLeftByEarlierDrawingDoesNotFailTheDraw) {
  glEnable(0xFFFF);  // GL_INVALID_ENUM stays pending
  const Image image = ThreeByTwo(gxbase::BGR, 0);
  glRasterPos2i(1, 1);
  EXPECT_TRUE(image.Draw());
  ExpectThreeByTwoAt(1, 1);
}

TEST(OffscreenContext, contextsCanBeMadeOneAfterAnother) {
  for (int round = 0; round < 2; ++round) {
    gxbase::OffscreenContext context(4, 4);
    ASSERT_TRUE(context.IsReady()) << context.Error();
    glClearColor(0, 1, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    const std::vector<unsigned char> pixels = context.ReadPixels(0, 0, 4, 4);
    ASSERT_EQ(pixels.size(), 64u);
    EXPECT_EQ(pixels[4 * 5 + 1], 255) << "round " << round;
    EXPECT_EQ(pixels[4 * 5 + 0], 0);
  }
}
