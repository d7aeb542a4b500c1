#pragma once
// The pictures of the game, drawn on canvases: actors 18 x 18, dot 4 x 4,
// pill 10 x 10, fruit 16 x 16 and the 300 x 80 start, win and lose screens.

#include "tools/Canvas.h"

// Which way a sprite faces.
enum class Facing { Left, Right, Up, Down };

namespace SpriteArt {

constexpr int ACTOR_SIZE = 18;

Canvas chomper(Facing facing);
Canvas ghost(Rgba body, Facing facing);
Canvas blueGhost(Facing facing);
Canvas dot();
Canvas powerpill();
Canvas fruit();
Canvas startScreen();
Canvas winScreen();
Canvas loseScreen();

// Ghost colours.
constexpr Rgba RED{255, 0, 0, 255};
constexpr Rgba GREEN{0, 220, 0, 255};
constexpr Rgba ORANGE{255, 160, 0, 255};
constexpr Rgba TURQUOISE{0, 230, 230, 255};

}  // namespace SpriteArt
