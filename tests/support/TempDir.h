#pragma once
// A fresh folder under /tmp that is the working directory while the object
// lives; the destructor goes back and removes the folder with its contents.

#include <string>

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

// Whole-file helpers; readFile gives "" for a missing file.
void writeFile(const std::string& path, const std::string& bytes);
std::string readFile(const std::string& path);
