#pragma once
// A batch of seeded games played by worker processes: every seed of the
// plan against every ghost set of the plan, by every variant of the player. The game state is per process,
// so each worker is a process of its own with its own headless driver; the
// workers take the next game from a shared counter, so a long game holds up
// nobody, and send each finished game back as a row of OutcomeCsv.
//
// A game is a pure function of its settings and its seed, so the rows do
// not depend on the number of workers, only on the plan.
//
// Stopped by SIGINT or SIGTERM, run ends the workers and returns what was
// finished; every row it has handed over is whole. The calling process must
// not hold a HeadlessGame while run forks.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "game/GameRecorder.h"
#include "game/GhostSet.h"
#include "game/HeadlessGame.h"
#include "game/RecordChoice.h"

struct BatchPlan {
  HeadlessSettings settings;     // the file, the overrides and the move cap of every game
  std::vector<GhostSet> sets;    // applied after the settings' overrides
  std::vector<unsigned> seeds;   // played against every set
  std::vector<PlayerParameters> variants{PlayerParameters{}};  // each plays every set; replaces settings.player
  int jobs = 1;                  // worker processes (at most one per game)
  std::string resultsFile;       // each ended game's results line is appended here; "": none
  RecordChoice records;          // the games whose record is kept ...
  std::string recordDir;         // ... in this folder, named by ghost set and seed
};

class BatchRun {
 public:
  enum Status { COMPLETE, INTERRUPTED, FAILED };
  // Called in the calling process once per finished game, in the order the
  // games finish. Game `index` is variant index / (sets * seeds), set
  // (index / seeds) % sets, seed index % seeds.
  using RowSink = std::function<void(std::size_t index, const std::string& row)>;

  explicit BatchRun(BatchPlan plan);

  std::size_t games() const { return plan.variants.size() * plan.sets.size() * plan.seeds.size(); }
  // Plays every game. FAILED when a worker could not be started or ended
  // before its games were done; failure() then says why.
  Status run(const RowSink& sink);
  const std::string& failure() const { return problem; }
  // Results lines that could not be appended (each one said on standard
  // error by its worker); unended games have none.
  std::size_t lostResults() const { return lost; }
  // Records that could not be written (each said on standard error).
  std::size_t lostRecords() const { return lostRecordFiles; }

 private:
  struct Worker {
    int pid = -1;
    int fd = -1;          // the read end of its pipe; -1 once it is closed
    std::string pending;  // received text not yet ending in a line break
  };

  bool startWorkers(std::vector<Worker>& workers, int* counter);
  [[noreturn]] void workerMain(int fd, int* counter);
  // Writes the game's record when the plan keeps it; false when it could not.
  bool keepRecord(GameRecorder& recorder, const GameOutcome& outcome, const PlayerParameters& variant) const;
  void collect(std::vector<Worker>& workers, const RowSink& sink, std::size_t& rows);
  void takeLines(Worker& worker, const RowSink& sink, std::size_t& rows);
  bool endWorkers(std::vector<Worker>& workers, bool interrupted);

  BatchPlan plan;
  std::string problem;
  std::size_t lost = 0;
  std::size_t lostRecordFiles = 0;
};
