// The outline drawn into a real (offscreen) GL context, directly and through a
// display list, and read back from the drawing buffer.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <memory>
#include <vector>

#include "maze/WallOutline.h"
#include "gxbase/TestContext.h"

namespace {

constexpr int kWidth = 380;
constexpr int kHeight = 440;

enum class Seen { Black, Blue, Pink, Other };

class WallOutlineDraw : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    context = std::make_unique<gxbase::OffscreenContext>(kWidth, kHeight);
  }
  static void TearDownTestSuite() { context.reset(); }
  void SetUp() override {
    ASSERT_TRUE(context->IsReady()) << context->Error();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3d(1, 1, 1);
  }

  // What lies in the 3 x 3 pixels around (x, y): a line of 2 pixels straddles
  // its coordinate, so any of them may hold it.
  static Seen seenAround(int x, int y) {
    std::vector<unsigned char> px = context->ReadPixels(x - 1, y - 1, 3, 3);
    Seen seen = Seen::Black;
    for (size_t i = 0; i + 4 <= px.size(); i += 4) {
      int r = px[i], g = px[i + 1], b = px[i + 2];
      if (r == 0 && g == 0 && b == 0) continue;
      if (r < 10 && g < 10 && b > 245) return Seen::Blue;
      if (r > 245 && g > 180 && g < 200 && b > 180 && b < 200) return Seen::Pink;
      seen = Seen::Other;
    }
    return seen;
  }

  static void expectTheMaze() {
    glFinish();
    EXPECT_EQ(seenAround(10, 100), Seen::Blue) << "outer wall, left side";
    EXPECT_EQ(seenAround(200, 430), Seen::Blue) << "outer wall, top";
    EXPECT_EQ(seenAround(60, 390), Seen::Blue) << "a block's top edge";
    EXPECT_EQ(seenAround(50, 380), Seen::Blue) << "the edge that closes the loop";
    EXPECT_EQ(seenAround(60, 380), Seen::Black) << "inside the block";
    EXPECT_EQ(seenAround(190, 250), Seen::Pink) << "the door";
    EXPECT_EQ(seenAround(30, 30), Seen::Black) << "a corridor";
    EXPECT_EQ(seenAround(190, 230), Seen::Black) << "inside the house";
    EXPECT_EQ(seenAround(5, 230), Seen::Black) << "the tunnel's open end";
  }

  static std::unique_ptr<gxbase::OffscreenContext> context;
};

std::unique_ptr<gxbase::OffscreenContext> WallOutlineDraw::context;

TEST_F(WallOutlineDraw, drawsBlueWallsAndAPinkDoorAndLeavesPinkAtWidthTwo) {
  drawWallOutline();
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  expectTheMaze();
  GLdouble colour[4];
  glGetDoublev(GL_CURRENT_COLOR, colour);
  EXPECT_DOUBLE_EQ(colour[0], 1.0);
  EXPECT_NEAR(colour[1], 0.75, 1e-6);
  EXPECT_NEAR(colour[2], 0.75, 1e-6);
  GLfloat width = 0;
  glGetFloatv(GL_LINE_WIDTH, &width);
  EXPECT_EQ(width, 2.0f);
}

TEST_F(WallOutlineDraw, recordsIntoADisplayListWithoutDrawing) {
  GLuint list = glGenLists(1);
  ASSERT_NE(list, 0u);
  glNewList(list, GL_COMPILE);
  drawWallOutline();
  glEndList();
  glFinish();
  EXPECT_EQ(seenAround(10, 100), Seen::Black) << "recording draws nothing";

  glColor3d(1, 1, 1);
  glCallList(list);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  expectTheMaze();
  glDeleteLists(list, 1);
}

}  // namespace
