// Filming a record (chompgame --watch FILE --video OUT.mp4): the real
// program's loop with both windows drawn offscreen, read back and encoded
// by ffmpeg, for the whole of one recorded game with the shipped settings
// (fps 60). Frames drawn and encoded per second, and the game's seconds at
// its own pace filmed per second of real time (`times_game_pace`).

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/MyGame.h"
#include "game/GameRecorder.h"
#include "game/HeadlessGame.h"
#include "game/RecordWatch.h"
#include "game/VideoEncoder.h"
#include "gxbase/Main.h"
#include "maze/GameState.h"
#include "player/DrivenChomper.h"
#include "player/Window.h"

namespace {

namespace fs = std::filesystem;

// Built before main, like the program's own application object.
MyGame game;

// Processor seconds of this process, or of its ended children (ffmpeg).
double cpuSeconds(int who) {
  rusage usage{};
  getrusage(who, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Seed 2 with the shipped settings, kept as chompsim --record keeps it.
GameRecord recordedGame() {
  HeadlessGame headless;
  headless.configure({{std::string(CHOMP_SOURCE_DIR) + "/data/config.txt", {}}, 200000});
  GameRecorder recorder;
  headless.observeDecisions(&recorder);
  recorder.begin("builtin", 2, 200000);
  const GameOutcome outcome = headless.play(2);
  headless.observeDecisions(nullptr);
  return recorder.finish(outcome);
}

void FilmOfAWholeGame(benchmark::State& state) {
  if (!VideoEncoder::ffmpegInstalled()) {
    state.SkipWithError("ffmpeg is not installed");
    return;
  }
  // The sprites are found under data/ of the working folder.
  fs::current_path(CHOMP_SOURCE_DIR);
  setenv("SDL_VIDEODRIVER", "offscreen", 1);
  const GameRecord record = recordedGame();
  const std::string path = (fs::temp_directory_path() / ("bench_film_" + std::to_string(getpid()) + ".mp4")).string();
  RecordWatch watch(record, WatchOptions{});
  watch.film(FilmOptions{path, -1});
  game.engine.watch = &watch;
  game.engine.SetSize(380, 460);
  game.myChomper->getWindow()->SetSize(380, 460);
  const double drawingBefore = cpuSeconds(RUSAGE_SELF);
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    char name[] = "bench_film";
    char* argv[] = {name, nullptr};
    if (gxbase::Main::Instance().Run(1, argv) != 0) state.SkipWithError("the video was not made");
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double gameSeconds = record.outcome.moves * std::max(1, record.settings.framePeriodMs) / 1000.0;
  state.counters["frames"] = static_cast<double>(watch.filmFrames());
  state.counters["frames_per_s"] = watch.filmFrames() / seconds;
  state.counters["times_game_pace"] = gameSeconds / seconds;
  // The program draws while ffmpeg encodes: on two free cores the slower of
  // the two sets the pace. Their processor times say what that pace is
  // when other programs share the machine.
  const double drawing = cpuSeconds(RUSAGE_SELF) - drawingBefore;
  const double encoding = cpuSeconds(RUSAGE_CHILDREN);
  state.counters["drawing_cpu_s"] = drawing;
  state.counters["encoding_cpu_s"] = encoding;
  state.counters["times_game_pace_two_free_cores"] = gameSeconds / std::max(drawing, encoding);
  fs::remove(path);
}
BENCHMARK(FilmOfAWholeGame)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
