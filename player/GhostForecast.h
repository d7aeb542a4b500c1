#pragma once
// How the player weighs the ghosts' forecast paths: the blue period's watch
// (its clock starts at the first decision that sees the ghosts blue) and the
// bonus and cost a ghost's predicted path puts on its cells, a chase while
// blue ghosts are still worth it, a danger otherwise.

#include <cstdint>
#include <functional>
#include <vector>

#include "player/MazeNode.h"
#include "player/PlayerParameters.h"

class GhostForecast {
 public:
  // Milliseconds of a monotonic clock; replaceable so tests control time.
  using MsClock = std::function<std::uint32_t()>;

  // Starts the blue clock at the first sight of blue ghosts (the only time
  // `clock` is read); forgets it when they are not blue.
  void watchBlue(bool blue, const MsClock& clock) {
    if (blue && !blueSeen) {
      blueStartMs = clock();
      blueSeen = true;
    }
    if (!blue) blueSeen = false;
  }
  // Nothing seen, as at the start of a game.
  void restart() {
    blueSeen = false;
    blueStartMs = 0;
  }
  // The weights' parameters (the danger and chase weights, the blue period's length).
  void setParameters(const PlayerParameters& p) { weights = p; }
  bool isBlueSeen() const { return blueSeen; }
  std::uint32_t blueStart() const { return blueStartMs; }

  // Writes bonus and cost on a ghost's kept path; `clock` is read only when
  // the ghosts are blue.
  void weighPath(const std::vector<MazeNode*>& kept, bool blue, const MsClock& clock) const;

 private:
  // How eagerly blue ghosts are chased: chaseStart at the start of the
  // period, falling by 100 over its expected duration.
  float chaseLevel(std::uint32_t nowMs) const;

  bool blueSeen = false;
  std::uint32_t blueStartMs = 0;
  PlayerParameters weights;
};
