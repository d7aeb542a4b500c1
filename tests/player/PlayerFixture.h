#pragma once
// A fresh game state with the level in the live maze and one autonomous
// player as the game's chomper; ghosts are added on demand.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <vector>

#include "actors/Ghost.h"
#include "maze/GameState.h"
#include "player/AnalysisGrids.h"
#include "player/MyChomper.h"
#include "player/Window.h"

// A ghost with no behaviour of its own; the player only looks at its cell
// and its blue state.
class StillGhost : public Ghost {
 public:
  bool attack(int* /*grid*/) override { return false; }
};

inline int centreX(int col) { return 10 + 20 * col; }
inline int centreY(int row) { return 10 + 20 * row; }

inline std::vector<CellPos> cellsOf(const std::vector<MazeNode*>& list) {
  std::vector<CellPos> cells;
  for (const MazeNode* node : list) cells.push_back(node->cell);
  return cells;
}

// One field of every node of a list, e.g. valuesOf(path, &MazeNode::bonus).
inline std::vector<int> valuesOf(const std::vector<MazeNode*>& list, int MazeNode::*field) {
  std::vector<int> values;
  for (const MazeNode* node : list) values.push_back(node->*field);
  return values;
}

class PlayerFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    resetGameState();
    std::copy(mazeTemplate, mazeTemplate + MAZE_CELLS, maze);
    std::copy(analysisMazeTemplate, analysisMazeTemplate + MAZE_CELLS, analysisMaze);
    std::fill(ghostOverlay, ghostOverlay + MAZE_CELLS, 0);
    std::fill(chomperOverlay, chomperOverlay + MAZE_CELLS, 0);
    player = std::make_unique<MyChomper>();
    player->setClock([this] { return nowMs; });
    setChomper(player.get());
  }

  void TearDown() override {
    resetGameState();
    ghosts.clear();
  }

  // Puts a ghost of the given colour slot on a cell centre.
  Ghost* addGhost(Ghost*& slot, int col, int row, bool blue = false) {
    ghosts.push_back(std::make_unique<StillGhost>());
    Ghost* ghost = ghosts.back().get();
    ghost->setPosition(centreX(col), centreY(row));
    ghost->setBlue(blue);
    slot = ghost;
    return ghost;
  }

  void placeChomper(int col, int row) { player->setPosition(centreX(col), centreY(row)); }

  const MazeNode& node(int col, int row) const {
    const MazeNode* n = player->nodeAtCell(col, row);
    EXPECT_NE(n, nullptr) << "no node at (" << col << ", " << row << ")";
    return *n;
  }

  std::unique_ptr<MyChomper> player;
  std::vector<std::unique_ptr<Ghost>> ghosts;
  std::uint32_t nowMs = 1000;
};

// The same with the player's graph already built.
class PlayerWithGraph : public PlayerFixture {
 protected:
  void SetUp() override {
    PlayerFixture::SetUp();
    player->buildGraph();
  }
};

// Lets EXPECT_EQ print cells.
inline std::ostream& operator<<(std::ostream& os, const CellPos& c) {
  return os << "(" << c.getCol() << ", " << c.getRow() << ")";
}
