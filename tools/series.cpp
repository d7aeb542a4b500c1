// Plays long unattended series without any window through the headless
// driver: the autonomous player against each ghost set (all four, each ghost
// alone, none). Game i of every set is played with seed S + i - 1, so the
// sets meet equal draws. A move cap tells a game that never ends from a long one.
//
//   build/tools/series [games per set] [move cap] [seed]
//
// Settings are the shipped data/config.txt's when it is found in the working
// folder, else the defaults; the ghost flags are set per set.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "game/HeadlessGame.h"
#include "game/OutcomeSummary.h"
#include "maze/GameState.h"

namespace {

struct GhostSet {
  const char* name;
  int red, green, orange, turquoise;
};

const GhostSet GHOST_SETS[] = {
    {"all four", 1, 1, 1, 1},       {"red alone", 1, 0, 0, 0},       {"green alone", 0, 1, 0, 0},
    {"orange alone", 0, 0, 1, 0},   {"turquoise alone", 0, 0, 0, 1}, {"none", 0, 0, 0, 0},
};

// The figures of one set beyond the summary: the longest game and the
// longest stretch without eating, which tell a stuck player from a slow one.
struct Extremes {
  long long longest = 0;
  bool longestWon = false;
  long long longestFast = 0;
  int mostFruits = 0;
  int bestScore = 0;
};

// Plays one game move by move, noting the longest stretch without eating.
GameOutcome playOne(HeadlessGame& game, unsigned seed, Extremes& x) {
  game.reset(seed);
  long long lastMeal = 0;
  int food = foodLeft;
  while (!game.ended()) {
    game.step();
    if (foodLeft != food) {
      food = foodLeft;
      lastMeal = game.outcome().moves;
    }
    if (game.outcome().moves - lastMeal > x.longestFast) x.longestFast = game.outcome().moves - lastMeal;
  }
  const GameOutcome& o = game.outcome();
  if (o.unended) std::printf("    seed %u not ended after %lld moves, %d food left\n", seed, o.moves, o.foodLeft);
  if (o.moves > x.longest) {
    x.longest = o.moves;
    x.longestWon = o.won;
  }
  if (o.fruits > x.mostFruits) x.mostFruits = o.fruits;
  if (o.score > x.bestScore) x.bestScore = o.score;
  return o;
}

std::vector<GameOutcome> playSet(const GhostSet& set, int games, long long cap, unsigned seed, Extremes& x) {
  HeadlessGame game;
  game.configure({"data/config.txt",
                  {{"red_ghost", set.red}, {"green_ghost", set.green}, {"orange_ghost", set.orange},
                   {"turquoise_ghost", set.turquoise}},
                  cap});
  std::vector<GameOutcome> outcomes;
  for (int i = 0; i < games; ++i) outcomes.push_back(playOne(game, seed + static_cast<unsigned>(i), x));
  return outcomes;
}

void printSet(const char* name, const std::vector<GameOutcome>& outcomes, const Extremes& x) {
  const OutcomeSummary s = summarizeOutcomes(outcomes);
  std::printf("%-16s games %4d  won %5.1f%% [%5.1f, %5.1f]  not ended %d  score mean %6.0f median %6.0f "
              "p10 %6.0f p90 %6.0f  mean moves %6.0f  longest %6lld (%s)  most moves without eating %6lld  "
              "most fruits %d  best score %d\n",
              name, s.games, s.wonPercent, s.wonLow, s.wonHigh, s.unended, s.scoreMean, s.scoreMedian,
              s.scoreP10, s.scoreP90, s.movesMean, x.longest, x.longestWon ? "won" : "not won", x.longestFast,
              x.mostFruits, x.bestScore);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  const int games = argc > 1 ? std::atoi(argv[1]) : 100;
  const long long cap = argc > 2 ? std::atoll(argv[2]) : 200000;
  const unsigned seed = argc > 3 ? static_cast<unsigned>(std::atoll(argv[3])) : 1;
  std::printf("%d games per ghost set, move cap %lld, seed %u\n", games, cap, seed);
  int unended = 0;
  for (const GhostSet& set : GHOST_SETS) {
    Extremes x;
    const std::vector<GameOutcome> outcomes = playSet(set, games, cap, seed, x);
    printSet(set.name, outcomes, x);
    unended += summarizeOutcomes(outcomes).unended;
  }
  return unended == 0 ? 0 : 1;
}
