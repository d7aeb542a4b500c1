#include "tools/SpriteArt.h"

#include <string>

#include "tools/PixelFont.h"

namespace {

constexpr Rgba YELLOW{255, 230, 0, 255};
constexpr Rgba WHITE{255, 255, 255, 255};
constexpr Rgba BLACK{0, 0, 0, 255};
constexpr Rgba PUPIL{20, 20, 160, 255};
constexpr Rgba FRIGHT_BLUE{40, 40, 255, 255};
constexpr Rgba FRIGHT_FACE{255, 200, 170, 255};
constexpr Rgba FOOD{255, 190, 160, 255};
constexpr Rgba CHERRY{220, 0, 30, 255};
constexpr Rgba STEM{150, 90, 20, 255};
constexpr Rgba LEAF{0, 170, 40, 255};
constexpr Rgba SCREEN_BACKGROUND{0, 0, 48, 255};

// Unit step on the canvas (y down) for a facing.
void facingStep(Facing facing, int& dx, int& dy) {
  dx = facing == Facing::Left ? -1 : (facing == Facing::Right ? 1 : 0);
  dy = facing == Facing::Up ? -1 : (facing == Facing::Down ? 1 : 0);
}

// Dome, body and three feet shared by every ghost.
void ghostBody(Canvas& c, Rgba body) {
  c.fillCircle(9, 8, 7.5, body);
  c.fillRect(2, 8, 15, 8, body);
  c.fillRect(2, 16, 3, 2, body);
  c.fillRect(8, 16, 3, 2, body);
  c.fillRect(14, 16, 3, 2, body);
}

Canvas screen(Rgba accent, const std::string& title, int titleScale, const std::string& subtitle) {
  Canvas c(300, 80, SCREEN_BACKGROUND);
  c.frame(0, 0, 300, 80, 3, accent);
  const int titleHeight = PixelFont::GLYPH_HEIGHT * titleScale;
  const int titleTop = 10 + (36 - titleHeight) / 2;
  PixelFont::draw(c, title, (300 - PixelFont::textWidth(title, titleScale)) / 2, titleTop, titleScale,
                  accent);
  PixelFont::draw(c, subtitle, (300 - PixelFont::textWidth(subtitle, 2)) / 2, 54, 2, WHITE);
  return c;
}

}  // namespace

namespace SpriteArt {

Canvas chomper(Facing facing) {
  Canvas c(ACTOR_SIZE, ACTOR_SIZE, TRANSPARENT);
  c.fillCircle(9, 9, 8.5, YELLOW);
  // The mouth is a 70-degree wedge opening the way the chomper goes; the eye
  // sits above the mouth, or beside it when facing up or down.
  switch (facing) {
    case Facing::Right: c.clearWedge(9, 9, 9, -35, 35, TRANSPARENT); c.fillRect(9, 3, 2, 2, BLACK); break;
    case Facing::Left: c.clearWedge(9, 9, 9, 145, 215, TRANSPARENT); c.fillRect(7, 3, 2, 2, BLACK); break;
    case Facing::Up: c.clearWedge(9, 9, 9, 55, 125, TRANSPARENT); c.fillRect(3, 8, 2, 2, BLACK); break;
    case Facing::Down: c.clearWedge(9, 9, 9, 235, 305, TRANSPARENT); c.fillRect(13, 8, 2, 2, BLACK); break;
  }
  return c;
}

Canvas ghost(Rgba body, Facing facing) {
  Canvas c(ACTOR_SIZE, ACTOR_SIZE, TRANSPARENT);
  ghostBody(c, body);
  int dx = 0, dy = 0;
  facingStep(facing, dx, dy);
  // White eyes with pupils looking the way the ghost goes.
  c.fillEllipse(6 + dx * 0.5, 7.5 + dy * 0.5, 2.2, 2.8, WHITE);
  c.fillEllipse(12 + dx * 0.5, 7.5 + dy * 0.5, 2.2, 2.8, WHITE);
  c.fillRect(5 + dx, 7 + dy, 2, 2, PUPIL);
  c.fillRect(11 + dx, 7 + dy, 2, 2, PUPIL);
  return c;
}

Canvas blueGhost(Facing facing) {
  Canvas c(ACTOR_SIZE, ACTOR_SIZE, TRANSPARENT);
  ghostBody(c, FRIGHT_BLUE);
  int dx = 0, dy = 0;
  facingStep(facing, dx, dy);
  // A frightened face: two small eyes and a wavy mouth.
  c.fillRect(5 + dx, 6 + dy, 2, 2, FRIGHT_FACE);
  c.fillRect(11 + dx, 6 + dy, 2, 2, FRIGHT_FACE);
  for (int x = 4; x < 15; ++x) c.set(x, 12 + x % 2, FRIGHT_FACE);
  return c;
}

Canvas dot() {
  Canvas c(4, 4, TRANSPARENT);
  c.fillRect(1, 0, 2, 4, FOOD);
  c.fillRect(0, 1, 4, 2, FOOD);
  return c;
}

Canvas powerpill() {
  Canvas c(10, 10, TRANSPARENT);
  c.fillCircle(5, 5, 5, FOOD);
  return c;
}

Canvas fruit() {
  // A pair of cherries on one stem with a leaf.
  Canvas c(16, 16, TRANSPARENT);
  c.line(5, 10, 10, 2, 1, STEM);
  c.line(11, 11, 10, 2, 1, STEM);
  c.fillEllipse(12.5, 3, 3, 1.5, LEAF);
  c.fillCircle(4.5, 11.5, 4, CHERRY);
  c.fillCircle(11.5, 12, 4, CHERRY);
  c.fillRect(3, 9, 1, 2, WHITE);
  c.fillRect(10, 10, 1, 2, WHITE);
  return c;
}

Canvas startScreen() { return screen(YELLOW, "PRESS SPACE", 4, "TO START"); }
Canvas winScreen() { return screen(SpriteArt::GREEN, "YOU WIN", 5, "ALL FOOD EATEN"); }
Canvas loseScreen() { return screen(SpriteArt::RED, "GAME OVER", 4, "CAUGHT BY A GHOST"); }

}  // namespace SpriteArt
