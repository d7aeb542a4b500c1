#pragma once
// A one-line progress bar on standard error: games done of the total,
// games per second and the time left. Draws nothing unless standard error
// is a terminal, so logs and pipes get no control characters.

#include <chrono>
#include <cstddef>

class ProgressBar {
 public:
  explicit ProgressBar(std::size_t total);
  // `done` games are finished; redraws at most ten times a second.
  void update(std::size_t done);
  // Clears the bar, leaving the line empty for what follows.
  void finish();

 private:
  void draw(std::size_t done, double seconds);

  std::size_t total;
  bool shown;
  bool drawn = false;
  std::chrono::steady_clock::time_point start;
  std::chrono::steady_clock::time_point lastDraw;
};
