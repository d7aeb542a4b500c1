// Plays long unattended series without any window: the autonomous player
// against each ghost set (all four, each ghost alone, none), calling
// gameTick directly as the run driver does while playing. A move cap tells
// a game that never ends from a long one.
//
//   build/tools/series [games per set] [move cap] [seed]
//
// Settings are the shipped data/config.txt's when it is found in the working
// folder, else the defaults; ghost flags and "control" are set per set. The
// player's millisecond clock advances by one frame period per move, as it
// would in the real program at the configured "fps".

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "actors/Ghost.h"
#include "game/GameEngine.h"
#include "maze/GameState.h"
#include "player/MyChomper.h"

namespace {

struct GhostSet {
  const char* name;
  bool red, green, orange, turquoise;
};

const GhostSet GHOST_SETS[] = {
    {"all four", true, true, true, true},   {"red alone", true, false, false, false},
    {"green alone", false, true, false, false}, {"orange alone", false, false, true, false},
    {"turquoise alone", false, false, false, true}, {"none", false, false, false, false},
};

struct Outcome {
  long long moves = 0;
  long long longestFast = 0;  // most moves in a row without eating
  size_t fastCells = 0;       // cells the chomper stood on during that stretch
  int fruits = 0;             // bonus fruits eaten
  bool won = false;
  bool ended = true;
  int score = 0;
};

struct SetSummary {
  int games = 0;
  int wins = 0;
  int unended = 0;
  long long longest = 0;
  bool longestWon = false;
  long long longestFast = 0;
  size_t fastCells = 0;
  int mostFruits = 0;
  long long totalMoves = 0;
  int bestScore = 0;

  // Takes in the figures of another summary (a single game is a summary of one).
  void add(const SetSummary& other) {
    games += other.games;
    wins += other.wins;
    unended += other.unended;
    totalMoves += other.totalMoves;
    if (other.longest > longest) {
      longest = other.longest;
      longestWon = other.longestWon;
    }
    if (other.longestFast > longestFast) {
      longestFast = other.longestFast;
      fastCells = other.fastCells;
    }
    if (other.mostFruits > mostFruits) mostFruits = other.mostFruits;
    if (other.bestScore > bestScore) bestScore = other.bestScore;
  }
};

SetSummary summaryOf(const Outcome& o) {
  SetSummary s;
  s.games = 1;
  s.wins = o.won ? 1 : 0;
  s.unended = o.ended ? 0 : 1;
  s.totalMoves = s.longest = o.moves;
  s.longestWon = o.won;
  s.longestFast = o.longestFast;
  s.fastCells = o.fastCells;
  s.mostFruits = o.fruits;
  s.bestScore = o.score;
  return s;
}

// What a game that hit the cap looked like at its end, for the report.
void describeUnended(const MyChomper& player, long long moves) {
  std::printf("    game not ended after %lld moves: chomper at (%d, %d) going %d, %d food left, "
              "score %d, attack mode %d\n",
              moves, player.getX(), player.getY(), player.getDirection(), foodLeft, player.getScore(),
              attackMode ? 1 : 0);
  for (Ghost* ghost : GameEngine::ghostsInPlayOrder()) {
    if (ghost == nullptr) continue;
    std::printf("      ghost at (%d, %d) going %d, blue %d, active %d\n", ghost->getX(), ghost->getY(),
                ghost->getDirection(), ghost->isBlue() ? 1 : 0, ghost->isActive() ? 1 : 0);
  }
}

Outcome playOne(GameEngine& engine, MyChomper& player, long long cap, std::uint32_t& clockMs) {
  engine.resetGame();
  engine.startScreen = false;
  Outcome outcome;
  long long lastMeal = 0;
  int food = foodLeft;
  std::set<int> cellsSinceMeal;
  while (!gameWon && !engine.gameLost) {
    if (outcome.moves == cap) {
      outcome.ended = false;
      describeUnended(player, outcome.moves);
      break;
    }
    const bool fruitWasShown = fruitShown;
    engine.gameTick();
    if (fruitWasShown && !fruitShown) ++outcome.fruits;
    clockMs += static_cast<std::uint32_t>(engine.framePeriodMs);
    ++outcome.moves;
    if (foodLeft != food) {
      food = foodLeft;
      lastMeal = outcome.moves;
      cellsSinceMeal.clear();
    }
    cellsSinceMeal.insert(player.getX() / CELL_SIZE + MAZE_COLS * (player.getY() / CELL_SIZE));
    if (outcome.moves - lastMeal > outcome.longestFast) {
      outcome.longestFast = outcome.moves - lastMeal;
      outcome.fastCells = cellsSinceMeal.size();
    }
  }
  outcome.won = gameWon;
  outcome.score = player.getScore();
  return outcome;
}

void configure(GameEngine& engine, const GhostSet& set) {
  engine.readConfig();  // the shipped settings, or the defaults
  engine.applyConfigValue("control", 1);
  engine.applyConfigValue("red_ghost", set.red ? 1 : 0);
  engine.applyConfigValue("green_ghost", set.green ? 1 : 0);
  engine.applyConfigValue("orange_ghost", set.orange ? 1 : 0);
  engine.applyConfigValue("turquoise_ghost", set.turquoise ? 1 : 0);
}

SetSummary playSet(const GhostSet& set, int games, long long cap, unsigned seed) {
  MyChomper player;
  std::uint32_t clockMs = 0;
  player.setClock([&clockMs] { return clockMs; });
  setChomper(&player);
  SetSummary summary;
  {
    GameEngine engine;
    srand(seed);  // after the engine, whose frame timer seeds with the time
    configure(engine, set);
    engine.createGhosts();
    for (int g = 0; g < games; ++g) {
      summary.add(summaryOf(playOne(engine, player, cap, clockMs)));
    }
  }
  setChomper(nullptr);
  return summary;
}

void printSummary(const char* name, const SetSummary& s) {
  std::printf("%-16s games %4d  won %4d  lost %4d  not ended %d  longest %6lld moves (%s)  mean %5.0f  "
              "most moves without eating %6lld (over %zu cells)  most fruits %d  best score %d\n",
              name, s.games, s.wins, s.games - s.wins - s.unended, s.unended, s.longest,
              s.longestWon ? "won" : "not won", s.games > 0 ? double(s.totalMoves) / s.games : 0.0,
              s.longestFast, s.fastCells, s.mostFruits, s.bestScore);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  const int games = argc > 1 ? std::atoi(argv[1]) : 100;
  const long long cap = argc > 2 ? std::atoll(argv[2]) : 200000;
  const unsigned seed = argc > 3 ? static_cast<unsigned>(std::atoll(argv[3])) : 1;
  std::printf("%d games per ghost set, move cap %lld, seed %u\n", games, cap, seed);
  SetSummary total;
  for (const GhostSet& set : GHOST_SETS) {
    const SetSummary s = playSet(set, games, cap, seed);
    printSummary(set.name, s);
    total.add(s);
  }
  printSummary("all sets", total);
  return total.unended == 0 ? 0 : 1;
}
