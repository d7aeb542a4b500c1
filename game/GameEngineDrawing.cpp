// The picture of the game: walls, food, fruit, actors, the score line and,
// over everything, the start, win or lose screen.

#include <GL/gl.h>

#include "actors/Chomper.h"
#include "actors/Ghost.h"
#include "game/GameEngine.h"
#include "game/RecordWatch.h"
#include "maze/GameState.h"
#include "maze/WallOutline.h"

void GameEngine::OnDisplay() {
  glClear(GL_COLOR_BUFFER_BIT);
  glLoadIdentity();
  drawMaze();
  if (fruitShown) Player::drawCentred(&fruitImage, FRUIT_X, FRUIT_Y);
  // Later items cover earlier ones: ghosts over the chomper over the fruit.
  if (chomper != nullptr) chomper->draw();
  for (Ghost* ghost : ghostsInPlayOrder()) {
    if (ghost != nullptr) ghost->draw();
  }
  drawStatusLine();
  if (startScreen) {
    drawScreenImage("data//start.tga");
  } else if (gameWon) {
    drawScreenImage("data//win.tga");
  } else if (rules.gameLost) {
    drawScreenImage("data//lose.tga");
  }
  SwapBuffers();
}

void GameEngine::drawStatusLine() {
  glColor3d(1, 1, 1);
  glRasterPos2i(5, -15);
  Printf("Score: %d", chomper != nullptr ? chomper->getScore() : 0);
  glRasterPos2i(150, -15);
  Printf("Food Left: %d", foodLeft);
  if (watch != nullptr) {
    glRasterPos2i(272, -15);
    Printf("%s", watch->status().c_str());
  }
}

void GameEngine::drawMaze() {
  drawWallOutline();
  drawFood();
}

void GameEngine::drawFood() {
  for (int row = 0; row < MAZE_ROWS; ++row) {
    for (int col = 0; col < MAZE_COLS; ++col) {
      const int code = maze[gridIndex(col, row)];
      const double x = 10 + CELL_SIZE * col;
      const double y = 10 + CELL_SIZE * row;
      if (code == CELL_DOT) Player::drawCentred(&dotImage, x, y);
      if (code == CELL_POWERPILL) Player::drawCentred(&powerpillImage, x, y);
    }
  }
}

void GameEngine::drawScreenImage(const char* fileName) {
  // Kept between repaints and read again only when the file changes;
  // centred, bottom edge at y 80.
  const gxbase::Image& screen = screenImages.try_emplace(fileName, fileName).first->second.Get();
  if (!screen.IsValid()) return;
  glRasterPos2d(190 - screen.Width() * 0.5, 80);
  screen.Draw();
}
