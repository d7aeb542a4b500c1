// Text through the bitmap-font display lists: built on first use, reused,
// rebuilt after the window is reopened, and really drawn.
#include <gtest/gtest.h>

#include <GL/gl.h>

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

  GLWindow window;
};

}  // namespace

TEST_F(TextWindow, printfDrawsTextOnTheClearedWindowAndReturnsTheFontBase) {
  std::vector<unsigned char> pixels = ReadBack();
  EXPECT_EQ(pixels[0], 0);
  EXPECT_EQ(pixels[1], 0);
  EXPECT_EQ(pixels[2], 255);
  EXPECT_EQ(CountWhite(), 0);
  const unsigned base = window.Printf("Score %d", 42);
  EXPECT_NE(base, 0u);
  EXPECT_GT(CountWhite(), 20);
  EXPECT_EQ(ReadBack()[2], 255);  // the corner stays as cleared
  EXPECT_EQ(window.Printf("B"), base);  // the second call reuses the lists
}

TEST_F(TextWindow, listsAreBuiltAgainAfterDestroyAndCreate) {
  ASSERT_NE(window.Printf("before"), 0u);
  window.Extra()->Destroy();
  EXPECT_EQ(window.Extra()->fontBase, 0u);
  ASSERT_TRUE(window.Extra()->Create());
  PrepareFrame();
  const unsigned rebuilt = window.Printf("after");
  EXPECT_NE(rebuilt, 0u);
  EXPECT_TRUE(glIsList(rebuilt));
  EXPECT_GT(CountWhite(), 20);
}

TEST_F(TextWindow, textThatDoesNotFitWithItsTerminatorIsNotDrawn) {
  EXPECT_EQ(window.Printf("%s", std::string(1024, 'x').c_str()), 0u);
  EXPECT_EQ(CountWhite(), 0);
  EXPECT_NE(window.Printf("%s", std::string(1023, 'x').c_str()), 0u);
}
