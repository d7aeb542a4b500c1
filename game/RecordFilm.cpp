// One frame per idle pass: the loop paints the windows before each pass, so
// the pictures they present then show the moves the pass before played.

#include "game/RecordFilm.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "game/GameEngine.h"
#include "game/RecordWatch.h"
#include "gxbase/Main.h"
#include "gxbase/WindowEx.h"
#include "maze/GameState.h"
#include "player/MyChomper.h"
#include "player/Window.h"

namespace {

constexpr int HOLD_SECONDS = 2;

gxbase::GLWindow* analysisWindow() {
  auto* player = dynamic_cast<MyChomper*>(chomper);
  return player != nullptr ? player->getWindow() : nullptr;
}

}  // namespace

int RecordFilm::framesPerSecond(const std::string& path) { return VideoEncoder::isGif(path) ? 25 : 30; }

bool RecordFilm::begin(GameEngine& engine, RecordWatch& watch) {
  begun = true;
  watch.start(engine);
  const int fps = framesPerSecond(options.path);
  movesPerFrame = watch.speed() * watch.movesPerSecond() / fps;
  gxbase::GLWindow* analysis = analysisWindow();
  width = engine.Width() + (analysis != nullptr ? analysis->Width() : 0);
  height = std::max(engine.Height(), analysis != nullptr ? analysis->Height() : 0);
  // Even sizes, as the video's colour format wants.
  width += width % 2;
  height += height % 2;
  frame.assign(static_cast<size_t>(width) * height * 3, '\0');
  if (analysis != nullptr) analysis->Redraw();
  engine.Redraw();
  std::string problem;
  if (!encoder.open(options.path, width, height, fps, &problem)) {
    end(engine, false, problem);
    return false;
  }
  return true;
}

bool RecordFilm::addFrame(GameEngine& engine) {
  // The game window on the left, the analysis window beside it, each as it
  // last presented its picture. What no window covers stays black.
  int left = 0;
  for (gxbase::GLWindow* window : {static_cast<gxbase::GLWindow*>(&engine), analysisWindow()}) {
    if (window == nullptr) continue;
    gxbase::WindowEx& native = *window->Extra();
    const bool current = native.BeginGL();
    const bool read = current && native.ReadPresented(pixels);
    if (current) native.EndGL();
    const int w = window->Width();
    const int h = window->Height();
    const int shown = std::min(w, width - left);
    for (int row = 0; read && row < std::min(h, height); ++row) {
      std::memcpy(&frame[(static_cast<size_t>(row) * width + left) * 3], &pixels[static_cast<size_t>(row) * w * 3],
                  static_cast<size_t>(std::max(shown, 0)) * 3);
    }
    left += w;
  }
  return encoder.add(frame);
}

void RecordFilm::end(GameEngine& engine, bool ok, const std::string& problem) {
  ended = true;
  if (isatty(STDERR_FILENO)) std::fputc('\n', stderr);
  if (ok) {
    std::fprintf(stderr, "chompgame: %s: %ld frames of %dx%d at %d a second\n", options.path.c_str(), encoder.frames(),
                 width, height, framesPerSecond(options.path));
  } else {
    std::fprintf(stderr, "chompgame: the video %s was not made: %s\n", options.path.c_str(), problem.c_str());
    gxbase::Main::Instance().closeExitCode = 1;
  }
  engine.Close();
}

void RecordFilm::idle(GameEngine& engine, RecordWatch& watch) {
  if (ended) return;
  if (!begun) {
    begin(engine, watch);
    return;
  }
  if (!addFrame(engine)) {
    std::string problem;
    encoder.close(&problem);
    end(engine, false, problem);
    return;
  }
  if (isatty(STDERR_FILENO) && encoder.frames() % 50 == 0) {
    std::fprintf(stderr, "\rchompgame: frame %ld, move %lld", encoder.frames(), watch.moves());
  }
  if (watch.over()) {
    if (++heldFrames >= HOLD_SECONDS * framesPerSecond(options.path)) {
      std::string problem;
      const bool ok = encoder.close(&problem);
      end(engine, ok, problem);
      return;
    }
  } else {
    for (movesOwed += movesPerFrame; movesOwed >= 1 && watch.playMove(engine); movesOwed -= 1) {
    }
  }
  engine.Redraw();
}
