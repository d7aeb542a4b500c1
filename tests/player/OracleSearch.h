#pragma once
// The reference search, standing in for the autonomous player's own:
// the straightforward A* the player first had (wide records, pointers, a
// clear of every touched node per search, the open list's front scan). The
// fast search must give the same success, path and score in every position.

#include <cstdlib>
#include <vector>

#include "OracleOpenList.h"
#include "player/GameQueries.h"
#include "player/MyChomper.h"

class OracleSearch : public SearchStandIn {
 public:
  bool findPath(MyChomper& player, int targetCol, int targetRow, Searcher searcher, int cut,
                double& score) override {
    if (!isWalkableCode(cellCodeAt(targetCol, targetRow))) return false;
    linkOracleNodes(player);
    const CellPos start = player.startCellOf(searcher), target(targetCol, targetRow);
    OracleNode* startNode = oracleAt(player, start);
    if (startNode == nullptr || oracleAt(player, target) == nullptr) return false;
    for (OracleNode* n : touched) {
      n->f = n->g = n->h = 0;
      n->parent = nullptr;
      n->open = n->closed = false;
    }
    touched.assign(1, startNode);
    std::vector<MazeNode*>& result = player.resultSlot(searcher);
    open.clear();
    result.clear();
    startNode->open = true;
    open.insertByF(startNode);
    OracleNode* found = nullptr;
    while (!open.empty() && found == nullptr) {
      OracleNode* current = open.popFirst();
      expand(current, target, found);
      current->closed = true;
    }
    if (found == nullptr) return false;
    for (OracleNode* n = found; n != nullptr; n = n->parent) result.insert(result.begin(), n->node);
    if (searcher == SEARCH_CHOMPER) result.erase(result.begin());
    if (cut != 0) MyChomper::cutPath(result, cut);
    for (const MazeNode* node : result) {
      const double d = 0.5 * (std::abs(node->cell.getRow() - start.getRow()) +
                              std::abs(node->cell.getCol() - start.getCol()));
      if (d != 0.0) score += (node->reward + node->bonus) / d;
    }
    return true;
  }

 private:
  void expand(OracleNode* current, const CellPos& target, OracleNode*& found) {
    const int newCost = current->g + current->node->cost + 10;
    for (OracleNode* next : current->neighbours) {
      if (next == nullptr || next->closed) continue;
      if (!next->open || newCost < next->g + next->node->cost) {
        if (next->open && next->g != newCost) open.fChanged();
        next->g = newCost;
        next->parent = current;
      }
      if (next->node->cell == target) found = next;
      next->h = std::abs(next->node->cell.getCol() - target.getCol()) +
                std::abs(next->node->cell.getRow() - target.getRow());
      next->f = next->g + next->h;
      if (!next->open) {
        next->open = true;
        touched.push_back(next);
        open.insertByF(next);
      }
    }
  }

  OracleNode* oracleAt(const MyChomper& player, const CellPos& cell) {
    const MazeNode* node = player.nodeAtCell(cell.getCol(), cell.getRow());
    return node == nullptr ? nullptr : &records[static_cast<std::size_t>(node->index)];
  }

  void linkOracleNodes(const MyChomper& player) {
    const std::vector<MazeNode*>& nodes = player.getNodes();
    if (!records.empty() && records.size() == nodes.size() && records[0].node == nodes[0]) return;
    records.assign(nodes.size(), OracleNode{});
    touched.clear();
    for (MazeNode* node : nodes) {
      OracleNode& r = records[static_cast<std::size_t>(node->index)];
      r.node = node;
      for (int k = 0; k < 4; ++k) {
        if (node->neighbours[k] != nullptr) r.neighbours[k] = &records[static_cast<std::size_t>(node->neighbours[k]->index)];
      }
    }
  }

  std::vector<OracleNode> records;  // by node index
  std::vector<OracleNode*> touched;
  OracleOpenList open;
};
