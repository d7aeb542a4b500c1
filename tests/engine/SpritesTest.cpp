// The sprite tool's Targa files: they load through the game's image reader,
// have the sizes the game expects, and the shipped ones are the tool's output.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gxbase/Image.h"
#include "tests/engine/EngineTestSupport.h"
#include "tools/SpriteArt.h"
#include "tools/TargaWriter.h"

namespace {

std::string shipped(const std::string& name) { return std::string(CHOMP_SOURCE_DIR) + "/data/" + name; }

std::vector<unsigned char> fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct ShippedSprite {
  std::string name;
  int width;
  int height;
};

std::vector<ShippedSprite> shippedSprites() {
  std::vector<ShippedSprite> sprites = {{"dot.tga", 4, 4},      {"powerpill.tga", 10, 10},
                                        {"fruit.tga", 16, 16},  {"start.tga", 300, 80},
                                        {"win.tga", 300, 80},   {"lose.tga", 300, 80}};
  for (const char* direction : {"left", "right", "up", "down"}) {
    for (const char* actor : {"chomp", "redghost", "greenghost", "orangeghost", "turquoiseghost", "blueghost"}) {
      sprites.push_back({std::string(actor) + direction + ".tga", 18, 18});
    }
  }
  return sprites;
}

TEST(SpritesTest, everySpriteTheGameNamesIsShippedAndLoads) {
  const std::vector<ShippedSprite> sprites = shippedSprites();
  EXPECT_EQ(sprites.size(), 30u);
  for (const ShippedSprite& s : sprites) {
    gxbase::Image image;
    ASSERT_TRUE(image.Load(shipped(s.name).c_str())) << s.name;
    EXPECT_EQ(image.Width(), s.width) << s.name;
    EXPECT_EQ(image.Height(), s.height) << s.name;
    EXPECT_TRUE(image.Format() == gxbase::BGR || image.Format() == gxbase::BGRA) << s.name;
  }
}

// Each shipped file is exactly what the tool writes today.
TEST(SpritesTest, shippedScreensAndFoodAreTheToolsOutput) {
  const struct {
    const char* name;
    Canvas canvas;
    TargaOptions options;
  } files[] = {{"dot.tga", SpriteArt::dot(), {24, false}},
               {"powerpill.tga", SpriteArt::powerpill(), {32, true}},
               {"fruit.tga", SpriteArt::fruit(), {32, false}},
               {"start.tga", SpriteArt::startScreen(), {24, true}},
               {"win.tga", SpriteArt::winScreen(), {24, true}},
               {"lose.tga", SpriteArt::loseScreen(), {24, true}},
               {"chompleft.tga", SpriteArt::chomper(Facing::Left), {32, true}},
               {"redghostup.tga", SpriteArt::ghost(SpriteArt::RED, Facing::Up), {32, false}},
               {"orangeghostdown.tga", SpriteArt::ghost(SpriteArt::ORANGE, Facing::Down), {24, true}},
               {"blueghostright.tga", SpriteArt::blueGhost(Facing::Right), {24, false}}};
  for (const auto& f : files) {
    EXPECT_EQ(fileBytes(shipped(f.name)), TargaWriter::encode(f.canvas, f.options)) << f.name;
  }
}

Canvas testPattern() {
  Canvas c(7, 5, TRANSPARENT);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 7; ++x) {
      // Runs along the top row, varied pixels elsewhere.
      const unsigned char v = y == 0 ? 200 : static_cast<unsigned char>(x * 30 + y * 7);
      c.set(x, y, {v, static_cast<unsigned char>(255 - v), static_cast<unsigned char>(x * 9), 
                   static_cast<unsigned char>(y == 0 ? 255 : x * 20)});
    }
  }
  return c;
}

TEST(SpritesTest, everyTargaKindReadsBackAsTheCanvasWithTheBottomRowFirst) {
  TempDir dir;
  const Canvas canvas = testPattern();
  for (const TargaOptions options : {TargaOptions{24, false}, TargaOptions{24, true}, TargaOptions{32, false},
                                     TargaOptions{32, true}}) {
    ASSERT_TRUE(TargaWriter::write("pattern.tga", canvas, options));
    gxbase::Image image;
    ASSERT_TRUE(image.Load("pattern.tga"));
    const int bytes = options.bitsPerPixel / 8;
    ASSERT_EQ(image.Format(), bytes == 4 ? gxbase::BGRA : gxbase::BGR);
    for (int y = 0; y < canvas.height(); ++y) {
      const unsigned char* row = image.Row(canvas.height() - 1 - y);
      for (int x = 0; x < canvas.width(); ++x) {
        const Rgba p = canvas.pixel(x, y);
        EXPECT_EQ(row[x * bytes + 0], p.b);
        EXPECT_EQ(row[x * bytes + 1], p.g);
        EXPECT_EQ(row[x * bytes + 2], p.r);
        if (bytes == 4) {
          EXPECT_EQ(row[x * bytes + 3], p.a);
        }
      }
    }
  }
}

TEST(SpritesTest, runLengthCodingShrinksTheFlatScreens) {
  const Canvas screen = SpriteArt::startScreen();
  EXPECT_LT(TargaWriter::encode(screen, {24, true}).size() * 4, TargaWriter::encode(screen, {24, false}).size());
}

TEST(SpritesTest, runLengthPacketsNeverHoldMoreThan128Pixels) {
  const Canvas flat(300, 1, {1, 2, 3, 255});
  const std::vector<unsigned char> bytes = TargaWriter::encode(flat, {24, true});
  // 128 + 128 + 44 pixels: three run packets of a header and one pixel.
  const std::vector<unsigned char> pixels(bytes.begin() + 18, bytes.end() - 26);
  EXPECT_EQ(pixels, (std::vector<unsigned char>{0xFF, 3, 2, 1, 0xFF, 3, 2, 1, 0xAB, 3, 2, 1}));
}

TEST(SpritesTest, theChomperFacesWhereItGoes) {
  // The mouth is open (transparent) on the side it faces, closed behind.
  const Canvas left = SpriteArt::chomper(Facing::Left);
  EXPECT_EQ(left.pixel(2, 9).a, 0);
  EXPECT_EQ(left.pixel(15, 9).a, 255);
  const Canvas up = SpriteArt::chomper(Facing::Up);
  EXPECT_EQ(up.pixel(9, 2).a, 0);
  EXPECT_EQ(up.pixel(9, 15).a, 255);
}

}  // namespace
