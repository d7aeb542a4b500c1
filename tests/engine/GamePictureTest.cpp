// The game window's picture in a real GL context (SDL's offscreen driver),
// each part compared with the same part drawn on its own.

#include <GL/gl.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "game/GamePicture.h"
#include "gxbase/WindowEx.h"
#include "tests/engine/EngineFixture.h"
#include "tests/support/GlContext.h"
#include "tests/support/Process.h"

namespace {

class GamePicture : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    std::filesystem::create_directory("data");
    copyShippedSprites("data");
    ASSERT_TRUE(engine->Extra()->Create());
    engine->OnCreate();
    engine->startScreen = false;
    chomp.setPosition(30, 30);
  }
  void TearDown() override {
    engine->Extra()->Destroy();
    EngineTest::TearDown();
  }

  // The shown pixels of a rectangle of the world (y from -20 up).
  static std::vector<unsigned char> shown(int x, int y, int width, int height) {
    glReadBuffer(GL_FRONT);
    return readPixels(x, y + 20, width, height);
  }
  std::vector<unsigned char> game(int x, int y, int width, int height) {
    engine->OnDisplay();
    return shown(x, y, width, height);
  }
  // The picture file alone, drawn at (x, y).
  std::vector<unsigned char> alone(const char* file, int x, int y, int width, int height) {
    glClear(GL_COLOR_BUFFER_BIT);
    gxbase::Image image;
    EXPECT_TRUE(image.Load(file));
    glRasterPos2i(x, y);
    image.Draw();
    engine->SwapBuffers();
    return shown(x, y, width, height);
  }
};

TEST_F(GamePicture, endScreensFruitEatenFoodAndTheFoodLeftAreShown) {
  gameWon = true;
  EXPECT_EQ(game(40, 80, 300, 80), alone("data/win.tga", 40, 80, 300, 80));
  gameWon = false;
  engine->rules.gameLost = true;
  EXPECT_EQ(game(40, 80, 300, 80), alone("data/lose.tga", 40, 80, 300, 80));
  EXPECT_NE(game(40, 80, 300, 80), alone("data/win.tga", 40, 80, 300, 80));
  engine->rules.gameLost = false;
  fruitShown = true;
  EXPECT_EQ(game(182, 182, 16, 16), alone("data/fruit.tga", 182, 182, 16, 16));
  EXPECT_EQ(game(28, 408, 4, 4), alone("data/dot.tga", 28, 408, 4, 4));
  cellAt(1, 20) = CELL_EMPTY;
  EXPECT_EQ(game(28, 408, 4, 4), std::vector<unsigned char>(48, 0));
  foodLeft = 0;
  const std::vector<unsigned char> status = game(150, -20, 230, 20);
  glClear(GL_COLOR_BUFFER_BIT);
  glRasterPos2i(150, -15);
  engine->Printf("Food Left: 0");
  engine->SwapBuffers();
  EXPECT_EQ(status, shown(150, -20, 230, 20));
  // Text that does not fit the format buffer with its terminator is not drawn.
  EXPECT_EQ(engine->Printf("%s", std::string(1024, 'x').c_str()), 0u);
  EXPECT_NE(engine->Printf("%s", std::string(1023, 'x').c_str()), 0u);
}

// The offscreen picture of a position (GamePicture, behind chomp.Env.render)
// is the game window's own drawing of it, pixel for pixel, top row first:
// here the lower part with the lose screen, which this test window holds.
TEST_F(GamePicture, theOffscreenPictureIsTheGameWindowsDrawingTopRowFirst) {
  fruitShown = true;
  engine->rules.gameLost = true;
  const int width = 300;
  const int height = 220;  // world y -20 up to 200
  const std::vector<unsigned char> bottomFirst = game(0, -20, width, height);
  ::GamePicture picture;
  std::vector<unsigned char> topFirst;
  std::string why;
  ASSERT_TRUE(picture.draw(true, topFirst, &why)) << why;
  ASSERT_EQ(topFirst.size(), 380u * 460 * 3);
  for (int y = 0; y < height; ++y) {  // world y - 20 + y is row 459 - y of the picture
    const auto shown = bottomFirst.begin() + y * width * 3;
    ASSERT_TRUE(std::equal(shown, shown + width * 3, topFirst.begin() + (459 - y) * 380 * 3)) << "row " << y;
  }
}

}  // namespace
