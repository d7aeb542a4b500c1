#pragma once
// The game behind chomp.Env: one headless game stepped from one decision
// point of the chomper (a cell centre with an open exit, where the built-in
// player decides) to the next, with the Gymnasium conventions:
//   reset(seed) -> (observation, info)
//   step(action) -> (observation, reward, terminated, truncated, info)
// The game state is process-wide, so a process holds at most one open
// ChompEnv; a second one raises RuntimeError until the first is closed.
// Every method raises before it changes anything, so a Python error leaves
// the environment as it was.

#include <pybind11/pybind11.h>

#include <memory>
#include <string>

#include "game/GamePicture.h"
#include "game/GameRecorder.h"
#include "game/HeadlessGame.h"

namespace py = pybind11;

class ChompEnv {
 public:
  // `config`: defaultConfig() (data/config.txt of the working directory, when
  // there is one), None (no file: every built-in default) or the path of a
  // config file, which must exist; `settings`: setting names to non-negative
  // integers, applied after the file; a game reaching `maxMoves` moves ends
  // as truncated.
  ChompEnv(const py::object& config, const py::dict& settings, long long maxMoves);
  explicit ChompEnv(const HeadlessSettings& settings);
  ~ChompEnv();
  ChompEnv(const ChompEnv&) = delete;
  ChompEnv& operator=(const ChompEnv&) = delete;

  // Starts a game with `seed` (an integer >= 1). None: the seed after the
  // last one given, or before any, the game's own rule (config key "seed"),
  // or when that is 0 a seed drawn from the time; info["seed"] tells which.
  py::tuple reset(const py::object& seed);
  // Plays `action` (0 left, 1 up, 2 right, 3 down; into a wall the chomper
  // keeps its direction) up to the next decision point or the end.
  py::tuple step(const py::handle& action);
  // The action the built-in player would choose now; also from a policy
  // while evaluate plays on this environment.
  int builtinAction();
  // The built-in player of the game; after builtinAction, as it decided here.
  const MyChomper& builtinPlayer() { return game->player(); }
  py::dict observation() const;
  // "rgb_array" or None (py::none): what render gives, with the analysis
  // picture beside the game's when `analysis`. ValueError for another mode,
  // or for the analysis without "rgb_array".
  void setRenderMode(const py::object& mode, bool analysis);
  py::object renderMode() const;
  // The game picture now as the game window draws it, a uint8 array of
  // 460 rows of 380 RGB pixels, top row first (with the analysis: 760, the
  // analysis window's picture on the right, as the built-in player sees the
  // position now); None when the render mode is None. RuntimeError when no
  // offscreen GL window can be made.
  py::object render();
  // score, moves, food_left, won (0 or 1) and seed; at the end of a game
  // also every field of the batch runner's row of that game.
  py::dict info() const;
  // The record of the current game (kept as stopped where it stands) or of
  // the last one, as its file's text; written to `path` too unless it is None.
  std::string record(const py::object& path);
  // The built-in player's parameters for every later game (builtin_action
  // and evaluate's built-in games); the current game ends.
  void usePlayer(const PlayerParameters& player);
  // The variant's name of those parameters ("default" for the default player).
  std::string playerName() const { return own.player.name(); }
  // Releases the game; the process may then open another environment.
  // Like every method, RuntimeError while evaluate plays on this environment.
  void close();
  bool closed() const { return !game; }

  // For evaluate: plays its games on this environment's game with extra
  // settings (the ghosts), then restores the environment's own, which ends
  // the current game. In between every other call raises RuntimeError, so a
  // policy cannot close, reset or step the game under evaluate.
  HeadlessGame& playWith(const std::vector<std::pair<std::string, int>>& extra);
  void restoreSettings();
  const HeadlessSettings& settings() const { return own; }
  // The environment's settings as SettingsReader::text writes them.
  std::string settingsText() const;
  // Their rules digest (SettingsReader::rulesDigest).
  std::string settingsDigest() const;
  // The open environment of this process, or null.
  static ChompEnv* current();

 private:
  void requireOpen() const;  // open, and evaluate is not playing on it
  void release();
  void requirePlaying() const;  // a game was reset and has not ended

  std::unique_ptr<HeadlessGame> game;
  bool rendering = false;
  bool renderingAnalysis = false;
  std::unique_ptr<GamePicture> picture;  // made by the first render
  GameRecorder recorder;  // of the game reset last
  HeadlessSettings own;
  bool started = false;
  bool evaluating = false;
  int lastScore = 0;
  bool seedGiven = false;
  unsigned lastSeed = 0;
};

// The `config` argument that stands for the default rule: data/config.txt of
// the working directory when it exists, else every built-in default.
const py::object& defaultConfig();
// The settings of an environment from its Python arguments; raises
// ValueError (unknown setting, negative value, max_moves < 1) or
// FileNotFoundError.
HeadlessSettings settingsFrom(const py::object& config, const py::dict& settings, long long maxMoves);
// The settings of a text that SettingsReader::text wrote; ValueError naming
// the line it cannot take.
HeadlessSettings settingsOfText(const std::string& text, long long maxMoves);
// The environment that a Python object is; TypeError when it is none, or
// when its __init__ never ran (Env.__new__(Env)) or failed.
ChompEnv& envOf(const py::handle& self);
