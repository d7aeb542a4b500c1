#pragma once
// The game window: sets the game up, plays one move per idle call at the
// configured speed, shows the start, win and lose screens, records results
// and, in unattended mode, closes the program after the last run.
//
// Its code is split by concern: GameEngine.cpp (construction, ownership),
// GameEngineRunDriver.cpp (creation, reset, keys, idle), GameEngineRules.cpp
// (one move), GameEngineConfig.cpp (config file), GameEngineResults.cpp
// (results file) and GameEngineDrawing.cpp (the picture).

#include <array>
#include <map>
#include <string>

#include "game/FrameTimer.h"
#include "gxbase/GLWindow.h"
#include "gxbase/Image.h"
#include "gxbase/ImageFileCache.h"

class Ghost;

// The sprites of a dot and of a power pill, loaded by OnCreate, drawn for
// every food cell; empty (and then not drawn) until loaded.
extern gxbase::Image dotImage;
extern gxbase::Image powerpillImage;

// Virtual-key codes the game reacts to.
enum GameKey {
  KEY_START = 0x20,  // the key that types a blank
  KEY_LEFT = 0x25,
  KEY_UP = 0x26,
  KEY_RIGHT = 0x27,
  KEY_DOWN = 0x28,
  KEY_F1 = 0x70
};

class GameEngine : public gxbase::GLWindow {
 public:
  // Clears the game state (food, ghost pointers, countdowns); no native window.
  GameEngine();
  // Deletes the ghosts this engine created, never the chomper.
  ~GameEngine() override;
  GameEngine(const GameEngine&) = delete;
  GameEngine& operator=(const GameEngine&) = delete;

  // Framework handlers.
  void OnCreate() override;    // size, projection, config, ghosts, reset, food images
  void OnDisplay() override;   // the whole picture
  void OnKeyboard(int key, bool down) override;  // arrows, start key, F1
  void OnIdle() override;      // the run driver: start screen, one move, or game over

  // Set-up and run driver.
  void createGhosts();         // each enabled ghost, red, green, orange, turquoise
  void loadFoodImages();
  void resetGame();            // a new game on the start screen
  void countFood();            // foodLeft = dots and pills in the maze

  // Configuration: every setting to its default, then the pairs of the file
  // (missing file: defaults). The first form reads "data//config.txt".
  void readConfig();
  void readConfig(const char* path);
  void setConfigDefaults();
  // Applies one non-negative value to the key it names; false for an unknown key.
  bool applyConfigValue(const std::string& key, int value);

  // Rules of one move.
  void gameTick();
  void applyKeys(int mask);           // remembered arrow -> direction, if open
  int ghostDistance(const Ghost* ghost) const;  // whole pixels to the chomper
  void updateFruit();
  void endBluePeriod();
  void checkMeetings();
  void updatePhases();

  // Results: one line per finished game, appended whole or not at all. The
  // first form appends to "data//gamedata.txt" and reports a lost line on
  // standard error; the second is false when the line was not appended.
  void appendResults();
  bool appendResults(const char* path) const;
  std::string resultsLine() const;

  // Drawing.
  void drawMaze();
  void drawScreenImage(const char* fileName);

  // The ghosts in play order (red, green, orange, turquoise); null = absent.
  static std::array<Ghost*, 4> ghostsInPlayOrder();
  // The configured slow-down of the ghost at that place of the play order.
  int configuredSlowdown(int playIndex) const;

  gxbase::Image fruitImage;
  bool keyLeft = false;
  bool keyRight = false;
  bool keyDown = false;
  bool keyUp = false;
  bool keyboardControl = false;   // true: arrow keys steer; false: the autonomous player
  bool startScreen = false;
  bool gameLost = false;
  bool startRequested = false;
  bool redEnabled = false;
  bool greenEnabled = false;
  bool orangeEnabled = false;
  bool turquoiseEnabled = false;
  bool recordResults = false;
  int redSlowdown = 0;
  int greenSlowdown = 0;
  int orangeSlowdown = 0;
  int turquoiseSlowdown = 0;
  int nMovesFruitAppears = 0;
  int fruitCountdown = 0;
  int fps = 0;
  int framePeriodMs = 0;
  int runsLeft = 0;        // 1: interactive; N + 1 for N unattended runs
  int dataTimeoutMs = 0;
  int linesLost = 0;       // results lines that could not be appended
  bool startKeyWarned = false;  // told once that no start key can come
  FrameTimer frameTimer;

 private:
  void steerChomper();
  void leaveStartScreen();
  void finishGame();
  void drawFood();
  void drawStatusLine();

  // The start, win and lose pictures by file name.
  std::map<std::string, gxbase::ImageFileCache> screenImages;

  // What createGhosts allocated, red, green, orange, turquoise: the
  // destructor deletes exactly these.
  std::array<Ghost*, 4> ownedGhosts{};
};
