// The row is made by the batch runner's own formatter and split again, so
// that the two never disagree on a field.

#include "python/TableRow.h"

#include <sstream>

#include "game/GhostSet.h"
#include "game/OutcomeCsv.h"
#include "game/SettingsReader.h"
#include "maze/GameState.h"
#include "player/MyChomper.h"

namespace {

std::vector<std::string> commaSeparated(const std::string& text) {
  std::vector<std::string> fields;
  std::stringstream in(text);
  for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
  if (!text.empty() && text.back() == ',') fields.emplace_back();  // an empty last field
  return fields;
}

}  // namespace

const std::vector<std::string> CSV_FIELDS = commaSeparated(OutcomeCsv::header());

py::dict rowOf(const GameOutcome& o) {
  const GhostSet ghosts = GhostSet::enabledIn(gameSettings);
  // The variant of the built-in player that is the game's chomper.
  const auto* player = dynamic_cast<const MyChomper*>(chomper);
  const std::vector<std::string> values = commaSeparated(OutcomeCsv::format(
      {ghosts, o, SettingsReader::rulesDigest(gameSettings), player ? player->getParameters() : PlayerParameters{}}));
  py::dict row;
  for (size_t i = 0; i < CSV_FIELDS.size(); ++i) {
    if (CSV_FIELDS[i] == "caught_by" || CSV_FIELDS[i] == "settings" || CSV_FIELDS[i] == "player") {
      row[CSV_FIELDS[i].c_str()] = values[i];
    } else if (values[i].empty()) {
      row[CSV_FIELDS[i].c_str()] = py::none();  // the cell of a catch that did not happen
    } else {
      row[CSV_FIELDS[i].c_str()] = std::stoll(values[i]);
    }
  }
  return row;
}
