// Text through the bitmap-font display lists: built on first use, reused,
// rebuilt after the window is reopened, and really drawn.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gxbase/GLWindow.h"
#include "gxbase/WindowEx.h"

using gxbase::GLWindow;

namespace {

constexpr int kWidth = 96;
constexpr int kHeight = 32;

// An open window with a pixel-exact projection, cleared to blue, text in white.
class TextWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    window.SetSize(kWidth, kHeight);
    ASSERT_TRUE(window.Extra()->Create());
    PrepareFrame();
  }
  void TearDown() override { window.Extra()->Destroy(); }

  void PrepareFrame() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, kWidth, 0, kHeight, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3f(1, 1, 1);
    glRasterPos2i(4, 10);
  }

  // Every pixel of the back buffer as RGB.
  std::vector<unsigned char> ReadBack() {
    std::vector<unsigned char> pixels(kWidth * kHeight * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
  }

  int CountWhite() {
    std::vector<unsigned char> pixels = ReadBack();
    int white = 0;
    for (size_t i = 0; i < pixels.size(); i += 3) {
      if (pixels[i] == 255 && pixels[i + 1] == 255 && pixels[i + 2] == 255) ++white;
    }
    return white;
  }

  // Rows between the lowest and highest white pixel, 0 when none.
  int InkHeight() {
    std::vector<unsigned char> pixels = ReadBack();
    int lowest = kHeight, highest = -1;
    for (int row = 0; row < kHeight; ++row) {
      for (int column = 0; column < kWidth; ++column) {
        if (pixels[(row * kWidth + column) * 3] == 255) {
          lowest = std::min(lowest, row);
          highest = std::max(highest, row);
        }
      }
    }
    return highest < 0 ? 0 : highest - lowest + 1;
  }

  float RasterX() {
    GLfloat position[4];
    glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
    return position[0];
  }

  GLWindow window;
};

}  // namespace

TEST_F(TextWindow, clearedWindowReadsBackBlue) {
  std::vector<unsigned char> pixels = ReadBack();
  EXPECT_EQ(pixels[0], 0);
  EXPECT_EQ(pixels[1], 0);
  EXPECT_EQ(pixels[2], 255);
  EXPECT_EQ(CountWhite(), 0);
}

TEST_F(TextWindow, printfDrawsTextAndReturnsTheFontBase) {
  unsigned base = window.Printf("Score %d", 42);
  EXPECT_NE(base, 0u);
  EXPECT_EQ(base, window.Extra()->fontBase);
  EXPECT_GT(CountWhite(), 20);
  // The corner stays as cleared.
  std::vector<unsigned char> pixels = ReadBack();
  EXPECT_EQ(pixels[2], 255);
}

TEST_F(TextWindow, secondPrintfReusesTheSameLists) {
  unsigned first = window.Printf("A");
  unsigned second = window.Printf("B");
  EXPECT_NE(first, 0u);
  EXPECT_EQ(second, first);
}

TEST_F(TextWindow, printfAdvancesTheRasterPosition) {
  float start = RasterX();
  window.Printf("WW");
  EXPECT_GT(RasterX(), start + 10);
}

TEST_F(TextWindow, listsAreBuiltAgainAfterDestroyAndCreate) {
  ASSERT_NE(window.Printf("before"), 0u);
  window.Extra()->Destroy();
  EXPECT_EQ(window.Extra()->fontBase, 0u);
  ASSERT_TRUE(window.Extra()->Create());
  PrepareFrame();
  unsigned rebuilt = window.Printf("after");
  EXPECT_NE(rebuilt, 0u);
  EXPECT_TRUE(glIsList(rebuilt));
  EXPECT_GT(CountWhite(), 20);
}

TEST_F(TextWindow, changedFontRebuildsTheLists) {
  ASSERT_NE(window.Printf("x"), 0u);
  window.Extra()->fontChanged = true;
  EXPECT_NE(window.Printf("y"), 0u);
  EXPECT_FALSE(window.Extra()->fontChanged);
  EXPECT_TRUE(glIsList(window.Extra()->fontBase));
}

TEST_F(TextWindow, namedFaceIsDrawnAtItsHeight) {
  window.Extra()->fontFace = "DejaVu Sans";
  window.Extra()->fontHeight = 12;
  window.Printf("H");
  int small = InkHeight();
  PrepareFrame();
  window.Extra()->fontHeight = 24;
  window.Extra()->fontChanged = true;
  window.Printf("H");
  int large = InkHeight();
  EXPECT_GT(small, 4);
  EXPECT_GT(large, small + 4);
}

TEST_F(TextWindow, textLongerThanTheBufferIsNotDrawn) {
  std::string tooLong(1025, 'x');
  EXPECT_EQ(window.Printf("%s", tooLong.c_str()), 0u);
  EXPECT_EQ(CountWhite(), 0);
}

TEST_F(TextWindow, textThatDoesNotFitWithItsTerminatorIsNotDrawn) {
  std::string exactlyFull(1024, 'x');
  EXPECT_EQ(window.Printf("%s", exactlyFull.c_str()), 0u);
  std::string fits(1023, 'x');
  EXPECT_NE(window.Printf("%s", fits.c_str()), 0u);
}

TEST_F(TextWindow, code255DrawsNothing) {
  float start = RasterX();
  EXPECT_NE(window.Printf("\xFF"), 0u);
  EXPECT_EQ(RasterX(), start);
  EXPECT_EQ(CountWhite(), 0);
}

TEST(TextWithoutWindow, drawTextWithoutNativeWindowFails) {
  GLWindow window;
  EXPECT_EQ(window.Extra()->DrawText("text"), 0u);
  EXPECT_EQ(window.Extra()->DrawText(nullptr), 0u);
}
