#include "game/GhostSet.h"

#include <sstream>

namespace {

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
    while (index < 4 && name != PLAY_ORDER_NAMES[index]) ++index;
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
    if (flag(copy, i)) text += (text.empty() ? "" : ",") + std::string(PLAY_ORDER_NAMES[i]);
  }
  return text.empty() ? "none" : text;
}

std::vector<std::pair<std::string, int>> GhostSet::overrides() const {
  GhostSet copy = *this;
  std::vector<std::pair<std::string, int>> settings;
  for (int i = 0; i < GHOST_PLACES; ++i) settings.emplace_back(std::string(PLAY_ORDER_NAMES[i]) + "_ghost", flag(copy, i) ? 1 : 0);
  return settings;
}

bool GhostSet::operator==(const GhostSet& o) const {
  return red == o.red && green == o.green && orange == o.orange && turquoise == o.turquoise;
}
