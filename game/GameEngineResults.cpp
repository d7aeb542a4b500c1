// The results file: one line per finished game, only ever appended to.

#include <unistd.h>

#include <cstdio>

#include "game/GameEngine.h"
#include "maze/GameState.h"
#include "game/ResultsFile.h"

namespace {
const char* const RESULTS_FILE = "data//gamedata.txt";
}

void GameEngine::appendResults() {
  std::string reason;
  if (appendWholeLine(RESULTS_FILE, rules.resultsLine(), reason, ::write)) return;
  // The game goes on, but a lost line is never silent.
  ++linesLost;
  std::fprintf(stderr, "Results line lost: %s: %s\n", RESULTS_FILE, reason.c_str());
}

bool GameEngine::appendResults(const char* path) const {
  std::string reason;
  return appendWholeLine(path, rules.resultsLine(), reason, ::write);
}
