// The A* search shared by the ghost predictions and the chomper's route
// evaluation, and the weights a ghost's predicted path puts on the cells.

#include <cassert>
#include <algorithm>
#include <cstdlib>

#include "player/GameQueries.h"
#include "player/MyChomper.h"

namespace {

constexpr int STEP_COST = 10;

int manhattan(const CellPos& a, const CellPos& b) {
  return std::abs(a.getCol() - b.getCol()) + std::abs(a.getRow() - b.getRow());
}

}  // namespace

bool MyChomper::findPath(int targetCol, int targetRow, Searcher searcher, int cut,
                         double& score) {
  assert(searcher >= SEARCH_CHOMPER && searcher <= SEARCH_TURQUOISE && "unknown searcher");
  if (!isWalkableCode(cellCodeAt(targetCol, targetRow))) return false;
  const CellPos start = startCellOf(searcher);
  const CellPos target(targetCol, targetRow);
  MazeNode* startNode = nodeAtCell(start.getCol(), start.getRow());
  if (startNode == nullptr || nodeAtCell(targetCol, targetRow) == nullptr) return false;

  clearSearchStates();
  SearchSlot& slot = slots[searcher];
  slot.open.clear();
  slot.result.clear();
  startNode->open = true;
  touched.push_back(startNode);
  slot.open.insertByF(startNode);

  // Stops after the expansion in which the target is first seen.
  bool found = false;
  while (!slot.open.empty() && !found) {
    MazeNode* current = slot.open.popFirst();
    expand(current, target, slot, found);
    current->closed = true;
  }
  if (!found) return false;

  rebuildPath(slot.result);
  if (searcher == SEARCH_CHOMPER) slot.result.erase(slot.result.begin());  // own cell
  if (cut != 0) cutPath(slot.result, cut);
  for (const MazeNode* node : slot.result) {
    const double d = 0.5 * manhattan(node->cell, start);
    if (d != 0.0) score += (node->reward + node->bonus) / d;
  }
  return true;
}

void MyChomper::clearSearchStates() {
  // Only nodes a search has opened carry search state, so clearing those
  // leaves every node as clearing all of them would.
  for (MazeNode* node : touched) node->clearSearchState();
  touched.clear();
}

CellPos MyChomper::startCellOf(Searcher searcher) const {
  switch (searcher) {
    case SEARCH_RED:
      return redGhostCell();
    case SEARCH_GREEN:
      return greenGhostCell();
    case SEARCH_ORANGE:
      return orangeGhostCell();
    case SEARCH_TURQUOISE:
      return turquoiseGhostCell();
    default:
      return cellPosition();
  }
}

void MyChomper::expand(MazeNode* current, const CellPos& target, SearchSlot& slot,
                       bool& found) {
  // Leaving a node pays its ghost-path cost on top of the step.
  const int newCost = current->g + current->cost + STEP_COST;
  for (MazeNode* next : current->neighbours) {
    if (next == nullptr || next->closed) continue;
    if (!next->open) {
      next->g = newCost;
      next->parent = current;
      next->h = manhattan(next->cell, target);
      next->f = next->g + next->h;
      next->open = true;
      touched.push_back(next);
      slot.open.insertByF(next);
    } else if (newCost < next->g + next->cost) {
      // The neighbour's own cost counts in the comparison, not its g alone.
      // Its h is unchanged (same target); it keeps its place in the list.
      next->parent = current;
      if (next->g != newCost) {
        next->g = newCost;
        next->f = next->g + next->h;
        slot.open.fChanged();
      }
    }
    // Seeing the target ends the search once this expansion is complete.
    if (next->cell == target) {
      slot.result.push_back(next);
      found = true;
    }
  }
}

void MyChomper::rebuildPath(std::vector<MazeNode*>& result) const {
  // Built from the target back to the start, then turned round.
  assert(result.size() == 1 && "a found path starts from the target alone");
  for (MazeNode* node = result.back()->parent; node != nullptr; node = node->parent) {
    assert(result.size() <= nodes.size() && "parent chain longer than the graph");
    result.push_back(node);
  }
  std::reverse(result.begin(), result.end());
}

int MyChomper::keptLength(int pathLength, int cut) {
  // The farther the searcher, the fewer cells of its path are kept.
  int keep = cut;
  if (pathLength > 20) {
    keep = cut - 3;
  } else if (pathLength >= 16) {
    keep = cut - 2;
  } else if (pathLength >= 11) {
    keep = cut - 1;
  }
  return keep < 0 ? 0 : keep;
}

void MyChomper::cutPath(std::vector<MazeNode*>& result, int cut) {
  const std::size_t keep = static_cast<std::size_t>(keptLength(static_cast<int>(result.size()), cut));
  if (result.size() > keep) result.resize(keep);
}

float MyChomper::blueChaseLevel() const {
  // Signed difference, so a clock that wraps round still gives the elapsed time.
  const std::int32_t elapsed = static_cast<std::int32_t>(clock() - blueStartMs);
  return static_cast<float>(120.0 - (static_cast<double>(elapsed) / blueDurationMs) * 100.0);
}

void MyChomper::applyGhostWeights(int ghost, bool blue) {
  assert(ghost >= SEARCH_RED && ghost <= SEARCH_TURQUOISE && "ghost number must be 1..4");
  if (ghost < SEARCH_RED || ghost > SEARCH_TURQUOISE) return;
  const std::vector<MazeNode*>& kept = slots[ghost].result;
  if (blue) {
    const float t = blueChaseLevel();
    if (t >= 10.0f) {
      // Chase: cheap and rewarding cells, fading with distance and with time.
      int k = 50;
      for (MazeNode* node : kept) {
        const float c = static_cast<float>((k / 100.0) * t);
        node->bonus = static_cast<int>(c);
        node->cost = static_cast<int>(-c);
        k -= 10;
      }
      return;
    }
  }
  // Danger: the cells nearest a hunting ghost are the worst to cross.
  int i = 0;
  for (MazeNode* node : kept) {
    node->bonus = -120 + 20 * i;
    node->cost = 150 - 20 * i;
    ++i;
  }
}
