#include "tests/engine/EngineTestSupport.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

TempDir::TempDir() {
  char pattern[] = "/tmp/chomp-engine-XXXXXX";
  const char* made = mkdtemp(pattern);
  if (made == nullptr) std::abort();
  dir = made;
  previous = fs::current_path().string();
  fs::current_path(dir);
}

TempDir::~TempDir() {
  fs::current_path(previous);
  std::error_code ignored;
  fs::remove_all(dir, ignored);
}

void writeFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool fileExists(const std::string& path) { return fs::exists(path); }
