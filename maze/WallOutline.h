#pragma once
// The fixed outline of the maze: lines through the centres of the wall cells,
// ten wall items and the ghost-house door, matching the level. Drawn by the
// game window and recorded into the analysis window's display list.

enum class OutlinePrimitive {
  LineStrip,   // one connected line through all points
  Segments,    // independent segments, two points each
  ClosedLoop   // a line strip whose last point joins the first
};

struct OutlinePoint {
  int x;
  int y;
};

struct OutlineItem {
  OutlinePrimitive primitive;
  const OutlinePoint* points;
  int count;
};

// Items 0 to 9 are walls, item 10 is the door.
constexpr int WALL_OUTLINE_ITEMS = 11;
constexpr int WALL_OUTLINE_DOOR_ITEM = 10;
// Item i of the outline; i must lie in 0..WALL_OUTLINE_ITEMS-1.
const OutlineItem& wallOutlineItem(int i);

// Receives the outline as the sequence of state changes and items that draws it.
class OutlineSink {
 public:
  virtual ~OutlineSink() = default;
  virtual void lineWidth(float width) = 0;
  virtual void colour(double r, double g, double b) = 0;
  virtual void item(const OutlineItem& item) = 0;
};

// Line width 2; the walls in blue (0, 0, 1); the door in pink (1, 0.75, 0.75).
void emitWallOutline(OutlineSink& sink);

// Draws the outline with GL immediate-mode calls into the current context
// (or into the display list being recorded). Leaves the colour pink.
void drawWallOutline();
