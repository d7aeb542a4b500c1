#include "game/GhostSet.h"

#include <sstream>

namespace {

// The ghosts in play order with their names in a set's text.
const char* const NAMES[4] = {"red", "green", "orange", "turquoise"};

bool* flagsInPlayOrder(GhostSet& set, int index) {
  bool* flags[4] = {&set.red, &set.green, &set.orange, &set.turquoise};
  return flags[index];
}

}  // namespace

bool GhostSet::parse(const std::string& text, GhostSet& set) {
  if (text == "all" || text == "none") {
    const bool on = text == "all";
    set = GhostSet{on, on, on, on};
    return true;
  }
  GhostSet read{false, false, false, false};
  std::istringstream names(text);
  std::string name;
  int count = 0;
  while (std::getline(names, name, ',')) {
    int index = 0;
    while (index < 4 && name != NAMES[index]) ++index;
    if (index == 4) return false;
    *flagsInPlayOrder(read, index) = true;
    ++count;
  }
  // Neither an empty text nor a list ending in a comma names a set.
  if (count == 0 || text.back() == ',') return false;
  set = read;
  return true;
}

std::string GhostSet::name() const {
  GhostSet copy = *this;
  std::string text;
  for (int i = 0; i < 4; ++i) {
    if (*flagsInPlayOrder(copy, i)) text += (text.empty() ? "" : ",") + std::string(NAMES[i]);
  }
  if (text.empty()) return "none";
  return red && green && orange && turquoise ? "all" : text;
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
