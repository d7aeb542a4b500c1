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
