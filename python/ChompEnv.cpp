// The environment keeps the game at a decision point between calls, so the
// observation a player gets is exactly what the built-in player sees when it
// decides: the ghosts have made this move's steps, the chomper not yet.

#include "python/ChompEnv.h"

#include <climits>
#include <fstream>

#include "actors/Chomper.h"
#include "maze/GameState.h"
#include "python/Observation.h"

namespace {

// The one open environment of this process (the game state is process-wide).
bool envOpen = false;

unsigned seedFrom(const py::handle& seed) {
  if (!PyIndex_Check(seed.ptr()) || PyBool_Check(seed.ptr())) {
    throw py::type_error("seed must be an integer >= 1 or None");
  }
  const long long value = py::int_(py::reinterpret_borrow<py::object>(seed)).cast<long long>();
  if (value < 1 || value > UINT_MAX) {
    throw py::value_error("seed must be between 1 and " + std::to_string(UINT_MAX) + ", not " +
                          std::to_string(value));
  }
  return static_cast<unsigned>(value);
}

}  // namespace

HeadlessSettings settingsFrom(const py::object& config, const py::dict& settings, long long maxMoves) {
  HeadlessSettings wanted;
  if (!config.is_none()) {
    wanted.config.file = py::str(config);
    // The game takes a missing file for the defaults; asked for by name, it is a mistake.
    if (!std::ifstream(wanted.config.file)) {
      PyErr_SetString(PyExc_FileNotFoundError, ("config file not found: " + wanted.config.file).c_str());
      throw py::error_already_set();
    }
  }
  for (const auto& item : settings) {
    const std::string key = py::str(item.first);
    if (!HeadlessGame::isSettingKey(key)) throw py::value_error("unknown setting: '" + key + "'");
    if (!PyLong_Check(item.second.ptr()) || PyBool_Check(item.second.ptr())) {
      throw py::type_error("setting '" + key + "' must be an integer");
    }
    const long long value = item.second.cast<long long>();
    if (value < 0 || value > INT_MAX) {
      throw py::value_error("setting '" + key + "' must be between 0 and " + std::to_string(INT_MAX));
    }
    wanted.config.settings.emplace_back(key, static_cast<int>(value));
  }
  if (maxMoves < 1) throw py::value_error("max_moves must be at least 1");
  wanted.maxMoves = maxMoves;
  return wanted;
}

ChompEnv::ChompEnv(const py::object& config, const py::dict& settings, long long maxMoves)
    : own(settingsFrom(config, settings, maxMoves)) {
  if (envOpen) {
    throw std::runtime_error(
        "a chomp.Env is already open in this process: the game state is per process, so close() "
        "the other one first, or use one process per environment (multiprocessing)");
  }
  game = std::make_unique<HeadlessGame>();
  game->configure(own);
  envOpen = true;
}

ChompEnv::~ChompEnv() { close(); }

void ChompEnv::close() {
  if (!game) return;
  game.reset();
  envOpen = false;
  started = false;
}

void ChompEnv::requireOpen() const {
  if (!game) throw std::runtime_error("this chomp.Env is closed");
}

void ChompEnv::requirePlaying() const {
  requireOpen();
  if (!started) throw std::runtime_error("no game: call reset() first");
  if (game->ended()) throw std::runtime_error("the game has ended: call reset() to start another");
}

py::tuple ChompEnv::reset(const py::object& seed) {
  requireOpen();
  if (!seed.is_none()) {
    lastSeed = seedFrom(seed);
    seedGiven = true;
    game->reset(lastSeed);
  } else if (seedGiven) {
    game->reset(++lastSeed == 0 ? ++lastSeed : lastSeed);
  } else if (gameSettings.seed > 0) {
    game->resetNext();
  } else {
    game->reset(0);  // a seed from the time, reported in info so the game can be replayed
  }
  started = true;
  game->toDecision();
  lastScore = game->outcome().score;
  return py::make_tuple(observation(), info());
}

py::tuple ChompEnv::step(const py::handle& action) {
  requirePlaying();
  const int direction = directionOfAction(actionFrom(action));
  game->stepWith(direction);
  game->toDecision();
  const GameOutcome& now = game->outcome();
  const double reward = now.score - lastScore;
  lastScore = now.score;
  return py::make_tuple(observation(), reward, now.won || now.lost, now.unended, info());
}

int ChompEnv::builtinAction() {
  requirePlaying();
  const int action = actionOfDirection(game->builtinDirection());
  // A player without a route keeps its direction.
  return action >= 0 ? action : std::max(0, actionOfDirection(chomper->getDirection()));
}

py::dict ChompEnv::observation() const {
  requireOpen();
  return makeObservation();
}

py::dict ChompEnv::info() const {
  requireOpen();
  const GameOutcome& now = game->outcome();
  py::dict info;
  info["score"] = now.score;
  info["moves"] = now.moves;
  info["food_left"] = now.foodLeft;
  info["won"] = now.won;
  info["seed"] = now.seed;
  return info;
}

HeadlessGame& ChompEnv::playWith(const std::vector<std::pair<std::string, int>>& extra) {
  requireOpen();
  HeadlessSettings wanted = own;
  wanted.config.settings.insert(wanted.config.settings.end(), extra.begin(), extra.end());
  game->configure(wanted);
  started = false;
  return *game;
}

void ChompEnv::restoreSettings() {
  if (!game) return;
  game->configure(own);
  started = false;
}
