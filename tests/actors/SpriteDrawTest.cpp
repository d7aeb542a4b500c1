// Actors drawn into a real (offscreen) GL context: the sprite of the current
// direction, centred on the position; the blue sprites while a ghost is blue.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <memory>
#include <utility>

#include "actors/RedGhost.h"
#include "gxbase/Image.h"
#include "gxbase/TestContext.h"

namespace {

using Colour = std::array<unsigned char, 3>;
const Colour kBlack = {0, 0, 0};
const Colour kRed = {255, 0, 0};
const Colour kGreen = {0, 255, 0};
const Colour kBlue = {0, 0, 255};

// An 18 x 18 picture of one colour.
void paint(gxbase::Image& image, const Colour& c) {
  ASSERT_TRUE(image.Allocate(18, 18, gxbase::RGB, 0));
  for (int row = 0; row < 18; ++row) {
    for (int i = 0; i < 18; ++i) std::copy(c.begin(), c.end(), image.Row(row) + 3 * i);
  }
}

// A ghost with only a red left, a green up and (if asked) a blue up sprite,
// whichever sprite files it found where the test runs.
class PaintedGhost : public RedGhost {
 public:
  explicit PaintedGhost(bool withBlueSprite) {
    for (gxbase::Image* s : {&spriteDown, &spriteLeft, &spriteUp, &blueUp}) {
      if (s->IsValid()) s->Free();
    }
    paint(spriteLeft, kRed);
    paint(spriteUp, kGreen);
    if (withBlueSprite) paint(blueUp, kBlue);
    setPosition(190, 190);
  }
};

class SpriteDraw : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { context = std::make_unique<gxbase::OffscreenContext>(380, 440); }
  static void TearDownTestSuite() { context.reset(); }
  void SetUp() override {
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

TEST_F(SpriteDraw, spriteOfTheDirectionIsCentredOnThePosition) {
  PaintedGhost g(false);
  g.setDirection(DIR_LEFT);
  g.draw();
  EXPECT_EQ(pixel(181, 181), kRed) << "bottom-left corner";
  EXPECT_EQ(pixel(198, 198), kRed) << "top-right corner";
  for (auto [x, y] : {std::pair{180, 190}, {199, 190}, {190, 180}, {190, 199}}) {
    EXPECT_EQ(pixel(x, y), kBlack) << x << ", " << y;
  }
  g.setDirection(DIR_UP);
  g.draw();
  EXPECT_EQ(pixel(190, 190), kGreen);
}

TEST_F(SpriteDraw, blueGhostUsesTheBlueSprite) {
  PaintedGhost g(true);
  g.setBlue(true);
  g.draw();
  EXPECT_EQ(pixel(190, 190), kBlue);
}

TEST_F(SpriteDraw, missingSpriteOrNoDirectionDrawsNothing) {
  PaintedGhost g(false);
  for (int d : {DIR_DOWN, DIR_NONE}) {  // a sprite never loaded; no sprite at all
    g.setDirection(d);
    g.draw();
  }
  g.setDirection(DIR_UP);
  g.setBlue(true);  // without its blue sprite
  g.draw();
  EXPECT_EQ(pixel(190, 190), kBlack);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
