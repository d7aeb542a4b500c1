// The A* search shared by the ghost predictions and the chomper's route
// evaluation, and the planning's way to its routes (searched, or known
// without a search).

#include <algorithm>
#include <cassert>

#include "player/GameQueries.h"
#include "player/MyChomper.h"

bool MyChomper::findOwnPath(int targetCol, int targetRow, Searcher searcher, int cut,
                            double& score) {
  const MazeNode* startNode = nullptr;
  const MazeNode* targetNode = nullptr;
  if (!searchEnds(targetCol, targetRow, searcher, startNode, targetNode) ||
      !searchBetween(*startNode, *targetNode, searcher, cut)) {
    return false;
  }
  // Summed front to back in a local, not stored through the reference at
  // every node. The start, in a ghost's path, adds nothing.
  const CellPos start = startNode->cell;
  double sum = score;
  for (const MazeNode* node : slots[searcher].result) {
    if (node->cell != start) sum += RouteScore::shareFor(*node, start);
  }
  score = sum;
  return true;
}

bool MyChomper::searchEnds(int targetCol, int targetRow, Searcher searcher, const MazeNode*& startNode,
                           const MazeNode*& targetNode) const {
  assert(searcher >= SEARCH_CHOMPER && searcher <= SEARCH_TURQUOISE && "unknown searcher");
  // A cell without a node and a cell that is not walkable both fail at once
  // and leave the lists alone; the node table is the cheaper question.
  targetNode = nodeAtCell(targetCol, targetRow);
  if (targetNode == nullptr || !isWalkableCell(targetCol, targetRow)) return false;
  const CellPos start = startCellOf(searcher);
  startNode = nodeAtCell(start.getCol(), start.getRow());
  return startNode != nullptr;
}

bool MyChomper::searchBetween(const MazeNode& startNode, const MazeNode& targetNode, Searcher searcher,
                              int cut) {
  std::vector<MazeNode*>& result = slots[searcher].result;
  // The chomper's route leaves out its own cell.
  const bool withStart = searcher != SEARCH_CHOMPER;
  if (!finder.search(startNode.index, targetNode.index, withStart, result)) return false;
  if (cut != 0) cutPath(result, cut);
  return true;
}

bool MyChomper::findOwnGhostPath(int targetCol, int targetRow, Searcher searcher, int cut, bool costsClear) {
  assert(searcher != SEARCH_CHOMPER && "the chomper's searches are scored");
  assert((!costsClear ||
          std::all_of(model.nodes().begin(), model.nodes().end(), [](const MazeNode* n) { return n->cost == 0; })) &&
         "only a search over a map without costs is kept");
  const MazeNode* startNode = nullptr;
  const MazeNode* targetNode = nullptr;
  if (!searchEnds(targetCol, targetRow, searcher, startNode, targetNode)) return false;
  if (!costsClear) return searchBetween(*startNode, *targetNode, searcher, cut);
  std::vector<MazeNode*>& result = slots[searcher].result;
  const std::int16_t* first = nullptr;
  const std::int16_t* last = nullptr;
  switch (clearPaths.find(startNode->index, targetNode->index, cut, first, last)) {
    case ClearPaths::Kept::REACHED:
      result.clear();
      for (; first != last; ++first) result.push_back(&model.store()[*first]);
      return true;
    case ClearPaths::Kept::UNREACHED:
      result.clear();
      return false;
    case ClearPaths::Kept::UNKNOWN:
      break;
  }
  const bool reached = searchBetween(*startNode, *targetNode, searcher, cut);
  clearPaths.keep(startNode->index, targetNode->index, cut, reached, result);
  return reached;
}

void MyChomper::beginRoutes() {
  // Every route of a planning starts from the chomper's cell.
  const CellPos start = startCellOf(SEARCH_CHOMPER);
  routes.begin(start, nodeAtCell(start.getCol(), start.getRow()), model.nodes().size());
}

bool MyChomper::tryRoute(int targetCol, int targetRow, double& score) {
  if (standIn != nullptr) return findPath(targetCol, targetRow, SEARCH_CHOMPER, 0, score);
  // findOwnPath for the chomper, with the start looked up once, no search
  // where the route is known without one, and the route left where it was
  // found until it is taken.
  const MazeNode* targetNode = nodeAtCell(targetCol, targetRow);
  if (targetNode == nullptr || !isWalkableCell(targetCol, targetRow)) return false;
  return routes.tryRoute(*targetNode, finder, score);
}

void MyChomper::takeRoute() {
  if (standIn != nullptr) {
    plan = slots[SEARCH_CHOMPER].result;
  } else {
    routes.take(plan);
  }
}

void MyChomper::endRoutes() {
  // The chomper's slot ends as findPath would have left it.
  routes.end(slots[SEARCH_CHOMPER].result);
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

void MyChomper::applyGhostWeights(int ghost, bool blue) {
  assert(ghost >= SEARCH_RED && ghost <= SEARCH_TURQUOISE && "ghost number must be 1..4");
  if (ghost < SEARCH_RED || ghost > SEARCH_TURQUOISE) return;
  forecast.weighPath(slots[ghost].result, blue, clock);
}
