#pragma once
// A film of a watched record: every idle pass of the game window plays the
// moves of one frame, and the pictures the game window and the analysis
// window presented last (their real drawing, read back as shown) go side by
// side into one frame of the video. No pause: a film is made as fast as the
// machine draws and encodes. The final picture stays two seconds, then the
// window is closed; the program's status says whether the video was written.

#include <string>
#include <vector>

#include "game/VideoEncoder.h"

class GameEngine;
class RecordWatch;

struct FilmOptions {
  std::string path;          // .mp4 or .gif
  double lastSeconds = -1;   // only the last seconds of the game at its own pace; -1: from the watch's start
};

class RecordFilm {
 public:
  explicit RecordFilm(FilmOptions options) : options(std::move(options)) {}

  // Frames a second of the film of `path` (30; 25 for a GIF, whose frame
  // times count hundredths of a second).
  static int framesPerSecond(const std::string& path);

  // The game window's idle pass while it films.
  void idle(GameEngine& engine, RecordWatch& watch);
  long frames() const { return encoder.frames(); }

 private:
  bool begin(GameEngine& engine, RecordWatch& watch);
  bool addFrame(GameEngine& engine);
  void end(GameEngine& engine, bool ok, const std::string& problem);

  FilmOptions options;
  VideoEncoder encoder;
  std::string frame;            // the composed frame, RGB, top row first
  std::vector<unsigned char> pixels;  // one window's picture
  bool begun = false;
  bool ended = false;
  double movesOwed = 0;
  double movesPerFrame = 1;
  int heldFrames = 0;
  int width = 0;
  int height = 0;
};
