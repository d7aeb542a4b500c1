#pragma once
// The score of the chomper's routes in one planning: each cell of a route
// adds its reward and bonus divided by half its Manhattan distance from the
// start (no tunnel wrap), front to back. Weights and start stay put for the
// whole planning, so a cell's share is worked out once and kept, and a route
// adds up the same values in the same order as a fresh computation would.

#include <cassert>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "actors/CellPos.h"
#include "player/MazeNode.h"

class RouteScore {
 public:
  // A new planning from `start` over nodes 0..nodeCount-1: every share kept
  // so far is forgotten.
  void begin(CellPos start, std::size_t nodeCount) {
    from = start;
    if (mark.size() != nodeCount || generation == UINT32_MAX) {
      mark.assign(nodeCount, 0);
      share.assign(nodeCount, 0.0);
      generation = 0;
    }
    ++generation;
  }

  // Adds the shares of the nodes [first, last) to `score`, in order. A
  // chomper's route leaves out its start, so none of them is the start.
  void add(MazeNode* const* first, MazeNode* const* last, double& score) {
    double sum = score;
    for (; first != last; ++first) sum += shareOf(**first);
    score = sum;
  }

  // What a node other than the start adds.
  static double shareFor(const MazeNode& node, CellPos start) {
    assert(node.cell != start && "the start adds nothing and has no share");
    const double d = 0.5 * (std::abs(node.cell.getCol() - start.getCol()) +
                            std::abs(node.cell.getRow() - start.getRow()));
    return (node.reward + node.bonus) / d;
  }

 private:
  double shareOf(const MazeNode& node) {
    const std::size_t i = static_cast<std::size_t>(node.index);
    if (mark[i] != generation) {
      mark[i] = generation;
      share[i] = shareFor(node, from);
    }
    return share[i];
  }

  CellPos from;
  std::vector<std::uint32_t> mark;  // share[i] is this planning's when mark[i] is generation
  std::vector<double> share;
  std::uint32_t generation = 0;
};
