#pragma once
// The settings of the configuration file, each held within the range the
// game accepts, with what is derived from them. Values are the built-in
// defaults until a file is read.

#include <array>

// Places of the play order: the order in which the ghosts move and meet.
enum GhostPlace { RED_PLACE = 0, GREEN_PLACE = 1, ORANGE_PLACE = 2, TURQUOISE_PLACE = 3, GHOST_PLACES = 4 };
// The ghosts' names in play order, as settings ("red_ghost", ...) and texts name them.
inline constexpr const char* PLAY_ORDER_NAMES[GHOST_PLACES] = {"red", "green", "orange", "turquoise"};

struct GameSettings {
  int runs = 1;                 // "runs" as a counter: 1 interactive; N + 1 for N unattended runs
  int dataTimeoutMs = 0;        // "data_timeout"
  bool recordResults = false;   // "data"
  bool keyboardControl = true;  // "control" 0: arrow keys steer; else the autonomous player
  // The two blue/release defaults lie below what a read value may be.
  int nMovesBlueGhosts = 25;
  int nMovesGhostAppears = 10;
  std::array<bool, GHOST_PLACES> ghostEnabled{{true, true, true, true}};  // "red_ghost", ...
  // Without these keys a phase would last a single move.
  int lengthAttackMode = 1500;
  int lengthScatterMode = 250;
  int powerpillSlowdownFactor = 2;
  int ghostValue = 250;
  int powerpillValue = 100;
  int dotValue = 10;
  int nMovesFruitAppears = 100;
  int fruitValue = 100;
  int fps = 5;
  int framePeriodMs = 200;      // one move's time at "fps": 1000 / fps
  std::array<int, GHOST_PLACES> ghostSlowdown{{1, 1, 1, 1}};  // "red_ghost_slow_down_factor", ...
  int seed = 0;                 // "seed"; 0: time-seeded games, wall clock
};
