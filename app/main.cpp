// The program: the one application object, built before main runs, and the
// framework's entry, which sends reports to standard output and runs it.

#include <CLI/CLI.hpp>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/MyGame.h"
#include "player/DrivenChomper.h"
#include "player/Window.h"
#include "game/CommandLine.h"
#include "game/GameRecord.h"
#include "game/RecordReplay.h"
#include "game/RecordWatch.h"
#include "game/VideoEncoder.h"
#include "player/PlayerParameters.h"

static MyGame game;

namespace {

struct GameOptions {
  std::string recordDir;
  std::string watchFile;
  std::string variant;
  WatchOptions watch;
  FilmOptions film;
};

void addOptions(CLI::App& app, GameOptions& options) {
  app.add_option("--record", options.recordDir,
                 "write the record of every game played into DIR (made when missing); games are seeded")
      ->type_name("DIR");
  app.add_option("--player", options.variant,
                 "the built-in player's parameters, NAME=VALUE[,NAME=VALUE...] (README.md lists them), "
                 "as chompsim's table names a variant; default: the default player")
      ->type_name("VARIANT");
  app.add_option("--watch", options.watchFile, "show the game of a record instead of playing one")
      ->type_name("FILE.rec");
  app.add_option("--speed", options.watch.speed, "watch at X times the record's own pace (keys: up faster, down slower)")
      ->type_name("X")->check(CLI::Range(1.0 / 64, 4096.0).description(""));
  app.add_option("--from", options.watch.fromMove, "start watching at move M, played without drawing up to there")
      ->type_name("M")->check(CLI::NonNegativeNumber.description(""));
  app.add_option("--hold", options.watch.holdSeconds, "after the watched game's end, close after S seconds "
                 "(default: the picture stays until the window is closed)")
      ->type_name("S")->check(CLI::NonNegativeNumber.description(""));
  app.add_option("--video", options.film.path, "film the watched game into FILE (.mp4 or .gif) through ffmpeg, "
                 "both windows side by side, drawn offscreen")
      ->type_name("FILE");
  app.add_option("--last", options.film.lastSeconds, "film only the last S seconds of the game at its own pace")
      ->type_name("S")->check(CLI::PositiveNumber.description(""));
  app.footer("Watching a record: blank pauses and resumes, right arrow or N goes one decision point on,\n"
             "up arrow or + watches faster, down arrow or - slower.\n"
             "Example, to play yourself with the arrow keys: --set control=0 --set runs=0");
}

// The record to watch, checked by playing it through once without a window;
// null (and the reason said) for a record refused.
std::unique_ptr<RecordWatch> watchOf(const GameOptions& options) {
  GameRecord record;
  std::string error;
  if (!GameRecord::load(options.watchFile, record, &error)) {
    std::fprintf(stderr, "chompgame: %s\n", error.c_str());
    return nullptr;
  }
  const ReplayReport report = replayRecord(record);
  if (!report.same) {
    std::fprintf(stderr, "chompgame: %s: refused: %s\n", options.watchFile.c_str(), report.problem.c_str());
    return nullptr;
  }
  WatchOptions watching = options.watch;
  if (options.film.lastSeconds > 0) {
    const double moves = options.film.lastSeconds * 1000.0 / std::max(1, record.settings.framePeriodMs);
    watching.fromMove = std::max(0LL, record.outcome.moves - static_cast<long long>(moves));
  }
  auto watch = std::make_unique<RecordWatch>(std::move(record), watching);
  if (!options.film.path.empty()) watch->film(options.film);
  return watch;
}

// Bad usage of the options that go with --watch; "" when there is none.
std::string watchProblem(const CLI::App& app, const GameOptions& options) {
  if (options.watchFile.empty()) {
    for (const char* name : {"--speed", "--from", "--hold", "--video", "--last"}) {
      if (app.count(name) > 0) return std::string(name) + " goes with --watch";
    }
    return "";
  }
  if (app.count("--set") > 0 || app.count("--record") > 0 || app.count("--player") > 0) {
    return "--watch shows the record's game with the record's settings and player: no --set, no --record, "
           "no --player";
  }
  if (app.count("--last") > 0 && (app.count("--video") == 0 || app.count("--from") > 0)) {
    return "--last goes with --video, and not with --from";
  }
  if (!options.film.path.empty() && !VideoEncoder::knownFormat(options.film.path)) {
    return "--video " + options.film.path + ": the name must end in .mp4 or .gif";
  }
  return "";
}

}  // namespace

int main(int argc, char** argv) {
  CommandLine commandLine("Chomp: a maze-chase game played by you or by an A* player");
  GameOptions options;
  addOptions(commandLine.options(), options);
  const int status = commandLine.parse(argc, argv);
  if (status != CommandLine::kRun) return status;
  const CLI::App& app = commandLine.options();
  std::string problem = watchProblem(app, options);
  if (!problem.empty()) return commandLine.usageError(problem);
  PlayerParameters parameters;
  if (!PlayerParameters::parse(options.variant, parameters, &problem)) {
    return commandLine.usageError("--player " + options.variant + ": " + problem);
  }
  game.myChomper->setParameters(parameters);
  if (!options.film.path.empty()) {
    if (!VideoEncoder::ffmpegInstalled()) {
      std::fputs("chompgame: making a video needs ffmpeg, which is not installed here: install Debian's "
                 "package ffmpeg (scripts/deps does)\n", stderr);
      return 1;
    }
    // A film is drawn offscreen, whatever the display, into windows made at
    // their size at once: an offscreen window keeps the size it was made with.
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    game.engine.SetSize(380, 460);
    game.myChomper->getWindow()->SetSize(380, 460);
  }
  std::error_code error;
  if (!options.recordDir.empty() && !std::filesystem::is_directory(options.recordDir, error) &&
      !std::filesystem::create_directories(options.recordDir, error)) {
    return commandLine.usageError("--record " + options.recordDir + ": cannot be made (" + error.message() + ")");
  }
  std::unique_ptr<RecordWatch> watch;
  if (!options.watchFile.empty()) {
    watch = watchOf(options);
    if (!watch) return 1;
  }
  game.engine.configSource = commandLine.configSource();
  game.engine.recordDir = options.recordDir;
  game.engine.watch = watch.get();
  return gxbase::Entry(argc, argv);
}
