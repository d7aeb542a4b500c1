#include "game/GamePicture.h"

#include "actors/Chomper.h"
#include "actors/Ghost.h"
#include "game/GameEngine.h"
#include "gxbase/Platform.h"
#include "gxbase/WindowEx.h"
#include "maze/GameState.h"
#include "maze/MazeView.h"
#include "player/Window.h"

GamePicture::GamePicture() = default;

GamePicture::~GamePicture() {
  if (analysisMade != nullptr && analysisMade->HasContext()) analysisMade->Extra()->Destroy();
  if (engine && engine->HasContext()) engine->Extra()->Destroy();
}

bool GamePicture::open(std::string* why) {
  if (engine) return true;
  if (!gxbase::Platform::UseOffscreenVideo()) {
    *why = "windows of another video driver are open in this process";
    return false;
  }
  auto made = std::make_unique<GameEngine>();
  made->SetSize(kWidth, kHeight);
  if (!made->Extra()->Create()) {
    *why = "no offscreen OpenGL window could be made (SDL's offscreen driver, EGL)";
    return false;
  }
  // The game window's own set-up (its context is current after Create),
  // without its configuration and game: those are the game state's already.
  setUpMazeView(kWidth, kHeight);
  made->loadFoodSprites();
  engine = std::move(made);
  return true;
}

void GamePicture::loadMissingSprites() {
  // Ghosts are made anew whenever the settings change.
  if (chomper != nullptr && !chomper->hasSprites()) chomper->loadSprites();
  for (Ghost* ghost : ghostsInPlayOrder()) {
    if (ghost != nullptr && !ghost->hasSprites()) ghost->loadSprites();
  }
}

bool GamePicture::draw(bool gameLost, std::vector<unsigned char>& rgb, std::string* why) {
  if (!open(why)) return false;
  if (!engine->Extra()->BeginGL()) {
    *why = "the offscreen window's OpenGL context cannot be made current";
    return false;
  }
  loadMissingSprites();
  engine->startScreen = false;
  engine->rules.gameLost = gameLost;
  engine->OnDisplay();
  const bool read = engine->Extra()->ReadPresented(rgb);
  engine->Extra()->EndGL();
  if (!read) *why = "the picture could not be read back";
  return read;
}

bool GamePicture::drawAnalysis(Window& analysis, std::vector<unsigned char>& rgb, std::string* why) {
  // Made after the game picture's window, the analysis window's context is
  // the one left current between drawings, as in the game: the player
  // repaints it directly at each decision.
  if (!open(why)) return false;
  if (!analysis.HasContext()) {
    analysis.SetSize(kWidth, kHeight);
    if (!analysis.Extra()->Create()) {
      *why = "no offscreen OpenGL window could be made for the analysis picture";
      return false;
    }
    analysis.OnCreate();
    analysisMade = &analysis;
  }
  if (!analysis.Extra()->BeginGL()) {
    *why = "the analysis window's OpenGL context cannot be made current";
    return false;
  }
  analysis.OnDisplay();
  const bool read = analysis.Extra()->ReadPresented(rgb);
  analysis.Extra()->EndGL();
  if (!read) *why = "the analysis picture could not be read back";
  return read;
}
