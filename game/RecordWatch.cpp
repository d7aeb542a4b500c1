// The record's game in the window: moves are due at the watching pace from
// the moment the pace was last set; each idle pass plays the moves due,
// asks for one picture and sleeps until the next move or the next frame.

#include "game/RecordWatch.h"

#include <algorithm>
#include <cstdio>

#include "game/FrameTimer.h"
#include "game/GameEngine.h"
#include "game/GameRecorder.h"
#include "gxbase/Main.h"
#include "maze/GameState.h"
#include "player/DrivenChomper.h"

namespace {
// At most this many moves between two pictures, so the keys stay answered.
constexpr int MOVES_PER_PASS = 4000;
// The longest sleep of a pass: about 60 pictures a second.
constexpr int FRAME_MS = 16;
constexpr double SLOWEST = 1.0 / 64;
constexpr double FASTEST = 4096;
}  // namespace

RecordWatch::RecordWatch(GameRecord record, WatchOptions wanted)
    : rec(std::move(record)), follow(rec), options(wanted), pace(std::clamp(wanted.speed, SLOWEST, FASTEST)) {}

RecordWatch::~RecordWatch() = default;

void RecordWatch::film(const FilmOptions& wanted) { filming = std::make_unique<RecordFilm>(wanted); }

double RecordWatch::movesPerSecond() const { return 1000.0 / std::max(1, rec.settings.framePeriodMs); }

GameSettings RecordWatch::settings() const {
  GameSettings settings = rec.settings;
  settings.keyboardControl = false;
  return settings;
}

long long RecordWatch::moves() const { return engineShown != nullptr ? engineShown->rules.movesPlayed : 0; }

void RecordWatch::start(GameEngine& engine) {
  if (started) return;
  started = true;
  engineShown = &engine;
  player = dynamic_cast<DrivenChomper*>(chomper);
  engine.startScreen = false;
  engine.rules.resetGame();
  engine.rules.startSeededGame(rec.seed);
  engine.rules.observer = &follow;
  engine.gameMoves = 0;
  if (player != nullptr) {
    player->thinkAlways = true;
    // Its thoughts are those of the variant that played the game.
    player->setParameters(rec.parameters);
  }
  // A record kept before the game's first move has no move to show.
  if (rec.stopped && rec.outcome.moves == 0) endGame(engine);
  while (moves() < options.fromMove && playMove(engine)) {
  }
  restartPace();
  if (options.fromMove > 0) std::fprintf(stderr, "chompgame: watching from move %lld\n", moves());
}

bool RecordWatch::playMove(GameEngine& engine) {
  if (finished) return false;
  if (player != nullptr) {
    player->builtin = 0;
    player->given = follow.nextDirection();
  }
  engine.rules.gameTick();
  engine.rules.advanceMoveClock();
  ++engine.gameMoves;
  if (gameWon || engine.rules.gameLost || moves() >= rec.replayCap() || follow.departed()) endGame(engine);
  return !finished;
}

void RecordWatch::endGame(GameEngine& engine) {
  finished = true;
  endedAtMs = FrameTimer::monotonicMs();
  GameOutcome outcome = GameRecorder::outcomeOf(engine.rules, rec.seed);
  outcome.unended = !outcome.won && !outcome.lost;
  follow.finish(outcome);
  if (follow.departed()) {
    // Checked before it was shown, so only a build that plays differently
    // in the window than without one comes here.
    std::fprintf(stderr, "chompgame: %s\n", follow.problem().c_str());
    gxbase::Main::Instance().closeExitCode = 1;
    return;
  }
  std::fprintf(stderr, "chompgame: the record's game is over: %s, %d points in %lld moves\n",
               outcome.won ? "won" : (outcome.lost ? "lost" : "not ended"), outcome.score, outcome.moves);
  // Last, on standard output: the results-file line of the game.
  std::string line = engine.rules.resultsLine();
  if (line.empty() || line.back() != '\n') line += '\n';
  std::fputs(line.c_str(), stdout);
  std::fflush(stdout);
}

void RecordWatch::restartPace() {
  paceStartMs = FrameTimer::monotonicMs();
  paceStartMove = moves();
}

void RecordWatch::setSpeed(double speed) {
  pace = std::clamp(speed, SLOWEST, FASTEST);
  restartPace();
  std::fprintf(stderr, "chompgame: watching at %gx\n", pace);
}

void RecordWatch::idle(GameEngine& engine) {
  if (filming) {
    filming->idle(engine, *this);
    return;
  }
  start(engine);
  if (finished) {
    if (options.holdSeconds >= 0 && FrameTimer::monotonicMs() - endedAtMs >= options.holdSeconds * 1000) engine.Close();
    FrameTimer::sleepMs(FRAME_MS);
    return;
  }
  if (stepWanted) {
    stepWanted = false;
    const std::size_t before = follow.decisionsDone();
    while (follow.decisionsDone() == before && playMove(engine)) {
    }
    std::fprintf(stderr, "chompgame: decision %zu at move %lld\n", follow.decisionsDone(), moves());
    engine.Redraw();
    return;
  }
  if (paused) {
    FrameTimer::sleepMs(FRAME_MS);
    return;
  }
  const double perSecond = pace * movesPerSecond();
  const long long due = paceStartMove + static_cast<long long>((FrameTimer::monotonicMs() - paceStartMs) * perSecond / 1000.0);
  for (int n = 0; n < MOVES_PER_PASS && moves() < due && playMove(engine); ++n) {
  }
  engine.Redraw();
  const int untilNext = static_cast<int>((due + 1 - paceStartMove) * 1000.0 / perSecond) -
                        (FrameTimer::monotonicMs() - paceStartMs);
  FrameTimer::sleepMs(std::clamp(untilNext, 0, FRAME_MS));
}

void RecordWatch::key(int key) {
  switch (key) {
    case KEY_START:
      paused = !paused;
      if (!paused) restartPace();
      std::fprintf(stderr, "chompgame: %s at move %lld\n", paused ? "paused" : "watching", moves());
      break;
    case KEY_RIGHT:
    case 'N':
      paused = true;
      stepWanted = true;
      break;
    case KEY_UP:
    case 0xBB:  // the key of = and +
    case 0x6B:  // + of the number pad
      setSpeed(pace * 2);
      break;
    case KEY_DOWN:
    case 0xBD:  // the key of - and _
    case 0x6D:  // - of the number pad
      setSpeed(pace / 2);
      break;
    default: break;
  }
  if (engineShown != nullptr) engineShown->Redraw();
}

std::string RecordWatch::status() const {
  char text[64];
  if (paused) {
    std::snprintf(text, sizeof text, "%lld II", moves());
  } else {
    std::snprintf(text, sizeof text, "%lld x%g", moves(), pace);
  }
  return text;
}
