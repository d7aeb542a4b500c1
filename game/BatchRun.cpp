// Worker processes, not threads: the game state is a set of process-wide
// globals, so one process plays one game at a time.

#include "game/BatchRun.h"

#include <poll.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "game/OutcomeCsv.h"
#include "game/SettingsReader.h"
#include "maze/GameState.h"
#include "game/WriteAll.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) { stopRequested = 1; }

// Catches SIGINT and SIGTERM while it lives, without restarting system
// calls, so that a waiting poll returns at once; restores the old handlers.
class StopSignals {
 public:
  StopSignals() {
    stopRequested = 0;
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &oldInt);
    sigaction(SIGTERM, &action, &oldTerm);
  }
  ~StopSignals() {
    sigaction(SIGINT, &oldInt, nullptr);
    sigaction(SIGTERM, &oldTerm, nullptr);
  }

 private:
  struct sigaction oldInt {};
  struct sigaction oldTerm {};
};

}  // namespace

BatchRun::BatchRun(BatchPlan wanted) : plan(std::move(wanted)) {
  plan.jobs = std::max(1, std::min<int>(plan.jobs, static_cast<int>(std::max<std::size_t>(games(), 1))));
}

BatchRun::Status BatchRun::run(const RowSink& sink) {
  problem.clear();
  lost = 0;
  lostRecordFiles = 0;
  if (games() == 0) return COMPLETE;
  // The next game to play, shared by the workers.
  void* shared = mmap(nullptr, sizeof(int), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  if (shared == MAP_FAILED) {
    problem = std::string("no shared memory for the workers: ") + std::strerror(errno);
    return FAILED;
  }
  int* counter = static_cast<int*>(shared);
  *counter = 0;
  StopSignals signals;
  std::vector<Worker> workers;
  std::size_t rows = 0;
  const bool started = startWorkers(workers, counter);
  if (started) collect(workers, sink, rows);
  const bool interrupted = stopRequested != 0;
  const bool clean = endWorkers(workers, interrupted || !started);
  munmap(shared, sizeof(int));
  if (interrupted) return INTERRUPTED;
  if (!started) return FAILED;
  if (!clean || rows != games()) {
    if (problem.empty()) problem = "a worker process ended before its games were done";
    return FAILED;
  }
  return COMPLETE;
}

bool BatchRun::startWorkers(std::vector<Worker>& workers, int* counter) {
  // Buffered output would otherwise be written once more by every worker.
  std::fflush(nullptr);
  for (int w = 0; w < plan.jobs; ++w) {
    int ends[2];
    if (pipe(ends) != 0) {
      problem = std::string("cannot make a pipe for a worker: ") + std::strerror(errno);
      return false;
    }
    const int pid = fork();
    if (pid == 0) {
      close(ends[0]);
      for (const Worker& other : workers) close(other.fd);
      workerMain(ends[1], counter);
    }
    close(ends[1]);
    if (pid < 0) {
      close(ends[0]);
      problem = std::string("cannot start a worker process: ") + std::strerror(errno);
      return false;
    }
    workers.push_back(Worker{pid, ends[0], {}});
  }
  return true;
}

void BatchRun::workerMain(int fd, int* counter) {
  // A worker ends with its parent and with Ctrl-C; what it has sent stays sent.
  signal(SIGINT, SIG_DFL);
  signal(SIGTERM, SIG_DFL);
  prctl(PR_SET_PDEATHSIG, SIGTERM);
  if (getppid() == 1) _exit(1);
  HeadlessGame game;
  // The variant and set played last, as one number: variant * sets + set.
  std::size_t configured = games();
  std::string digest;  // of the settings configured, which every row names
  const std::size_t total = games();
  for (;;) {
    const std::size_t index = static_cast<std::size_t>(__atomic_fetch_add(counter, 1, __ATOMIC_RELAXED));
    if (index >= total) break;
    const std::size_t group = index / plan.seeds.size();
    const std::size_t set = group % plan.sets.size();
    const PlayerParameters& variant = plan.variants[group / plan.sets.size()];
    if (group != configured) {
      HeadlessSettings settings = plan.settings;
      for (const auto& pair : plan.sets[set].overrides()) settings.config.settings.push_back(pair);
      settings.player = variant;
      if (!game.configure(settings)) _exit(1);
      configured = group;
      digest = SettingsReader::rulesDigest(gameSettings);
    }
    const unsigned seed = plan.seeds[index % plan.seeds.size()];
    // Only a game that may be kept has its decisions noted.
    GameRecorder recorder;
    const bool noting = plan.records.mayKeep(seed);
    game.observeDecisions(noting ? &recorder : nullptr);
    if (noting) recorder.begin("builtin", seed, plan.settings.maxMoves);
    const GameOutcome outcome = game.play(seed);
    const OutcomeRow row{plan.sets[set], outcome, digest, variant};
    // An unended game has no results line: its fields cannot say "unended".
    std::string lost;
    if (!plan.resultsFile.empty() && !row.outcome.unended && !game.appendResults(plan.resultsFile.c_str())) {
      std::fprintf(stderr, "chompsim: results line lost: %s could not take the line of seed %u (%s)\n",
                   plan.resultsFile.c_str(), row.outcome.seed, row.ghosts.name().c_str());
      lost = "lost " + std::to_string(index) + '\n';
    }
    if (noting && !keepRecord(recorder, outcome, variant)) lost += "unrecorded\n";
    // One line per game, in one write: the parent takes only whole lines.
    if (!writeAll(fd, lost + std::to_string(index) + ' ' + OutcomeCsv::format(row) + '\n')) _exit(1);
  }
  // _exit: the parent's exit handlers and stdio buffers are not the worker's.
  _exit(0);
}

bool BatchRun::keepRecord(GameRecorder& recorder, const GameOutcome& outcome, const PlayerParameters& variant) const {
  if (!plan.records.keeps(outcome)) return true;
  const GameRecord& record = recorder.finish(outcome);
  std::string error;
  // A variant's records are named after it, so the variants of a sweep keep one each.
  const std::string name = (variant.text().empty() ? "" : variant.text() + "-") + GameRecord::fileName(gameSettings, outcome.seed);
  if (record.save(plan.recordDir + "/" + name, &error)) return true;
  std::fprintf(stderr, "chompsim: record lost: %s\n", error.c_str());
  return false;
}

void BatchRun::collect(std::vector<Worker>& workers, const RowSink& sink, std::size_t& rows) {
  std::vector<pollfd> open;
  for (;;) {
    open.clear();
    for (const Worker& worker : workers) {
      if (worker.fd >= 0) open.push_back({worker.fd, POLLIN, 0});
    }
    if (open.empty() || stopRequested) return;
    if (poll(open.data(), open.size(), 250) < 0 && errno != EINTR) return;
    for (Worker& worker : workers) {
      if (worker.fd < 0 || stopRequested) continue;
      const auto ready = std::find_if(open.begin(), open.end(), [&](const pollfd& p) { return p.fd == worker.fd; });
      if (ready == open.end() || ready->revents == 0) continue;
      char buffer[4096];
      const ssize_t n = read(worker.fd, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        close(worker.fd);
        worker.fd = -1;
        continue;
      }
      worker.pending.append(buffer, static_cast<std::size_t>(n));
      takeLines(worker, sink, rows);
    }
  }
}

void BatchRun::takeLines(Worker& worker, const RowSink& sink, std::size_t& rows) {
  std::size_t start = 0;
  for (std::size_t end; (end = worker.pending.find('\n', start)) != std::string::npos; start = end + 1) {
    const std::string line = worker.pending.substr(start, end - start);
    if (line.compare(0, 5, "lost ") == 0) {
      ++lost;
      continue;
    }
    if (line == "unrecorded") {
      ++lostRecordFiles;
      continue;
    }
    const std::size_t blank = line.find(' ');
    char* rest = nullptr;
    const unsigned long long index = std::strtoull(line.c_str(), &rest, 10);
    if (blank == std::string::npos || rest != line.c_str() + blank || index >= games()) continue;
    ++rows;
    sink(static_cast<std::size_t>(index), line.substr(blank + 1));
  }
  worker.pending.erase(0, start);
}

bool BatchRun::endWorkers(std::vector<Worker>& workers, bool stop) {
  bool clean = true;
  for (Worker& worker : workers) {
    if (stop) kill(worker.pid, SIGTERM);
    if (worker.fd >= 0) close(worker.fd);
    int status = 0;
    while (waitpid(worker.pid, &status, 0) < 0 && errno == EINTR) {
    }
    clean = clean && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
  return clean;
}
