#include "game/RecordChoice.h"

#include <algorithm>
#include <sstream>

#include "game/SeedRange.h"

bool RecordChoice::parse(const std::string& text, RecordChoice& choice) {
  const struct { const char* name; Kind kind; } words[] = {{"all", ALL}, {"lost", LOST}, {"unended", UNENDED}};
  for (const auto& word : words) {
    if (text != word.name) continue;
    choice = RecordChoice{word.kind, {}};
    return true;
  }
  RecordChoice seeds{SEEDS, {}};
  std::istringstream items(text);
  for (std::string item; std::getline(items, item, ',');) {
    if (item.empty() || item.size() > 10 || item.find_first_not_of("0123456789") != std::string::npos) return false;
    const unsigned long long seed = std::stoull(item);
    if (seed < kFirstSeed || seed > kLastSeed) return false;
    seeds.seeds.push_back(static_cast<unsigned>(seed));
  }
  if (seeds.seeds.empty() || text.back() == ',') return false;
  choice = seeds;
  return true;
}

bool RecordChoice::mayKeep(unsigned seed) const {
  if (kind == SEEDS) return std::find(seeds.begin(), seeds.end(), seed) != seeds.end();
  return kind != NONE;
}

bool RecordChoice::keeps(const GameOutcome& o) const {
  switch (kind) {
    case ALL: return true;
    case LOST: return o.lost;
    case UNENDED: return o.unended;
    case SEEDS: return mayKeep(o.seed);
    default: return false;
  }
}
