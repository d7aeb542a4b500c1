// Prints the maze's wall outline, the lines the game draws its walls with,
// as plotting data: one "x y" line per point in the game's pixels (y up),
// each line strip ended by a blank line; the walls first, then two blank
// lines and the door. scripts/chart draws the catch map over it.
//   build/mazeoutline > outline.txt

#include <cstdio>

#include "maze/WallOutline.h"

namespace {

void printItem(const OutlineItem& item) {
  for (int i = 0; i < item.count; ++i) {
    std::printf("%d %d\n", item.points[i].x, item.points[i].y);
    // Independent segments: a break after every pair.
    if (item.primitive == OutlinePrimitive::Segments && i % 2 == 1) std::printf("\n");
  }
  if (item.primitive == OutlinePrimitive::ClosedLoop) std::printf("%d %d\n", item.points[0].x, item.points[0].y);
  if (item.primitive != OutlinePrimitive::Segments) std::printf("\n");
}

}  // namespace

int main() {
  for (int i = 0; i < WALL_OUTLINE_ITEMS; ++i) {
    if (i == WALL_OUTLINE_DOOR_ITEM) std::printf("\n\n");
    printItem(wallOutlineItem(i));
  }
  return std::fflush(stdout) == 0 ? 0 : 1;
}
