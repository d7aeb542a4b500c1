#pragma once
// The player's parameters and paired comparisons as Python gives and takes
// them: player= of Env and evaluate, chomp.player_parameters and chomp.compare.

#include <pybind11/pybind11.h>

#include "player/PlayerParameters.h"

namespace py = pybind11;

// None: the default player; a str: a variant's text ("localRadius=6,dangerCost=200",
// "default"); a dict: parameter names to integers. ValueError for an unknown
// name or a value out of its range, TypeError for anything else.
PlayerParameters playerFrom(const py::handle& player);

// {name: {"default": d, "low": l, "high": h}} for every parameter, in the record's order.
py::dict playerParameterTable();

// The paired comparison of two lists of rows such as evaluate returns (rows_b
// against rows_a): one dict per ghost set. ValueError where chompsim
// --compare refuses (a row that is not one, other settings, nothing pairs).
py::list compareRows(const py::iterable& rowsA, const py::iterable& rowsB, bool settingsDiffer);
