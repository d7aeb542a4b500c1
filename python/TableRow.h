#pragma once
// A game as one row of the batch runner's table, for Python: a dict of the
// table's fields (numbers as ints, None where the table has an empty field,
// caught_by, settings and player as text), the same
// for chomp.evaluate's rows and the info at the end of a game.

#include <pybind11/pybind11.h>

#include <string>
#include <vector>

#include "game/GameOutcome.h"

namespace py = pybind11;

// The batch runner's CSV header fields, in order.
extern const std::vector<std::string> CSV_FIELDS;

// The row of a game just played under the game state's settings.
py::dict rowOf(const GameOutcome& outcome);
