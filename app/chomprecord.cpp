// chomprecord: checks game records by playing their games again without a
// window, says how each game went, and writes a game as a table of its
// decision points (--trace). See --help and README.md.

#include <CLI/CLI.hpp>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "game/CommandLine.h"
#include "game/GameRecord.h"
#include "game/RecordReplay.h"
#include "game/TraceTable.h"

namespace {

const char* resultWord(const GameRecord& record) {
  if (record.stopped) return "stopped";
  return record.outcome.won ? "won" : (record.outcome.lost ? "lost" : "unended");
}

// Replays one record; true when its game came out as recorded.
bool check(const std::string& path, std::FILE* trace) {
  GameRecord record;
  std::string error;
  if (!GameRecord::load(path, record, &error)) {
    std::fprintf(stderr, "chomprecord: %s\n", error.c_str());
    return false;
  }
  if (trace != nullptr) std::fprintf(trace, "%s\n", TraceTable::header().c_str());
  const ReplayReport report = replayRecord(record, [trace](const DecisionPoint& point) {
    if (trace != nullptr) std::fprintf(trace, "%s\n", TraceTable::row(point).c_str());
  });
  if (!report.same) {
    std::fprintf(stderr, "chomprecord: %s: refused: %s\n", path.c_str(), report.problem.c_str());
    return false;
  }
  std::printf("%s: %s, %d points in %lld moves, %zu decisions, played by %s, seed %u\n", path.c_str(),
              resultWord(record), record.outcome.score, record.outcome.moves, record.decisions.size(),
              record.player.c_str(), record.seed);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  CommandLine options(
      "Plays the games of Chomp records again without a window and checks that each comes out\n"
      "as recorded; a record whose game departs is refused, naming the decision point.",
      false);
  std::vector<std::string> files;
  std::string trace;
  options.options().add_option("records", files, "game records (chompgame --record, chompsim --record)")
      ->type_name("FILE.rec")->required();
  options.options().add_option("--trace", trace,
                               "write the game of the one record as a table, a row per decision point "
                               "(- for standard output)")->type_name("FILE.csv");
  const int parsed = options.parse(argc, argv);
  if (parsed != CommandLine::kRun) return parsed;
  if (!trace.empty() && files.size() != 1) return options.usageError("--trace takes exactly one record");
  std::FILE* table = nullptr;
  if (!trace.empty()) {
    table = trace == "-" ? stdout : std::fopen(trace.c_str(), "w");
    if (table == nullptr) return options.usageError("cannot create " + trace);
  }
  bool allSame = true;
  for (const std::string& file : files) allSame = check(file, table) && allSame;
  if (table != nullptr && table != stdout && std::fclose(table) != 0) {
    std::fprintf(stderr, "chomprecord: writing %s failed\n", trace.c_str());
    return 1;
  }
  return allSame && std::fflush(stdout) == 0 ? 0 : 1;
}
