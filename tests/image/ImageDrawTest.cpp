// Drawing at the raster position of a real (offscreen) GL context, reading
// the picture back from the drawing buffer.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <memory>

#include "TestFiles.h"
#include "gxbase/BgraSupport.h"
#include "gxbase/Image.h"
#include "tests/support/GlContext.h"

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
  static void SetUpTestSuite() { context = std::make_unique<OffscreenContext>(kSize, kSize); }
  static void TearDownTestSuite() { context.reset(); }

  void SetUp() override {
    ASSERT_TRUE(context->ready()) << context->error();
    gxbase::OverrideBgraSupport(-1);
    SetUnpackState(kGlDefaults);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
  }
  void TearDown() override { gxbase::OverrideBgraSupport(-1); }

  // Colour of the buffer pixel at (x, y), y counted from the bottom.
  static Bytes PixelAt(int x, int y) { return readPixels(x, y, 1, 1); }

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

  static std::unique_ptr<OffscreenContext> context;
};

std::unique_ptr<OffscreenContext> ImageDraw::context;

}  // namespace

TEST_F(ImageDraw, everyColourFormatDrawsUprightWithAndWithoutPaddingAndWithoutBgra) {
  const struct { gxbase::PixelFormat format; int padding; bool bgra; } cases[] = {
      {gxbase::RGB, 0, true},  {gxbase::RGBA, 0, true}, {gxbase::BGR, 0, true},  {gxbase::BGRA, 0, true},
      {gxbase::BGR, 3, true},  {gxbase::RGBA, 1, true}, {gxbase::BGR, 0, false}, {gxbase::BGRA, 2, false}};
  EXPECT_TRUE(gxbase::BgraSupported());
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "format " << c.format << " padding " << c.padding << " bgra " << c.bgra);
    gxbase::OverrideBgraSupport(c.bgra ? -1 : 0);
    glClear(GL_COLOR_BUFFER_BIT);
    const Image image = ThreeByTwo(c.format, c.padding);
    const Image before(image);
    glRasterPos2i(4, 5);
    EXPECT_TRUE(image.Draw());
    ExpectThreeByTwoAt(4, 5);
    EXPECT_EQ(image.Format(), c.format);  // the image itself is never changed
    EXPECT_EQ(image.Padding(), c.padding);
    EXPECT_EQ(RowsOf(image), RowsOf(before));
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

TEST_F(ImageDraw, pixelStoreSettingsAreNeutralWhileDrawingAndLeftAsFound) {
  for (const UnpackState& found : {kGlDefaults, UnpackState{GL_TRUE, 7, 2, 1, 8}}) {
    SetUnpackState(found);
    glClear(GL_COLOR_BUFFER_BIT);
    glRasterPos2i(3, 3);
    EXPECT_TRUE(ThreeByTwo(gxbase::BGR, 1).Draw());
    ExpectThreeByTwoAt(3, 3);
    EXPECT_EQ(CurrentUnpackState(), found);
  }
}

TEST_F(ImageDraw, emptyImageDrawsNothing) {
  const Image image;
  glRasterPos2i(0, 0);
  EXPECT_FALSE(image.Draw());
  EXPECT_EQ(PixelAt(0, 0), kBlack);
}
