// The results file: one line per finished game, only ever appended to.

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "actors/Chomper.h"
#include "game/GameEngine.h"
#include "maze/GameState.h"

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

void GameEngine::appendResults() { appendResults(RESULTS_FILE); }

bool GameEngine::appendResults(const char* path) const {
  // One write() on an O_APPEND descriptor: lines of several programs
  // appending to the same file at once never interleave. Non-blocking, so a
  // named pipe without a reader loses the line instead of stopping the game.
  const int fd = open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
  if (fd < 0) return false;  // the line is lost; the game goes on
  const std::string line = resultsLine();
  const ssize_t written = write(fd, line.data(), line.size());
  close(fd);
  return written == static_cast<ssize_t>(line.size());
}
