#include "game/GameRecorder.h"

#include "actors/Chomper.h"
#include "game/GameRules.h"
#include "maze/GameState.h"
#include "player/MyChomper.h"

namespace {

int countCode(const int* grid, int code) {
  int n = 0;
  for (int i = 0; i < MAZE_CELLS; ++i) n += grid[i] == code ? 1 : 0;
  return n;
}

}  // namespace

void GameRecorder::begin(const std::string& player, unsigned seed, long long maxMoves) {
  kept = GameRecord{};
  kept.player = player;
  kept.seed = seed;
  kept.maxMoves = maxMoves;
  kept.settings = gameSettings;
  // The parameters of the built-in player that is the game's chomper.
  if (const auto* builtin = dynamic_cast<const MyChomper*>(chomper)) kept.parameters = builtin->getParameters();
  kept.outcome.seed = seed;
}

void GameRecorder::decided(const DecisionPoint& point) {
  kept.decisions.push_back({point.move, point.direction, point.check});
}

const GameRecord& GameRecorder::finish(const GameOutcome& outcome, bool stopped) {
  kept.outcome = outcome;
  kept.outcome.seed = kept.seed;
  kept.stopped = stopped;
  if (stopped) kept.outcome.unended = false;
  return kept;
}

GameOutcome GameRecorder::outcomeOf(const GameRules& rules, unsigned seed) {
  GameOutcome o;
  o.seed = seed;
  rules.noteOutcome(o);
  o.moves = rules.movesPlayed;
  // Food never comes back within a game: what is gone from the level was eaten.
  o.dots = countCode(mazeTemplate, CELL_DOT) - countCode(maze, CELL_DOT);
  o.pills = countCode(mazeTemplate, CELL_POWERPILL) - countCode(maze, CELL_POWERPILL);
  return o;
}
