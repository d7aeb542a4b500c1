#pragma once
// The open list of a search: nodes waiting to be expanded. A node goes in
// ahead of the first node, from the front, whose current f is greater than or
// equal to its own, so among equal f the newest comes out first. A node
// already listed keeps its place when its f changes.
//
// Stored back to front in reused vectors, so taking the first node is a pop
// from the back and a search allocates nothing once the vectors have grown.
// Each node's current f is mirrored in a parallel array of keys; whoever
// changes the f of a listed node tells the list (fChanged). While the keys
// are in order (the usual case: f of a listed node rarely changes) the place
// is found by binary search; otherwise by the plain scan from the front. Both
// give the same place.

#include <cassert>
#include <cstddef>
#include <vector>

#include "player/MazeNode.h"

class OpenList {
 public:
  OpenList() {
    reversed.reserve(64);
    keys.reserve(64);
  }

  bool empty() const { return reversed.empty(); }
  std::size_t size() const { return reversed.size(); }
  void clear() {
    reversed.clear();
    keys.clear();
    disorder = 0;
  }

  // The i-th node from the front.
  MazeNode* at(std::size_t i) const {
    assert(i < reversed.size() && "open list index past the end");
    return reversed[reversed.size() - 1 - i];
  }

  MazeNode* popFirst() {
    assert(!reversed.empty() && "taking a node from an empty open list");
    MazeNode* first = reversed.back();
    disorder -= outOfOrder(keys.size() - 2);
    reversed.pop_back();
    keys.pop_back();
    return first;
  }

  // Inserts before the first node (from the front) whose current f is >= node's f.
  void insertByF(MazeNode* node) {
    const int f = node->f;
    const std::size_t pos = disorder == 0 ? placeInOrder(f) : placeByScan(f);
    disorder -= outOfOrder(pos - 1);
    reversed.insert(reversed.begin() + static_cast<std::ptrdiff_t>(pos), node);
    keys.insert(keys.begin() + static_cast<std::ptrdiff_t>(pos), f);
    disorder += outOfOrder(pos - 1) + outOfOrder(pos);
  }

  // A listed node's f has changed; it keeps its place.
  void fChanged(const MazeNode* node) {
    for (std::size_t i = 0; i < reversed.size(); ++i) {
      if (reversed[i] != node) continue;
      disorder -= outOfOrder(i - 1) + outOfOrder(i);
      keys[i] = node->f;
      disorder += outOfOrder(i - 1) + outOfOrder(i);
      return;
    }
    assert(false && "the node is not on this open list");
  }

 private:
  // Stored index just above the first node from the front with f >= `f`:
  // scanning from the front means scanning the stored arrays downwards.
  std::size_t placeByScan(int f) const {
    std::size_t pos = keys.size();
    while (pos > 0 && keys[pos - 1] < f) --pos;
    return pos;
  }

  // The same place when the keys never increase along the stored arrays:
  // those with f >= `f` then form a prefix, and the place is its end.
  std::size_t placeInOrder(int f) const {
    std::size_t low = 0, high = keys.size();
    while (low < high) {
      const std::size_t mid = (low + high) / 2;
      if (keys[mid] >= f) {
        low = mid + 1;
      } else {
        high = mid;
      }
    }
    return low;
  }

  // 1 when stored pair (i, i + 1) exists and breaks the order, else 0.
  // Called with i = -1 (wrapped) or past the end for pairs that do not exist.
  int outOfOrder(std::size_t i) const {
    return i < keys.size() && i + 1 < keys.size() && keys[i] < keys[i + 1] ? 1 : 0;
  }

  std::vector<MazeNode*> reversed;
  std::vector<int> keys;  // f of reversed[i]
  int disorder = 0;       // stored pairs whose keys increase
};
