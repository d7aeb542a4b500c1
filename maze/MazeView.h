#pragma once

// The view shared by the game window and the analysis window: world
// coordinates are pixels with y up, the maze fills x 0..380 and y 0..440 and
// the strip y -20..0 below it holds the score line. Sets the projection,
// an identity model-view, the viewport to the window's size and a black
// clear colour. Needs the window's GL context current.
void setUpMazeView(int windowWidth, int windowHeight);
