#pragma once
// What the built-in player sees at the position a Python player is shown,
// as numpy arrays, for chomp.builtin_view():
//   "action"      its choice here (as builtin_action gives it)
//   "ghost_paths" per ghost (red, green, orange, turquoise) an int32 (n, 2)
//                 array of the cells (grid row, column; top row first) of the
//                 path it predicts for that ghost; (0, 2) for an absent ghost
//   "route"       int32 (n, 2): the cells of its planned route, in order,
//                 from the one it steps into now; (0, 2) when it has none
//   "bonus", "cost"  int32 (22, 19): each cell's ghost-path bonus and cost of
//                 this decision (0 where the cell is no walkable node)

#include <pybind11/pybind11.h>

#include "python/ChompEnv.h"

namespace py = pybind11;

py::dict builtinView(ChompEnv& env);
