// The observation is copied out of the game state on every step: arrays the
// caller keeps must not change under it when the game goes on.

#include "python/Observation.h"

#include <pybind11/numpy.h>

#include <cstdint>
#include <cstring>

#include "actors/Chomper.h"
#include "actors/Ghost.h"
#include "maze/GameState.h"
#include "python/PyIntegers.h"

namespace {

constexpr int DIRECTIONS[4] = {DIR_LEFT, DIR_UP, DIR_RIGHT, DIR_DOWN};
constexpr int GHOST_FIELDS = 6;

py::array_t<std::int32_t> mazeArray() {
  py::array_t<std::int32_t> cells({MAZE_ROWS, MAZE_COLS});
  static_assert(sizeof(maze[0]) == sizeof(std::int32_t), "cell codes are 32-bit");
  std::memcpy(cells.mutable_data(), maze, sizeof(maze));
  return cells;
}

py::array_t<std::int32_t> ghostArray() {
  py::array_t<std::int32_t> ghosts({4, GHOST_FIELDS});
  std::int32_t* row = ghosts.mutable_data();
  for (const Ghost* ghost : ghostsInPlayOrder()) {
    if (ghost == nullptr) {
      const std::int32_t absent[GHOST_FIELDS] = {-1, -1, -1, 0, 0, 0};
      std::memcpy(row, absent, sizeof(absent));
    } else {
      row[0] = ghost->getX();
      row[1] = ghost->getY();
      row[2] = actionOfDirection(ghost->getDirection());
      row[3] = ghost->isBlue();
      row[4] = ghost->isActive();
      row[5] = 1;
    }
    row += GHOST_FIELDS;
  }
  return ghosts;
}

}  // namespace

py::dict makeObservation() {
  py::array_t<std::int32_t> player(3);
  std::int32_t* p = player.mutable_data();
  p[0] = chomper->getX();
  p[1] = chomper->getY();
  p[2] = actionOfDirection(chomper->getDirection());
  py::dict observation;
  observation["maze"] = mazeArray();
  observation["chomper"] = player;
  observation["ghosts"] = ghostArray();
  observation["fruit"] = py::bool_(fruitShown);
  observation["attack"] = py::bool_(Ghost::isAttackMode());
  return observation;
}

int directionOfAction(int action) { return DIRECTIONS[action]; }

int actionOfDirection(int direction) {
  for (int action = 0; action < 4; ++action) {
    if (DIRECTIONS[action] == direction) return action;
  }
  return -1;
}

int actionFrom(const py::handle& action) {
  return static_cast<int>(integerArgument(action, 0, 3, "action", "an integer 0-3 (0 left, 1 up, 2 right, 3 down)"));
}
