#pragma once
// The game window: sets the game up, plays one move per idle call at the
// configured speed, shows the start, win and lose screens, records results
// and, in unattended mode, closes the program after the last run.
//
// Its code is split by concern: GameEngine.cpp (construction, ownership),
// GameEngineRunDriver.cpp (creation, reset, keys, idle), GameEngineRules.cpp
// (one move), GameEngineResults.cpp (results file) and GameEngineDrawing.cpp
// (the picture). Its settings are the game state's gameSettings.

#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "game/ConfigSource.h"
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
  // No native window; the game state is left as it is (resetGameState clears it).
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

  // The settings of configSource into gameSettings (SettingsReader reads
  // them); the run counter starts at its "runs".
  void readConfig();

  // Rules of one move. gameTick is moveGhosts followed by moveChomper; the
  // headless driver stops between the two where the chomper decides.
  void gameTick();
  void moveGhosts();
  void moveChomper();         // steering, eating and moving, then the rules
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

  // Seeded games (GameEngineSeed.cpp). With "seed" S > 0 the k-th game that
  // leaves the start screen (k = 1, 2, ...) is played with seed S + k - 1.
  void beginGame();                         // a game leaves the start screen
  // Reseeds the ghosts' random source, forgets what earlier games left behind
  // (blue period, remembered arrow, slow-down counts, the player's memory)
  // and gives the player the move clock in place of the wall clock.
  void startSeededGame(unsigned gameSeed);
  void advanceMoveClock();                  // after every move of a seeded game

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
  bool startScreen = false;
  bool gameLost = false;
  bool startRequested = false;
  int fruitCountdown = 0;
  int runsLeft = 0;        // 1: interactive; N + 1 for N unattended runs
  int gamesFinished = 0;   // games of this program that reached game over
  int gameMoves = 0;       // moves of the game being played
  int gameStartMs = 0;     // frame-timer clock when it left its start screen
  int linesLost = 0;       // results lines that could not be appended
  bool startKeyWarned = false;  // told once that no start key can come
  FrameTimer frameTimer;
  int gamesStarted = 0;       // games of this run that left the start screen
  bool seededGame = false;    // the current game was started by startSeededGame
  std::uint32_t moveClockMs = 0;  // the player's clock in a seeded game
  ConfigSource configSource;  // where readConfig() finds the settings

 private:
  void steerChomper();
  void leaveStartScreen();
  void finishGame();
  void reportProgress() const;
  void drawFood();
  void drawStatusLine();

  // The start, win and lose pictures by file name.
  std::map<std::string, gxbase::ImageFileCache> screenImages;

  // What createGhosts allocated, red, green, orange, turquoise: the
  // destructor deletes exactly these.
  std::array<Ghost*, 4> ownedGhosts{};
};
