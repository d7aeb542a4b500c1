// Set-up of the game window and the run driver: start screen, one move per
// idle call, game over with results, pause and the next game.

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include <cstdlib>
#include <ctime>

#include "actors/Chomper.h"
#include "actors/Ghost.h"
#include "game/GameEngine.h"
#include "game/RecordWatch.h"
#include "game/SettingsReader.h"
#include "maze/GameState.h"
#include "maze/MazeView.h"
#include "gxbase/Main.h"

namespace {
// Pause after a game in interactive mode, so the win or lose picture shows.
constexpr int INTERACTIVE_PAUSE_MS = 5000;

// Every file name is relative to the working folder. Started elsewhere, the
// game would show a black maze without a word: say once where it looked.
void reportMissingDataFolder() {
  static bool reported = false;
  std::error_code error;
  if (reported || std::filesystem::is_directory("data", error)) return;
  reported = true;
  const std::string folder = std::filesystem::current_path(error).string();
  std::fprintf(stderr,
               "Chomp: no data/ folder in %s, so no settings and no pictures; run the game from the "
               "folder that holds data/ (scripts/play does)\n",
               folder.c_str());
}
}  // namespace

void GameEngine::OnCreate() {
  SetSize(380, 460);
  setUpMazeView(Width(), Height());
  reportMissingDataFolder();
  readConfig();
  // Games without a seed draw their ghosts' choices from the calendar time.
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  rules.createGhosts();
  resetGame();
  loadSprites();
}

void GameEngine::readConfig() {
  gameSettings = watch != nullptr ? watch->settings() : SettingsReader::read(configSource);
  runsLeft = gameSettings.runs;
  drawSeedForRecords();
}

void GameEngine::loadSprites() {
  // A file that cannot be read leaves its image empty; it is then not drawn.
  if (chomper != nullptr) chomper->loadSprites();
  for (Ghost* ghost : ghostsInPlayOrder()) {
    if (ghost != nullptr) ghost->loadSprites();
  }
  loadFoodSprites();
}

void GameEngine::loadFoodSprites() {
  dotImage.Load("data//dot.tga");
  powerpillImage.Load("data//powerpill.tga");
  fruitImage.Load("data//fruit.tga");
}

void GameEngine::resetGame() {
  rules.resetGame();
  startScreen = true;
}

void GameEngine::OnKeyboard(int key, bool down) {
  if (!down) return;
  if (watch != nullptr) {
    watch->key(key);
    return;
  }
  // Any key press forgets the remembered arrow and a pending start.
  startRequested = rules.keyLeft = rules.keyRight = rules.keyDown = rules.keyUp = false;
  switch (key) {
    case KEY_UP: rules.keyUp = true; break;
    case KEY_RIGHT: rules.keyRight = true; break;
    case KEY_DOWN: rules.keyDown = true; break;
    case KEY_LEFT: rules.keyLeft = true; break;
    case KEY_START: startRequested = true; break;
    case KEY_F1:
      // Abandons the game: no results line.
      resetGame();
      startScreen = true;
      break;
    default: break;
  }
}

void GameEngine::OnIdle() {
  if (watch != nullptr) {
    watch->idle(*this);
  } else if (startScreen) {
    Redraw();
    leaveStartScreen();
    frameTimer.waitFor(gameSettings.framePeriodMs);
  } else if (gameWon || rules.gameLost) {
    finishGame();
  } else {
    rules.gameTick();
    rules.advanceMoveClock();
    ++gameMoves;
    Redraw();
    frameTimer.waitFor(gameSettings.framePeriodMs);
  }
}

void GameEngine::leaveStartScreen() {
  // Unattended runs (runsLeft > 1) never wait for the start key.
  if (startRequested || runsLeft > 1) {
    startRequested = false;
    startScreen = false;
    rules.beginGame();
    startRecord();
    gameMoves = 0;
    gameStartMs = frameTimer.now();
  } else if (!startKeyWarned && !gxbase::Main::HasKeyboard()) {
    // Otherwise a headless run whose config was not read waits for ever, silently.
    startKeyWarned = true;
    std::fputs("Waiting for the start key, but there is no display to type it on; "
               "set \"runs\" in data//config.txt for unattended games\n", stderr);
  }
}

void GameEngine::finishGame() {
  Redraw();
  if (gameSettings.recordResults) appendResults();
  keepRecord();
  ++gamesFinished;
  if (runsLeft > 1) reportProgress();
  if (runsLeft == 1) {
    frameTimer.waitFor(INTERACTIVE_PAUSE_MS);
  } else {
    frameTimer.waitFor(gameSettings.dataTimeoutMs);
    --runsLeft;
    // The last unattended run is over: closing the main window ends the
    // program, with a failure status when results were lost.
    if (runsLeft == 1) {
      if (linesLost > 0 || recordsLost > 0) gxbase::Main::Instance().closeExitCode = 1;
      Close();
    }
  }
  resetGame();
}

void GameEngine::reportProgress() const {
  // An unattended series may run with nothing on the screen: one line per
  // game shows it working. runsLeft is N + 2 - k at the end of game k of N.
  const long long total = static_cast<long long>(gamesFinished) + runsLeft - 2;
  const int score = chomper != nullptr ? chomper->getScore() : 0;
  const double seconds = (frameTimer.now() - gameStartMs) / 1000.0;
  std::printf("game %d of %lld: %s, score %d, %d moves, %.1f s\n", gamesFinished, total,
              gameWon ? "won" : "lost", score, gameMoves, seconds);
  std::fflush(stdout);
}
