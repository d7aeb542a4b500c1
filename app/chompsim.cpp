// chompsim, the batch runner: seeded games without a window, played by the
// game's own rules and autonomous player through the headless driver in
// worker processes; a table of games, a summary per ghost set, and the
// summary of tables written before (--summarize). See --help and README.md.

#include <CLI/CLI.hpp>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/ComparisonTable.h"
#include "app/OrderedRows.h"
#include "app/ProgressBar.h"
#include "app/SummaryTable.h"
#include "game/BatchRun.h"
#include "game/CommandLine.h"
#include "game/HeadlessGame.h"
#include "game/OutcomeCsv.h"
#include "game/PairedComparison.h"
#include "game/PlayerSweep.h"
#include "game/SeedRange.h"
#include "game/SettingsReader.h"

namespace {

// The program's own options, beside the settings of GameOptions.
struct SimOptions {
  int games = 100;
  long long seed = 1;
  std::vector<std::string> ghosts;
  std::vector<std::string> players;
  int jobs = 1;
  std::string shard = "1/1";
  long long maxMoves = 200000;
  std::string csv;
  std::string results;
  std::string record;
  std::string recordDir = "records";
  std::vector<std::string> summarize;
  std::vector<std::string> compare;
  std::string baseline;
  bool settingsMayDiffer = false;
  bool listParameters = false;
};

// A range check whose limits the help text leaves out (the option's text says them).
CLI::Validator atLeast(long long low, long long high = LLONG_MAX) {
  return CLI::Range(low, high).description("");
}

void addOptions(CLI::App& app, SimOptions& sim) {
  sim.jobs = static_cast<int>(std::max(1L, sysconf(_SC_NPROCESSORS_ONLN)));
  app.get_formatter()->column_width(26);
  app.add_option("--games", sim.games, "games per ghost set (at least 1)")
      ->type_name("N")->check(atLeast(1, INT_MAX))->capture_default_str();
  app.add_option("--seed", sim.seed, "game i of every ghost set is played with seed S + i - 1 (S >= 1)")
      ->type_name("S")->check(atLeast(kFirstSeed, kLastSeed))->capture_default_str();
  app.add_option("--ghosts", sim.ghosts,
                 "a ghost set to play (repeatable): all, none, or a list such as red,turquoise; "
                 "default: the configuration's ghosts")
      ->type_name("SET")->allow_extra_args(false);
  app.add_option("--player", sim.players,
                 "variants of the built-in player to play (repeatable): NAME=V[,V...][,NAME=V...], every "
                 "combination of the values, or default; default: the default player")
      ->type_name("LIST")->allow_extra_args(false);
  app.add_option("--jobs", sim.jobs, "worker processes (default: the number of cores)")
      ->type_name("J")->check(atLeast(1, 4096));
  app.add_option("--shard", sim.shard, "play only the games i with i mod N = K - 1")
      ->type_name("K/N")->capture_default_str();
  app.add_option("--max-moves", sim.maxMoves, "a game reaching this many moves ends as unended")
      ->type_name("M")->check(atLeast(1))->capture_default_str();
  app.add_option("--csv", sim.csv, "write one row per game to FILE")->type_name("FILE");
  app.add_option("--results", sim.results, "also append each game's results-file line to FILE")
      ->type_name("FILE");
  app.add_option("--record", sim.record,
                 "keep the record of these games: all, lost, unended, or a list of seeds such as 3,17")
      ->type_name("WHICH");
  app.add_option("--record-dir", sim.recordDir, "the folder of the records, made when missing")
      ->type_name("DIR")->capture_default_str();
  app.add_option("--summarize", sim.summarize, "only print the summary of tables written before")
      ->type_name("FILE.csv")->expected(1, -1);
  app.add_option("--compare", sim.compare,
                 "only compare, paired on ghost set and seed: the second table's games against the first's, or "
                 "with one table each variant of the player in it against the baseline")
      ->type_name("A.csv [B.csv]")->expected(1, 2);
  app.add_option("--baseline", sim.baseline, "with --compare and one table: the variant the others are compared "
                                             "against (default: the table's first)")
      ->type_name("VARIANT");
  app.add_flag("--parameters", sim.listParameters,
               "only list the player's parameters --player takes: name, default, lowest and highest value");
  app.add_flag("--settings-differ", sim.settingsMayDiffer,
               "with --compare: pair games played under different settings (the settings are what is compared)");
  app.footer("KEY is any key of the configuration file (README.md lists them); a later --set wins.\n"
             "The configuration's \"seed\", \"runs\", \"control\" and \"data\" do not apply here.");
}

// "K/N" with 1 <= K <= N.
bool readShard(const std::string& text, int& k, int& n, std::string& problem) {
  std::smatch parts;
  static const std::regex form("([0-9]{1,9})/([0-9]{1,9})");
  if (std::regex_match(text, parts, form)) {
    k = std::stoi(parts[1]);
    n = std::stoi(parts[2]);
    if (k >= 1 && n >= 1 && k <= n) return true;
  }
  problem = "--shard " + text + ": wants K/N with 1 <= K <= N";
  return false;
}

// The ghost sets to play: those named, or the configuration's ghosts.
bool readGhostSets(const HeadlessSettings& settings, const SimOptions& sim, std::vector<GhostSet>& sets,
                   std::string& problem) {
  for (const std::string& text : sim.ghosts) {
    GhostSet set;
    if (!GhostSet::parse(text, set)) {
      problem = "--ghosts " + text + ": wants all, none, or a comma list of red, green, orange, turquoise";
      return false;
    }
    if (std::find(sets.begin(), sets.end(), set) == sets.end()) sets.push_back(set);
  }
  if (sets.empty()) sets.push_back(GhostSet::enabledIn(settings.inForce()));
  return true;
}

// The variants of the player to play: those named, or the default player.
bool readVariants(const SimOptions& sim, std::vector<PlayerParameters>& variants, std::string& problem) {
  variants.clear();
  for (const std::string& text : sim.players) {
    if (!PlayerSweep::expand(text, variants, &problem)) {
      problem = "--player " + text + ": " + problem;
      return false;
    }
  }
  if (variants.empty()) variants.emplace_back();
  return true;
}

bool makePlan(const CommandLine& options, const SimOptions& sim, BatchPlan& plan, std::string& problem) {
  int k = 1;
  int n = 1;
  // The file is read here, once: every worker and ghost set starts from what it said now.
  plan.settings = {options.configSource(), sim.maxMoves};
  plan.settings.readFileNow();
  if (!readShard(sim.shard, k, n, problem) || !readGhostSets(plan.settings, sim, plan.sets, problem) ||
      !readVariants(sim, plan.variants, problem)) {
    return false;
  }
  // Every seed must be one the game's "seed" key can take, so any row can be replayed.
  if (sim.seed + sim.games - 1 > kLastSeed) {
    problem = "--seed " + std::to_string(sim.seed) + " with " + std::to_string(sim.games) +
              " games goes beyond seed " + std::to_string(kLastSeed);
    return false;
  }
  // The parent keeps one outcome per game for the summary.
  const double bytes = static_cast<double>(plan.sets.size()) * plan.variants.size() * sim.games *
                       (sizeof(GameOutcome) + sizeof(unsigned));
  if (bytes > static_cast<double>(sysconf(_SC_PHYS_PAGES)) * sysconf(_SC_PAGE_SIZE)) {
    problem = "--games " + std::to_string(sim.games) + ": the summary of that many games does not fit in memory";
    return false;
  }
  for (int i = 1; i <= sim.games; ++i) {
    if (i % n == k - 1) plan.seeds.push_back(static_cast<unsigned>(sim.seed + i - 1));
  }
  plan.jobs = sim.jobs;
  plan.resultsFile = sim.results;
  if (!sim.record.empty() && !RecordChoice::parse(sim.record, plan.records)) {
    problem = "--record " + sim.record + ": wants all, lost, unended, or a comma list of seeds";
    return false;
  }
  plan.recordDir = sim.recordDir;
  std::error_code error;
  if (plan.records.kind != RecordChoice::NONE && !std::filesystem::is_directory(sim.recordDir, error) &&
      !std::filesystem::create_directories(sim.recordDir, error)) {
    problem = "--record-dir " + sim.recordDir + ": cannot be made (" + error.message() + ")";
    return false;
  }
  return true;
}

// Two names of one file, whether or not it exists yet.
bool sameFile(const std::string& a, const std::string& b) {
  namespace fs = std::filesystem;
  std::error_code error;
  return fs::equivalent(a, b, error) || fs::absolute(a).lexically_normal() == fs::absolute(b).lexically_normal();
}

// The files a run writes: named, distinct from each other and from the
// configuration, and regular files (a named pipe would block the run for
// ever, a device swallow or refuse the rows).
bool checkOutputs(const CLI::App& app, const SimOptions& sim, const std::string& config, std::string& problem) {
  namespace fs = std::filesystem;
  const std::vector<std::pair<std::string, std::string>> outputs = {{"--csv", sim.csv}, {"--results", sim.results}};
  for (std::size_t i = 0; i < outputs.size(); ++i) {
    const std::string& name = outputs[i].second;
    if (app.count(outputs[i].first) == 0) continue;
    std::error_code error;
    const fs::file_status status = fs::status(name, error);
    if (name.empty()) {
      problem = outputs[i].first + " wants a file name";
    } else if (fs::exists(status) && !fs::is_regular_file(status)) {
      problem = outputs[i].first + " " + name + ": not a regular file";
    } else if (!config.empty() && sameFile(name, config)) {
      problem = outputs[i].first + " " + name + ": is the configuration file";
    } else if (i == 1 && app.count("--csv") > 0 && sameFile(name, sim.csv)) {
      problem = "--results " + name + ": is the --csv table too";
    }
    if (!problem.empty()) return false;
  }
  return true;
}

bool createResultsFile(const std::string& path, std::string& problem) {
  if (path.empty()) return true;
  std::FILE* file = std::fopen(path.c_str(), "a");
  if (file == nullptr) {
    problem = "cannot create " + path;
    return false;
  }
  std::fclose(file);
  return true;
}

// Standard output is where the summary goes: a summary it cannot take is a failure.
int summaryWritten() {
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
  std::fprintf(stderr, "chompsim: the summary could not be written to standard output: %s\n", std::strerror(errno));
  return 1;
}

int play(const BatchPlan& plan, OrderedRows& rows, const std::string& csv) {
  BatchRun batch(plan);
  ProgressBar bar(batch.games());
  const BatchRun::Status status = batch.run([&](std::size_t index, const std::string& row) {
    rows.add(index, row);
    bar.update(rows.received());
  });
  bar.finish();
  const bool written = rows.flushAll();
  if (!written) {
    std::fprintf(stderr, "chompsim: writing %s failed (%s): it holds its first %zu rows, each whole\n",
                 csv.c_str(), rows.failure().c_str(), rows.rowsInFile());
  }
  if (batch.lostResults() > 0) {
    std::fprintf(stderr, "chompsim: %zu results lines lost\n", batch.lostResults());
  }
  if (batch.lostRecords() > 0) std::fprintf(stderr, "chompsim: %zu records lost\n", batch.lostRecords());
  if (status == BatchRun::INTERRUPTED) {
    std::fprintf(stderr, "chompsim: stopped after %zu of %zu games\n", rows.received(), batch.games());
    return 130;
  }
  if (status == BatchRun::FAILED) {
    std::fprintf(stderr, "chompsim: %s\n", batch.failure().c_str());
    return 1;
  }
  rows.summary().print(stdout);
  return summaryWritten() != 0 || !written || batch.lostResults() > 0 || batch.lostRecords() > 0 ? 1 : 0;
}

// Reads tables written by --csv (whole files, shards, or files joined with
// their headers); false with the reason for anything else: a file that is
// not a regular one, a row cut short of its line break, a game listed twice.
bool readTables(const std::vector<std::string>& files, std::vector<OutcomeRow>& rows, std::string& problem) {
  std::set<std::tuple<std::string, std::string, std::string, unsigned>> seen;
  for (const std::string& file : files) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
      problem = file + ":1: not a regular file";
      return false;
    }
    std::ifstream in(file);
    std::string line;
    if (!in || !std::getline(in, line) || !OutcomeCsv::isHeader(line)) {
      problem = file + ": not a table written by chompsim --csv";
      return false;
    }
    for (int number = 2; std::getline(in, line); ++number) {
      OutcomeRow row;
      const std::string where = file + ":" + std::to_string(number) + ": ";
      if (in.eof()) {
        problem = where + "the last row has no line break: the table was cut";
        return false;
      }
      if (OutcomeCsv::isHeader(line)) continue;
      if (!OutcomeCsv::parse(line, row)) {
        problem = where + "not a row of a chompsim table";
        return false;
      }
      if (!seen.emplace(row.player.name(), row.ghosts.name(), row.settings, row.outcome.seed).second) {
        problem = where + "seed " + std::to_string(row.outcome.seed) + " of set " + row.ghosts.name() +
                  " and player " + row.player.name() + " again (a table and its own shards?)";
        return false;
      }
      rows.push_back(row);
    }
  }
  return true;
}

