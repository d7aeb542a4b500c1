#pragma once
// Shared pieces of the actor tests: a chomper that never decides, scripted
// random draws and a fixture with the level loaded into the live maze.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "actors/Chomper.h"
#include "actors/Random.h"
#include "game/GameState.h"

// A chomper whose direction is set by the test itself.
class TestChomper : public Chomper {
 public:
  void decide() override {}
};

// Replaces the random source with a fixed list of draws, repeated when it runs
// out, and counts the draws taken. Restores the library source on destruction.
class ScriptedDraws {
 public:
  explicit ScriptedDraws(std::vector<double> draws) {
    values() = std::move(draws);
    taken() = 0;
    setRandomSource(&ScriptedDraws::next);
  }
  ~ScriptedDraws() { setRandomSource(nullptr); }
  ScriptedDraws(const ScriptedDraws&) = delete;
  ScriptedDraws& operator=(const ScriptedDraws&) = delete;

  int drawsTaken() const { return taken(); }

 private:
  static std::vector<double>& values() {
    static std::vector<double> v;
    return v;
  }
  static int& taken() {
    static int n = 0;
    return n;
  }
  static double next() {
    const std::vector<double>& v = values();
    return v[static_cast<size_t>(taken()++) % v.size()];
  }
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
