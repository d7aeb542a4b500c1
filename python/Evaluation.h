#pragma once
// chomp.evaluate: a player on the seeds S, S + 1, ... of one ghost set,
// summarised with the batch runner's figures, with one row per game in the
// batch runner's CSV fields.

#include <pybind11/pybind11.h>

#include <string>
#include <utility>
#include <vector>

#include "python/ChompEnv.h"

namespace py = pybind11;

// The settings that make a ghost set play: "all", "none" or a comma list
// such as "red,turquoise". ValueError for anything else.
std::vector<std::pair<std::string, int>> ghostSettings(const std::string& set);

// Plays `games` games with seeds `seed`.. on `env` (the built-in player when
// `policy` is None, else policy(observation) -> action at every decision
// point) with the ghosts of `ghosts` (None: the settings' own) and returns
// the summary figures, "settings" (the rules digest of the settings played)
// and "rows". The environment's settings are restored
// afterwards, even when the policy raises.
// The summary figures of rows such as evaluate returns (merged from several
// processes, say): the same figures, without "rows".
py::dict summarize(const py::iterable& rows);

// `keep`: None, "all", "lost", "unended" or a list of seeds: the records of
// those games, as their files' texts, in "records" (seed -> text).
py::dict evaluate(ChompEnv& env, const py::object& policy, const py::handle& games, const py::handle& seed,
                  const py::object& ghosts, const py::object& keep = py::none());
