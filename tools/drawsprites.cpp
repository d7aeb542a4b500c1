// Draws every sprite and screen of the game and writes them as Targa files
// into a folder (default "data"): drawsprites [folder]

#include <cstdio>
#include <string>

#include "tools/SpriteArt.h"
#include "tools/TargaWriter.h"

namespace {

struct Direction {
  const char* name;
  Facing facing;
};

const Direction DIRECTIONS[] = {
    {"left", Facing::Left}, {"right", Facing::Right}, {"up", Facing::Up}, {"down", Facing::Down}};

struct GhostColour {
  const char* name;
  Rgba body;
  TargaOptions options;
};

// Formats are mixed on purpose, so the game exercises every kind of
// true-colour Targa file its reader accepts.
const TargaOptions RLE32{32, true};
const TargaOptions RAW32{32, false};
const TargaOptions RLE24{24, true};
const TargaOptions RAW24{24, false};

const GhostColour GHOSTS[] = {{"red", SpriteArt::RED, RAW32},
                              {"green", SpriteArt::GREEN, RAW32},
                              {"orange", SpriteArt::ORANGE, RLE24},
                              {"turquoise", SpriteArt::TURQUOISE, RLE24}};

bool save(const std::string& folder, const std::string& name, const Canvas& canvas, TargaOptions options) {
  const std::string path = folder + "/" + name;
  if (!TargaWriter::write(path, canvas, options)) {
    std::printf("cannot write %s\n", path.c_str());
    return false;
  }
  std::printf("%s: %d x %d, %d bits%s\n", path.c_str(), canvas.width(), canvas.height(),
              options.bitsPerPixel, options.runLength ? ", run-length" : "");
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : "data";
  bool ok = true;
  for (const Direction& d : DIRECTIONS) {
    ok &= save(folder, std::string("chomp") + d.name + ".tga", SpriteArt::chomper(d.facing), RLE32);
    ok &= save(folder, std::string("blueghost") + d.name + ".tga", SpriteArt::blueGhost(d.facing), RAW24);
    for (const GhostColour& g : GHOSTS) {
      ok &= save(folder, std::string(g.name) + "ghost" + d.name + ".tga", SpriteArt::ghost(g.body, d.facing),
                 g.options);
    }
  }
  ok &= save(folder, "dot.tga", SpriteArt::dot(), RAW24);
  ok &= save(folder, "powerpill.tga", SpriteArt::powerpill(), RLE32);
  ok &= save(folder, "fruit.tga", SpriteArt::fruit(), RAW32);
  ok &= save(folder, "start.tga", SpriteArt::startScreen(), RLE24);
  ok &= save(folder, "win.tga", SpriteArt::winScreen(), RLE24);
  ok &= save(folder, "lose.tga", SpriteArt::loseScreen(), RLE24);
  return ok ? 0 : 1;
}
