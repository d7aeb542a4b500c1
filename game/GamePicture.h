#pragma once
// The game's picture without a display: the game window's own drawing
// (GameEngine::OnDisplay) of the game state, made in an offscreen window and
// read back as RGB bytes. It draws whatever the game state holds, such as a
// headless game's position; nothing of the game is changed by drawing it.
// Sprites come from data/ of the working folder, as the game window's do.
//
//   GamePicture picture;
//   std::vector<unsigned char> rgb;
//   if (picture.draw(game.gameRules().gameLost, rgb, &why)) ...  // 460 rows of 380

#include <memory>
#include <string>
#include <vector>

class GameEngine;
class Window;

class GamePicture {
 public:
  static constexpr int kWidth = 380;
  static constexpr int kHeight = 460;

  GamePicture();
  ~GamePicture();
  GamePicture(const GamePicture&) = delete;
  GamePicture& operator=(const GamePicture&) = delete;

  // The picture of the game now: kWidth x kHeight pixels, top row first, with
  // the lose screen when `gameLost` (the win screen shows when the food is
  // all eaten). False, saying why, when no offscreen GL window can be made;
  // the first call makes the window.
  bool draw(bool gameLost, std::vector<unsigned char>& rgb, std::string* why);
  // The autonomous player's analysis picture as its window shows it after
  // its last decision, the same size and order. The first call gives that
  // window an offscreen native window, which it keeps (and then repaints at
  // every decision, as in the game) until this picture is destroyed.
  bool drawAnalysis(Window& analysis, std::vector<unsigned char>& rgb, std::string* why);

 private:
  bool open(std::string* why);
  void loadMissingSprites();

  std::unique_ptr<GameEngine> engine;
  Window* analysisMade = nullptr;  // the analysis window given a native window here
};
