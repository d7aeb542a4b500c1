#include "game/PlayerSweep.h"

#include <algorithm>
#include <utility>

namespace {

struct Axis {
  std::string name;
  std::vector<std::string> values;
};

// The parameters named and their values, in the order given.
bool readAxes(const std::string& text, std::vector<Axis>& axes, std::string* error) {
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = std::min(text.find(',', start), text.size());
    const std::string item = text.substr(start, end - start);
    const std::size_t equals = item.find('=');
    if (equals != std::string::npos) {
      const std::string name = item.substr(0, equals);
      if (std::any_of(axes.begin(), axes.end(), [&](const Axis& a) { return a.name == name; })) {
        *error = "'" + name + "' is named twice (give its values in one list: " + name + "=A,B)";
        return false;
      }
      axes.push_back({name, {item.substr(equals + 1)}});
    } else if (axes.empty() || item.empty()) {
      *error = "'" + text + "' is not a list such as localRadius=3,5,dangerCost=200";
      return false;
    } else {
      axes.back().values.push_back(item);
    }
    if (end == text.size()) return true;
    start = end + 1;
  }
}

}  // namespace

bool PlayerSweep::expand(const std::string& text, std::vector<PlayerParameters>& variants, std::string* error) {
  std::string ignored;
  if (error == nullptr) error = &ignored;
  std::vector<PlayerParameters> made{PlayerParameters{}};
  std::vector<Axis> axes;
  if (text != "default" && !readAxes(text, axes, error)) return false;
  // Each parameter multiplies the variants made so far by its values.
  for (const Axis& axis : axes) {
    std::vector<PlayerParameters> next;
    for (const PlayerParameters& before : made) {
      for (const std::string& value : axis.values) {
        PlayerParameters variant = before;
        if (!variant.set(axis.name, value, error)) return false;
        next.push_back(variant);
      }
    }
    made = std::move(next);
  }
  for (const PlayerParameters& variant : made) {
    if (std::find(variants.begin(), variants.end(), variant) == variants.end()) variants.push_back(variant);
  }
  return true;
}
