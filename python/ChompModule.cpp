// The Python module `chomp`: the game as a seeded environment with the
// Gymnasium conventions, and the evaluation of a player on a series of seeds.

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <climits>
#include <memory>

#include "python/ChompEnv.h"
#include "python/Evaluation.h"
#include "python/PyIntegers.h"

namespace py = pybind11;
using namespace pybind11::literals;

namespace {

constexpr long long DEFAULT_MAX_MOVES = 200000;

long long maxMovesFrom(const py::handle& maxMoves) {
  return integerArgument(maxMoves, 1, LLONG_MAX, "max_moves", "an integer >= 1");
}

py::dict evaluateFromPython(const py::object& policy, const py::object& games, const py::object& seed,
                            const py::object& ghosts, const py::object& config, const py::dict& settings,
                            const py::object& maxMoves, const py::object& env) {
  if (!env.is_none()) {
    if (!config.is_none() || !settings.empty() || !maxMoves.is_none()) {
      throw py::value_error("give config, settings and max_moves to the Env, not to evaluate");
    }
    return evaluate(envOf(env), policy, games, seed, ghosts);
  }
  ChompEnv own(config, settings, maxMoves.is_none() ? DEFAULT_MAX_MOVES : maxMovesFrom(maxMoves));
  return evaluate(own, policy, games, seed, ghosts);
}

const char* const ENV_DOC = R"(A game of Chomp played from one decision point of the chomper to the next.

Env(config=None, settings={}, max_moves=200000)
  config:    None for the defaults, or the path of a config file (it must exist)
  settings:  config keys to non-negative integers, applied after the file,
             e.g. {"red_ghost": 1, "green_ghost": 0}
  max_moves: a game reaching this many moves ends as truncated

A decision point is a cell centre with an open exit, where the built-in player
decides. Actions: 0 left, 1 up, 2 right, 3 down; into a wall the chomper keeps
its direction. One Env per process: the game state is process-wide.)";

}  // namespace

PYBIND11_MODULE(chomp, m) {
  m.doc() = "Chomp, the maze-chase game, as a seeded environment for players written in Python.";
  m.attr("LEFT") = 0;
  m.attr("UP") = 1;
  m.attr("RIGHT") = 2;
  m.attr("DOWN") = 3;
  m.attr("CSV_FIELDS") = py::tuple(py::cast(CSV_FIELDS));

  // Every method finds its environment through envOf, which refuses an
  // object whose __init__ never ran instead of reading unmade memory.
  py::class_<ChompEnv>(m, "Env", ENV_DOC)
      .def(py::init([](const py::object& config, const py::dict& settings, const py::object& maxMoves) {
             return std::make_unique<ChompEnv>(config, settings, maxMovesFrom(maxMoves));
           }),
           "config"_a = py::none(), "settings"_a = py::dict(), "max_moves"_a = DEFAULT_MAX_MOVES)
      .def("reset",
           [](const py::object& self, const py::object& seed, const py::object&) { return envOf(self).reset(seed); },
           "seed"_a = py::none(), "options"_a = py::none(),
           "Starts a game; returns (observation, info). seed None: the seed after the last one.")
      .def("step", [](const py::object& self, const py::handle& action) { return envOf(self).step(action); },
           "action"_a,
           "Plays an action to the next decision point; returns (observation, reward, terminated, "
           "truncated, info).")
      .def("builtin_action", [](const py::object& self) { return envOf(self).builtinAction(); },
           "The action the built-in player would choose now.")
      .def("observation", [](const py::object& self) { return envOf(self).observation(); },
           "The observation of the current state.")
      .def("close", [](const py::object& self) { envOf(self).close(); },
           "Releases the game, so the process may open another Env.")
      .def_property_readonly("closed", [](const py::object& self) { return envOf(self).closed(); })
      .def("__enter__", [](const py::object& self) { envOf(self); return self; })
      .def("__exit__", [](const py::object& self, const py::args&) { envOf(self).close(); });

  m.def("summarize", &summarize, "rows"_a,
        "The summary figures of evaluate's rows (from several processes, say), without the rows.");
  m.def("evaluate", &evaluateFromPython, "policy"_a, "games"_a = 100, "seed"_a = 1,
        "ghosts"_a = py::none(), "config"_a = py::none(), "settings"_a = py::dict(),
        "max_moves"_a = py::none(), "env"_a = py::none(),
        R"(Plays `games` games on the seeds seed, seed + 1, ... and returns the batch runner's
summary: games, won_percent with its 95% Wilson interval won_low..won_high, score_mean,
score_median, score_p10, score_p90, moves_mean, unended, and "rows", one dict per game with
the fields of CSV_FIELDS.
  policy: observation -> action, or None for the built-in player
  ghosts: "all", "none", a comma list such as "red,turquoise", or None for the settings' own
  env:    play on this open Env (its config and settings); otherwise a game of its own
          is made from config, settings and max_moves)");
}
