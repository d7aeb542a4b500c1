// How long one move decision of the autonomous player takes, on positions
// taken from simulated play: the start of a game, the middle of a game with
// four ghosts hunting, and the late game where the food phase searches the
// whole maze; and every position of the simulated games, for the average
// over real play. Each iteration restores one captured position (not timed)
// and times one `decide` with the player's search, then restores it again and
// times one `decide` with the reference search of the tests, so both are
// measured side by side on the same positions under the same load.
// Counters: mean_us and max_us per decision, slowest_position_us (the mean
// time of the slowest position), the same three for the reference search
// (oracle_...), speedup, the reference's mean over the player's, and
// timer_overhead_us (below).
//
// Times are the thread's CPU time: on a machine shared with other work, wall
// time also counts the moments the thread was not running at all. Reading
// that clock is a system call, and a reading taken just before and one just
// after nothing at all are well over a microsecond apart; that interval,
// measured at the start (timer_overhead_us), is taken off every decision.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <time.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "actors/Ghost.h"
#include "game/HeadlessGame.h"
#include "maze/GameState.h"
#include "player/MyChomper.h"
#include "tests/player/OracleSearch.h"

namespace {

struct ActorState {
  int x, y, direction, slowDown;
  bool blue, active;
};

struct NodeState {
  int code, reward;
  bool eaten;
};

// Everything a decision reads, captured just before a decision in play.
struct Position {
  std::vector<int> grid;
  ActorState chomperState;
  int score;
  ActorState ghostStates[4];
  bool fruit;
  std::vector<NodeState> nodes;
};

enum Phase { EARLY, MID, LATE, ALL };

// Real games played by the game's own rules through the headless driver,
// recording the position before every decision.
class SimulatedGame {
 public:
  SimulatedGame() {
    game.configure({"", {{"n_moves_blue_ghosts", 100}, {"n_moves_ghost_appears", 50}}, 30000});
  }

  // Puts this game's actors into the game state.
  void attach() { setChomper(&game.player()); }
  // Plays one game from the start and records the position before every decision.
  void play(unsigned seed, std::vector<Position> (&out)[4]);
  void restore(const Position& p);
  MyChomper& chomperPlayer() { return game.player(); }
  Position capture();

 private:
  static ActorState stateOf(const Player& a, bool blue, bool active) {
    return ActorState{a.getX(), a.getY(), a.getDirection(), a.getSlowDownFactor(), blue, active};
  }

  HeadlessGame game;
};

void SimulatedGame::play(unsigned seed, std::vector<Position> (&out)[4]) {
  game.reset(seed);
  game.player().setClock([] { return std::uint32_t{0}; });  // blue periods stay fresh
  int decisions = 0;
  while (game.toDecision()) {
    Position p = capture();
    game.builtinDirection();
    const Phase phase = game.player().usedFoodPhase() ? LATE : decisions < 40 ? EARLY : MID;
    if (phase != MID || (foodLeft < 120 && foodLeft > 40)) out[phase].push_back(p);
    out[ALL].push_back(std::move(p));
    ++decisions;
    game.step();
  }
}

void SimulatedGame::restore(const Position& p) {
  std::copy(p.grid.begin(), p.grid.end(), maze);
  MyChomper* player = &game.player();
  player->setPosition(p.chomperState.x, p.chomperState.y);
  player->setDirection(p.chomperState.direction);
  player->setScore(p.score);
  // Every decision is timed as if its ghost predictions had never been made
  // before; in real play some of them are looked up.
  player->forgetKeptPredictions();
  const auto ghosts = ghostsInPlayOrder();
  for (int i = 0; i < 4; ++i) {
    const ActorState& s = p.ghostStates[i];
    ghosts[i]->setPosition(s.x, s.y);
    ghosts[i]->setDirection(s.direction);
    ghosts[i]->setSlowDownFactor(s.slowDown);
    ghosts[i]->setBlue(s.blue);
    ghosts[i]->setActive(s.active);
  }
  fruitShown = p.fruit;
  const auto& nodes = player->getNodes();
  for (std::size_t i = 0; i < nodes.size() && i < p.nodes.size(); ++i) {
    nodes[i]->code = p.nodes[i].code;
    nodes[i]->reward = p.nodes[i].reward;
    nodes[i]->eaten = p.nodes[i].eaten;
  }
}

Position SimulatedGame::capture() {
  Position p;
  p.grid.assign(maze, maze + MAZE_CELLS);
  const MyChomper* player = &game.player();
  p.chomperState = stateOf(*player, false, true);
  p.score = player->getScore();
  const auto ghosts = ghostsInPlayOrder();
  for (int i = 0; i < 4; ++i) {
    p.ghostStates[i] = stateOf(*ghosts[i], ghosts[i]->isBlue(), ghosts[i]->isActive());
  }
  p.fruit = fruitShown;
  for (const MazeNode* n : player->getNodes()) p.nodes.push_back({n->code, n->reward, n->eaten});
  return p;
}

struct Positions {
  std::unique_ptr<SimulatedGame> game;
  std::vector<Position> byPhase[4];
};

// Plays games with fixed seeds until every phase has enough positions.
Positions& positions() {
  static Positions all = [] {
    Positions p;
    p.game = std::make_unique<SimulatedGame>();
    for (unsigned seed = 1; seed <= 40; ++seed) {
      p.game->play(seed, p.byPhase);
      if (p.byPhase[LATE].size() >= 200 && p.byPhase[MID].size() >= 200) break;
    }
    return p;
  }();
  return all;
}

double threadSeconds() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// What a timed interval with nothing in it measures: the median of many.
double timerOverhead() {
  static const double overhead = [] {
    std::vector<double> empty(2001);
    for (double& e : empty) {
      const double start = threadSeconds();
      e = threadSeconds() - start;
    }
    std::nth_element(empty.begin(), empty.begin() + 1000, empty.end());
    return empty[1000];
  }();
  return overhead;
}

// Kept out of line so profilers can single out the timed call.
__attribute__((noinline)) void timedDecide(MyChomper& player) { player.decide(); }

// Times of one search's decisions over the positions of a list.
struct Timing {
  explicit Timing(std::size_t positions) : seconds(positions, 0.0), runs(positions, 0) {}
  double total = 0.0, worst = 0.0;
  // Per position, so that the slowest position is told apart from a single
  // decision the system happened to interrupt.
  std::vector<double> seconds;
  std::vector<int> runs;

