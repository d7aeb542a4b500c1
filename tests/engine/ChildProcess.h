#pragma once
// Runs another program for the end-to-end tests: arguments, extra
// environment, working folder and an output file; waits for it or ends it.

#include <string>
#include <utility>
#include <vector>

class ChildProcess {
 public:
  struct Options {
    std::vector<std::string> args;   // program and arguments; the program is looked up in PATH
    std::vector<std::pair<std::string, std::string>> env;  // set ("" value: unset)
    std::string workDir;             // empty: the current folder
    std::string outputFile;          // standard output; empty: /dev/null
    bool errorsToOutput = true;      // standard error into the same file, else /dev/null
  };

  explicit ChildProcess(const Options& options);
  ~ChildProcess();  // ends the process if it still runs
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return pid > 0; }
  // Blocks until the process ends; its exit status, or 128 + signal.
  int wait();
  // True while the process has not ended.
  bool running();
  // Sends SIGTERM (then SIGKILL if needed) and reaps the process.
  void stop();

 private:
  int pid = -1;
  int status = -1;
};

// Path of a program in PATH, or "" when not installed.
std::string findProgram(const std::string& name);
// Runs a command to completion and returns what it wrote to standard output.
std::string captureOutput(const std::vector<std::string>& args,
                          const std::vector<std::pair<std::string, std::string>>& env = {});
