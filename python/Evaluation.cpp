// Evaluation runs in C++ so that a Python player pays only for its own
// decisions; the built-in player's games run without Python at all.

#include "python/Evaluation.h"

#include "maze/GameState.h"
#include "game/GameRecorder.h"
#include "game/GhostSet.h"
#include "game/RecordChoice.h"
#include "game/OutcomeSummary.h"
#include "game/SeedRange.h"
#include "game/SettingsReader.h"
#include "python/Observation.h"
#include "python/PyIntegers.h"
#include "python/TableRow.h"

namespace {

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

namespace {

RecordChoice recordChoiceOf(const py::object& keep) {
  RecordChoice choice;
  if (keep.is_none()) return choice;
  if (py::isinstance<py::str>(keep)) {
    if (!RecordChoice::parse(py::str(keep), choice)) {
      throw py::value_error("keep must be 'all', 'lost', 'unended' or a list of seeds");
    }
    return choice;
  }
  choice.kind = RecordChoice::SEEDS;
  for (const py::handle seed : py::iter(keep)) {
    choice.seeds.push_back(static_cast<unsigned>(integerArgument(seed, kFirstSeed, kLastSeed, "a seed to keep",
                                                                 "an integer from 1 to " + std::to_string(kLastSeed))));
  }
  return choice;
}

}  // namespace

std::vector<std::pair<std::string, int>> ghostSettings(const std::string& text) {
  GhostSet set;
  if (!GhostSet::parse(text, set)) {
    throw py::value_error("ghosts must be 'all', 'none' or a comma list of red, green, orange, "
                          "turquoise, not '" + text + "'");
  }
  return set.overrides();
}

py::dict evaluate(ChompEnv& env, const py::object& policy, const py::handle& gamesGiven,
                  const py::handle& seedGiven, const py::object& ghosts, const py::object& keep) {
  const long long games = integerArgument(gamesGiven, 1, kLastSeed, "games", "an integer >= 1");
  const long long seed = integerArgument(seedGiven, kFirstSeed, kLastSeed, "seed",
                                         "an integer from 1 to " + std::to_string(kLastSeed));
  if (seed + games - 1 > kLastSeed) {
    throw py::value_error("seed + games - 1 must be at most " + std::to_string(kLastSeed));
  }
  if (!policy.is_none() && !PyCallable_Check(policy.ptr())) {
    throw py::type_error("policy must be callable (observation -> action) or None for the built-in player");
  }
  const RecordChoice kept = recordChoiceOf(keep);
  const auto extra = ghosts.is_none() ? std::vector<std::pair<std::string, int>>{}
                                      : ghostSettings(py::str(ghosts));
  HeadlessGame& game = env.playWith(extra);
  SettingsRestorer restorer{env};
  std::vector<GameOutcome> outcomes;
  py::list rows;
  py::dict records;
  GameRecorder recorder;
  for (long long i = 0; i < games; ++i) {
    // Lets Ctrl-C stop a long series between games.
    if (PyErr_CheckSignals() != 0) throw py::error_already_set();
    const auto gameSeed = static_cast<unsigned>(seed + i);
    // Only a game that may be kept has its decisions noted.
    const bool noting = kept.mayKeep(gameSeed);
    game.observeDecisions(noting ? &recorder : nullptr);
    if (noting) recorder.begin(policy.is_none() ? "builtin" : "python", gameSeed, env.settings().maxMoves);
    outcomes.push_back(playOne(game, policy, gameSeed));
    rows.append(rowOf(outcomes.back()));
    if (noting && kept.keeps(outcomes.back())) records[py::int_(gameSeed)] = recorder.finish(outcomes.back()).text();
  }
  game.observeDecisions(nullptr);
  py::dict summary = summaryOf(outcomes, rows);
  summary["settings"] = SettingsReader::rulesDigest(gameSettings);
  if (kept.kind != RecordChoice::NONE) summary["records"] = records;
  return summary;
}
