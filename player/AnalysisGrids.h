#pragma once
// The analysis window's process-wide grids, laid out like the maze
// (MAZE_ROWS x MAZE_COLS, top row first; see gridIndex).

#include "maze/GameState.h"

// Mark codes written by the analysis window.
constexpr int MARK_FRUIT = 6;            // analysisMaze
constexpr int MARK_EATEN = 9;            // analysisMaze: a cell the chomper has left
constexpr int MARK_RED_GHOST = 10;       // ghostOverlay, ghosts that are not blue
constexpr int MARK_ORANGE_GHOST = 11;
constexpr int MARK_GREEN_GHOST = 12;
constexpr int MARK_TURQUOISE_GHOST = 13;
constexpr int MARK_BLUE_GHOST = 14;
constexpr int MARK_CHOMPER = 15;         // chomperOverlay
constexpr int MARK_PLAN = 16;            // chomperOverlay: a cell of the planned route
constexpr int MARK_GHOST_PATH = 16;      // ghostOverlay: 16 + ghost (17 red .. 20 turquoise)

extern int analysisMaze[MAZE_CELLS];                 // the maze as the window shows it
extern const int (&analysisMazeTemplate)[MAZE_CELLS];  // the level; source of resetMaze
extern int ghostOverlay[MAZE_CELLS];                 // ghosts' cells and predicted paths
extern int chomperOverlay[MAZE_CELLS];               // chomper's cell and planned route
