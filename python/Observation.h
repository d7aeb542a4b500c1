#pragma once
// What a Python player sees of the game, as numpy arrays, and the mapping
// between its actions (0 left, 1 up, 2 right, 3 down) and direction codes.

#include <pybind11/pybind11.h>

namespace py = pybind11;

// The observation dictionary of the current game state:
//   "maze"    int32 (22, 19): the live cell codes, top row first
//   "chomper" int32 (3,): x, y (pixels, y up) and direction as an action
//   "ghosts"  int32 (4, 6): per ghost in the order red, green, orange,
//             turquoise: x, y, direction as an action, blue, active, present;
//             an absent ghost's row is -1, -1, -1, 0, 0, 0
//   "fruit"   bool: the bonus fruit is shown
//   "attack"  bool: the ghosts are in attack mode (false: scatter)
py::dict makeObservation();

// The direction code of an action 0..3.
int directionOfAction(int action);
// The action of a direction code; -1 for a code that is none of the four.
int actionOfDirection(int direction);
// An action given by Python: an integer 0..3 (numpy integers too). Raises
// TypeError for anything that is not an integer, ValueError outside 0..3.
int actionFrom(const py::handle& action);
