// The analysis window drawn into a real GL context (SDL's offscreen driver)
// and read back pixel by pixel.

#include <GL/gl.h>

#include <array>
#include <cstdlib>

#include "PlayerFixture.h"
#include "gxbase/WindowEx.h"

namespace {

using Rgb = std::array<int, 3>;

const Rgb kBlack = {0, 0, 0};
const Rgb kGrey = {77, 77, 77};
const Rgb kYellow = {255, 255, 0};
const Rgb kWhite = {255, 255, 255};
const Rgb kRed = {255, 0, 0};
const Rgb kGreen = {0, 255, 0};
const Rgb kBlue = {0, 0, 255};

class AnalysisWindowDraw : public PlayerFixture {
 protected:
  void SetUp() override {
    PlayerFixture::SetUp();
    window = player->getWindow();
    // The offscreen driver keeps the drawing surface at its creation size.
    window->SetSize(380, 460);
    ASSERT_TRUE(window->Extra()->Create()) << "no GL window under the offscreen driver";
    window->OnCreate();
    ASSERT_EQ(window->Width(), 380);
    ASSERT_EQ(window->Height(), 460);
  }

  void TearDown() override {
    window->Extra()->Destroy();
    PlayerFixture::TearDown();
  }

  // Reads the picture as shown; draws it first unless told not to.
  void draw(bool display = true) {
    if (display) window->OnDisplay();
    glFinish();
    pixels.assign(380 * 460 * 3, 0);
    glReadBuffer(GL_FRONT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, 380, 460, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
  }

  // Whether the colour at world position (x, y) is near c; the picture's bottom is y = -20.
  bool shows(double x, double y, const Rgb& c) const {
    const int px = static_cast<int>(x), py = static_cast<int>(y + 20.0);
    const unsigned char* p = &pixels[static_cast<std::size_t>((py * 380 + px) * 3)];
    for (int k = 0; k < 3; ++k) {
      if (std::abs(p[k] - c[k]) > 2) return false;
    }
    return true;
  }

  // Counts cells whose outline of the given side passes, in the given colour,
  // the pixel on its left edge at mid height.
  int countOutlines(double side, const Rgb& colour) const {
    int count = 0;
    for (int row = 0; row < MAZE_ROWS; ++row) {
      for (int col = 0; col < MAZE_COLS; ++col) {
        count += shows(20.0 * col + (20.0 - side) / 2.0, 20.0 * row + 10.0, colour) ? 1 : 0;
      }
    }
    return count;
  }

  Window* window = nullptr;
  std::vector<unsigned char> pixels;
};

}  // namespace

TEST_F(AnalysisWindowDraw, beforeTheFirstDecisionAllFoodIsShownInsideBlueWalls) {
  draw();
  EXPECT_EQ(countOutlines(5.0, kGrey), 153);
  EXPECT_EQ(countOutlines(10.0, kYellow), 4);
  EXPECT_TRUE(shows(30.0 + 5.0 - 10.0, 390.0, kYellow));  // the top-left pill
  EXPECT_TRUE(shows(190.0, 10.0, kBlue));                  // the outer wall at the bottom
}

TEST_F(AnalysisWindowDraw, actorSquaresHideTheMarksBelowThem) {
  window->markPlanCell(CellPos(8, 9));
  window->markPlanCell(CellPos(7, 9));
  window->setChomperCell(8, 9);
  window->markGhostPath(CellPos(1, 20), 1);
  window->markPlanCell(CellPos(1, 20));
  window->setGreenGhostCell(1, 20, false);
  draw();
  EXPECT_TRUE(shows(170.0, 190.0, kYellow));  // chomper's cell centre
  EXPECT_TRUE(shows(162.0, 182.0, kYellow));  // filled well beyond a plan mark
  EXPECT_TRUE(shows(150.0, 190.0, kWhite));   // plan mark on (7, 9)
  EXPECT_TRUE(shows(144.0, 184.0, kBlack));   // which is small
  EXPECT_TRUE(shows(30.0, 410.0, kGreen));    // the ghost over path, plan and dot
  EXPECT_TRUE(shows(24.0, 404.0, kGreen));
}

TEST_F(AnalysisWindowDraw, absentGhostInTheCornerDrawsNothing) {
  window->setRedGhostCell(0, 0, false);
  draw();
  EXPECT_TRUE(shows(15.0, 15.0, kBlack));  // inside the corner cell, off the wall line
  window->setRedGhostCell(6, 9, false);
  draw();
  EXPECT_TRUE(shows(130.0, 190.0, kRed));
}

TEST_F(AnalysisWindowDraw, decisionRedrawsTheWindowAtOnce) {
  player->decide();
  draw(false);  // what the decision drew, without drawing again
  EXPECT_TRUE(shows(190.0, 190.0, kYellow));  // the chomper on (9, 9)
  EXPECT_TRUE(shows(130.0, 110.0, kWhite));   // the plan's target (6, 5)
}
