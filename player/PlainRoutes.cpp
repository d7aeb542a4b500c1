#include "player/PlainRoutes.h"

#include <cassert>
#include <cstdlib>
#include <limits>

void PlainRoutes::build(const std::vector<MazeNode*>& graph) {
  nodes = graph;
  next.assign(nodes.size() * 4, -1);
  tunnelEnd.assign(nodes.size(), false);
  for (const MazeNode* node : nodes) {
    const std::size_t n = static_cast<std::size_t>(node->index);
    for (std::size_t k = 0; k < 4; ++k) {
      const MazeNode* other = node->neighbours[k];
      if (other == nullptr) continue;
      next[n * 4 + k] = static_cast<std::int16_t>(other->index);
      // Every other step joins cells side by side.
      if (std::abs(other->cell.getCol() - node->cell.getCol()) > 1) tunnelEnd[n] = true;
    }
  }
  reach.assign(nodes.size(), Reach{});
  queue.assign(nodes.size(), 0);
  route.assign(nodes.size(), nullptr);
  generation = 0;
  lastDepth = -1;
}

void PlainRoutes::begin(const MazeNode* start) {
  lastDepth = -1;
  if (start == nullptr || nodes.empty()) return;
  if (++generation == std::numeric_limits<std::uint32_t>::max()) {
    for (Reach& r : reach) r.mark = 0;
    generation = 1;
  }
  // Breadth first, one depth at a time, so each node's count of shortest
  // paths is complete before its depth is looked at.
  int head = 0, tail = 0;
  queue[static_cast<std::size_t>(tail++)] = static_cast<std::int16_t>(start->index);
  reach[static_cast<std::size_t>(start->index)] = Reach{generation, 0, -1, 1};
  for (int depth = 0; head < tail; ++depth) {
    const int levelEnd = tail;
    for (int i = head; i < levelEnd; ++i) {
      const int n = queue[static_cast<std::size_t>(i)];
      if (nodes[static_cast<std::size_t>(n)]->cost != 0 || tunnelEnd[static_cast<std::size_t>(n)]) {
        // Targets up to this depth have only good nodes before them.
        lastDepth = depth;
        return;
      }
    }
    lastDepth = depth;
    for (; head < levelEnd; ++head) {
      const int n = queue[static_cast<std::size_t>(head)];
      const Reach& from = reach[static_cast<std::size_t>(n)];
      for (int k = 0; k < 4; ++k) {
        const int m = next[static_cast<std::size_t>(n) * 4 + static_cast<std::size_t>(k)];
        if (m < 0) continue;
        Reach& to = reach[static_cast<std::size_t>(m)];
        if (to.mark != generation) {
          to = Reach{generation, static_cast<std::int16_t>(depth + 1), static_cast<std::int16_t>(n),
                     from.paths};
          queue[static_cast<std::size_t>(tail++)] = static_cast<std::int16_t>(m);
        } else if (to.depth == depth + 1) {
          to.paths = static_cast<std::uint8_t>(to.paths + from.paths > 2 ? 2 : to.paths + from.paths);
        }
      }
    }
  }
}

bool PlainRoutes::known(const MazeNode* target, MazeNode* const*& first, MazeNode* const*& last) {
  assert(target != nullptr && "a route needs a target");
  const Reach& r = reach[static_cast<std::size_t>(target->index)];
  if (r.mark != generation || r.depth < 1 || r.depth > lastDepth || r.paths != 1) return false;
  MazeNode** const end = route.data() + route.size();
  MazeNode** front = end;
  // The start is the one node reached without a parent.
  for (int n = target->index; reach[static_cast<std::size_t>(n)].parent != -1;
       n = reach[static_cast<std::size_t>(n)].parent) {
    *--front = nodes[static_cast<std::size_t>(n)];
  }
  first = front;
  last = end;
  return true;
}
