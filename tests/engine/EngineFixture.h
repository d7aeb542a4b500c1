#pragma once
// A game window in a temporary working folder, with a chomper the test steers
// and a frame timer on a fake clock that records every sleep.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "actors/Chomper.h"
#include "game/GameEngine.h"
#include "tests/support/GameFixture.h"
#include "tests/support/TempDir.h"

// A chomper whose decision is whatever the test put in `nextDirection`.
class ScriptedChomper : public Chomper {
 public:
  void decide() override {
    ++decisions;
    setDirection(nextDirection);
  }
  int nextDirection = DIR_NONE;
  int decisions = 0;
};

class EngineTest : public GameFixture {
 protected:
  void SetUp() override {
    GameFixture::SetUp();
    engine = std::make_unique<GameEngine>();
    setChomper(&chomp);
  }
  void TearDown() override {
    engine.reset();
    GameFixture::TearDown();
  }

  // Reads the settings, creates the enabled ghosts and starts a game.
  void startGame(const std::string& config) {
    writeFile("config.txt", config);
    engine->configSource = {"config.txt", {}};
    engine->readConfig();
    engine->rules.createGhosts();
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
    gameSettings.keyboardControl = false;
    chomp.setDirection(DIR_NONE);
  }

  TempDir dir;
  ScriptedChomper chomp;
  std::unique_ptr<GameEngine> engine;
  int now = 0;
  std::vector<int> sleeps;
};
