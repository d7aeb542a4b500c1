#pragma once
// The open list of the player's search, for node indices 0..n-1. Its rule:
// a new node goes in ahead of the first node, from the front, whose current
// f is greater than or equal to its own (so among equal f the newest comes
// out first), and a listed node whose f changes keeps its place.
//
// Behind the last listed node whose f has changed the list is in order of f:
// an insertion there keeps it so, and a change moves that boundary back. So
// while no listed node's f has changed, the nodes with f >= a new node's
// form the tail of the list, and the place is found from the back, where a
// new node (f about 10 above the smallest) belongs; otherwise by the scan
// from the front. The list is a flat array of small indices, front first;
// a node is listed at most once between clears, so it never runs out.

#include <cassert>
#include <cstdint>
#include <vector>

class OpenQueue {
 public:
  // Room for nodes 0..nodeCount-1.
  void reset(int nodeCount) {
    key.assign(static_cast<std::size_t>(nodeCount), 0);
    changed.assign(static_cast<std::size_t>(nodeCount), 0);
    list.assign(static_cast<std::size_t>(nodeCount), 0);
    clear();
  }
  void clear() {
    head = tail = 0;
    changedListed = 0;
  }
  bool empty() const { return head == tail; }

  // Lists a node that is not listed.
  void push(int node, int f) {
    key[node] = f;
    changed[node] = 0;
    std::int16_t* const at = list.data();
    int pos;
    if (changedListed == 0) {
      pos = tail;
      while (pos > head && key[at[pos - 1]] >= f) {
        at[pos] = at[pos - 1];
        --pos;
      }
    } else {
      pos = head;
      while (pos < tail && key[at[pos]] < f) ++pos;
      for (int i = tail; i > pos; --i) at[i] = at[i - 1];
    }
    at[pos] = static_cast<std::int16_t>(node);
    ++tail;
  }

  // Takes the first node; the list must not be empty.
  int popFront() {
    assert(!empty() && "taking a node from an empty open list");
    const int node = list[head++];
    if (changed[node] != 0) {
      changed[node] = 0;
      --changedListed;
    }
    return node;
  }

  // A listed node's f changes; it keeps its place.
  void changeF(int node, int f) {
    if (changed[node] == 0) {
      changed[node] = 1;
      ++changedListed;
    }
    key[node] = f;
  }

 private:
  std::vector<int> key;                // current f of each node
  std::vector<std::uint8_t> changed;   // the node's f changed while listed
  std::vector<std::int16_t> list;      // list[head, tail), front first
  int head = 0, tail = 0;
  int changedListed = 0;
};
