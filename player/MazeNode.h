#pragma once
// One walkable cell of the autonomous player's graph: what lies in the cell
// and the ghost-path weights of the current decision. The search keeps its
// working state apart, in flat arrays (PathFinder).

#include "actors/CellPos.h"

struct MazeNode {
  CellPos cell;
  bool exitUp = false;     // (col, row + 1) was walkable when the graph was built
  bool exitDown = false;   // (col, row - 1) was walkable
  bool exitLeft = false;   // (col - 1, row) was walkable, or a tunnel end in column 0
  bool exitRight = false;  // (col + 1, row) was walkable, or a tunnel end in the last column
  int index = -1;          // position in the player's node array
  int code = -1;           // cell code the node stands for
  int reward = 0;          // worth of the cell's content
  int bonus = 0;           // ghost-path bonus of this decision, counted in path scores
  int cost = 0;            // ghost-path cost, paid when a search leaves this node
  bool eaten = false;      // the player saw this cell's food eaten in this game

  // Neighbours in search order up, down, left, right (tunnel ends wrap);
  // null where there is no exit. Filled in once the whole graph exists.
  MazeNode* neighbours[4] = {nullptr, nullptr, nullptr, nullptr};
};
