#pragma once
// The A* search over the player's graph, laid out for speed: nodes are small
// indices, neighbours a flat table with the tunnel wrap resolved once, and
// the search state lives in flat arrays that a generation counter resets, so
// a search never clears anything.
//
// The rules are those of the player's search: a step costs 10 plus the
// ghost-path cost of the node being left; the estimate is the Manhattan
// distance without the tunnel wrap; neighbours are visited up, down, left,
// right; a node already open is improved when the new cost is below its g
// plus its own cost, and then keeps its place in the open list; a new node
// goes in ahead of the first node, from the front, whose current f is
// greater than or equal to its own; the search ends after the expansion in
// which the target is first seen.

#include <cstdint>
#include <vector>

#include "player/MazeNode.h"
#include "player/OpenQueue.h"

class PathFinder {
 public:
  // Takes the graph's layout from `nodes` (node i has index i and its
  // neighbours linked). `store` must hold the same nodes contiguously, in
  // the same order; the search reads their current `cost` from it.
  void build(const std::vector<MazeNode*>& nodes, MazeNode* store);

  // Searches from node `start` to node `target`. True when the target was
  // reached; `path` then runs from the start (left out unless `withStart`)
  // to the target. False leaves `path` empty.
  bool search(int start, int target, bool withStart, std::vector<MazeNode*>& path);

 private:
  // What the search needs of a node's place in the maze: its neighbours in
  // search order, packed at the front, and its cell.
  struct Layout {
    std::int16_t next[4] = {-1, -1, -1, -1};  // up, down, left, right, those that exist
    std::int16_t degree = 0;
    std::int16_t col = 0, row = 0;
    // steps[first[j], first[j] + visits[j]): the neighbours to look at when
    // the parent is next[j], which is always closed by then, so left out;
    // j = ROOT: all of them.
    std::int16_t first[5] = {};
    std::int8_t visits[5] = {};
  };
  static constexpr int ROOT = 4;
  // A neighbour to look at, with what the search needs of it at hand: its
  // cell, and the place of the node it is reached from among its own
  // neighbours.
  struct Step {
    std::int16_t node;
    std::int8_t back;
    std::int8_t unused;
    std::int16_t col, row;
  };

  void beginSearch();
  // Expands one node; true when it reached the target.
  bool expand(int current, int target);
  void tracePath(int target, bool withStart, std::vector<MazeNode*>& path);

  MazeNode* store = nullptr;
  int count = 0;
  std::vector<Layout> layout;
  std::vector<Step> steps;
  // A node's working state in the search, one array per field. A node has
  // been seen in the current search when its mark is `generation`, and is
  // then closed when its g is CLOSED_COST, else open; any smaller mark means
  // untouched, whatever the other fields hold.
  std::vector<std::uint32_t> mark;
  std::vector<int> g;
  std::vector<std::int16_t> parent, h;
  std::vector<std::int16_t> trace;  // a path being traced, target first
  std::vector<std::int8_t> parentPlace;  // the parent's place among the node's neighbours, or ROOT
  std::uint32_t generation = 0;
  OpenQueue open;
};