// The variants of the player in a table's rows, in the order they first come.
std::vector<PlayerParameters> variantsOf(const std::vector<OutcomeRow>& rows) {
  std::vector<PlayerParameters> variants;
  for (const OutcomeRow& row : rows) {
    if (std::find(variants.begin(), variants.end(), row.player) == variants.end()) variants.push_back(row.player);
  }
  return variants;
}

std::vector<OutcomeRow> rowsOf(const std::vector<OutcomeRow>& rows, const PlayerParameters& variant) {
  std::vector<OutcomeRow> of;
  std::copy_if(rows.begin(), rows.end(), std::back_inserter(of), [&](const OutcomeRow& r) { return r.player == variant; });
  return of;
}

// The comparisons --compare asks for: with two tables, the second's games
// against the first's; with one, each variant against the baseline.
bool compareTables(const SimOptions& sim, ComparisonTable& table, std::string& problem) {
  std::vector<std::vector<OutcomeRow>> sides(sim.compare.size());
  for (std::size_t i = 0; i < sides.size(); ++i) {
    if (!readTables({sim.compare[i]}, sides[i], problem)) return false;
  }
  std::vector<std::pair<std::string, std::vector<OutcomeRow>>> named;
  if (sides.size() == 2) {
    for (std::size_t i = 0; i < 2; ++i) {
      const std::vector<PlayerParameters> variants = variantsOf(sides[i]);
      if (variants.size() > 1) {
        problem = sim.compare[i] + ": holds several variants of the player; compare them within it, alone";
        return false;
      }
      named.emplace_back(sim.compare[i], sides[i]);
    }
  } else {
    const std::vector<PlayerParameters> variants = variantsOf(sides[0]);
    PlayerParameters base = variants.empty() ? PlayerParameters{} : variants[0];
    if (!sim.baseline.empty() && !PlayerParameters::parse(sim.baseline, base, &problem)) {
      problem = "--baseline " + sim.baseline + ": " + problem;
      return false;
    }
    if (std::find(variants.begin(), variants.end(), base) == variants.end() || variants.size() < 2) {
      problem = sim.compare[0] + ": holds no two variants of the player to compare (give a second table)";
      return false;
    }
    named.emplace_back(base.name(), rowsOf(sides[0], base));
    for (const PlayerParameters& v : variants) {
      if (v != base) named.emplace_back(v.name(), rowsOf(sides[0], v));
    }
  }
  for (std::size_t i = 1; i < named.size(); ++i) {
    std::vector<PairedFigures> figures;
    if (!PairedComparison::compare(named[0].second, named[i].second, sim.settingsMayDiffer, figures, &problem)) {
      problem = named[i].first + " against " + named[0].first + ": " + problem;
      return false;
    }
    table.add(named[0].first, named[i].first, figures);
  }
  return true;
}

