#include "tests/engine/GameProcess.h"

#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;

std::string gameProgram() { return std::string(CHOMP_BINARY_DIR) + "/chompgame"; }

void copyShippedSprites(const std::string& folder) {
  for (const auto& entry : fs::directory_iterator(std::string(CHOMP_SOURCE_DIR) + "/data")) {
    if (entry.path().extension() == ".tga") fs::copy_file(entry.path(), folder / entry.path().filename());
  }
}

std::unique_ptr<ChildProcess> startGame(const std::string& workDir, int timeoutSeconds,
                                        const std::string& outputFile, const std::vector<std::string>& args) {
  std::vector<std::string> command = {"timeout", std::to_string(timeoutSeconds), gameProgram()};
  command.insert(command.end(), args.begin(), args.end());
  return std::make_unique<ChildProcess>(
      ChildProcess::Options{command,
                            {{"SDL_VIDEODRIVER", "offscreen"}, {"SDL_AUDIODRIVER", "dummy"}},
                            workDir,
                            outputFile,
                            true});
}

int runGame(const std::string& workDir, int timeoutSeconds, const std::vector<std::string>& args) {
  return startGame(workDir, timeoutSeconds, workDir + "/output.txt", args)->wait();
}

std::vector<std::string> linesOf(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}
