#pragma once
// The game-state fixture with one autonomous player as the game's chomper,
// on a clock the test sets; ghosts are added on demand.

#include <algorithm>
#include <memory>
#include <ostream>
#include <vector>

#include "actors/Ghost.h"
#include "player/AnalysisGrids.h"
#include "player/MyChomper.h"
#include "player/Window.h"
#include "tests/support/GameFixture.h"

// A ghost with no behaviour of its own; the player only looks at its cell and its blue state.
class StillGhost : public Ghost {
 public:
  bool attack(int* /*grid*/) override { return false; }
};

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

class PlayerFixture : public GameFixture {
 protected:
  void SetUp() override {
    GameFixture::SetUp();
    std::copy(analysisMazeTemplate, analysisMazeTemplate + MAZE_CELLS, analysisMaze);
    std::fill(ghostOverlay, ghostOverlay + MAZE_CELLS, 0);
    std::fill(chomperOverlay, chomperOverlay + MAZE_CELLS, 0);
    player = std::make_unique<MyChomper>();
    player->setClock([this] { return nowMs; });
    setChomper(player.get());
  }

  // Puts a ghost of the given colour slot on a cell centre.
  Ghost* addGhost(Ghost*& slot, int col, int row, bool blue = false) {
    ghosts.push_back(std::make_unique<StillGhost>());
    slot = ghosts.back().get();
    slot->setPosition(centre(col), centre(row));
    slot->setBlue(blue);
    return slot;
  }
  void placeChomper(int col, int row) { player->setPosition(centre(col), centre(row)); }
  const MazeNode& node(int col, int row) const { return *player->nodeAtCell(col, row); }

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
