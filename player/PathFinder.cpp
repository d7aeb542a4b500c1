#include "player/PathFinder.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <limits>

namespace {

constexpr int STEP_COST = 10;
constexpr int NONE = -1;
// The cost so far of a closed node: far below any real cost, with room for
// a node's own cost to be added without overflow.
constexpr int CLOSED_COST = std::numeric_limits<int>::min() / 2;

}  // namespace

void PathFinder::build(const std::vector<MazeNode*>& nodes, MazeNode* nodeStore) {
  store = nodeStore;
  count = static_cast<int>(nodes.size());
  assert(count <= std::numeric_limits<std::int16_t>::max() && "node indices must fit 16 bits");
  // Each node's neighbours in search order (up, down, left, right, those
  // that exist) and cell.
  std::vector<std::vector<int>> next(nodes.size());
  std::vector<std::int16_t> col(nodes.size()), row(nodes.size());
  for (const MazeNode* node : nodes) {
    assert(node == &store[node->index] && "nodes are stored in index order");
    const std::size_t n = static_cast<std::size_t>(node->index);
    col[n] = static_cast<std::int16_t>(node->cell.getCol());
    row[n] = static_cast<std::int16_t>(node->cell.getRow());
    for (const MazeNode* neighbour : node->neighbours) {
      if (neighbour != nullptr) next[n].push_back(neighbour->index);
    }
  }
  // The lists of each node: without its j-th neighbour for j < degree, then
  // the whole list.
  std::vector<int> firstList(nodes.size());
  int total = 0;
  for (std::size_t n = 0; n < nodes.size(); ++n) {
    firstList[n] = total;
    const int degree = static_cast<int>(next[n].size());
    total += degree * (degree - 1) + degree;
  }
  assert(total < (1 << 28) && "lists must fit a Visit");
  auto listOf = [&](int n, int without) {
    const int degree = static_cast<int>(next[static_cast<std::size_t>(n)].size());
    const int first = firstList[static_cast<std::size_t>(n)] + without * (degree - 1);
    return visitOf(first, without == degree ? degree : degree - 1);
  };
  steps.assign(static_cast<std::size_t>(total), Step{});
  rootVisit.assign(nodes.size(), 0);
  for (int n = 0; n < count; ++n) {
    const std::vector<int>& around = next[static_cast<std::size_t>(n)];
    const int degree = static_cast<int>(around.size());
    rootVisit[static_cast<std::size_t>(n)] = listOf(n, degree);
    for (int without = 0; without <= degree; ++without) {
      int at = firstOf(listOf(n, without));
      for (int k = 0; k < degree; ++k) {
        if (k == without) continue;
        const int to = around[static_cast<std::size_t>(k)];
        const std::vector<int>& beyond = next[static_cast<std::size_t>(to)];
        const int back = static_cast<int>(std::find(beyond.begin(), beyond.end(), n) - beyond.begin());
        steps[static_cast<std::size_t>(at++)] = Step{to, listOf(to, back)};
      }
    }
  }
  estimates.assign(static_cast<std::size_t>(count) * static_cast<std::size_t>(count), 0);
  for (std::size_t t = 0; t < nodes.size(); ++t) {
    for (std::size_t n = 0; n < nodes.size(); ++n) {
      const int distance = std::abs(col[n] - col[t]) + std::abs(row[n] - row[t]);
      assert(distance <= std::numeric_limits<std::uint8_t>::max() && "estimates must fit a byte");
      estimates[t * nodes.size() + n] = static_cast<std::uint8_t>(distance);
    }
  }
  state.assign(nodes.size(), State{});
  trace.assign(nodes.size(), nullptr);
  openStore.reset(count);
  generation = 0;
}

void PathFinder::beginSearch() {
  // Each search has a mark of its own, so the marks of every earlier
  // search read as untouched. Only when the counter runs out are they wiped.
  if (generation >= std::numeric_limits<std::uint32_t>::max() - 2) {
    for (State& s : state) s.mark = 0;
    generation = 0;
  }
  ++generation;
}

inline bool PathFinder::expand(const Walk& walk, OpenQueue& open, int current) {
  State* const at = walk.state;
  // Leaving a node pays its ghost-path cost on top of the step.
  const int newCost = at[current].g + walk.store[current].cost + STEP_COST;
  const Visit list = at[current].visit;
  const Step* const look = walk.steps + firstOf(list);
  for (int i = 0; i < lengthOf(list); ++i) {
    const Step& step = look[i];
    const int n = step.node;
    State& next = at[n];
    if (next.mark != walk.seen) {
      const int estimate = walk.estimate[n];
      next.mark = walk.seen;
      next.g = newCost;
      next.visit = step.then;
      next.parent = static_cast<std::int16_t>(current);
      next.h = static_cast<std::int16_t>(estimate);
      // The target has just been reached from `current`. The rest of this
      // expansion cannot touch the path: every node on it before the target
      // is closed, and closed nodes are never changed again. A node that is
      // already open has been seen before, so it is never the target here.
      if (n == walk.target) return true;
      open.push(n, newCost + estimate);
    } else if (newCost < next.g + walk.store[n].cost) {
      // The node keeps its place in the open list with its new f.
      next.parent = static_cast<std::int16_t>(current);
      next.visit = step.then;
      if (next.g != newCost) open.changeF(n, newCost + next.h);
      next.g = newCost;
    }
  }
  return false;
}

bool PathFinder::search(int start, int target, bool withStart, std::vector<MazeNode*>& path) {
  path.clear();
  if (!reach(start, target)) return false;
  const Route found = route(target, withStart);
  path.assign(found.first, found.last);
  return true;
}

bool PathFinder::reach(int start, int target) {
  assert(start >= 0 && start < count && target >= 0 && target < count && "node index out of range");
  // The start is closed by the first expansion, before any neighbour can be
  // checked against the target, and closed nodes are never checked: a search
  // to its own start can only exhaust the graph and fail.
  if (start == target) return false;
  beginSearch();
  // What the search reads, in locals: nothing it writes can change them.
  const Walk walk{state.data(), steps.data(), store, generation, target,
                  estimates.data() + static_cast<std::size_t>(target) * static_cast<std::size_t>(count)};
  walk.state[start] = State{walk.seen, 0, rootVisit[static_cast<std::size_t>(start)], NONE, 0};
  OpenQueue open(openStore);
  // The start would be the open list's only node, and the first taken.
  int current = start;
  for (;;) {
    if (expand(walk, open, current)) return true;
    // Closed: no new cost is ever below this one, so the node is never
    // changed again (and its mark stays that of a node seen).
    walk.state[current].g = CLOSED_COST;
    if (open.empty()) return false;
    current = open.popFront();
  }
}

PathFinder::Route PathFinder::route(int target, bool withStart) {
  // Collected from the target back, filling the buffer from its end, so the
  // path is in order where it ends; the start is the one node without a parent.
  MazeNode** const end = trace.data() + trace.size();
  MazeNode** front = end;
  int n = target;
  for (; state[static_cast<std::size_t>(n)].parent != NONE; n = state[static_cast<std::size_t>(n)].parent) {
    *--front = &store[n];
  }
  if (withStart) *--front = &store[n];
  return Route{front, end};
}
