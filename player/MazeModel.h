#pragma once
// The player's model of the maze: a node per walkable cell with its exits,
// neighbours, code and reward, built once, and the updates the player makes
// as the game goes (a new game, food eaten, the fruit shown, the ghost
// weights cleared before each forecast).

#include <vector>

#include "actors/CellPos.h"
#include "maze/GameState.h"
#include "player/MazeNode.h"
#include "player/PlayerParameters.h"

class MazeModel {
 public:
  MazeModel();
  ~MazeModel();
  MazeModel(const MazeModel&) = delete;
  MazeModel& operator=(const MazeModel&) = delete;

  // A node for every walkable cell of the live maze, linked to its
  // neighbours (tunnel ends to the far side); done once, later calls do nothing.
  void build();
  bool isBuilt() const { return built; }

  // Every node, top row first; `store` holds them in the same order, never moved.
  const std::vector<MazeNode*>& nodes() const { return nodeList; }
  MazeNode* store() { return nodeStore.data(); }
  MazeNode* nodeAtCell(int col, int row) const {
    if (col < 0 || col >= columns || row < 0 || row >= rows) return nullptr;
    return nodeAt[row][col];
  }
  int columnCount() const { return columns; }
  int rowCount() const { return rows; }

  // The rewards of food and hazards; taken by the next build or reset.
  void setRewards(const PlayerParameters& p) { rewards = p; }
  // The reward a cell of this code is worth to the chomper.
  void rewardFor(MazeNode& node, int code) const;
  // Codes and rewards back to the live maze, nothing eaten.
  void resetToMaze();
  // No bonus and no cost on any cell.
  void clearGhostWeights();
  // The fruit's cell is worth its reward.
  void noteFruit();
  // The food under the chomper is gone.
  void noteFoodUnderChomper(const CellPos& chomperCell);

 private:
  MazeNode* makeNode(int col, int row, int code);
  void linkNeighbours();

  std::vector<MazeNode*> nodeList;         // every node, top row first
  std::vector<MazeNode> nodeStore;         // the nodes themselves, never reallocated
  MazeNode* nodeAt[MAZE_ROWS][MAZE_COLS];  // [row from bottom][column]
  int columns;
  int rows;
  bool built = false;
  PlayerParameters rewards;
};
