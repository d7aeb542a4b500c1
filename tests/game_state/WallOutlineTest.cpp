// The maze outline as data: its lines run along the level's walls. Its colours
// and the door are checked where it is drawn.

#include "maze/WallOutline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

#include "maze/GameState.h"

namespace {

// The cells (grid indices) that the lines of an item pass through, in order.
std::vector<int> cellsAlong(const OutlineItem& item) {
  std::vector<std::pair<OutlinePoint, OutlinePoint>> lines;
  int stride = item.primitive == OutlinePrimitive::Segments ? 2 : 1;
  for (int i = 0; i + 1 < item.count; i += stride) lines.push_back({item.points[i], item.points[i + 1]});
  if (item.primitive == OutlinePrimitive::ClosedLoop) lines.push_back({item.points[item.count - 1], item.points[0]});
  std::vector<int> cells;
  for (const auto& [a, b] : lines) {
    EXPECT_TRUE(a.x == b.x || a.y == b.y) << "outline lines are horizontal or vertical";
    int steps = (std::abs(b.x - a.x) + std::abs(b.y - a.y)) / CELL_SIZE;
    for (int s = 0; s <= steps; ++s) {
      int px = a.x + (b.x - a.x) / std::max(steps, 1) * s;
      int py = a.y + (b.y - a.y) / std::max(steps, 1) * s;
      EXPECT_EQ((px - 10) % 20, 0);
      EXPECT_EQ((py - 10) % 20, 0);
      cells.push_back(gridIndex((px - 10) / 20, (py - 10) / 20));
    }
  }
  return cells;
}

TEST(WallOutline, wallItemsRunThroughWallCellsOnlyAndReachEveryOne) {
  std::set<int> covered;
  for (int i = 0; i < WALL_OUTLINE_DOOR_ITEM; ++i) {
    for (int cell : cellsAlong(wallOutlineItem(i))) {
      EXPECT_EQ(mazeTemplate[cell], CELL_WALL) << "item " << i + 1 << " cell " << cell;
      covered.insert(cell);
    }
  }
  // The two thick wall cells either side of the house cell are enclosed by
  // the house outline rather than crossed by it.
  const std::set<int> enclosed = {gridIndex(8, 11), gridIndex(10, 11)};
  for (int i = 0; i < MAZE_CELLS; ++i) {
    if (mazeTemplate[i] != CELL_WALL) continue;
    EXPECT_EQ(covered.count(i) + enclosed.count(i), 1u) << "wall cell " << i;
  }
}

}  // namespace
