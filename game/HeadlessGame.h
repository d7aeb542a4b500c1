#pragma once
// The one way to play games without a window: the game's rules (GameRules,
// as the game window owns them) with the autonomous player, driven move by
// move through the same gameTick as the run driver, with seeds, the move
// clock and a move cap; no window, no sprite. Tools, benchmarks, tests and
// the batch runner all play through it.
//
// The game state is process-wide, so a process holds one HeadlessGame at a
// time (and no game window).
//
//   HeadlessGame game;
//   game.configure({"data/config.txt", {{"red_ghost", 0}}, 200000});
//   GameOutcome first = game.play(1);       // a whole game, seed 1
//
//   game.reset(2);                          // or move by move:
//   while (game.toDecision()) game.stepWith(myChoice(game));

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "game/ConfigSource.h"
#include "game/GameOutcome.h"
#include "game/GameRules.h"
#include "maze/GameSettings.h"
#include "player/PlayerParameters.h"

class DecisionObserver;
class MyChomper;
class DrivenChomper;

// What a headless game is played by.
struct HeadlessSettings {
  // The file and the settings applied after it, as the game reads them; no
  // file by default. "control" is always the autonomous player.
  ConfigSource config{"", {}};
  long long maxMoves = 200000;  // a game reaching it ends as unended
  // What the file said when readFileNow read it; from then on it stands for
  // the file, which is not read again, so every game played with these
  // settings starts alike whatever becomes of the file.
  std::optional<GameSettings> fileSettings{};
  // The built-in player's tunables.
  PlayerParameters player{};

  // Reads the file into fileSettings unless they hold it already.
  void readFileNow();
  // The settings these give: the file (or what it said), then the single settings.
  GameSettings inForce() const;
};

class HeadlessGame {
 public:
  // The default settings.
  HeadlessGame();
  ~HeadlessGame();
  HeadlessGame(const HeadlessGame&) = delete;
  HeadlessGame& operator=(const HeadlessGame&) = delete;

  // Replaces the settings (and with them the ghosts taking part). False, with
  // nothing changed, when an override names no setting; `unknownKey` then
  // receives it when not null.
  bool configure(const HeadlessSettings& settings, std::string* unknownKey = nullptr);
  // True when `key` names a setting of the configuration file.
  static bool isSettingKey(const std::string& key);

  // Starts a game with this seed; 0 draws one from the time. The game is
  // seeded either way: its moves depend only on the settings and the seed.
  void reset(unsigned seed);
  // Starts the next game of this run by the "seed" setting, as the game
  // window does: game k with seed S + k - 1, or time-seeded when it is 0.
  void resetNext();

  // Plays the rest of the game with the built-in player.
  GameOutcome finish();
  // reset(seed), then finish().
  GameOutcome play(unsigned seed);

  // Plays moves with the built-in player until the chomper stands where it
  // chooses a direction (a cell centre with an open exit; the ghosts have
  // made this move's steps), or until the game ends. True at such a point.
  bool toDecision();
  // At a decision point: the direction the built-in player chooses there
  // (DIR_LEFT, DIR_UP, DIR_RIGHT or DIR_DOWN). Its model is updated as in
  // play; asking again gives the same answer. 0 elsewhere.
  int builtinDirection();
  // At a decision point: completes the move steering `direction`, which is
  // taken only when that way is open (else the chomper keeps its direction).
  // Elsewhere, plays one move with the built-in player. Nothing after the end.
  // The built-in player's model keeps up with the game (food eaten, blue
  // periods) whether or not its choice was asked for; a plan the chomper
  // leaves is dropped, so later built-in choices start afresh.
  void stepWith(int direction);
  // One move with the built-in player (completes a started move).
  void step();

  bool ended() const;
  const GameOutcome& outcome() const { return current; }
  // The results-file line of the game (meaningful once it has ended).
  std::string resultsLine() const;
  // Appends that line to a results file; false when it cannot be opened.
  bool appendResults(const char* path) const;

  MyChomper& player();
  GameRules& gameRules() { return *rules; }
  // Every decision point of the games played from now on goes to
  // `observer` (not owned; null for none), whatever configure does.
  void observeDecisions(DecisionObserver* observer);

 private:
  void startGame();
  void completeMove();
  void noteMove(int foodBefore, int codeEaten);

  std::unique_ptr<DrivenChomper> chomperPlayer;
  std::unique_ptr<GameRules> rules;
  HeadlessSettings headless;
  DecisionObserver* observer = nullptr;
  GameOutcome current;
  bool midMove = false;       // the ghosts have moved, the chomper not yet
};
