#pragma once
// Shared pieces of the actor tests: a chomper steered by the test, ghosts of
// any colour, scripted random draws and a fixture with the level in the live maze.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

#include "actors/Chomper.h"
#include "actors/GreenGhost.h"
#include "actors/OrangeGhost.h"
#include "actors/Random.h"
#include "actors/RedGhost.h"
#include "actors/TurquoiseGhost.h"
#include "maze/GameState.h"

// Actor kinds.
constexpr int CHOMPER = 0, RED = 1, GREEN = 2, ORANGE = 3, TURQUOISE = 4;

// A chomper whose direction is set by the test itself.
class TestChomper : public Chomper {
 public:
  void decide() override {}
};

// A fresh ghost of the given kind, at home facing up.
inline std::unique_ptr<Ghost> makeGhost(int kind) {
  switch (kind) {
    case RED: return std::make_unique<RedGhost>();
    case GREEN: return std::make_unique<GreenGhost>();
    case ORANGE: return std::make_unique<OrangeGhost>();
    default: return std::make_unique<TurquoiseGhost>();
  }
}

// Replaces the random source with a fixed list of draws, repeated when it runs
// out, and counts the draws taken. Restores the library source on destruction.
class ScriptedDraws {
 public:
  explicit ScriptedDraws(std::vector<double> draws) {
    values = std::move(draws);
    taken = 0;
    setRandomSource([] { return values[static_cast<size_t>(taken++) % values.size()]; });
  }
  ~ScriptedDraws() { setRandomSource(nullptr); }
  ScriptedDraws(const ScriptedDraws&) = delete;
  ScriptedDraws& operator=(const ScriptedDraws&) = delete;

  int drawsTaken() const { return taken; }

 private:
  inline static std::vector<double> values;
  inline static int taken = 0;
};

// The level in the live maze, program-start game state otherwise.
class ActorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetGameState();
    setRandomSource(nullptr);
    std::srand(1);
    std::copy(mazeTemplate, mazeTemplate + MAZE_CELLS, maze);
    foodLeft = countFoodIn(maze);
  }
  void TearDown() override {
    resetGameState();
    setRandomSource(nullptr);
  }

  static int& cellAt(int x, int y) { return maze[gridIndex((x - 10) / 20, (y - 10) / 20)]; }
};
