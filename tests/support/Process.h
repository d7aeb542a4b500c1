#pragma once
// Other programs run by the tests: a child process with arguments, extra
// environment, working folder and output file; whole runs with their output;
// and a private X server (Xvfb) for programs that need a real display.

#include <memory>
#include <string>
#include <utility>
#include <vector>

using Environment = std::vector<std::pair<std::string, std::string>>;

class ChildProcess {
 public:
  struct Options {
    std::vector<std::string> args;  // the program (looked up in PATH) and its arguments
    Environment env;                // added to the test's own
    std::string workDir;            // empty: the current folder
    std::string outputFile;         // standard output; empty: /dev/null
    bool errorsToOutput = true;     // standard error there too, else to /dev/null
  };

  explicit ChildProcess(const Options& options);
  ~ChildProcess();  // stops the process if it still runs
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Blocks until the process ends: its exit status, or 128 + signal.
  int wait();
  bool running();
  // SIGTERM, then SIGKILL if it lingers; reaps the process.
  void stop();

 private:
  int pid = -1;
  int status = -1;
};

struct RunResult {
  int status;
  std::string output;
};

// Runs a program to its end; standard error joins the output if asked.
RunResult runProgram(const std::vector<std::string>& args, const Environment& env = {}, bool withErrors = false);

bool installed(const std::string& program);

// Xvfb with one screen of the size ("1280x1024") on a display number it
// picks; ended with the object or by stop(). display() is "" when the
// server could not start.
class XServer {
 public:
  explicit XServer(const std::string& screen = "1280x1024");
  const std::string& display() const { return name; }
  void stop() { server.reset(); }

 private:
  std::unique_ptr<ChildProcess> server;
  std::string name;
};

// The game program built beside the tests with its arguments, run offscreen
// in workDir under `timeout`, standard output and errors going to outputFile.
std::unique_ptr<ChildProcess> startGame(const std::string& workDir, int timeoutSeconds,
                                        const std::string& outputFile, const std::vector<std::string>& args = {});
// The lines of a text, without their line breaks.
std::vector<std::string> linesOf(const std::string& text);
// Copies the shipped sprites (data/*.tga of the source tree) into a folder.
void copyShippedSprites(const std::string& folder);
