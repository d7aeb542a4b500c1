// The environment keeps the game at a decision point between calls, so the
// observation a player gets is exactly what the built-in player sees when it
// decides: the ghosts have made this move's steps, the chomper not yet.

#include "python/ChompEnv.h"

#include <pybind11/numpy.h>
#include <unistd.h>

#include <climits>
#include <filesystem>

#include "actors/Chomper.h"
#include "game/SeedRange.h"
#include "game/SettingsReader.h"
#include "maze/GameState.h"
#include "player/MyChomper.h"
#include "python/PyIntegers.h"
#include "python/Observation.h"
#include "python/TableRow.h"

namespace {

const char* const BUSY = "this chomp.Env is playing chomp.evaluate's games: it takes no calls until they end";

// The one open environment of this process (the game state is process-wide),
// and the process that opened it: a child forked from that process holds a
// copy it never plays, so it may open an environment of its own.
ChompEnv* openEnv = nullptr;
pid_t openEnvProcess = 0;

bool envOpen() { return openEnv != nullptr && openEnvProcess == getpid(); }

unsigned seedFrom(const py::handle& seed) {
  return static_cast<unsigned>(integerArgument(seed, kFirstSeed, kLastSeed, "seed",
                                               "an integer from 1 to " + std::to_string(kLastSeed) + " or None"));
}

}  // namespace

const py::object& defaultConfig() {
  // Never freed: a Python object must not outlive the interpreter's end.
  static const py::object* sentinel = new py::object(py::str("data/config.txt"));
  return *sentinel;
}

HeadlessSettings settingsFrom(const py::object& config, const py::dict& settings, long long maxMoves) {
  HeadlessSettings wanted;
  if (config.is(defaultConfig())) {
    wanted.config.file = "data/config.txt";  // a missing default file means the defaults
    wanted.readFileNow();
  } else if (!config.is_none()) {
    wanted.config.file = py::str(config);
    // The game takes a missing file for the defaults; asked for by name, it is a
    // mistake. Only a regular file is read: a named pipe would block for ever.
    std::error_code error;
    const auto status = std::filesystem::status(wanted.config.file, error);
    if (!std::filesystem::exists(status)) {
      PyErr_SetString(PyExc_FileNotFoundError, ("config file not found: " + wanted.config.file).c_str());
      throw py::error_already_set();
    }
    if (!std::filesystem::is_regular_file(status)) {
      throw py::value_error("config must name a regular file: " + wanted.config.file);
    }
    // Read once, now: every game of this Env starts from what the file says today.
    wanted.readFileNow();
  }
  // A copy of the items: nothing a key or value does can change what is walked.
  const py::list items(settings.attr("items")());
  for (const py::handle item : items) {
    const py::tuple pair = py::reinterpret_borrow<py::tuple>(item);
    if (!PyUnicode_Check(pair[0].ptr())) throw py::type_error("setting names must be strings");
    const std::string key = pair[0].cast<std::string>();
    if (!HeadlessGame::isSettingKey(key)) throw py::value_error("unknown setting: '" + key + "'");
    const long long value = integerArgument(pair[1], 0, INT_MAX, "setting '" + key + "'",
                                            "an integer from 0 to " + std::to_string(INT_MAX));
    wanted.config.settings.emplace_back(key, static_cast<int>(value));
  }
  if (maxMoves < 1) throw py::value_error("max_moves must be at least 1");
  wanted.maxMoves = maxMoves;
  return wanted;
}

HeadlessSettings settingsOfText(const std::string& text, long long maxMoves) {
  HeadlessSettings wanted;
  GameSettings read;
  std::string error;
  if (!SettingsReader::readText(text, read, &error)) throw py::value_error("settings text: " + error);
  wanted.fileSettings = read;
  if (maxMoves < 1) throw py::value_error("max_moves must be at least 1");
  wanted.maxMoves = maxMoves;
  return wanted;
}

ChompEnv& envOf(const py::handle& self) {
  if (!py::isinstance<ChompEnv>(self)) throw py::type_error("not a chomp.Env");
  auto* instance = reinterpret_cast<py::detail::instance*>(self.ptr());
  const py::detail::value_and_holder held =
      instance->get_value_and_holder(py::detail::get_type_info(typeid(ChompEnv)));
  if (!held.holder_constructed()) throw py::type_error("this chomp.Env was never made: its __init__ did not run");
  return *held.value_ptr<ChompEnv>();
}

ChompEnv::ChompEnv(const py::object& config, const py::dict& settings, long long maxMoves)
    : ChompEnv(settingsFrom(config, settings, maxMoves)) {}

ChompEnv::ChompEnv(const HeadlessSettings& settings) : own(settings) {
  if (envOpen()) {
    throw std::runtime_error(
        "a chomp.Env is already open in this process: the game state is per process, so close() "
        "the other one first, or use one process per environment (multiprocessing)");
  }
  game = std::make_unique<HeadlessGame>();
  game->configure(own);
  openEnv = this;
  openEnvProcess = getpid();
  game->observeDecisions(&recorder);
}

ChompEnv* ChompEnv::current() { return envOpen() ? openEnv : nullptr; }

