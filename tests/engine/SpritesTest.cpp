// The sprite tool's Targa files: they load through the game's image reader,
// have the sizes the game expects, and the shipped ones are the tool's output.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gxbase/Image.h"
#include "tools/SpriteArt.h"
#include "tools/TargaWriter.h"

namespace {

std::string shipped(const std::string& name) { return std::string(CHOMP_SOURCE_DIR) + "/data/" + name; }

std::vector<unsigned char> fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct ShippedSprite { std::string name; int width; int height; };

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

}  // namespace
