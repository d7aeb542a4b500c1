#include "maze/MazeView.h"

#include <GL/gl.h>

void setUpMazeView(int windowWidth, int windowHeight) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0.0, 380.0, -20.0, 440.0, -1.0, 1.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glViewport(0, 0, windowWidth, windowHeight);
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
}
