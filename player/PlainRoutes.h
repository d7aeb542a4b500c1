#pragma once
// The chomper's routes that the search would find, known without searching
// because the search provably returns the one shortest path.
//
// Let T be D steps from the start at the fewest, by one shortest path only,
// and let every node fewer than D steps from the start have ghost-path cost
// 0 and not be a tunnel end. Then, until T is first seen, the search is a
// textbook A* with steps of 10:
//  - While only such nodes have been expanded, every step taken cost 10 and
//    the estimate (Manhattan distance, no wrap) changed by 1 along it, so f
//    never falls along a step; no g improves (a node first reached from u
//    could only improve from a later expanded v with g(v) <= g(u) - 10, yet
//    v's f is no smaller and u and v, both next to the node, have estimates
//    at most 2 apart); the open list, which keeps new nodes in order of f,
//    hands them out in rising f; and an expanded node's g is 10 times its
//    distance.
//  - Some node of a shortest path to T is then open with f at most
//    10 (D - 1) + 1, so the next node expanded has no larger f and is fewer
//    than D steps away: the induction goes on until T is seen, from its
//    first expanded neighbour C, whose f is 10 (D - 1) + 1 at most, so C is
//    D - 1 steps away and on the shortest path.
//  - C's parent, and its parent's, and so on, were each set once, by the
//    first expanded neighbour, one step nearer the start: the chain of
//    parents from C is the one shortest path.
// Nodes D steps away or farther, whatever their cost, are never expanded
// before T is seen, and once T is seen the search stops.

#include <cstdint>
#include <vector>

#include "player/MazeNode.h"

class PlainRoutes {
 public:
  // Takes the graph's layout; node i has index i.
  void build(const std::vector<MazeNode*>& nodes);

  // Measures the distances from `start` with the present costs, out to the
  // first node that is costly or a tunnel end.
  void begin(const MazeNode* start);

  // The route to `target`, without the start, [first, last), when the search
  // would find it as shown above; it lasts until the next call. False when
  // the route cannot be known this way.
  bool known(const MazeNode* target, MazeNode* const*& first, MazeNode* const*& last);

 private:
  struct Reach {
    std::uint32_t mark = 0;   // the rest is this begin's when mark is generation
    std::int16_t depth = 0;   // fewest steps from the start
    std::int16_t parent = -1; // the node before on a shortest path
    std::uint8_t paths = 0;   // shortest paths from the start: 0, 1, or 2 for more
  };

  std::vector<MazeNode*> nodes;
  std::vector<std::int16_t> next;  // by node, 4 entries: neighbour indices, -1 for none
  std::vector<bool> tunnelEnd;     // the node has the tunnel's wrap among its exits
  std::vector<Reach> reach;
  std::vector<std::int16_t> queue;
  std::vector<MazeNode*> route;    // a route being traced, target last
  std::uint32_t generation = 0;
  int lastDepth = -1;              // the farthest depth a known route may have
};
