#include "tests/support/TempDir.h"

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

TempDir::TempDir() {
  char pattern[] = "/tmp/chomp-test-XXXXXX";
  if (mkdtemp(pattern) == nullptr) std::abort();
  dir = pattern;
  previous = fs::current_path().string();
  fs::current_path(dir);
}

TempDir::~TempDir() {
  fs::current_path(previous);
  std::error_code ignored;
  fs::remove_all(dir, ignored);
}

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}
