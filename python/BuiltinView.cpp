#include "python/BuiltinView.h"

#include <pybind11/numpy.h>

#include <cstdint>
#include <vector>

#include "actors/Chomper.h"
#include "maze/GameState.h"
#include "player/MazeNode.h"
#include "player/MyChomper.h"
#include "player/SearchStandIn.h"

namespace {

py::array_t<std::int32_t> cellsOf(const std::vector<MazeNode*>& nodes) {
  py::array_t<std::int32_t> cells({static_cast<py::ssize_t>(nodes.size()), py::ssize_t{2}});
  std::int32_t* out = cells.mutable_data();
  for (const MazeNode* node : nodes) {
    *out++ = MAZE_ROWS - 1 - node->cell.getRow();
    *out++ = node->cell.getCol();
  }
  return cells;
}

// One field of every node laid out as the maze.
py::array_t<std::int32_t> gridOf(const MyChomper& player, int MazeNode::*field) {
  py::array_t<std::int32_t> grid({MAZE_ROWS, MAZE_COLS});
  std::fill(grid.mutable_data(), grid.mutable_data() + MAZE_CELLS, 0);
  for (const MazeNode* node : player.getNodes()) {
    grid.mutable_data()[gridIndex(node->cell.getCol(), node->cell.getRow())] = node->*field;
  }
  return grid;
}

}  // namespace

py::dict builtinView(ChompEnv& env) {
  py::dict view;
  // Asking for the choice makes the player decide at this very position.
  view["action"] = env.builtinAction();
  const MyChomper& player = env.builtinPlayer();
  py::tuple paths(static_cast<size_t>(GHOST_PLACES));
  for (int place = 0; place < GHOST_PLACES; ++place) {
    const Searcher searcher = static_cast<Searcher>(SEARCH_RED + place);
    paths[static_cast<size_t>(place)] = ghostAt(place) != nullptr ? cellsOf(player.resultList(searcher)) : cellsOf({});
  }
  view["ghost_paths"] = paths;
  // The player takes its route's first cell off the plan as it turns toward it.
  std::vector<MazeNode*> route = player.getPlan();
  if (player.hasPlan()) {
    const CellPos at = chomper->cellPosition();
    const int steps[4][2] = {{-1, 0}, {0, 1}, {1, 0}, {0, -1}};  // actions left, up, right, down
    const int action = view["action"].cast<int>();
    const int col = (at.getCol() + steps[action][0] + MAZE_COLS) % MAZE_COLS;  // the tunnel wraps
    MazeNode* next = player.nodeAtCell(col, at.getRow() + steps[action][1]);
    if (next != nullptr) route.insert(route.begin(), next);
  }
  view["route"] = cellsOf(route);
  view["bonus"] = gridOf(player, &MazeNode::bonus);
  view["cost"] = gridOf(player, &MazeNode::cost);
  return view;
}
