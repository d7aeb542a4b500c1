#include "python/PlayerArguments.h"

#include <climits>
#include <string>
#include <vector>

#include "game/OutcomeCsv.h"
#include "game/PairedComparison.h"
#include "python/TableRow.h"
#include "python/PyIntegers.h"

PlayerParameters playerFrom(const py::handle& player) {
  PlayerParameters parameters;
  std::string problem;
  if (player.is_none()) return parameters;
  if (PyUnicode_Check(player.ptr())) {
    if (!PlayerParameters::parse(player.cast<std::string>(), parameters, &problem)) throw py::value_error(problem);
    return parameters;
  }
  if (!PyDict_Check(player.ptr())) {
    throw py::type_error("player must be None, a variant's text such as 'localRadius=6' or a dict of parameters");
  }
  for (const auto item : py::reinterpret_borrow<py::dict>(player)) {
    if (!PyUnicode_Check(item.first.ptr())) throw py::type_error("player parameter names must be strings");
    const std::string name = item.first.cast<std::string>();
    const long long value = integerArgument(item.second, INT_MIN, INT_MAX, "player parameter '" + name + "'",
                                            "an integer");
    if (!parameters.set(name, std::to_string(value), &problem)) throw py::value_error(problem);
  }
  return parameters;
}

py::dict playerParameterTable() {
  const PlayerParameters defaults;
  py::dict table;
  for (const PlayerParameters::Field& f : PlayerParameters::fields()) {
    py::dict entry;
    entry["default"] = defaults.*(f.value);
    entry["low"] = f.low;
    entry["high"] = f.high;
    table[f.name] = entry;
  }
  return table;
}

namespace {

// A row of evaluate back into the batch runner's row, through the table's own reader.
OutcomeRow rowFrom(const py::handle& given) {
  std::string text;
  for (const std::string& field : CSV_FIELDS) {
    if (!text.empty()) text += ',';
    const py::object value = given[py::str(field)];
    if (!value.is_none()) text += py::str(value).cast<std::string>();
  }
  OutcomeRow row;
  if (!OutcomeCsv::parse(text, row)) throw py::value_error("not a row of chomp.evaluate: " + text);
  return row;
}

std::vector<OutcomeRow> rowsFrom(const py::iterable& rows) {
  std::vector<OutcomeRow> out;
  for (const py::handle row : rows) out.push_back(rowFrom(row));
  return out;
}

}  // namespace

py::list compareRows(const py::iterable& rowsA, const py::iterable& rowsB, bool settingsDiffer) {
  const std::vector<OutcomeRow> a = rowsFrom(rowsA);
  const std::vector<OutcomeRow> b = rowsFrom(rowsB);
  std::vector<PairedFigures> figures;
  std::string problem;
  if (!PairedComparison::compare(a, b, settingsDiffer, figures, &problem)) throw py::value_error(problem);
  // The sides by their players' names when those tell them apart.
  std::string nameA = a.front().player.name();
  std::string nameB = b.front().player.name();
  if (nameA == nameB) {
    nameA = "A";
    nameB = "B";
  }
  py::list out;
  for (const PairedFigures& f : figures) {
    py::dict d;
    d["ghosts"] = f.ghosts.name();
    d["pairs"] = f.pairs;
    d["won_a"] = f.wonA;
    d["won_b"] = f.wonB;
    d["won_diff"] = f.wonDiff;
    d["diff_low"] = f.wonDiffLow;
    d["diff_high"] = f.wonDiffHigh;
    d["only_a"] = f.onlyA;
    d["only_b"] = f.onlyB;
    d["mcnemar_p"] = f.mcnemarP;
    d["score_diff"] = f.scoreDiff;
    d["sdiff_low"] = f.scoreDiffLow;
    d["sdiff_high"] = f.scoreDiffHigh;
    d["wilcoxon_p"] = f.wilcoxonP;
    d["verdict"] = f.verdictWord();
    d["verdict_line"] = f.verdictLine(nameA, nameB);
    out.append(d);
  }
  return out;
}
