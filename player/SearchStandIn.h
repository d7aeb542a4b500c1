#pragma once
// Who runs a search of the autonomous player, and a search that can stand in
// for the player's own.

class MyChomper;

// Who runs a search, and so which search slot it works in. Ghost values
// match the ghost numbers used everywhere else: 1 red, 2 green, 3 orange,
// 4 turquoise.
enum Searcher {
  SEARCH_CHOMPER = 0,
  SEARCH_RED = 1,
  SEARCH_GREEN = 2,
  SEARCH_ORANGE = 3,
  SEARCH_TURQUOISE = 4
};
constexpr int SEARCH_SLOTS = 5;

// A search standing in for the player's own: the reference search that tests
// and benchmarks compare with it. Same contract as MyChomper::findPath.
class SearchStandIn {
 public:
  virtual ~SearchStandIn() = default;
  virtual bool findPath(MyChomper& player, int targetCol, int targetRow, Searcher searcher,
                        int cut, double& score) = 0;
};
