#pragma once
// A game as a table for analysis (pandas, gnuplot): one row per decision
// point, as the game stands there, after the ghosts' half of the move:
//
//   move,col,row,direction,score,food_left,
//   red_col,red_row,red_direction,red_blue, ... the same for green, orange
//   and turquoise (empty for a ghost not in the game), phase
//
// `move` is the number of moves played before it, `direction` the way the
// chomper leaves (left, up, right, down), `score` and `food_left` before it
// eats at that centre, blue 1 or 0, `phase` attack or scatter.

#include <string>

#include "game/DecisionPoint.h"

class TraceTable {
 public:
  static std::string header();
  static std::string row(const DecisionPoint& point);
};
