// The results file: one line per finished game, only ever appended to.

#include <cstdio>

#include "game/GameEngine.h"
#include "maze/GameState.h"

namespace {
const char* const RESULTS_FILE = "data//gamedata.txt";
}

void GameEngine::appendResults() {
  std::string reason;
  if (rules.appendResults(RESULTS_FILE, reason)) return;
  // The game goes on, but a lost line is never silent.
  ++linesLost;
  std::fprintf(stderr, "Results line lost: %s: %s\n", RESULTS_FILE, reason.c_str());
}

bool GameEngine::appendResults(const char* path) const {
  std::string reason;
  return rules.appendResults(path, reason);
}
