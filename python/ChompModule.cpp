// The compiled part of the Python module `chomp` (chomp._chomp): the game as
// a seeded environment with the Gymnasium conventions, and the evaluation of
// a player on a series of seeds. python/chomp/__init__.py finds it and adds
// what is written in Python (evaluate on an executor, summarize's checks).

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <climits>
#include <memory>

#include "python/BuiltinView.h"
#include "python/ChompEnv.h"
#include "game/SettingsReader.h"
#include "python/Evaluation.h"
#include "python/PlayerArguments.h"
#include "python/PyIntegers.h"
#include "python/TableRow.h"

namespace py = pybind11;
using namespace pybind11::literals;

namespace {

constexpr long long DEFAULT_MAX_MOVES = 200000;

long long maxMovesFrom(const py::handle& maxMoves) {
  return integerArgument(maxMoves, 1, LLONG_MAX, "max_moves", "an integer >= 1");
}

ChompEnv& currentEnv() {
  ChompEnv* env = ChompEnv::current();
  if (env == nullptr) throw std::runtime_error("no game: no chomp.Env is open in this process");
  return *env;
}

std::string settingsTextOf(const py::object& config, const py::dict& settings) {
  return SettingsReader::text(settingsFrom(config, settings, DEFAULT_MAX_MOVES).inForce());
}

py::dict evaluateFromPython(const py::object& policy, const py::object& games, const py::object& seed,
                            const py::object& ghosts, const py::object& config, const py::dict& settings,
                            const py::object& maxMoves, const py::object& env, const py::object& keep,
                            const py::object& player) {
  if (!env.is_none()) {
    if (!config.is(defaultConfig()) || !settings.empty() || !maxMoves.is_none() || !player.is_none()) {
      throw py::value_error("give config, settings, max_moves and player to the Env, not to evaluate");
    }
    return evaluate(envOf(env), policy, games, seed, ghosts, keep);
  }
  const PlayerParameters parameters = playerFrom(player);
  ChompEnv own(config, settings, maxMoves.is_none() ? DEFAULT_MAX_MOVES : maxMovesFrom(maxMoves));
  own.usePlayer(parameters);
  return evaluate(own, policy, games, seed, ghosts, keep);
}

const char* const ENV_DOC = R"(A game of Chomp played from one decision point of the chomper to the next.

Env(config="data/config.txt", settings={}, max_moves=200000, render_mode=None,
    render_analysis=False, player=None)
  config:    the configuration file; by default data/config.txt of the working
             directory (when there is none, every built-in default), None for
             no file (every built-in default), or the path of a file that must exist
  settings:  config keys to non-negative integers, applied after the file,
             e.g. {"red_ghost": 1, "green_ghost": 0}
  max_moves: a game reaching this many moves ends as truncated
  render_mode: None, or "rgb_array" for render() to give the game's picture
             (drawn offscreen by the game window's drawing code, sprites from
             data/ of the working directory)
  render_analysis: render() also gives the analysis window's picture (what the
             built-in player sees of the position) to the right of the game's
  player:    the built-in player's parameters: None for the default player,
             a dict such as {"localRadius": 6}, or a variant's text
             "localRadius=6,dangerCost=200" (chomp.player_parameters() lists them)

A decision point is a cell centre with an open exit, where the built-in player
decides. Actions: 0 left, 1 up, 2 right, 3 down; into a wall the chomper keeps
its direction. One Env per process: the game state is process-wide.)";

}  // namespace

