#pragma once
// Ghost predictions searched while no cell has a ghost-path cost, kept by
// start and target. With every cost 0 a search depends on nothing but its
// start and its target: the graph is fixed for the player's life and every
// search begins afresh. So the path found once is the path found every
// time, and a prediction that comes up again, in a later decision or a later
// game, is looked up instead of searched.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "player/MazeNode.h"

class ClearPaths {
 public:
  // Forgets every kept path; paths will be kept for nodes 0..nodeCount-1,
  // cut with `cut`.
  void reset(int nodeCount, int cut);

  enum class Kept { UNKNOWN, REACHED, UNREACHED };
  // What was kept for a search from `start` to `target` with `cut`: for
  // REACHED, the cut path's node indices in [first, last).
  Kept find(int start, int target, int cut, const std::int16_t*& first, const std::int16_t*& last) const;
  // Keeps the outcome of such a search: whether it reached the target, and
  // the path as cut.
  void keep(int start, int target, int cut, bool reached, const std::vector<MazeNode*>& path);

 private:
  static constexpr std::int32_t NOTHING = -1;
  static constexpr std::int32_t NO_PATH = -2;
  static constexpr std::size_t NO_SLOT = static_cast<std::size_t>(-1);
  // The entry of `where` for a search, or NO_SLOT when it cannot be kept.
  std::size_t slotOf(int start, int target, int cut) const;
  int count = 0;
  int keptCut = 0;
  // By start * count + target: NOTHING, NO_PATH, or where in `paths` the
  // path begins, its length first.
  std::vector<std::int32_t> where;
  std::vector<std::size_t> used;  // the entries of `where` that are not NOTHING
  std::vector<std::int16_t> paths;
};
