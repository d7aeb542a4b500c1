#include "player/MyChomper.h"

#include <chrono>

#include "player/GameQueries.h"
#include "player/Window.h"

namespace {

std::uint32_t steadyClockMs() {
  using namespace std::chrono;
  const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch());
  return static_cast<std::uint32_t>(ms.count());
}

}  // namespace

MyChomper::MyChomper()
    : havePlan(false),
      newGameSeen(false),
      clock(steadyClockMs) {
  window = std::make_unique<Window>(this);
}

void MyChomper::setParameters(const PlayerParameters& p) {
  const bool newCut = p.ghostPathLength != parameters.ghostPathLength;
  parameters = p;
  model.setRewards(p);
  forecast.setParameters(p);
  // The kept predictions were cut to the old path length.
  if (newCut) forgetKeptPredictions();
}

MyChomper::~MyChomper() {
  // The window goes first, then the nodes; the lists only refer to nodes.
  window.reset();
  plan.clear();
  for (SearchSlot& slot : slots) slot.result.clear();
}
