#include "player/MyChomper.h"

#include <cassert>
#include <chrono>

#include "player/GameQueries.h"
#include "player/Window.h"

namespace {

std::uint32_t steadyClockMs() {
  using namespace std::chrono;
  const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch());
  return static_cast<std::uint32_t>(ms.count());
}

}  // namespace

MyChomper::MyChomper()
    : ghostPathLength(5),
      localRadius(4),
      graphBuilt(false),
      columns(mazeColumns()),
      rows(mazeRows()),
      blueSeen(false),
      blueStartMs(0),
      blueDurationMs(4000),
      havePlan(false),
      newGameSeen(false),
      clock(steadyClockMs) {
  assert(columns <= MAZE_COLS && rows <= MAZE_ROWS && "grid larger than the node table");
  for (auto& row : nodeAt) {
    for (MazeNode*& entry : row) entry = nullptr;
  }
  window = std::make_unique<Window>(this);
}

MyChomper::~MyChomper() {
  // The window goes first, then the nodes; the lists only refer to nodes.
  window.reset();
  plan.clear();
  for (SearchSlot& slot : slots) slot.result.clear();
  nodes.clear();
  nodeStore.clear();
}

MazeNode* MyChomper::nodeAtCell(int col, int row) const {
  if (col < 0 || col >= columns || row < 0 || row >= rows) return nullptr;
  return nodeAt[row][col];
}
