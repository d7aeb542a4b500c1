#pragma once
// The record of one game: everything that makes it (the settings in force,
// the seed, the move cap), who played it, how it ended, and the direction
// the chomper left in at every decision point, with a check of the state
// that move left. Kept as a small text file, version 1:
//
//   chomp-record 1
//   # lines starting with # are comments (header only)
//   player builtin            builtin, python or keyboard
//   player_parameters localRadius=6   the built-in player's variant (nothing after the
//                             key, or no line at all: the default player)
//   seed 17                   the game's seed
//   max_moves 200000          the move cap it was played with; 0: none
//   result lost               won, lost, unended (the cap), stopped (kept mid-game)
//   score 3050                then moves, dots, pills, fruits, ghosts_eaten,
//   ...                       caught_by (a ghost's name or -), food_left
//   settings 28               that many "key value" lines of the configuration
//   runs 1
//   ...
//   decisions 1523            that many lines "MOVE DIRECTION CHECK":
//   12 L 5f0e33a1             moves played before it, L/U/R/D, 8 hex digits
//   ...
//   end
//
// A stopped game's moves are its last move: replaying it stops there.

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "game/GameOutcome.h"
#include "maze/GameSettings.h"
#include "player/PlayerParameters.h"

struct RecordedDecision {
  long long move = 0;
  int direction = 0;
  std::uint32_t check = 0;
  bool operator==(const RecordedDecision& o) const {
    return move == o.move && direction == o.direction && check == o.check;
  }
};

struct GameRecord {
  static constexpr int VERSION = 1;

  std::string player = "builtin";  // builtin, python or keyboard
  PlayerParameters parameters;     // the built-in player's, as the game was played
  unsigned seed = 0;
  long long maxMoves = 0;          // 0: no cap
  bool stopped = false;            // kept before the game ended
  GameSettings settings;
  GameOutcome outcome;             // outcome.seed is `seed`
  std::vector<RecordedDecision> decisions;

  // The move its game is played again to at most: a stopped record's last
  // move, else the cap it was played with (none: no cap).
  long long replayCap() const { return stopped ? outcome.moves : (maxMoves > 0 ? maxMoves : LLONG_MAX); }

  // The record as its file holds it.
  std::string text() const;
  // Reads a record's text; false, with "line N: what is wrong" in `error`.
  static bool parse(const std::string& text, GameRecord& record, std::string* error);

  // Writes the file whole (a temporary file renamed into place) or not at
  // all; false with the reason.
  bool save(const std::string& path, std::string* error) const;
  // Reads a record file; false with "PATH: reason" (or "PATH:N: reason").
  static bool load(const std::string& path, GameRecord& record, std::string* error);

  // The file name of the game of this ghost set and seed: "all-seed17.rec",
  // "red+turquoise-seed3.rec".
  static std::string fileName(const GameSettings& settings, unsigned seed);
};
