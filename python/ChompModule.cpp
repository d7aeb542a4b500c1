// The Python module `chomp`: the game as a seeded environment with the
// Gymnasium conventions, and the evaluation of a player on a series of seeds.

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <memory>

#include "python/ChompEnv.h"
#include "python/Evaluation.h"

namespace py = pybind11;
using namespace pybind11::literals;

namespace {

py::dict evaluateFromPython(const py::object& policy, long long games, long long seed,
                            const py::object& ghosts, const py::object& config,
                            const py::dict& settings, long long maxMoves, ChompEnv* env) {
  if (env != nullptr) {
    if (!config.is_none() || !settings.empty() || maxMoves != 200000) {
      throw py::value_error("give config, settings and max_moves to the Env, not to evaluate");
    }
    return evaluate(*env, policy, games, seed, ghosts);
  }
  ChompEnv own(config, settings, maxMoves);
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

  py::class_<ChompEnv>(m, "Env", ENV_DOC)
      .def(py::init<const py::object&, const py::dict&, long long>(), "config"_a = py::none(),
           "settings"_a = py::dict(), "max_moves"_a = 200000)
      .def("reset",
           [](ChompEnv& env, const py::object& seed, const py::object&) { return env.reset(seed); },
           "seed"_a = py::none(), "options"_a = py::none(),
           "Starts a game; returns (observation, info). seed None: the seed after the last one.")
      .def("step", &ChompEnv::step, "action"_a,
           "Plays an action to the next decision point; returns (observation, reward, terminated, "
           "truncated, info).")
      .def("builtin_action", &ChompEnv::builtinAction,
           "The action the built-in player would choose now.")
      .def("observation", &ChompEnv::observation, "The observation of the current state.")
      .def("close", &ChompEnv::close, "Releases the game, so the process may open another Env.")
      .def_property_readonly("closed", &ChompEnv::closed)
      .def("__enter__", [](ChompEnv& env) -> ChompEnv& { return env; },
           py::return_value_policy::reference)
      .def("__exit__", [](ChompEnv& env, const py::args&) { env.close(); });

  m.def("summarize", &summarize, "rows"_a,
        "The summary figures of evaluate's rows (from several processes, say), without the rows.");
  m.def("evaluate", &evaluateFromPython, "policy"_a, "games"_a = 100, "seed"_a = 1,
        "ghosts"_a = py::none(), "config"_a = py::none(), "settings"_a = py::dict(),
        "max_moves"_a = 200000, "env"_a = nullptr,
        R"(Plays `games` games on the seeds seed, seed + 1, ... and returns the batch runner's
summary: games, won_percent with its 95% Wilson interval won_low..won_high, score_mean,
score_median, score_p10, score_p90, moves_mean, unended, and "rows", one dict per game with
the fields of CSV_FIELDS.
  policy: observation -> action, or None for the built-in player
  ghosts: "all", "none", a comma list such as "red,turquoise", or None for the settings' own
  env:    play on this open Env (its config and settings); otherwise a game of its own
          is made from config, settings and max_moves)");
}
