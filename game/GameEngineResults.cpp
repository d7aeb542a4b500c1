// The results file: one line per finished game, only ever appended to.

#include <unistd.h>

#include <cstdio>

#include "actors/Chomper.h"
#include "game/GameEngine.h"
#include "maze/GameState.h"
#include "game/ResultsFile.h"

namespace {
const char* const RESULTS_FILE = "data//gamedata.txt";
}

std::string GameEngine::resultsLine() const {
  // Won, then the ghosts taking part in the order red, orange, green,
  // turquoise, then the score. A game won and lost in one move counts as won.
  char line[32] = {
      gameWon ? '1' : '0', ' ',
      redGhost != nullptr ? '1' : '0', ' ',
      orangeGhost != nullptr ? '1' : '0', ' ',
      greenGhost != nullptr ? '1' : '0', ' ',
      turquoiseGhost != nullptr ? '1' : '0', ' '};
  const int score = chomper != nullptr ? chomper->getScore() : 0;
  const int length = std::snprintf(line + 10, sizeof line - 10, "%d\n", score);
  return std::string(line, 10 + length);
}

void GameEngine::appendResults() {
  std::string reason;
  if (appendWholeLine(RESULTS_FILE, resultsLine(), reason, ::write)) return;
  // The game goes on, but a lost line is never silent.
  ++linesLost;
  std::fprintf(stderr, "Results line lost: %s: %s\n", RESULTS_FILE, reason.c_str());
}

bool GameEngine::appendResults(const char* path) const {
  std::string reason;
  return appendWholeLine(path, resultsLine(), reason, ::write);
}
