#pragma once
// The open list of the player's search, for node indices 0..n-1. Its rule:
// a new node goes in ahead of the first node, from the front, whose current
// f is greater than or equal to its own (so among equal f the newest comes
// out first), and a listed node whose f changes keeps its place.
//
// The list is a prefix, up to the last listed node whose f has changed, and
// behind it a suffix in order of f: an insertion there keeps it so, and a
// change moves the boundary back. A new node goes before the first node of
// the prefix whose f is >= its own; when there is none, its place is in the
// ordered suffix, where the nodes with f >= the new one form the tail, so it
// is found from the back, near which a new node (f about 10 above the
// smallest) usually belongs. The list is a flat array of small indices,
// front first, each with its f beside it; a node is listed at most once
// in a search, so it never runs out.
//
// The queue is a small value over arrays its owner keeps (OpenQueue::Store),
// made afresh for each search as a local, so that the compiler can keep its
// counters in registers: nothing the search writes elsewhere can touch them.

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <vector>

class OpenQueue {
 public:
  // The arrays of a queue for nodes 0..nodeCount-1.
  struct Store {
    void reset(int nodeCount) {
      list.assign(static_cast<std::size_t>(nodeCount) + 1, 0);
      fOf.assign(static_cast<std::size_t>(nodeCount) + 1, 0);
    }
    std::vector<std::int16_t> list;
    std::vector<int> fOf;
  };

  // An empty queue over `store`, which must outlive it.
  explicit OpenQueue(Store& store) : at(store.list.data()), key(store.fOf.data()) {}

  bool empty() const { return head == tail; }

  // Lists a node that is not listed.
  void push(int node, int f) {
    // The first node of the prefix with an f >= the new one's, if the
    // prefix can hold one.
    const int stop = std::max(prefixEnd, head);
    int pos = stop;
    if (prefixMax >= f) {
      pos = head;
      while (pos < stop && key[pos] < f) ++pos;
    }
    if (pos == stop) {
      // None: the place is in the ordered suffix. The f of each entry sits
      // beside it, so the scan from the back reads one array and moves each
      // entry it passes in the same step.
      pos = tail;
      while (pos > stop && key[pos - 1] >= f) {
        at[pos] = at[pos - 1];
        key[pos] = key[pos - 1];
        --pos;
      }
    } else {
      for (int i = tail; i > pos; --i) {
        at[i] = at[i - 1];
        key[i] = key[i - 1];
      }
    }
    at[pos] = static_cast<std::int16_t>(node);
    key[pos] = f;
    ++tail;
    if (pos < prefixEnd) {
      ++prefixEnd;
      prefixMax = std::max(prefixMax, f);
    }
  }

  // Takes the first node; the list must not be empty.
  int popFront() {
    assert(!empty() && "taking a node from an empty open list");
    return at[head++];
  }

  // A listed node's f changes; it keeps its place. The prefix grows to
  // take it in, and with it ordered nodes whose f is at most its old f.
  void changeF(int node, int f) {
    int i = head;
    while (at[i] != node) ++i;
    assert(i < tail && "changing the f of a node that is not listed");
    const int old = key[i];
    key[i] = f;
    if (prefixEnd <= head) {
      prefixEnd = head;
      prefixMax = f;
    }
    prefixEnd = std::max(prefixEnd, i + 1);
    prefixMax = std::max({prefixMax, old, f});
  }

 private:
  std::int16_t* at;  // at[head, tail): the listed nodes, front first
  int* key;          // key[i]: the current f of at[i]
  int head = 0, tail = 0;
  int prefixEnd = 0;  // at[head, prefixEnd) is the prefix; empty when <= head
  int prefixMax = 0;  // no f in the prefix is greater
};
