#include "player/PlayerParameters.h"

#include <cstdlib>

namespace {

// The ranges keep the player working: food must be worth something or it
// would never be seen eaten, hazards never attract, the search's costs and
// scores stay far from overflowing, and a path or window is never empty.
const std::vector<PlayerParameters::Field> FIELDS = {
    {"ghostPathLength", &PlayerParameters::ghostPathLength, 1, 20},
    {"localRadius", &PlayerParameters::localRadius, 1, 22},
    {"blueDurationMs", &PlayerParameters::blueDurationMs, 1, 100000},
    {"dotReward", &PlayerParameters::dotReward, 1, 1000},
    {"pillReward", &PlayerParameters::pillReward, 1, 1000},
    {"fruitReward", &PlayerParameters::fruitReward, 0, 1000},
    {"hazardReward", &PlayerParameters::hazardReward, -1000, 0},
    {"dangerBonus", &PlayerParameters::dangerBonus, -1000, 0},
    {"dangerBonusStep", &PlayerParameters::dangerBonusStep, 0, 200},
    {"dangerCost", &PlayerParameters::dangerCost, 0, 1000},
    {"dangerCostStep", &PlayerParameters::dangerCostStep, 0, 200},
    {"chaseFactor", &PlayerParameters::chaseFactor, 0, 100},
    {"chaseFactorStep", &PlayerParameters::chaseFactorStep, 0, 100},
    {"chaseStart", &PlayerParameters::chaseStart, 0, 1000},
    {"chaseFloor", &PlayerParameters::chaseFloor, 0, 1000},
};

void say(std::string* error, const std::string& text) {
  if (error != nullptr) *error = text;
}

// An optional minus sign and decimal digits, within int.
bool wholeNumber(const std::string& text, int& value) {
  const std::size_t digits = !text.empty() && text[0] == '-' ? 1 : 0;
  if (text.size() == digits || text.size() > digits + 9) return false;
  for (std::size_t i = digits; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  value = static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
  return true;
}

}  // namespace

const std::vector<PlayerParameters::Field>& PlayerParameters::fields() { return FIELDS; }

const PlayerParameters::Field* PlayerParameters::field(const std::string& name) {
  for (const Field& f : FIELDS) {
    if (name == f.name) return &f;
  }
  return nullptr;
}

bool PlayerParameters::set(const std::string& name, const std::string& value, std::string* error) {
  const Field* f = field(name);
  if (f == nullptr) {
    say(error, "'" + name + "' is not a player parameter");
    return false;
  }
  int number = 0;
  if (!wholeNumber(value, number) || number < f->low || number > f->high) {
    say(error, name + "=" + value + ": the value must be a whole number from " + std::to_string(f->low) +
                   " to " + std::to_string(f->high));
    return false;
  }
  this->*(f->value) = number;
  return true;
}

std::string PlayerParameters::text() const {
  const PlayerParameters defaults;
  std::string out;
  for (const Field& f : FIELDS) {
    if (this->*(f.value) == defaults.*(f.value)) continue;
    if (!out.empty()) out += ',';
    out += std::string(f.name) + "=" + std::to_string(this->*(f.value));
  }
  return out;
}

std::string PlayerParameters::name() const {
  const std::string t = text();
  return t.empty() ? "default" : t;
}

bool PlayerParameters::parse(const std::string& text, PlayerParameters& parameters, std::string* error) {
  PlayerParameters read;
  if (text != "default") {
    std::size_t start = 0;
    while (start < text.size()) {
      std::size_t end = text.find_first_of(",;", start);
      if (end == std::string::npos) end = text.size();
      const std::string pair = text.substr(start, end - start);
      const std::size_t equals = pair.find('=');
      if (equals == std::string::npos) {
        say(error, "'" + pair + "' is not name=value");
        return false;
      }
      if (!read.set(pair.substr(0, equals), pair.substr(equals + 1), error)) return false;
      start = end + 1;
      if (end + 1 == text.size()) {
        say(error, "'" + text + "' ends with a separator");
        return false;
      }
    }
  }
  parameters = read;
  return true;
}

bool PlayerParameters::operator==(const PlayerParameters& o) const {
  for (const Field& f : FIELDS) {
    if (this->*(f.value) != o.*(f.value)) return false;
  }
  return true;
}
