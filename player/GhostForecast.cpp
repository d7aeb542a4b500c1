#include "player/GhostForecast.h"

float GhostForecast::chaseLevel(std::uint32_t nowMs) const {
  // Signed difference, so a clock that wraps round still gives the elapsed time.
  const std::int32_t elapsed = static_cast<std::int32_t>(nowMs - blueStartMs);
  return static_cast<float>(weights.chaseStart - (static_cast<double>(elapsed) / weights.blueDurationMs) * 100.0);
}

void GhostForecast::weighPath(const std::vector<MazeNode*>& kept, bool blue, const MsClock& clock) const {
  if (blue) {
    const float t = chaseLevel(clock());
    if (t >= static_cast<float>(weights.chaseFloor)) {
      // Chase: cheap and rewarding cells, fading with distance and with time.
      int k = weights.chaseFactor;
      for (MazeNode* node : kept) {
        const float c = static_cast<float>((k / 100.0) * t);
        node->bonus = static_cast<int>(c);
        node->cost = static_cast<int>(-c);
        k -= weights.chaseFactorStep;
      }
      return;
    }
  }
  // Danger: the cells nearest a hunting ghost are the worst to cross.
  int i = 0;
  for (MazeNode* node : kept) {
    node->bonus = weights.dangerBonus + weights.dangerBonusStep * i;
    node->cost = weights.dangerCost - weights.dangerCostStep * i;
    ++i;
  }
}
