#include "player/PathFinder.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <limits>

namespace {

constexpr int STEP_COST = 10;
constexpr int NONE = -1;

}  // namespace

void PathFinder::build(const std::vector<MazeNode*>& nodes, MazeNode* nodeStore) {
  store = nodeStore;
  count = static_cast<int>(nodes.size());
  assert(count <= std::numeric_limits<std::int16_t>::max() && "node indices must fit 16 bits");
  layout.assign(nodes.size(), Layout{});
  for (const MazeNode* node : nodes) {
    assert(node == &store[node->index] && "nodes are stored in index order");
    Layout& at = layout[static_cast<std::size_t>(node->index)];
    at.col = static_cast<std::int16_t>(node->cell.getCol());
    at.row = static_cast<std::int16_t>(node->cell.getRow());
    for (int k = 0; k < 4; ++k) {
      const MazeNode* next = node->neighbours[k];
      at.next[k] = static_cast<std::int16_t>(next != nullptr ? next->index : NONE);
    }
  }
  state.assign(nodes.size(), State{});
  open.reset(count);
  generation = 0;
}

void PathFinder::beginSearch() {
  // Each search has two marks of its own, so the marks of every earlier
  // search read as untouched. Only when the counter runs out are they wiped.
  if (generation >= std::numeric_limits<std::uint32_t>::max() - 4) {
    for (State& s : state) s.mark = 0;
    generation = 0;
  }
  generation += 2;
}

inline bool PathFinder::expand(int current, int target) {
  State* const st = state.data();
  const Layout& here = layout[static_cast<std::size_t>(current)];
  const Layout& goal = layout[static_cast<std::size_t>(target)];
  const std::uint32_t openMark = generation;
  // Leaving a node pays its ghost-path cost on top of the step.
  const int newCost = st[current].g + store[current].cost + STEP_COST;
  for (const int n : here.next) {
    if (n == NONE) continue;
    State& s = st[n];
    if (s.mark == openMark + 1) continue;  // closed
    if (s.mark != openMark) {
      const Layout& at = layout[static_cast<std::size_t>(n)];
      const int h = std::abs(at.col - goal.col) + std::abs(at.row - goal.row);
      s = State{newCost, static_cast<std::int16_t>(current), static_cast<std::int16_t>(h), openMark};
      // The target has just been reached from `current`. The rest of this
      // expansion cannot touch the path: every node on it before the target
      // is closed, and closed nodes are never changed again. A node that is
      // already open has been seen before, so it is never the target here.
      if (n == target) return true;
      open.push(n, newCost + h);
    } else if (newCost < s.g + store[n].cost) {
      // The node keeps its place in the open list with its new f.
      s.parent = static_cast<std::int16_t>(current);
      if (s.g != newCost) open.changeF(n, newCost + s.h);
      s.g = newCost;
    }
  }
  return false;
}

bool PathFinder::search(int start, int target, bool withStart, std::vector<MazeNode*>& path) {
  assert(start >= 0 && start < count && target >= 0 && target < count && "node index out of range");
  path.clear();
  // The start is closed by the first expansion, before any neighbour can be
  // checked against the target, and closed nodes are never checked: a search
  // to its own start can only exhaust the graph and fail.
  if (start == target) return false;
  beginSearch();
  State* const st = state.data();
  st[start] = State{0, NONE, 0, generation};
  open.clear();
  open.push(start, 0);
  int current = NONE;
  while (!open.empty()) {
    current = open.popFront();
    if (expand(current, target)) break;
    st[current].mark = generation + 1;
    current = NONE;
  }
  if (current == NONE) return false;
  tracePath(target, withStart, path);
  return true;
}

void PathFinder::tracePath(int target, bool withStart, std::vector<MazeNode*>& path) const {
  // The start is the one node of the path without a parent.
  int length = withStart ? 1 : 0;
  for (int n = target; state[static_cast<std::size_t>(n)].parent != NONE;
       n = state[static_cast<std::size_t>(n)].parent) {
    ++length;
  }
  path.resize(static_cast<std::size_t>(length));
  for (int n = target; length > 0; n = state[static_cast<std::size_t>(n)].parent) {
    path[static_cast<std::size_t>(--length)] = &store[n];
  }
}
