#pragma once
// The open list of the player's search, for node indices 0..n-1. Its rule:
// a new node goes in ahead of the first node, from the front, whose current
// f is greater than or equal to its own (so among equal f the newest comes
// out first), and a listed node whose f changes keeps its place.
//
// A new node put in by that rule never breaks the order of f around it: the
// node before it has a smaller f, the node after it an f at least its own.
// Only a change of f can (about one insertion in 80 comes with one), so the
// list is a chain of runs, each in order of f, split where a changed node
// went out of order with a neighbour. The first node whose f is >= a new
// one's lies in the first run whose last (largest) f is >= it, and within
// that run it is found from the back, moving each entry passed in the same
// step: a new node (f about 10 above the smallest) usually belongs near the
// back.
// The list is a flat array of small indices, front first, each with its f
// beside it; a node is listed at most once in a search, so it never runs
// out.
//
// The queue is a small value over arrays its owner keeps (OpenQueue::Store),
// made afresh for each search as a local, so that the compiler can keep its
// counters in registers: nothing the search writes elsewhere can touch them.

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
      // Each run start ever made in a search is either dropped, by the
      // taking of the node before it (one at most per node taken), or
      // still a distinct place among the listed nodes after the front: so
      // there are never more than the nodes ever listed.
      runs.assign(static_cast<std::size_t>(nodeCount) + 1, 0);
    }
    std::vector<std::int16_t> list;
    std::vector<int> fOf;
    std::vector<int> runs;
  };

  // An empty queue over `store`, which must outlive it.
  explicit OpenQueue(Store& store)
      : at(store.list.data()), key(store.fOf.data()), starts(store.runs.data()) {}

  bool empty() const { return head == tail; }

  // Lists a node that is not listed.
  void push(int node, int f) {
    int from = head;
    for (int r = firstRun; r < runCount; ++r) {
      const int end = starts[r];
      if (key[end - 1] >= f) {
        // Its place is in this run: the runs behind it move back by one.
        for (int i = tail; i > end; --i) {
          at[i] = at[i - 1];
          key[i] = key[i - 1];
        }
        for (int s = r; s < runCount; ++s) ++starts[s];
        insertInRun(node, f, from, end);
        return;
      }
      from = end;
    }
    insertInRun(node, f, from, tail);
  }

  // Takes the first node; the list must not be empty.
  int popFront() {
    assert(!empty() && "taking a node from an empty open list");
    const int node = at[head++];
    // A run that has just lost its last node is no longer one.
    if (firstRun < runCount && starts[firstRun] == head) ++firstRun;
    return node;
  }

  // A listed node's f changes; it keeps its place, and starts a run of its
  // own, or the next one starts after it, where it is out of order.
  void changeF(int node, int f) {
    int i = head;
    while (i < tail && at[i] != node) ++i;
    assert(i < tail && "changing the f of a node that is not listed");
    key[i] = f;
    int r = firstRun;
    while (r < runCount && starts[r] <= i) ++r;
    const int from = r == firstRun ? head : starts[r - 1];
    const int end = r < runCount ? starts[r] : tail;
    const bool cutBefore = i > from && key[i - 1] > f;
    const bool cutAfter = i + 1 < end && f > key[i + 1];
    const int added = cutBefore + cutAfter;
    if (added == 0) return;
    assert(runCount + added < tail && "more run starts than nodes ever listed");
    for (int s = runCount - 1; s >= r; --s) starts[s + added] = starts[s];
    if (cutBefore) starts[r++] = i;
    if (cutAfter) starts[r] = i + 1;
    runCount += added;
  }

 private:
  // Puts a node in the ordered run [from, end), whose entry at `end` is free.
  void insertInRun(int node, int f, int from, int end) {
    int pos = end;
    while (pos > from && key[pos - 1] >= f) {
      at[pos] = at[pos - 1];
      key[pos] = key[pos - 1];
      --pos;
    }
    at[pos] = static_cast<std::int16_t>(node);
    key[pos] = f;
    ++tail;
  }

  std::int16_t* at;  // at[head, tail): the listed nodes, front first
  int* key;          // key[i]: the current f of at[i]
  int* starts;       // starts[firstRun, runCount): where each run after the first begins, in order
  int head = 0, tail = 0;
  int firstRun = 0, runCount = 0;
};