// The first of the options that play games given, or null; and of `more`.
const char* playingOptionGiven(const CLI::App& app, std::vector<const char*> more = {}) {
  for (const char* name : {"--config", "--set", "--games", "--seed", "--ghosts", "--player", "--jobs", "--shard",
                           "--max-moves", "--csv", "--results", "--record", "--record-dir"}) {
    more.push_back(name);
  }
  for (const char* name : more) {
    if (app.count(name) > 0) return name;
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  CommandLine options(
      "Plays seeded games of Chomp without a window, with the autonomous player, and\n"
      "summarises them per ghost set: games, won % with its 95% interval, scores, moves.");
  SimOptions sim;
  addOptions(options.options(), sim);
  // A file-size limit makes a write fail, which is said, instead of ending the run.
  signal(SIGXFSZ, SIG_IGN);
  const int parsed = options.parse(argc, argv);
  if (parsed != CommandLine::kRun) return parsed;
  std::string problem;
  if (sim.listParameters) {
    const PlayerParameters defaults;
    std::printf("%-16s %7s %7s %7s\n", "parameter", "default", "low", "high");
    for (const PlayerParameters::Field& f : PlayerParameters::fields()) {
      std::printf("%-16s %7d %7d %7d\n", f.name, defaults.*(f.value), f.low, f.high);
    }
    return summaryWritten();
  }
  if (!sim.summarize.empty()) {
    const char* beside = playingOptionGiven(options.options(), {"--compare", "--baseline", "--settings-differ"});
    if (beside != nullptr) {
      return options.usageError(std::string("--summarize plays no games: ") + beside + " does not go with it");
    }
    std::vector<OutcomeRow> rows;
    if (!readTables(sim.summarize, rows, problem)) return options.usageError(problem);
    SummaryTable table;
    for (const OutcomeRow& row : rows) table.add(row);
    table.print(stdout);
    if (table.settingsCount() > 1) {
      std::fprintf(stderr, "chompsim: the tables hold games played under %zu different settings; "
                   "each has lines of its own (column settings)\n", table.settingsCount());
    }
    return summaryWritten();
  }
  if (!sim.compare.empty()) {
    const char* beside = playingOptionGiven(options.options());
    if (beside != nullptr) {
      return options.usageError(std::string("--compare plays no games: ") + beside + " does not go with it");
    }
    ComparisonTable table;
    if (!compareTables(sim, table, problem)) return options.usageError(problem);
    table.print(stdout);
    return summaryWritten();
  }
  for (const char* name : {"--baseline", "--settings-differ"}) {
    if (options.options().count(name) > 0) return options.usageError(std::string(name) + " goes only with --compare");
  }
  if (!checkOutputs(options.options(), sim, options.configSource().file, problem)) {
    return options.usageError(problem);
  }
  BatchPlan plan;
  if (!makePlan(options, sim, plan, problem)) return options.usageError(problem);
  OrderedRows rows(plan.variants.size() * plan.sets.size() * plan.seeds.size());
  // The results file is only ever appended to; creating it now tells at once whether it can be.
  if (!createResultsFile(sim.results, problem)) return options.usageError(problem);
  if (!sim.csv.empty() && !rows.open(sim.csv, problem)) return options.usageError(problem);
  return play(plan, rows, sim.csv);
}
