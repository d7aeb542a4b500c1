// The analysis window drawn into a real GL context (SDL's offscreen driver)
// and read back pixel by pixel.

#include <GL/gl.h>

#include <array>

#include "PlayerFixture.h"
#include "gxbase/WindowEx.h"

namespace {

using Rgb = std::array<int, 3>;

const Rgb kBlack = {0, 0, 0};
const Rgb kGrey = {77, 77, 77};
const Rgb kYellow = {255, 255, 0};
const Rgb kWhite = {255, 255, 255};
const Rgb kRed = {255, 0, 0};

class AnalysisWindowDraw : public PlayerFixture {
 protected:
  void SetUp() override {
    PlayerFixture::SetUp();
    window = player->getWindow();
    // The offscreen driver keeps the drawing surface at its creation size.
    window->SetSize(380, 460);
    ASSERT_TRUE(window->Extra()->Create()) << "no GL window under the offscreen driver";
    window->OnCreate();
  }

  void TearDown() override {
    window->Extra()->Destroy();
    PlayerFixture::TearDown();
  }

  // Draws the window and reads the picture as shown.
  void draw() {
    window->OnDisplay();
    glFinish();
    pixels.assign(static_cast<std::size_t>(window->Width() * window->Height() * 3), 0);
    glReadBuffer(GL_FRONT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, window->Width(), window->Height(), GL_RGB, GL_UNSIGNED_BYTE,
                 pixels.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
  }

  // Colour at world position (x, y); the picture's bottom is y = -20.
  Rgb at(double x, double y) const {
    const int px = static_cast<int>(x);
    const int py = static_cast<int>(y + 20.0);
    const std::size_t i = static_cast<std::size_t>((py * window->Width() + px) * 3);
    return {pixels[i], pixels[i + 1], pixels[i + 2]};
  }

  static bool near(const Rgb& a, const Rgb& b) {
    for (int k = 0; k < 3; ++k) {
      if (std::abs(a[k] - b[k]) > 2) return false;
    }
    return true;
  }

  // Counts cells whose outline of the given side passes the sampled pixel
  // on its left edge at mid height, in the given colour.
  int countOutlines(double side, const Rgb& colour) const {
    const double offset = (20.0 - side) / 2.0;
    int count = 0;
    for (int row = 0; row < MAZE_ROWS; ++row) {
      for (int col = 0; col < MAZE_COLS; ++col) {
        if (near(at(20.0 * col + offset, 20.0 * row + 10.0), colour)) ++count;
      }
    }
    return count;
  }

  Window* window = nullptr;
  std::vector<unsigned char> pixels;
};

}  // namespace

TEST_F(AnalysisWindowDraw, createdWindowHasTheGameWindowsSize) {
  EXPECT_TRUE(window->HasContext());
  EXPECT_EQ(window->Width(), 380);
  EXPECT_EQ(window->Height(), 460);
}

TEST_F(AnalysisWindowDraw, beforeTheFirstDecisionAllFoodIsShown) {
  draw();
  EXPECT_EQ(countOutlines(5.0, kGrey), 153);
  EXPECT_EQ(countOutlines(10.0, kYellow), 4);
  EXPECT_TRUE(near(at(30.0 + 5.0 - 10.0, 390.0), kYellow));  // the top-left pill
}

TEST_F(AnalysisWindowDraw, wallsAreDrawnInBlue) {
  draw();
  EXPECT_TRUE(near(at(190.0, 10.0), {0, 0, 255}));  // the outer wall at the bottom
}

TEST_F(AnalysisWindowDraw, chomperSquareHidesAPlanMark) {
  window->markPlanCell(CellPos(8, 9));
  window->markPlanCell(CellPos(7, 9));
  window->setChomperCell(8, 9);
  draw();
  EXPECT_TRUE(near(at(170.0, 190.0), kYellow));   // chomper's cell centre
  EXPECT_TRUE(near(at(162.0, 182.0), kYellow));   // filled well beyond a plan mark
  EXPECT_TRUE(near(at(150.0, 190.0), kWhite));    // plan mark on (7, 9)
  EXPECT_TRUE(near(at(144.0, 184.0), kBlack));    // which is small
}

TEST_F(AnalysisWindowDraw, ghostSquareHidesPathPlanAndFood) {
  window->markGhostPath(CellPos(1, 20), 1);
  window->markPlanCell(CellPos(1, 20));
  window->setGreenGhostCell(1, 20, false);
  draw();
  EXPECT_TRUE(near(at(30.0, 410.0), {0, 255, 0}));
  EXPECT_TRUE(near(at(24.0, 404.0), {0, 255, 0}));
}

TEST_F(AnalysisWindowDraw, absentGhostInTheCornerDrawsNothing) {
  window->setRedGhostCell(0, 0, false);
  draw();
  EXPECT_TRUE(near(at(15.0, 15.0), kBlack));  // inside the corner cell, off the wall line
  window->setRedGhostCell(6, 9, false);
  draw();
  EXPECT_TRUE(near(at(130.0, 190.0), kRed));
}

TEST_F(AnalysisWindowDraw, decisionRedrawsTheWindowAtOnce) {
  player->decide();
  // Read what the decision drew, without drawing again.
  glFinish();
  pixels.assign(static_cast<std::size_t>(380 * 460 * 3), 0);
  glReadBuffer(GL_FRONT);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, 380, 460, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  EXPECT_TRUE(near(at(190.0, 190.0), kYellow));  // the chomper on (9, 9)
  EXPECT_TRUE(near(at(130.0, 110.0), kWhite));   // the plan's target (6, 5)
}
