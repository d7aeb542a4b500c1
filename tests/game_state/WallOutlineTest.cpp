#include "game/WallOutline.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "game/GameState.h"

namespace {

struct ItemShape {
  OutlinePrimitive primitive;
  int count;
  OutlinePoint first;
  OutlinePoint last;
};

class WallOutlineItems : public ::testing::TestWithParam<int> {};

const ItemShape kShapes[WALL_OUTLINE_ITEMS] = {
    {OutlinePrimitive::LineStrip, 10, {10, 210}, {370, 210}},
    {OutlinePrimitive::LineStrip, 10, {10, 250}, {370, 250}},
    {OutlinePrimitive::Segments, 46, {50, 50}, {190, 370}},
    {OutlinePrimitive::LineStrip, 3, {70, 90}, {50, 130}},
    {OutlinePrimitive::LineStrip, 3, {310, 90}, {330, 130}},
    {OutlinePrimitive::ClosedLoop, 4, {50, 390}, {50, 370}},
    {OutlinePrimitive::ClosedLoop, 4, {110, 390}, {110, 370}},
    {OutlinePrimitive::ClosedLoop, 4, {230, 390}, {230, 370}},
    {OutlinePrimitive::ClosedLoop, 4, {310, 390}, {310, 370}},
    {OutlinePrimitive::LineStrip, 6, {170, 250}, {210, 250}},
    {OutlinePrimitive::Segments, 2, {170, 250}, {210, 250}},
};

TEST_P(WallOutlineItems, haveTheirPrimitiveAndEnds) {
  const OutlineItem& item = wallOutlineItem(GetParam());
  const ItemShape& shape = kShapes[GetParam()];
  EXPECT_EQ(item.primitive, shape.primitive);
  ASSERT_EQ(item.count, shape.count);
  EXPECT_EQ(item.points[0].x, shape.first.x);
  EXPECT_EQ(item.points[0].y, shape.first.y);
  EXPECT_EQ(item.points[item.count - 1].x, shape.last.x);
  EXPECT_EQ(item.points[item.count - 1].y, shape.last.y);
}

INSTANTIATE_TEST_SUITE_P(WallOutline, WallOutlineItems, ::testing::Range(0, WALL_OUTLINE_ITEMS));

// The cells (grid indices) that the lines of an item pass through, in order.
std::vector<int> cellsAlong(const OutlineItem& item) {
  std::vector<std::pair<OutlinePoint, OutlinePoint>> lines;
  int stride = item.primitive == OutlinePrimitive::Segments ? 2 : 1;
  for (int i = 0; i + 1 < item.count; i += stride) lines.push_back({item.points[i], item.points[i + 1]});
  if (item.primitive == OutlinePrimitive::ClosedLoop) {
    lines.push_back({item.points[item.count - 1], item.points[0]});
  }
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

TEST(WallOutline, wallItemsRunOnlyThroughWallCells) {
  for (int i = 0; i < WALL_OUTLINE_DOOR_ITEM; ++i) {
    for (int cell : cellsAlong(wallOutlineItem(i))) {
      EXPECT_EQ(mazeTemplate[cell], CELL_WALL) << "item " << i + 1 << " cell " << cell;
    }
  }
}

TEST(WallOutline, everyWallCellLiesOnTheOutlineOrInsideTheHouseOutline) {
  std::set<int> covered;
  for (int i = 0; i < WALL_OUTLINE_DOOR_ITEM; ++i) {
    for (int cell : cellsAlong(wallOutlineItem(i))) covered.insert(cell);
  }
  // The two thick wall cells either side of the house cell are enclosed by
  // the house outline rather than crossed by it.
  const std::set<int> enclosed = {gridIndex(8, 11), gridIndex(10, 11)};
  for (int i = 0; i < MAZE_CELLS; ++i) {
    if (mazeTemplate[i] != CELL_WALL) continue;
    EXPECT_NE(covered.count(i) + enclosed.count(i), 0u) << "wall cell " << i;
    EXPECT_EQ(covered.count(i) * enclosed.count(i), 0u) << "wall cell " << i;
  }
}

TEST(WallOutline, doorItemSpansTheDoorBetweenTwoWalls) {
  std::vector<int> cells = cellsAlong(wallOutlineItem(WALL_OUTLINE_DOOR_ITEM));
  ASSERT_EQ(cells.size(), 3u);
  EXPECT_EQ(mazeTemplate[cells[0]], CELL_WALL);
  EXPECT_EQ(mazeTemplate[cells[1]], CELL_DOOR);
  EXPECT_EQ(mazeTemplate[cells[2]], CELL_WALL);
}

// Writes down what the outline asks for, in order.
class RecordingSink : public OutlineSink {
 public:
  void lineWidth(float width) override { calls.push_back("width " + std::to_string(width)); }
  void colour(double r, double g, double b) override {
    calls.push_back("colour " + std::to_string(r) + " " + std::to_string(g) + " " +
                    std::to_string(b));
  }
  void item(const OutlineItem& item) override {
    for (int i = 0; i < WALL_OUTLINE_ITEMS; ++i) {
      if (&item == &wallOutlineItem(i)) {
        calls.push_back("item " + std::to_string(i + 1));
      }
    }
  }
  std::vector<std::string> calls;
};

TEST(WallOutline, drawsWallsBlueThenTheDoorPinkAtWidthTwo) {
  RecordingSink sink;
  emitWallOutline(sink);
  std::vector<std::string> expected = {"width 2.000000", "colour 0.000000 0.000000 1.000000"};
  for (int i = 1; i <= 10; ++i) expected.push_back("item " + std::to_string(i));
  expected.push_back("colour 1.000000 0.750000 0.750000");
  expected.push_back("item 11");
  EXPECT_EQ(sink.calls, expected);
}

}  // namespace
