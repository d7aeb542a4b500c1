#pragma once
// The A* search over the player's graph, laid out for speed: nodes are small
// indices; each node's neighbours, with the tunnel wrap resolved and the
// parent (always closed) left out, are a list built once that the node is
// handed with its parent, so an expansion follows one index to the cells it
// needs; the search state is one small record per node that a generation
// counter resets, so a search never clears anything.
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

  // The same search, leaving the path in the finder: true when the target
  // was reached, and the path is then route(target, ...).
  bool reach(int start, int target);
  // The path of the search that has just reached `target`, from the start
  // (left out unless `withStart`) to the target, [first, last). It is the
  // finder's own and lasts until its next search.
  struct Route {
    MazeNode* const* first;
    MazeNode* const* last;
  };
  Route route(int target, bool withStart);

 private:
  // The neighbours a node's expansion looks at: all of them for the start,
  // else all but the parent, which is always closed by then. Each node has
  // one such list per place its parent can take among its neighbours, a run
  // of `steps`, named by a Visit: where the run begins and how long it is.
  using Visit = std::uint32_t;
  static Visit visitOf(int first, int length) { return static_cast<Visit>(first) << 3 | static_cast<Visit>(length); }
  static int firstOf(Visit v) { return static_cast<int>(v >> 3); }
  static int lengthOf(Visit v) { return static_cast<int>(v & 7); }
  // A neighbour to look at, with the list it looks at when it is reached
  // from here.
  struct Step {
    std::int32_t node;
    Visit then;
  };

  void beginSearch();
  // What one search reads as it goes.
  struct Walk;
  // Expands one node; true when it reached the target.
  static bool expand(const Walk& walk, OpenQueue& open, int current);

  MazeNode* store = nullptr;
  int count = 0;
  std::vector<Step> steps;
  std::vector<Visit> rootVisit;  // by node: the list a search's start looks at
  // The estimate from node n to node t, at [t * count + n]: the Manhattan
  // distance between their cells, a byte: the maze is far less than 256
  // cells across.
  std::vector<std::uint8_t> estimates;
  // A node's working state in the search. A node has been seen in the
  // current search when its mark is `generation`, and is then closed when
  // its g is CLOSED_COST, else open; any smaller mark means untouched,
  // whatever the other fields hold.
  struct State {
    std::uint32_t mark = 0;
    int g = 0;                 // cost so far
    Visit visit = 0;           // the neighbours its expansion looks at, set with its parent
    std::int16_t parent = -1;  // -1 for the start
    std::int16_t h = 0;        // estimate
  };
  std::vector<State> state;
  std::vector<MazeNode*> trace;  // a path being traced, target last
  std::uint32_t generation = 0;
  OpenQueue::Store openStore;
};

struct PathFinder::Walk {
  State* state;
  const Step* steps;
  const MazeNode* store;
  std::uint32_t seen;  // the mark of a node this search has seen
  int target;
  const std::uint8_t* estimate;  // by node: its estimate to the target
};
