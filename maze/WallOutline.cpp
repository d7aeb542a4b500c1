#include "maze/WallOutline.h"

#include <GL/gl.h>

#include <cassert>

namespace {

// Outer wall below the tunnel row, open at the tunnel's ends.
const OutlinePoint kOuterBottom[] = {{10, 210}, {70, 210},  {70, 170},  {10, 170},
                                     {10, 10},  {370, 10},  {370, 170}, {310, 170},
                                     {310, 210}, {370, 210}};
// Outer wall above the tunnel row, open at the tunnel's ends.
const OutlinePoint kOuterTop[] = {{10, 250}, {70, 250},  {70, 290},  {10, 290},
                                  {10, 430}, {370, 430}, {370, 290}, {310, 290},
                                  {310, 250}, {370, 250}};
// The inner walls that are plain bars and tees.
const OutlinePoint kInnerBars[] = {
    {50, 50},   {150, 50},  {110, 50},  {110, 90},  {190, 50},  {190, 90},
    {150, 90},  {230, 90},  {230, 50},  {330, 50},  {270, 50},  {270, 90},
    {10, 90},   {30, 90},   {350, 90},  {370, 90},  {110, 130}, {150, 130},
    {230, 130}, {270, 130}, {190, 130}, {190, 170}, {150, 170}, {230, 170},
    {110, 170}, {110, 210}, {270, 170}, {270, 210}, {110, 250}, {110, 330},
    {110, 290}, {150, 290}, {270, 250}, {270, 330}, {270, 290}, {230, 290},
    {190, 290}, {190, 330}, {150, 330}, {230, 330}, {50, 330},  {70, 330},
    {310, 330}, {330, 330}, {190, 430}, {190, 370}};
const OutlinePoint kLowerLeftHook[] = {{70, 90}, {70, 130}, {50, 130}};
const OutlinePoint kLowerRightHook[] = {{310, 90}, {310, 130}, {330, 130}};
const OutlinePoint kBlock1[] = {{50, 390}, {70, 390}, {70, 370}, {50, 370}};
const OutlinePoint kBlock2[] = {{110, 390}, {150, 390}, {150, 370}, {110, 370}};
const OutlinePoint kBlock3[] = {{230, 390}, {270, 390}, {270, 370}, {230, 370}};
const OutlinePoint kBlock4[] = {{310, 390}, {330, 390}, {330, 370}, {310, 370}};
// The ghost house, open at the door.
const OutlinePoint kHouse[] = {{170, 250}, {150, 250}, {150, 210},
                               {230, 210}, {230, 250}, {210, 250}};
const OutlinePoint kDoor[] = {{170, 250}, {210, 250}};

template <int N>
constexpr OutlineItem makeItem(OutlinePrimitive primitive, const OutlinePoint (&points)[N]) {
  return OutlineItem{primitive, points, N};
}

const OutlineItem kItems[WALL_OUTLINE_ITEMS] = {
    makeItem(OutlinePrimitive::LineStrip, kOuterBottom),
    makeItem(OutlinePrimitive::LineStrip, kOuterTop),
    makeItem(OutlinePrimitive::Segments, kInnerBars),
    makeItem(OutlinePrimitive::LineStrip, kLowerLeftHook),
    makeItem(OutlinePrimitive::LineStrip, kLowerRightHook),
    makeItem(OutlinePrimitive::ClosedLoop, kBlock1),
    makeItem(OutlinePrimitive::ClosedLoop, kBlock2),
    makeItem(OutlinePrimitive::ClosedLoop, kBlock3),
    makeItem(OutlinePrimitive::ClosedLoop, kBlock4),
    makeItem(OutlinePrimitive::LineStrip, kHouse),
    makeItem(OutlinePrimitive::Segments, kDoor),
};

GLenum glMode(OutlinePrimitive primitive) {
  switch (primitive) {
    case OutlinePrimitive::LineStrip: return GL_LINE_STRIP;
    case OutlinePrimitive::Segments: return GL_LINES;
    case OutlinePrimitive::ClosedLoop: return GL_LINE_LOOP;
  }
  return GL_LINE_STRIP;
}

class GlOutlineSink : public OutlineSink {
 public:
  void lineWidth(float width) override { glLineWidth(width); }
  void colour(double r, double g, double b) override { glColor3d(r, g, b); }
  void item(const OutlineItem& item) override {
    glBegin(glMode(item.primitive));
    for (int i = 0; i < item.count; ++i) glVertex2i(item.points[i].x, item.points[i].y);
    glEnd();
  }
};

}  // namespace

const OutlineItem& wallOutlineItem(int i) {
  assert(i >= 0 && i < WALL_OUTLINE_ITEMS && "outline item index out of range");
  return kItems[i];
}

void emitWallOutline(OutlineSink& sink) {
  sink.lineWidth(2.0f);
  sink.colour(0.0, 0.0, 1.0);
  for (int i = 0; i < WALL_OUTLINE_DOOR_ITEM; ++i) sink.item(kItems[i]);
  sink.colour(1.0, 0.75, 0.75);
  sink.item(kItems[WALL_OUTLINE_DOOR_ITEM]);
}

void drawWallOutline() {
  GlOutlineSink sink;
  emitWallOutline(sink);
}
