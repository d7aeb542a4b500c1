// Evaluation runs in C++ so that a Python player pays only for its own
// decisions; the built-in player's games run without Python at all.

#include "python/Evaluation.h"

#include <climits>
#include <sstream>

#include "game/GameEngine.h"
#include "game/OutcomeSummary.h"
#include "python/Observation.h"

const std::vector<std::string> CSV_FIELDS = {
    "seed", "red", "green", "orange", "turquoise", "won", "unended", "score",
    "moves", "dots", "pills", "fruits", "ghosts_eaten", "caught_by", "food_left"};

namespace {

const char* const GHOST_NAMES[4] = {"red", "green", "orange", "turquoise"};

// Puts the environment's own settings back whichever way the games end.
struct SettingsRestorer {
  ChompEnv& env;
  ~SettingsRestorer() { env.restoreSettings(); }
};

GameOutcome playOne(HeadlessGame& game, const py::object& policy, unsigned seed) {
  if (policy.is_none()) return game.play(seed);
  game.reset(seed);
  while (game.toDecision()) {
    const py::object action = policy(makeObservation());
    game.stepWith(directionOfAction(actionFrom(action)));
  }
  return game.outcome();
}

py::dict rowOf(const GameOutcome& o, GameEngine& engine) {
  py::dict row;
  row["seed"] = o.seed;
  const bool flags[4] = {engine.redEnabled, engine.greenEnabled, engine.orangeEnabled,
                         engine.turquoiseEnabled};
  for (int i = 0; i < 4; ++i) row[GHOST_NAMES[i]] = flags[i] ? 1 : 0;
  row["won"] = o.won ? 1 : 0;
  row["unended"] = o.unended ? 1 : 0;
  row["score"] = o.score;
  row["moves"] = o.moves;
  row["dots"] = o.dots;
  row["pills"] = o.pills;
  row["fruits"] = o.fruits;
  row["ghosts_eaten"] = o.ghosts;
  row["caught_by"] = o.caughtBy == NO_GHOST ? "" : GHOST_NAMES[o.caughtBy - GHOST_RED];
  row["food_left"] = o.foodLeft;
  return row;
}

// The fields of a row that the summary reads.
GameOutcome outcomeOfRow(const py::handle& row) {
  GameOutcome o;
  o.won = row["won"].cast<int>() != 0;
  o.unended = row["unended"].cast<int>() != 0;
  o.score = row["score"].cast<int>();
  o.moves = row["moves"].cast<long long>();
  return o;
}

py::dict summaryOf(const std::vector<GameOutcome>& outcomes, py::object rows) {
  const OutcomeSummary s = summarizeOutcomes(outcomes);
  py::dict summary;
  summary["games"] = s.games;
  summary["won_percent"] = s.wonPercent;
  summary["won_low"] = s.wonLow;
  summary["won_high"] = s.wonHigh;
  summary["score_mean"] = s.scoreMean;
  summary["score_median"] = s.scoreMedian;
  summary["score_p10"] = s.scoreP10;
  summary["score_p90"] = s.scoreP90;
  summary["moves_mean"] = s.movesMean;
  summary["unended"] = s.unended;
  if (!rows.is_none()) summary["rows"] = rows;
  return summary;
}

}  // namespace

py::dict summarize(const py::iterable& rows) {
  std::vector<GameOutcome> outcomes;
  for (const py::handle& row : rows) outcomes.push_back(outcomeOfRow(row));
  return summaryOf(outcomes, py::none());
}

std::vector<std::pair<std::string, int>> ghostSettings(const std::string& set) {
  bool on[4] = {set == "all", set == "all", set == "all", set == "all"};
  if (set != "all" && set != "none") {
    std::stringstream names(set);
    std::string name;
    while (std::getline(names, name, ',')) {
      int i = 0;
      while (i < 4 && name != GHOST_NAMES[i]) ++i;
      if (i == 4) {
        throw py::value_error("ghosts must be 'all', 'none' or a comma list of red, green, orange, "
                              "turquoise, not '" + set + "'");
      }
      on[i] = true;
    }
  }
  std::vector<std::pair<std::string, int>> settings;
  for (int i = 0; i < 4; ++i) settings.emplace_back(std::string(GHOST_NAMES[i]) + "_ghost", on[i]);
  return settings;
}

py::dict evaluate(ChompEnv& env, const py::object& policy, long long games, long long seed,
                  const py::object& ghosts) {
  if (games < 1) throw py::value_error("games must be at least 1");
  if (seed < 1 || seed > static_cast<long long>(UINT_MAX) - games + 1) {
    throw py::value_error("seed must be at least 1, and seed + games - 1 at most " +
                          std::to_string(UINT_MAX));
  }
  if (!policy.is_none() && !PyCallable_Check(policy.ptr())) {
    throw py::type_error("policy must be callable (observation -> action) or None for the built-in player");
  }
  const auto extra = ghosts.is_none() ? std::vector<std::pair<std::string, int>>{}
                                      : ghostSettings(py::str(ghosts));
  HeadlessGame& game = env.playWith(extra);
  SettingsRestorer restorer{env};
  std::vector<GameOutcome> outcomes;
  py::list rows;
  for (long long i = 0; i < games; ++i) {
    // Lets Ctrl-C stop a long series between games.
    if (PyErr_CheckSignals() != 0) throw py::error_already_set();
    outcomes.push_back(playOne(game, policy, static_cast<unsigned>(seed + i)));
    rows.append(rowOf(outcomes.back(), game.engine()));
  }
  return summaryOf(outcomes, rows);
}
