#include "game/GhostSet.h"

#include <sstream>

namespace {

// The ghosts in play order, as a set's text names them.
const char* const NAMES[4] = {"red", "green", "orange", "turquoise"};

// The flag of the ghost at `index` of the play order.
bool& flag(GhostSet& set, int index) {
  bool* const flags[4] = {&set.red, &set.green, &set.orange, &set.turquoise};
  return *flags[index];
}

}  // namespace

GhostSet GhostSet::enabledIn(const GameSettings& settings) {
  const auto& on = settings.ghostEnabled;
  return GhostSet{on[RED_PLACE], on[GREEN_PLACE], on[ORANGE_PLACE], on[TURQUOISE_PLACE]};
}

bool GhostSet::parse(const std::string& text, GhostSet& set) {
  if (text == "all" || text == "none") {
    const bool on = text == "all";
    set = GhostSet{on, on, on, on};
    return true;
  }
  // Neither an empty text nor a list ending in a comma names a set.
  if (text.empty() || text.back() == ',') return false;
  GhostSet read{false, false, false, false};
  std::istringstream names(text);
  for (std::string name; std::getline(names, name, ',');) {
    int index = 0;
    while (index < 4 && name != NAMES[index]) ++index;
    if (index == 4) return false;
    flag(read, index) = true;
  }
  set = read;
  return true;
}

std::string GhostSet::name() const {
  if (red && green && orange && turquoise) return "all";
  GhostSet copy = *this;
  std::string text;
  for (int i = 0; i < 4; ++i) {
    if (flag(copy, i)) text += (text.empty() ? "" : ",") + std::string(NAMES[i]);
  }
  return text.empty() ? "none" : text;
}

std::vector<std::pair<std::string, int>> GhostSet::overrides() const {
  return {{"red_ghost", red ? 1 : 0},
          {"green_ghost", green ? 1 : 0},
          {"orange_ghost", orange ? 1 : 0},
          {"turquoise_ghost", turquoise ? 1 : 0}};
}

bool GhostSet::operator==(const GhostSet& o) const {
  return red == o.red && green == o.green && orange == o.orange && turquoise == o.turquoise;
}
