// Actors drawn into a real (offscreen) GL context: the sprite of the current
// direction, centred on the position; the blue sprites while a ghost is blue.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <array>
#include <memory>

#include "ActorTestSupport.h"
#include "actors/RedGhost.h"
#include "gxbase/Image.h"
#include "gxbase/TestContext.h"

namespace {

using Colour = std::array<unsigned char, 3>;
const Colour kBlack = {0, 0, 0};
const Colour kRed = {255, 0, 0};
const Colour kGreen = {0, 255, 0};
const Colour kBlue = {0, 0, 255};

// A size x size picture of one colour.
void paint(gxbase::Image& image, int size, const Colour& c) {
  ASSERT_TRUE(image.Allocate(size, size, gxbase::RGB, 0));
  for (int row = 0; row < size; ++row) {
    unsigned char* p = image.Row(row);
    for (int i = 0; i < size; ++i) std::copy(c.begin(), c.end(), p + 3 * i);
  }
}

class PaintedChomper : public TestChomper {
 public:
  gxbase::Image& left() { return spriteLeft; }
  gxbase::Image& up() { return spriteUp; }
};

class PaintedGhost : public RedGhost {
 public:
  gxbase::Image& up() { return spriteUp; }
  gxbase::Image& blueUpSprite() { return blueUp; }
};

class SpriteDraw : public ActorTest {
 protected:
  static void SetUpTestSuite() { context = std::make_unique<gxbase::OffscreenContext>(380, 440); }
  static void TearDownTestSuite() { context.reset(); }
  void SetUp() override {
    ActorTest::SetUp();
    ASSERT_TRUE(context->IsReady()) << context->Error();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
  }
  static Colour pixel(int x, int y) {
    glFinish();
    std::vector<unsigned char> p = context->ReadPixels(x, y, 1, 1);
    return {p[0], p[1], p[2]};
  }
  static std::unique_ptr<gxbase::OffscreenContext> context;
};

std::unique_ptr<gxbase::OffscreenContext> SpriteDraw::context;

TEST_F(SpriteDraw, spriteIsCentredOnThePosition) {
  PaintedChomper c;  // at (190, 190) facing left
  paint(c.left(), 18, kRed);
  c.draw();
  EXPECT_EQ(pixel(181, 181), kRed) << "bottom-left corner";
  EXPECT_EQ(pixel(198, 198), kRed) << "top-right corner";
  EXPECT_EQ(pixel(180, 190), kBlack);
  EXPECT_EQ(pixel(199, 190), kBlack);
  EXPECT_EQ(pixel(190, 180), kBlack);
  EXPECT_EQ(pixel(190, 199), kBlack);
}

TEST_F(SpriteDraw, spriteFollowsTheDirection) {
  PaintedChomper c;
  paint(c.left(), 18, kRed);
  paint(c.up(), 18, kGreen);
  c.setDirection(DIR_UP);
  c.draw();
  EXPECT_EQ(pixel(190, 190), kGreen);
}

TEST_F(SpriteDraw, missingSpriteOrNoDirectionDrawsNothing) {
  PaintedChomper c;
  paint(c.left(), 18, kRed);
  c.setDirection(DIR_UP);  // its sprite never loaded
  c.draw();
  EXPECT_EQ(pixel(190, 190), kBlack);
  c.setDirection(DIR_NONE);
  c.draw();
  EXPECT_EQ(pixel(190, 190), kBlack);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(SpriteDraw, blueGhostUsesTheBlueSprite) {
  PaintedGhost g;  // at (190, 231) facing up
  paint(g.up(), 18, kRed);
  paint(g.blueUpSprite(), 18, kBlue);
  g.draw();
  EXPECT_EQ(pixel(190, 231), kRed);
  g.setBlue(true);
  g.draw();
  EXPECT_EQ(pixel(190, 231), kBlue);
}

TEST_F(SpriteDraw, blueGhostWithoutItsBlueSpriteIsInvisible) {
  PaintedGhost g;
  paint(g.up(), 18, kRed);
  g.setBlue(true);
  g.draw();
  EXPECT_EQ(pixel(190, 231), kBlack);
}

}  // namespace
