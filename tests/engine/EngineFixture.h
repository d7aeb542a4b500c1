#pragma once
// A game engine in a temporary working folder, with a chomper the test steers
// and a frame timer on a fake clock that records every sleep.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "game/GameEngine.h"
#include "maze/GameState.h"
#include "tests/engine/EngineTestSupport.h"

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetGameState();
    engine = std::make_unique<GameEngine>();
    setChomper(&chomp);
  }
  void TearDown() override {
    engine.reset();
    setChomper(nullptr);
    resetGameState();
  }

  // Reads the settings, creates the enabled ghosts and starts a game.
  void startGame(const std::string& config) {
    writeFile("config.txt", config);
    engine->readConfig("config.txt");
    engine->createGhosts();
    engine->resetGame();
    engine->frameTimer = FrameTimer([this] { return now; },
                                    [this](int ms) {
                                      sleeps.push_back(ms);
                                      now += ms;
                                    });
    srand(7);  // the timer seeded from the calendar: make ghost choices repeatable
  }

  // A game of moves driven by the test: no keys, the chomper stands still.
  void startPlainGame(const std::string& config) {
    startGame(config);
    engine->keyboardControl = false;
    chomp.setDirection(DIR_NONE);
  }

  TempDir dir;
  ScriptedChomper chomp;
  std::unique_ptr<GameEngine> engine;
  int now = 0;
  std::vector<int> sleeps;
};
