// Drawing at the raster position of a real (offscreen) GL context, read back
// from the drawing buffer.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include "TestFiles.h"
#include "gxbase/BgraSupport.h"
#include "gxbase/Image.h"
#include "tests/support/GlContext.h"

using namespace gxbase;
using namespace imagetest;

namespace {

const GLenum kUnpack[] = {GL_UNPACK_SWAP_BYTES, GL_UNPACK_ROW_LENGTH, GL_UNPACK_SKIP_PIXELS, GL_UNPACK_SKIP_ROWS,
                          GL_UNPACK_ALIGNMENT};

std::vector<GLint> unpackState() {
  std::vector<GLint> state(5);
  for (int k = 0; k < 5; ++k) glGetIntegerv(kUnpack[k], &state[k]);
  return state;
}

// Bottom row red, green, blue; top row white, black, grey: 3 x 2 pixels
// drawn at (x, y), upright, and nothing beside them.
const Bytes kPicture = {255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0, 0, 0, 90, 90, 90, 0, 0, 0,
                        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

class ImageDraw : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(context.ready()) << context.error();
    OverrideBgraSupport(-1);
    glClear(GL_COLOR_BUFFER_BIT);
  }
  void TearDown() override { OverrideBgraSupport(-1); }
  OffscreenContext context{8, 8};
};

TEST_F(ImageDraw, everyColourFormatDrawsUprightWithPaddingWithoutBgraAndWithStrangePixelStoreSettings) {
  const struct { PixelFormat format; int padding; bool bgra, strangeStore; } cases[] = {
      {RGB, 0, true, false}, {RGBA, 0, true, false}, {BGR, 0, true, false},  {BGRA, 0, true, false},
      {BGR, 3, true, false}, {RGBA, 1, true, true},  {BGR, 0, false, false}, {BGRA, 2, false, true}};
  EXPECT_TRUE(BgraSupported());
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "format " << c.format << " padding " << c.padding << " bgra " << c.bgra);
    OverrideBgraSupport(c.bgra ? -1 : 0);
    const std::vector<GLint> found = c.strangeStore ? std::vector<GLint>{GL_TRUE, 7, 2, 1, 8} : unpackState();
    for (int k = 0; k < 5; ++k) glPixelStorei(kUnpack[k], found[k]);
    glClear(GL_COLOR_BUFFER_BIT);
    Image image = MakeImage(RGB, 3, {{255, 0, 0, 0, 255, 0, 0, 0, 255}, {255, 255, 255, 0, 0, 0, 90, 90, 90}});
    ASSERT_TRUE(image.Convert(c.format));
    image = MakeImage(c.format, 3, RowsOf(image), c.padding);
    const Image before(image);
    glRasterPos2i(1, 1);
    EXPECT_TRUE(image.Draw());
    EXPECT_EQ(readPixels(1, 1, 4, 3), kPicture);
    EXPECT_EQ(readPixels(0, 1, 1, 1), Bytes(3, 0));
    EXPECT_EQ(unpackState(), found);  // neutral while drawing, left as found
    EXPECT_EQ(image.Format(), c.format);  // the image itself never changes
    EXPECT_EQ(RowsOf(image), RowsOf(before));
  }
}

TEST_F(ImageDraw, greyFormatsDrawGreyAndAnEmptyImageNothing) {
  glRasterPos2i(1, 1);
  EXPECT_TRUE(MakeImage(Luminance, 2, {{90, 200}}).Draw());
  glRasterPos2i(1, 3);
  EXPECT_TRUE(MakeImage(LuminanceAlpha, 1, {{90, 255}}).Draw());
  glRasterPos2i(4, 4);
  EXPECT_FALSE(Image().Draw());
  EXPECT_EQ(readPixels(1, 1, 2, 1), (Bytes{90, 90, 90, 200, 200, 200}));
  EXPECT_EQ(readPixels(1, 3, 1, 1), (Bytes{90, 90, 90}));
  EXPECT_EQ(readPixels(4, 4, 1, 1), (Bytes{0, 0, 0}));
}

}  // namespace
