// Text through the bitmap-font display lists: built on first use, reused,
// rebuilt after the window is reopened, and really drawn.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <string>

#include "gxbase/GLWindow.h"
#include "gxbase/WindowEx.h"
#include "tests/support/GlContext.h"

namespace {

// An open 96 x 32 window with a pixel-exact projection, cleared to black,
// text in white from (4, 10).
class TextWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    window.SetSize(96, 32);
    ASSERT_TRUE(window.Extra()->Create());
    glMatrixMode(GL_PROJECTION);
    glOrtho(0, 96, 0, 32, -1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glRasterPos2i(4, 10);
  }
  void TearDown() override { window.Extra()->Destroy(); }

  int WhitePixels() {
    glReadBuffer(GL_BACK);
    const std::vector<unsigned char> pixels = readPixels(0, 0, 96, 32);
    return static_cast<int>(std::count(pixels.begin(), pixels.end(), 255)) / 3;
  }

  gxbase::GLWindow window;
};

}  // namespace

TEST_F(TextWindow, printfDrawsAndReusesItsListsAndRebuildsThemAfterTheWindowIsReopened) {
  EXPECT_EQ(WhitePixels(), 0);
  const unsigned base = window.Printf("Score %d", 42);
  EXPECT_NE(base, 0u);
  EXPECT_GT(WhitePixels(), 20);
  EXPECT_EQ(window.Printf("B"), base);  // the second call reuses the lists
  window.Extra()->Destroy();
  EXPECT_EQ(window.Extra()->fontBase, 0u);
  ASSERT_TRUE(window.Extra()->Create());
  const unsigned rebuilt = window.Printf("after");
  EXPECT_NE(rebuilt, 0u);
  EXPECT_TRUE(glIsList(rebuilt));
}

TEST_F(TextWindow, textThatDoesNotFitWithItsTerminatorIsNotDrawn) {
  EXPECT_EQ(window.Printf("%s", std::string(1024, 'x').c_str()), 0u);
  EXPECT_EQ(WhitePixels(), 0);
  EXPECT_NE(window.Printf("%s", std::string(1023, 'x').c_str()), 0u);
}
