#pragma once
// The open list of a search: nodes waiting to be expanded, kept in order of
// the f each node had when it was inserted. A node goes in ahead of every node
// whose f is greater than or equal to its own, so among equal f the newest
// comes out first. A node already listed keeps its place when its f changes.
//
// Stored back to front in one reused vector, so taking the first node is a
// pop from the back and a search allocates nothing once the vector has grown.

#include <cassert>
#include <cstddef>
#include <vector>

#include "player/MazeNode.h"

class OpenList {
 public:
  OpenList() { reversed.reserve(64); }

  bool empty() const { return reversed.empty(); }
  std::size_t size() const { return reversed.size(); }
  void clear() { reversed.clear(); }

  // The i-th node from the front.
  MazeNode* at(std::size_t i) const {
    assert(i < reversed.size() && "open list index past the end");
    return reversed[reversed.size() - 1 - i];
  }

  MazeNode* popFirst() {
    assert(!reversed.empty() && "taking a node from an empty open list");
    MazeNode* first = reversed.back();
    reversed.pop_back();
    return first;
  }

  // Inserts before the first node (from the front) whose current f is >= node's f.
  void insertByF(MazeNode* node) {
    std::size_t pos = reversed.size();  // position in the reversed vector
    while (pos > 0 && reversed[pos - 1]->f < node->f) --pos;
    reversed.insert(reversed.begin() + static_cast<std::ptrdiff_t>(pos), node);
  }

 private:
  std::vector<MazeNode*> reversed;
};
