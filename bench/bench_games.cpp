// Whole unattended games with four ghosts and the autonomous player at
// "fps" 100000 (no frame pause): moves per second and games per minute,
//  - GameTickOnly: the rules and the player's decisions alone, no window,
//    seeded games through the headless driver;
//  - FullProgramOffscreen: the real application loop with both windows
//    drawn through SDL's offscreen driver, so the difference is the drawing;
//  - BatchRunJobs/J: the batch runner's worker processes (chompsim --jobs J)
//    with the shipped data/config.txt, four ghosts: games per minute;
//  - BatchRunDefaults/1: the same on one worker with every setting at its
//    built-in default;
//  - BatchRunRecorded/J: BatchRunJobs/J keeping the record of every game
//    (chompsim --record all), to compare side by side with it.

#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "game/BatchRun.h"
#include "game/HeadlessGame.h"
#include "game/GameEngine.h"
#include "maze/GameState.h"
#include "gxbase/Main.h"
#include "player/MyChomper.h"

namespace fs = std::filesystem;

namespace {

const char* const CONFIG =
    "runs 10\ndata 0\ncontrol 1\nfps 100000\ndata_timeout 0\n"
    "red_ghost 1\ngreen_ghost 1\norange_ghost 1\nturquoise_ghost 1\n";

// A working folder with data/ holding the shipped sprites and the config,
// so the program finds everything where it looks: "data//...".
// Removed again when the program ends.
void enterDataFolder() {
  static bool done = false;
  static char pattern[] = "/tmp/chomp-bench-XXXXXX";
  if (done) return;
  const char* dir = mkdtemp(pattern);
  if (dir == nullptr) std::abort();
  std::atexit([] {
    std::error_code ignored;
    fs::remove_all(pattern, ignored);
  });
  fs::create_directory(fs::path(dir) / "data");
  for (const auto& entry : fs::directory_iterator(std::string(CHOMP_SOURCE_DIR) + "/data")) {
    if (entry.path().extension() == ".tga") fs::copy_file(entry.path(), fs::path(dir) / "data" / entry.path().filename());
  }
  FILE* config = std::fopen((fs::path(dir) / "data" / "config.txt").c_str(), "w");
  std::fputs(CONFIG, config);
  std::fclose(config);
  fs::current_path(dir);
  done = true;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Rates over wall-clock time: moves per second and games per minute.
void reportRates(benchmark::State& state, double moves, double games, double seconds) {
  state.counters["moves_per_s"] = moves / seconds;
  state.counters["games_per_min"] = games * 60 / seconds;
  state.counters["moves_per_game"] = moves / games;
}

// Plays whole games through the headless driver (gameTick, as the playing
// branch of the run driver does), without any window or pause; game i with seed i.
void GameTickOnly(benchmark::State& state) {
  enterDataFolder();
  long long moves = 0;
  long long won = 0;
  unsigned seed = 0;
  {
    HeadlessGame game;
    game.configure({"data/config.txt", {}, 200000});
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
      const GameOutcome outcome = game.play(++seed);
      moves += outcome.moves;
      won += outcome.won ? 1 : 0;
    }
    const double games = static_cast<double>(state.iterations());
    reportRates(state, static_cast<double>(moves), games, secondsSince(start));
    state.counters["won_share"] = static_cast<double>(won) / games;
  }
}
BENCHMARK(GameTickOnly)->Unit(benchmark::kMillisecond)->MinTime(5.0)->UseRealTime();

// Processor time of the ended worker processes so far.
double workersCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Batches of 64 seeded games (seeds 1..64, as chompsim --games 64) played by
// J worker processes with the settings of `configPath` ("" for the built-in
// defaults); the rate is over wall-clock time.
void runBatches(benchmark::State& state, const std::string& configPath, bool recorded = false) {
  BatchPlan plan;
  if (recorded) {
    plan.records.kind = RecordChoice::ALL;
    plan.recordDir = (fs::temp_directory_path() / ("bench_records_" + std::to_string(getpid()))).string();
    fs::create_directories(plan.recordDir);
  }
  plan.settings = {configPath, {}, 200000};
  plan.sets = {GhostSet{}};
  for (unsigned seed = 1; seed <= 64; ++seed) plan.seeds.push_back(seed);
  plan.jobs = static_cast<int>(state.range(0));
  BatchRun batch(plan);
  double games = 0;
  const double cpuBefore = workersCpuSeconds();
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    if (batch.run([&](std::size_t, const std::string&) { ++games; }) != BatchRun::COMPLETE) {
      state.SkipWithError(batch.failure().c_str());
    }
  }
  state.counters["games_per_min"] = games * 60 / secondsSince(start);
  // Per minute of the workers' own processor time: what one free core gives
  // when other programs share the machine.
  state.counters["games_per_cpu_min"] = games * 60 / (workersCpuSeconds() - cpuBefore);
  if (recorded) fs::remove_all(plan.recordDir);
}

// With the shipped data/config.txt.
void BatchRunJobs(benchmark::State& state) { runBatches(state, std::string(CHOMP_SOURCE_DIR) + "/data/config.txt"); }
BENCHMARK(BatchRunJobs)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->MinTime(5.0)->UseRealTime();

// The same batches, each game's record written.
void BatchRunRecorded(benchmark::State& state) {
  runBatches(state, std::string(CHOMP_SOURCE_DIR) + "/data/config.txt", true);
}
BENCHMARK(BatchRunRecorded)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->MinTime(5.0)->UseRealTime();

// With every setting at its built-in default, as chompsim runs where there is
// no data/config.txt.
void BatchRunDefaults(benchmark::State& state) { runBatches(state, ""); }
BENCHMARK(BatchRunDefaults)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(5.0)->UseRealTime();

// The game window of the real program, counting the idle calls that play a move.
class CountingEngine : public GameEngine {
 public:
  void OnIdle() override {
    const bool playing = !startScreen && !gameWon && !rules.gameLost;
    const bool over = !startScreen && (gameWon || rules.gameLost);
    GameEngine::OnIdle();
    moves += playing ? 1 : 0;
    games += over ? 1 : 0;
  }
  long long moves = 0;
  long long games = 0;
};

// The application as the program builds it, with the counting game window.
class BenchGame : public gxbase::App {
 public:
  BenchGame() : player(new MyChomper()) {}
  ~BenchGame() override {
    setChomper(nullptr);
    delete player;
  }
  void OnStart() override { setChomper(player); }
  CountingEngine engine;
  MyChomper* player;
};

// Built before main, like the program's own application object, so its game
// window is the first window and closing it ends the message loop.
BenchGame game;

// One run of the program: ten unattended games, then the program closes.
void FullProgramOffscreen(benchmark::State& state) {
  enterDataFolder();
  setenv("SDL_VIDEODRIVER", "offscreen", 1);
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    char name[] = "bench_games";
    char* argv[] = {name, nullptr};
    if (gxbase::Main::Instance().Run(1, argv) != 0) state.SkipWithError("the program did not end cleanly");
  }
  reportRates(state, static_cast<double>(game.engine.moves), static_cast<double>(game.engine.games),
              secondsSince(start));
}
BENCHMARK(FullProgramOffscreen)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
