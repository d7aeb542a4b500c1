#pragma once
// The autonomous player, whose choice someone else may replace at a
// decision point: the headless driver's callers (Python, a record played
// again) and the game window watching a record. Left alone (given < 0) it
// is the autonomous player itself.

#include "player/MyChomper.h"

class DrivenChomper : public MyChomper {
 public:
  void decide() override {
    if (given < 0) {
      MyChomper::decide();
      return;
    }
    // What the built-in player would do here, shown in the analysis window
    // but not taken.
    if (thinkAlways) builtinChoice();
    // Steered from outside: the model still follows the game, so that the
    // built-in choice asked for later is made on what has really happened.
    if (builtin == 0) {
      keepUp();
    } else if (given != builtin) {
      dropPlan();
    }
    if (openDirections(maze) & given) setDirection(given);
  }

  // The direction the built-in player chooses here, once per decision point.
  int builtinChoice() {
    if (builtin == 0) {
      const int kept = getDirection();
      MyChomper::decide();
      builtin = getDirection();
      setDirection(kept);
    }
    return builtin;
  }

  // -1: the built-in player decides; else that direction (0 keeps the current one).
  int given = -1;
  // The built-in choice at the current decision point; 0 until asked.
  int builtin = 0;
  // Asks the built-in player at every decision point, even where its choice is not taken.
  bool thinkAlways = false;
};