std::string ChompEnv::settingsText() const { return SettingsReader::text(own.inForce()); }

std::string ChompEnv::settingsDigest() const { return SettingsReader::rulesDigest(own.inForce()); }

ChompEnv::~ChompEnv() { release(); }

void ChompEnv::usePlayer(const PlayerParameters& player) {
  requireOpen();
  own.player = player;
  game->configure(own);
  started = false;
}

void ChompEnv::close() {
  if (evaluating) throw std::runtime_error(BUSY);
  release();
}

void ChompEnv::release() {
  if (!game) return;
  picture.reset();
  game.reset();
  if (openEnv == this) openEnv = nullptr;
  started = false;
}

void ChompEnv::requireOpen() const {
  if (evaluating) throw std::runtime_error(BUSY);
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
    lastSeed = lastSeed >= kLastSeed ? kFirstSeed : lastSeed + 1;
    game->reset(lastSeed);
  } else if (gameSettings.seed > 0) {
    game->resetNext();
  } else {
    game->reset(0);  // a seed from the time, reported in info so the game can be replayed
  }
  started = true;
  recorder.begin("python", game->outcome().seed, own.maxMoves);
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
  // Under evaluate the policy is called at a decision point of its game.
  if (!evaluating) requirePlaying();
  const int action = actionOfDirection(game->builtinDirection());
  // A player without a route keeps its direction.
  return action >= 0 ? action : std::max(0, actionOfDirection(chomper->getDirection()));
}

py::dict ChompEnv::observation() const {
  requireOpen();
  return makeObservation();
}

void ChompEnv::setRenderMode(const py::object& mode, bool analysis) {
  if (!mode.is_none() && !(PyUnicode_Check(mode.ptr()) && mode.cast<std::string>() == "rgb_array")) {
    throw py::value_error("render_mode must be None or \"rgb_array\", not " + py::repr(mode).cast<std::string>());
  }
  if (analysis && mode.is_none()) throw py::value_error("render_analysis wants render_mode \"rgb_array\"");
  rendering = !mode.is_none();
  renderingAnalysis = analysis;
}

py::object ChompEnv::renderMode() const { return rendering ? py::object(py::str("rgb_array")) : py::none(); }

py::object ChompEnv::render() {
  requireOpen();
  if (!rendering) return py::none();
  if (!picture) {
    std::error_code error;
    if (!std::filesystem::is_directory("data", error)) {
      PyErr_WarnEx(PyExc_RuntimeWarning,
                   "no data/ folder in the working folder: the picture has no sprites (run from the folder "
                   "that holds data/)", 1);
    }
    picture = std::make_unique<GamePicture>();
  }
  std::vector<unsigned char> rgb;
  std::vector<unsigned char> analysis;
  std::string why;
  if (!picture->draw(game->gameRules().gameLost, rgb, &why)) throw std::runtime_error("render: " + why);
  if (renderingAnalysis) {
    // The player's view of this very position: its choice here, asked (it
    // changes nothing of the game), marks the window.
    if (started) game->builtinDirection();
    if (!picture->drawAnalysis(*game->player().getWindow(), analysis, &why)) {
      throw std::runtime_error("render: " + why);
    }
  }
  const int pictures = renderingAnalysis ? 2 : 1;
  const size_t row = static_cast<size_t>(GamePicture::kWidth) * 3;
  py::array_t<std::uint8_t> frame({GamePicture::kHeight, GamePicture::kWidth * pictures, 3});
  std::uint8_t* out = frame.mutable_data();
  for (int y = 0; y < GamePicture::kHeight; ++y) {
    std::copy_n(rgb.data() + y * row, row, out);
    out += row;
    if (renderingAnalysis) {
      std::copy_n(analysis.data() + y * row, row, out);
      out += row;
    }
  }
  return std::move(frame);
}

py::dict ChompEnv::info() const {
  requireOpen();
  const GameOutcome& now = game->outcome();
  py::dict info;
  info["score"] = now.score;
  info["moves"] = now.moves;
  info["food_left"] = now.foodLeft;
  info["won"] = static_cast<int>(now.won);
  info["seed"] = now.seed;
  if (game->ended()) {
    for (const auto& field : rowOf(now)) info[field.first] = field.second;
  }
  return info;
}

std::string ChompEnv::record(const py::object& path) {
  requireOpen();
  if (!started) throw std::runtime_error("no game to record: call reset() first");
  const GameRecord& kept = recorder.finish(game->outcome(), !game->ended());
  if (!path.is_none()) {
    std::string error;
    if (!kept.save(py::str(path), &error)) {
      PyErr_SetString(PyExc_OSError, error.c_str());
      throw py::error_already_set();
    }
  }
  return kept.text();
}

HeadlessGame& ChompEnv::playWith(const std::vector<std::pair<std::string, int>>& extra) {
  requireOpen();
  HeadlessSettings wanted = own;
  wanted.config.settings.insert(wanted.config.settings.end(), extra.begin(), extra.end());
  game->configure(wanted);
  started = false;
  evaluating = true;
  return *game;
}

void ChompEnv::restoreSettings() {
  evaluating = false;
  if (!game) return;
  game->configure(own);
  game->observeDecisions(&recorder);
  started = false;
}