PYBIND11_MODULE(_chomp, m) {
  m.doc() = "Chomp, the maze-chase game, as a seeded environment for players written in Python.";
  m.attr("LEFT") = 0;
  m.attr("UP") = 1;
  m.attr("RIGHT") = 2;
  m.attr("DOWN") = 3;
  m.attr("CSV_FIELDS") = py::tuple(py::cast(CSV_FIELDS));

  // Every method finds its environment through envOf, which refuses an
  // object whose __init__ never ran instead of reading unmade memory.
  py::class_<ChompEnv>(m, "Env", ENV_DOC)
      .def(py::init([](const py::object& config, const py::dict& settings, const py::object& maxMoves,
                       const py::object& renderMode, bool renderAnalysis, const py::object& player) {
             const PlayerParameters parameters = playerFrom(player);
             auto env = std::make_unique<ChompEnv>(config, settings, maxMovesFrom(maxMoves));
             env->setRenderMode(renderMode, renderAnalysis);
             env->usePlayer(parameters);
             return env;
           }),
           "config"_a = defaultConfig(), "settings"_a = py::dict(), "max_moves"_a = DEFAULT_MAX_MOVES,
           "render_mode"_a = py::none(), "render_analysis"_a = false, "player"_a = py::none())
      .def_property_readonly("render_mode", [](const py::object& self) { return envOf(self).renderMode(); })
      .def("render", [](const py::object& self) { return envOf(self).render(); },
           "The game picture as the game window draws it (render_mode \"rgb_array\"): a uint8 array of "
           "460 rows of 380 RGB pixels, top row first (760 with render_analysis, the analysis on the right); "
           "None when render_mode is None.")
      .def_static("from_settings_text",
                  [](const std::string& text, const py::object& maxMoves, const py::object& player) {
                    const PlayerParameters parameters = playerFrom(player);
                    auto env = std::make_unique<ChompEnv>(settingsOfText(text, maxMovesFrom(maxMoves)));
                    env->usePlayer(parameters);
                    return env;
                  },
                  "text"_a, "max_moves"_a = DEFAULT_MAX_MOVES, "player"_a = py::none(),
                  "An Env with exactly the settings of a text as settings_text writes it (and player as Env's).")
      .def_property_readonly("player", [](const py::object& self) { return envOf(self).playerName(); },
                             "The built-in player's variant, as the rows' \"player\" field names it.")
      .def_property_readonly("settings_text", [](const py::object& self) { return envOf(self).settingsText(); },
                             "Every setting in force, one \"key value\" line each.")
      .def_property_readonly("settings_digest",
                             [](const py::object& self) { return envOf(self).settingsDigest(); },
                             "The rules digest of those settings, as the rows' \"settings\" field has it.")
      .def_property_readonly("max_moves", [](const py::object& self) { return envOf(self).settings().maxMoves; })
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
      .def("record", [](const py::object& self, const py::object& path) { return envOf(self).record(path); },
           "path"_a = py::none(),
           "The record of the current game (kept where it stands) or of the last one, as the text of its\n"
           "file; also written to `path` when given. 'chompgame --watch FILE' shows it.")
      .def("close", [](const py::object& self) { envOf(self).close(); },
           "Releases the game, so the process may open another Env.")
      .def_property_readonly("closed", [](const py::object& self) { return envOf(self).closed(); })
      .def("__enter__", [](const py::object& self) { envOf(self); return self; })
      .def("__exit__", [](const py::object& self, const py::args&) { envOf(self).close(); });

  // Gymnasium's description of what render gives.
  m.attr("Env").attr("metadata") = py::dict("render_modes"_a = py::make_tuple("rgb_array"));
  m.attr("DEFAULT_CONFIG") = defaultConfig();
  m.def("builtin_action", [] { return currentEnv().builtinAction(); },
        "The built-in player's action in the game being played in this process: the open Env's, or "
        "that of chomp.evaluate while it calls a policy.");
  m.def("builtin_view", [] { return builtinView(currentEnv()); },
        "What the built-in player sees where builtin_action() asks it: \"action\", \"ghost_paths\" (per "
        "ghost red, green, orange, turquoise an (n, 2) array of the cells, grid row and column, of its "
        "predicted path), \"route\" (its planned route's cells) and the cells' \"bonus\" and \"cost\" "
        "(22 x 19) of this decision.");
  m.def("settings_text", &settingsTextOf, "config"_a = defaultConfig(), "settings"_a = py::dict(),
        "The settings Env(config, settings) would play with, as Env.settings_text writes them.");
  m.def("summarize", &summarize, "rows"_a,
        "The summary figures of evaluate's rows (from several processes, say), without the rows.");
  m.def("evaluate", &evaluateFromPython, "policy"_a, "games"_a = 100, "seed"_a = 1,
        "ghosts"_a = py::none(), "config"_a = defaultConfig(), "settings"_a = py::dict(),
        "max_moves"_a = py::none(), "env"_a = py::none(), "keep"_a = py::none(), "player"_a = py::none(),
        R"(Plays `games` games on the seeds seed, seed + 1, ... and returns the batch runner's
summary: games, won_percent with its 95% Wilson interval won_low..won_high, score_mean,
score_median, score_p10, score_p90, moves_mean, unended, and "rows", one dict per game with
the fields of CSV_FIELDS.
  policy: observation -> action, or None for the built-in player
  ghosts: "all", "none", a comma list such as "red,turquoise", or None for the settings' own
  env:    play on this open Env (its config, settings and player); otherwise a game of its
          own is made from config, settings, max_moves and player (see Env)
  keep:   "all", "lost", "unended" or a list of seeds: the records of those games, as the
          texts of their files, in "records" (seed -> text), to watch with chompgame --watch)");
  m.def("player_parameters", &playerParameterTable,
        "The built-in player's parameters: {name: {'default': d, 'low': l, 'high': h}}, in order.");
  m.def("compare", &compareRows, "rows_a"_a, "rows_b"_a, "settings_differ"_a = false,
        R"(The paired comparison of rows_b against rows_a (rows such as evaluate returns), paired on
ghost set and seed, as chompsim --compare prints it: one dict per ghost set with pairs, won_a,
won_b, won_diff (B - A, points) with its 95% interval diff_low..diff_high, only_a, only_b,
mcnemar_p, score_diff with sdiff_low..sdiff_high, wilcoxon_p, verdict ("better", "worse",
"none") and verdict_line. ValueError when no game pairs, or a pair's settings differ (unless
settings_differ).)");
}
