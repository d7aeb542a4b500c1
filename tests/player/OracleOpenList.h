#pragma once
// The reference search's node record and open list, as the player's search
// first had them: wide records linked by pointers.
//
// The open list of a search: nodes waiting to be expanded. A node goes in
// ahead of the first node, from the front, whose current f is greater than or
// equal to its own, so among equal f the newest comes out first. A node
// already listed keeps its place when its f changes.
//
// Kept front to back in one reused array with a moving head: taking the first
// node only advances the head, new nodes usually go near the back, and a
// search allocates nothing once the array has grown (a node enters an open
// list at most once per search).
//
// Insertion keeps the list in order of f as long as no listed node's f has
// changed; whoever changes one says so (fChanged). While the list is known to
// be in order the place is found from the back, where new nodes usually go;
// otherwise by the plain scan from the front. Both give the same place.

#include <cassert>
#include <cstddef>
#include <vector>

#include "player/MazeNode.h"

// One graph node with the reference search's working fields.
struct OracleNode {
  MazeNode* node = nullptr;
  int f = 0, g = 0, h = 0;
  OracleNode* parent = nullptr;
  bool open = false, closed = false;
  OracleNode* neighbours[4] = {nullptr, nullptr, nullptr, nullptr};
};

class OracleOpenList {
 public:
  OracleOpenList() { items.reserve(256); }

  bool empty() const { return head == items.size(); }
  std::size_t size() const { return items.size() - head; }
  void clear() {
    items.clear();
    head = 0;
    inOrder = true;
  }

  // The i-th node from the front.
  OracleNode* at(std::size_t i) const {
    assert(head + i < items.size() && "open list index past the end");
    return items[head + i];
  }

  OracleNode* popFirst() {
    assert(!empty() && "taking a node from an empty open list");
    OracleNode* first = items[head++];
    if (empty()) clear();  // an empty list is in order again
    return first;
  }

  // The f of a listed node has changed: the order of f may be broken.
  void fChanged() { inOrder = false; }

  // Inserts before the first node (from the front) whose current f is >= node's f.
  void insertByF(OracleNode* node) {
    const int f = node->f;
    std::size_t pos;
    if (inOrder) {
      // Those with f >= node's f form the tail of the list.
      pos = items.size();
      while (pos > head && items[pos - 1]->f >= f) --pos;
    } else {
      pos = head;
      while (pos < items.size() && items[pos]->f < f) ++pos;
    }
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(pos), node);
  }

 private:
  std::vector<OracleNode*> items;  // listed from items[head], front first
  std::size_t head = 0;
  bool inOrder = true;  // f never decreases from the front to the back
};
