#include "player/MazeModel.h"

#include <cassert>

#include "player/GameQueries.h"

MazeModel::MazeModel() : columns(mazeColumns()), rows(mazeRows()) {
  assert(columns <= MAZE_COLS && rows <= MAZE_ROWS && "grid larger than the node table");
  for (auto& row : nodeAt) {
    for (MazeNode*& entry : row) entry = nullptr;
  }
}

MazeModel::~MazeModel() {
  nodeList.clear();
  nodeStore.clear();
}

void MazeModel::rewardFor(MazeNode& node, int code) const {
  switch (code) {
    case CELL_DOT:
      node.reward = rewards.dotReward;
      break;
    case CELL_POWERPILL:
      node.reward = rewards.pillReward;
      break;
    case CELL_FRUIT:
      node.reward = rewards.fruitReward;
      break;
    case CELL_DOOR:
    case CELL_RED_GHOST:
    case CELL_ORANGE_GHOST:
    case CELL_GREEN_GHOST:
    case CELL_TURQUOISE_GHOST:
      node.reward = rewards.hazardReward;
      break;
    default:
      node.reward = 0;
      break;
  }
}

void MazeModel::build() {
  if (built) return;  // exits and nodes are fixed for the player's life
  nodeStore.reserve(static_cast<std::size_t>(rows * columns));
  for (int row = rows - 1; row >= 0; --row) {
    for (int col = 0; col < columns; ++col) {
      const int code = cellCodeAt(col, row);
      if (isWalkableCode(code)) makeNode(col, row, code);
    }
  }
  linkNeighbours();
  built = true;
}

MazeNode* MazeModel::makeNode(int col, int row, int code) {
  assert(nodeStore.size() < nodeStore.capacity() && "node storage must never move");
  nodeStore.emplace_back();
  MazeNode* node = &nodeStore.back();
  node->cell = CellPos(col, row);
  node->exitUp = isWalkableCode(cellCodeAt(col, row + 1));
  node->exitDown = isWalkableCode(cellCodeAt(col, row - 1));
  // Tunnel ends lead out of the grid to the far side.
  node->exitLeft = (col == 0 && code == CELL_TUNNEL) || isWalkableCode(cellCodeAt(col - 1, row));
  node->exitRight =
      (col == columns - 1 && code == CELL_TUNNEL) || isWalkableCode(cellCodeAt(col + 1, row));
  node->code = code;
  rewardFor(*node, code);
  node->index = static_cast<int>(nodeList.size());
  nodeList.push_back(node);
  nodeAt[row][col] = node;
  return node;
}

void MazeModel::linkNeighbours() {
  for (MazeNode* node : nodeList) {
    const int col = node->cell.getCol();
    const int row = node->cell.getRow();
    const int leftCol = col == 0 ? columns - 1 : col - 1;
    const int rightCol = col == columns - 1 ? 0 : col + 1;
    node->neighbours[0] = node->exitUp ? nodeAtCell(col, row + 1) : nullptr;
    node->neighbours[1] = node->exitDown ? nodeAtCell(col, row - 1) : nullptr;
    node->neighbours[2] = node->exitLeft ? nodeAtCell(leftCol, row) : nullptr;
    node->neighbours[3] = node->exitRight ? nodeAtCell(rightCol, row) : nullptr;
  }
}

void MazeModel::resetToMaze() {
  for (MazeNode* node : nodeList) {
    const CellPos& cell = node->cell;
    rewardFor(*node, cellCodeAt(cell.getCol(), cell.getRow()));
    node->code = cellCodeAt(cell.getCol(), cell.getRow());
    node->eaten = false;
  }
}

void MazeModel::clearGhostWeights() {
  for (MazeNode* node : nodeList) {
    node->bonus = 0;
    node->cost = 0;
  }
}

void MazeModel::noteFruit() {
  const CellPos cell = fruitCell();
  MazeNode* node = nodeAtCell(cell.getCol(), cell.getRow());
  if (node == nullptr) return;
  node->reward = rewards.fruitReward;
  node->code = CELL_FRUIT;
  node->eaten = false;
}

void MazeModel::noteFoodUnderChomper(const CellPos& chomperCell) {
  MazeNode* node = nodeAtCell(chomperCell.getCol(), chomperCell.getRow());
  if (node == nullptr || node->reward + node->bonus == 0) return;
  node->reward = 0;
  if (node->code == CELL_DOT || node->code == CELL_POWERPILL) {
    node->code = CELL_EMPTY;
    node->eaten = true;
  }
}
