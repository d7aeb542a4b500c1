#pragma once
// Watching a game record in the game window: the record's game played again
// by the window's rules, steered by the record at every decision point and
// checked against it, drawn at a pace of its own. The player's clock stays
// the record's (1000 / fps ms a move), so the game is the same at every
// pace; the pace only decides how many moves pass between two pictures.
//
// Keys: blank pauses and resumes; right arrow or N plays up to and through
// the next decision point (and pauses); up arrow or + watches twice as
// fast, down arrow or - half as fast. At its end the final picture stays
// until the window is closed (or `holdSeconds`).
//
// The analysis window shows what the built-in player thinks at each point:
// it is asked at every decision point, and its choice is not taken.

#include <memory>
#include <string>

#include "game/GameRecord.h"
#include "game/RecordCursor.h"
#include "game/RecordFilm.h"

class GameEngine;
class DrivenChomper;

struct WatchOptions {
  double speed = 1.0;        // times the record's own pace (its fps)
  long long fromMove = 0;    // played without drawing up to this move
  int holdSeconds = -1;      // after the end: close after this long; -1 never
};

class RecordWatch {
 public:
  RecordWatch(GameRecord record, WatchOptions options);
  ~RecordWatch();
  RecordWatch(const RecordWatch&) = delete;
  RecordWatch& operator=(const RecordWatch&) = delete;

  // Films the game instead of showing it at a pace (RecordFilm).
  void film(const FilmOptions& options);
  long filmFrames() const { return filming ? filming->frames() : 0; }

  // The settings the game is played with: the record's, the record steering.
  GameSettings settings() const;

  // The game window's idle pass and keys while it shows the record.
  void idle(GameEngine& engine);
  void key(int key);

  // Starts the game (once): the record's seed, then the moves up to fromMove.
  void start(GameEngine& engine);
  // Plays one move; false once the game is over (or has departed).
  bool playMove(GameEngine& engine);
  bool over() const { return finished; }
  long long moves() const;
  double speed() const { return pace; }
  // The record's own pace: one move per frame period of its "fps".
  double movesPerSecond() const;
  // The move and the pace ("1520 x4", paused "1520 II"), for the status line.
  std::string status() const;
  const RecordCursor& cursor() const { return follow; }

 private:
  void endGame(GameEngine& engine);
  void restartPace();
  void setSpeed(double speed);

  GameRecord rec;
  RecordCursor follow;
  std::unique_ptr<RecordFilm> filming;
  WatchOptions options;
  GameEngine* engineShown = nullptr;
  DrivenChomper* player = nullptr;
  bool started = false;
  bool finished = false;
  bool paused = false;
  bool stepWanted = false;
  double pace;
  int paceStartMs = 0;
  long long paceStartMove = 0;
  int endedAtMs = 0;
};
