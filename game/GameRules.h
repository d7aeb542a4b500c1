#pragma once
// The rules of the game, with no window: the ghosts taking part, a new game,
// one move (ghosts, the chomper's choice, eating and moving, then fruit, blue
// period, meetings and phases), seeded games with their move clock, and what
// the rules themselves count (ghosts and fruits eaten). The game window and
// the headless driver each own one; both play the game state's actors and
// settings (gameSettings).
//
// Its code: GameRules.cpp (set-up, reset, one move) and GameRulesSeed.cpp
// (seeded games).

#include <array>
#include <cstdint>
#include <string>

#include "game/GameOutcome.h"

class DecisionObserver;
class Ghost;

class GameRules {
 public:
  GameRules() = default;
  // Deletes the ghosts these rules created, never the chomper.
  ~GameRules();
  GameRules(const GameRules&) = delete;
  GameRules& operator=(const GameRules&) = delete;

  void createGhosts();  // each enabled ghost, in play order, not made before
  // A new game: ghosts home, the chomper at its start, a fresh maze, the
  // first scatter phase, the fruit's wait. A blue period still running and
  // the attack countdown carry over into it (startSeededGame clears them).
  void resetGame();
  void countFood();     // foodLeft = dots and pills in the maze

  // One move. gameTick is moveGhosts followed by moveChomper; the headless
  // driver stops between the two where the chomper decides.
  void gameTick();
  void moveGhosts();
  void moveChomper();                          // steering, eating and moving, then the rules
  void applyKeys(int mask);                    // remembered arrow -> direction, if open
  int ghostDistance(const Ghost* ghost) const; // whole pixels to the chomper
  // The first active ghost, in play order, that is not blue and is close
  // enough to catch the chomper; -1 for none.
  int catcherPlace() const;
  // What the game state says of the game's outcome so far: won, lost, the
  // score, fruits and ghosts eaten, the ghost that caught the chomper and
  // the food left. The moves, the food eaten and the seed are the caller's.
  void noteOutcome(GameOutcome& outcome) const;
  void updateFruit();
  void endBluePeriod();
  void checkMeetings();
  void updatePhases();
  // The configured slow-down of the ghost at that place of the play order.
  int configuredSlowdown(int playIndex) const;
  // The results-file line of the game: won, the ghosts taking part (red,
  // orange, green, turquoise), the score.
  std::string resultsLine() const;
  // Appends resultsLine to the results file at path, whole or not at all;
  // false with the reason when the file cannot take it.
  bool appendResults(const char* path, std::string& reason) const;

  // Seeded games. With "seed" S > 0 the k-th game that begins (k = 1, 2, ...)
  // is played with seed S + k - 1.
  void beginGame();                 // a game leaves the start screen
  // The seed of the k-th game of a run with "seed" S: S + k - 1 (wrapping).
  static unsigned seedOfGame(int seedSetting, int gameNumber);
  // Reseeds the ghosts' random source, forgets what earlier games left behind
  // (blue period, remembered arrow, slow-down counts, the player's memory)
  // and gives the player the move clock in place of the wall clock.
  void startSeededGame(unsigned gameSeed);
  void advanceMoveClock();          // after every move of a seeded game

  // The arrows remembered until a centre lets one turn the chomper.
  bool keyLeft = false;
  bool keyRight = false;
  bool keyDown = false;
  bool keyUp = false;
  bool gameLost = false;
  int fruitCountdown = 0;
  int ghostsEaten = 0;              // blue ghosts caught in this game
  int fruitsEaten = 0;              // fruits eaten in this game
  int gamesStarted = 0;             // games of this run that began
  bool seededGame = false;          // the current game was started by startSeededGame
  std::uint32_t moveClockMs = 0;    // the player's clock in a seeded game
  long long movesPlayed = 0;        // moves of this game (moveChomper counts them)
  // Told of every decision point once its move is made; not owned, may be null.
  DecisionObserver* observer = nullptr;

 private:
  void steerChomper();
  // A ghost present and active, close enough to the chomper to meet it.
  bool meetsChomper(const Ghost* ghost) const;

  // What createGhosts allocated, in play order: the destructor deletes exactly these.
  std::array<Ghost*, 4> ownedGhosts{};
};
