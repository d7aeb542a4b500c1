#pragma once
// The game window: sets the game up, plays one move of its rules (GameRules)
// per idle call at the configured speed, shows the start, win and lose
// screens, records results and, in unattended mode, closes the program after
// the last run.
//
// Its code is split by concern: GameEngine.cpp (construction),
// GameEngineRunDriver.cpp (creation, reset, keys, idle), GameEngineResults.cpp
// (results file), GameEngineRecords.cpp (game records) and
// GameEngineDrawing.cpp (the picture). Its settings are the
// game state's gameSettings.

#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "game/ConfigSource.h"
#include "game/FrameTimer.h"
#include "game/GameRecorder.h"
#include "game/GameRules.h"
#include "gxbase/GLWindow.h"
#include "gxbase/Image.h"
#include "gxbase/ImageFileCache.h"

class Ghost;
class RecordWatch;

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
  // No native window; the game state is left as it is (resetGameState clears it).
  GameEngine();
  ~GameEngine() override;
  GameEngine(const GameEngine&) = delete;
  GameEngine& operator=(const GameEngine&) = delete;

  // Framework handlers.
  void OnCreate() override;    // size, projection, config, ghosts, reset, sprites
  void OnDisplay() override;   // the whole picture
  void OnKeyboard(int key, bool down) override;  // arrows, start key, F1
  void OnIdle() override;      // the run driver: start screen, one move, or game over

  // Set-up and run driver.
  void loadSprites();          // the food's and the actors' pictures
  void loadFoodSprites();      // the dot's, the power pill's and the fruit's
  void resetGame();            // a new game of the rules, on the start screen

  // The settings of configSource into gameSettings (SettingsReader reads
  // them); the run counter starts at its "runs".
  void readConfig();

  // Results: one line per finished game, appended whole or not at all. The
  // first form appends to "data//gamedata.txt" and reports a lost line on
  // standard error; the second is false when the line was not appended.
  void appendResults();
  bool appendResults(const char* path) const;

  // Game records (GameEngineRecords.cpp). With a folder, every game played
  // is seeded (without a "seed" setting one is drawn and said) and its record
  // written there when it ends, named by ghost set and seed; a name taken
  // already gets "-2", "-3", ... so no record is overwritten.
  void drawSeedForRecords();
  void startRecord();
  void keepRecord();

  // Drawing.
  void drawMaze();
  void drawScreenImage(const char* fileName);

  GameRules rules;
  gxbase::Image fruitImage;
  bool startScreen = false;
  bool startRequested = false;
  int runsLeft = 0;        // 1: interactive; N + 1 for N unattended runs
  int gamesFinished = 0;   // games of this program that reached game over
  int gameMoves = 0;       // moves of the game being played
  int gameStartMs = 0;     // frame-timer clock when it left its start screen
  int linesLost = 0;       // results lines that could not be appended
  bool startKeyWarned = false;  // told once that no start key can come
  FrameTimer frameTimer;
  ConfigSource configSource;  // where readConfig() finds the settings
  std::string recordDir;      // "": games are not recorded
  int recordsLost = 0;        // records that could not be written
  // Set: the window shows this record's game instead of playing its own (not owned).
  RecordWatch* watch = nullptr;

 private:
  void leaveStartScreen();
  void finishGame();
  void reportProgress() const;
  void drawFood();
  void drawStatusLine();

  GameRecorder recorder;
  unsigned recordSeed = 0;

  // The start, win and lose pictures by file name.
  std::map<std::string, gxbase::ImageFileCache> screenImages;
};
