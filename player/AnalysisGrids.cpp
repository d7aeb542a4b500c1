// The analysis window's grids. Both maze copies start as the level.

#include "player/AnalysisGrids.h"

#include <algorithm>

// The level is read-only, so the window's source copy is the level itself.
const int (&analysisMazeTemplate)[MAZE_CELLS] = mazeTemplate;

// The level's table is constant-initialised, so this copy is ready before
// anything that runs during start-up could look at it.
int analysisMaze[MAZE_CELLS];
static const bool analysisMazeReady =
    (std::copy(mazeTemplate, mazeTemplate + MAZE_CELLS, analysisMaze), true);

int ghostOverlay[MAZE_CELLS] = {};
int chomperOverlay[MAZE_CELLS] = {};
