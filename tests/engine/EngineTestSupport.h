#pragma once
// Helpers shared by the game-window tests: a chomper that goes where it is
// told, a temporary working folder and small file helpers.

#include <functional>
#include <string>

#include "actors/Chomper.h"

// A chomper whose decision is whatever the test put in `nextDirection`.
class ScriptedChomper : public Chomper {
 public:
  void decide() override {
    ++decisions;
    if (onDecide) onDecide();
    setDirection(nextDirection);
  }
  std::function<void()> onDecide;
  int nextDirection = DIR_NONE;
  int decisions = 0;
};

// Creates a fresh folder under the system's temporary folder and makes it the
// working directory; the destructor goes back and removes it.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return dir; }

 private:
  std::string dir;
  std::string previous;
};

// Helpers working on paths relative to the current folder.
void writeFile(const std::string& path, const std::string& text);
std::string readFile(const std::string& path);  // empty when missing
bool fileExists(const std::string& path);