  double decide(SimulatedGame& game, const Position& p, std::size_t at) {
    game.restore(p);
    const double start = threadSeconds();
    timedDecide(game.chomperPlayer());
    const double end = threadSeconds();
    const double elapsed = std::max(0.0, end - start - timerOverhead());
    total += elapsed;
    worst = std::max(worst, elapsed);
    seconds[at] += elapsed;
    ++runs[at];
    return elapsed;
  }
  void report(benchmark::State& state, const std::string& prefix) const {
    double slowest = 0.0;
    for (std::size_t i = 0; i < seconds.size(); ++i) {
      if (runs[i] > 0) slowest = std::max(slowest, seconds[i] / runs[i]);
    }
    state.counters[prefix + "mean_us"] = total * 1e6 / static_cast<double>(state.iterations());
    state.counters[prefix + "max_us"] = worst * 1e6;
    state.counters[prefix + "slowest_position_us"] = slowest * 1e6;
  }
};

void decideOn(benchmark::State& state, Phase phase) {
  Positions& all = positions();
  const std::vector<Position>& list = all.byPhase[phase];
  if (list.empty()) {
    state.SkipWithError("no positions of this phase were reached");
    return;
  }
  all.game->attach();
  MyChomper& player = all.game->chomperPlayer();
  OracleSearch reference;
  const bool withOracle = std::getenv("BENCH_DECIDE_NO_ORACLE") == nullptr;
  timerOverhead();  // measured before any decision is timed
  std::size_t next = 0;
  Timing fast(list.size()), oracle(list.size());
  for (auto _ : state) {
    const std::size_t at = next;
    next = (next + 1) % list.size();
    state.SetIterationTime(fast.decide(*all.game, list[at], at));
    player.setSearchStandIn(&reference);
    if (withOracle) oracle.decide(*all.game, list[at], at);
    player.setSearchStandIn(nullptr);
  }
  state.counters["positions"] = static_cast<double>(list.size());
  fast.report(state, "");
  oracle.report(state, "oracle_");
  state.counters["speedup"] = oracle.total / fast.total;
  state.counters["timer_overhead_us"] = timerOverhead() * 1e6;
}

void BM_DecideEarlyGame(benchmark::State& state) { decideOn(state, EARLY); }
void BM_DecideMidGameFourGhosts(benchmark::State& state) { decideOn(state, MID); }
void BM_DecideLateGameFoodPhase(benchmark::State& state) { decideOn(state, LATE); }
void BM_DecideEveryPositionOfWholeGames(benchmark::State& state) { decideOn(state, ALL); }

}  // namespace

// BENCH_DECIDE_ITERATIONS=n fixes the number of decisions per benchmark, so
// that an instruction-counting profiler sees the same work on every run.
// BENCH_DECIDE_NO_ORACLE=1 leaves the reference search out, so that a
// profile shows the player's decision alone (the oracle_ counters and
// speedup are then meaningless).
int main(int argc, char** argv) {
  const char* fixed = std::getenv("BENCH_DECIDE_ITERATIONS");
  for (auto* b : {benchmark::RegisterBenchmark("BM_DecideEarlyGame", BM_DecideEarlyGame),
                  benchmark::RegisterBenchmark("BM_DecideMidGameFourGhosts",
                                               BM_DecideMidGameFourGhosts),
                  benchmark::RegisterBenchmark("BM_DecideLateGameFoodPhase",
                                               BM_DecideLateGameFoodPhase),
                  benchmark::RegisterBenchmark("BM_DecideEveryPositionOfWholeGames",
                                               BM_DecideEveryPositionOfWholeGames)}) {
    b->UseManualTime()->Unit(benchmark::kMicrosecond);
    if (fixed != nullptr) b->Iterations(std::atoi(fixed));
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
