// The analysis window drawn into a real GL context (SDL's offscreen driver)
// and read back pixel by pixel.

#include <GL/gl.h>

#include <array>
#include <cstdlib>

#include "PlayerFixture.h"
#include "gxbase/WindowEx.h"
#include "tests/support/GlContext.h"

namespace {

using Rgb = std::array<int, 3>;
const Rgb kBlack = {0, 0, 0}, kYellow = {255, 255, 0}, kWhite = {255, 255, 255},
          kRed = {255, 0, 0}, kGreen = {0, 255, 0};

class AnalysisWindowDraw : public PlayerFixture {
 protected:
  void SetUp() override {
    PlayerFixture::SetUp();
    window = player->getWindow();
    window->SetSize(380, 460);  // the offscreen driver keeps the surface at its creation size
    ASSERT_TRUE(window->Extra()->Create()) << "no GL window under the offscreen driver";
    window->OnCreate();
  }
  void TearDown() override {
    window->Extra()->Destroy();
    PlayerFixture::TearDown();
  }

  // Reads the picture as shown; draws it first unless told not to.
  void draw(bool display = true) {
    if (display) window->OnDisplay();
    glReadBuffer(GL_FRONT);
    pixels = readPixels(0, 0, 380, 460);
  }
  // Whether the colour at world position (x, y) is near c; the picture's bottom is y = -20.
  bool shows(double x, double y, const Rgb& c) const {
    const unsigned char* p = &pixels[(size_t(y + 20.0) * 380 + size_t(x)) * 3];
    return std::abs(p[0] - c[0]) <= 2 && std::abs(p[1] - c[1]) <= 2 && std::abs(p[2] - c[2]) <= 2;
  }
  Window* window = nullptr;
  std::vector<unsigned char> pixels;
};

}  // namespace

TEST_F(AnalysisWindowDraw, actorSquaresHideTheMarksBelowThem) {
  window->markPlanCell(CellPos(8, 9));
  window->markPlanCell(CellPos(7, 9));
  window->setChomperCell(8, 9);
  window->markGhostPath(CellPos(1, 20), 1);
  window->markPlanCell(CellPos(1, 20));
  window->setGreenGhostCell(1, 20, false);
  window->setRedGhostCell(6, 9, false);
  window->setOrangeGhostCell(0, 0, false);  // absent: in the corner, drawn nowhere
  draw();
  EXPECT_TRUE(shows(170.0, 190.0, kYellow));  // chomper's cell centre
  EXPECT_TRUE(shows(162.0, 182.0, kYellow));  // filled well beyond a plan mark
  EXPECT_TRUE(shows(150.0, 190.0, kWhite));   // plan mark on (7, 9)
  EXPECT_TRUE(shows(144.0, 184.0, kBlack));   // which is small
  EXPECT_TRUE(shows(24.0, 404.0, kGreen));    // the ghost over path, plan and dot
  EXPECT_TRUE(shows(130.0, 190.0, kRed));
  EXPECT_TRUE(shows(15.0, 15.0, kBlack));  // the corner cell, off the wall line
}

TEST_F(AnalysisWindowDraw, decisionRedrawsTheWindowAtOnce) {
  player->decide();
  draw(false);  // what the decision drew, without drawing again
  EXPECT_TRUE(shows(190.0, 190.0, kYellow));  // the chomper on (9, 9)
  EXPECT_TRUE(shows(130.0, 110.0, kWhite));   // the plan's target (6, 5)
}
