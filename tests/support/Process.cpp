#include "tests/support/Process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <thread>

#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

int decodeStatus(int raw) {
  if (WIFEXITED(raw)) return WEXITSTATUS(raw);
  return WIFSIGNALED(raw) ? 128 + WTERMSIG(raw) : -1;
}

void redirect(int target, const std::string& file) {
  const int fd = open(file.empty() ? "/dev/null" : file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd >= 0) dup2(fd, target);
  if (fd >= 0 && fd != target) close(fd);
}

[[noreturn]] void execChild(const ChildProcess::Options& o) {
  for (const auto& [name, value] : o.env) setenv(name.c_str(), value.c_str(), 1);
  if (!o.workDir.empty() && chdir(o.workDir.c_str()) != 0) _exit(126);
  redirect(STDOUT_FILENO, o.outputFile);
  if (o.errorsToOutput) dup2(STDOUT_FILENO, STDERR_FILENO);
  else redirect(STDERR_FILENO, "");
  std::vector<char*> argv;
  for (const std::string& a : o.args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  execvp(argv[0], argv.data());
  _exit(127);
}

}  // namespace

ChildProcess::ChildProcess(const Options& options) {
  std::fflush(nullptr);  // or the child would write the parent's buffered output again
  pid = fork();
  if (pid == 0) execChild(options);
}

ChildProcess::~ChildProcess() { stop(); }

int ChildProcess::wait() {
  int raw = 0;
  if (pid > 0 && waitpid(pid, &raw, 0) == pid) status = decodeStatus(raw);
  pid = -1;
  return status;
}

bool ChildProcess::running() {
  int raw = 0;
  if (pid <= 0 || waitpid(pid, &raw, WNOHANG) == 0) return pid > 0;
  status = decodeStatus(raw);
  pid = -1;
  return false;
}

void ChildProcess::stop() {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  for (int i = 0; i < 50 && running(); ++i) usleep(20000);  // a moment to end cleanly
  if (pid > 0) kill(pid, SIGKILL);
  wait();
}

RunResult runProgram(const std::vector<std::string>& args, const Environment& env, bool withErrors) {
  char pattern[] = "/tmp/chomp-output-XXXXXX";
  const int fd = mkstemp(pattern);
  if (fd < 0) return {-1, ""};
  close(fd);
  RunResult result{ChildProcess({args, env, "", pattern, withErrors}).wait(), readFile(pattern)};
  std::remove(pattern);
  return result;
}

bool installed(const std::string& program) {
  return runProgram({"sh", "-c", "command -v " + program}).status == 0;
}

XServer::XServer(const std::string& screen) {
  int fds[2];
  if (pipe(fds) != 0) return;
  // Xvfb writes its display number to the pipe once it accepts clients.
  server = std::make_unique<ChildProcess>(ChildProcess::Options{
      {"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", screen + "x24", "-nolisten", "tcp"}, {}, "", ""});
  close(fds[1]);
  std::string number;
  char c = 0;
  while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
  close(fds[0]);
  if (number.empty() || c != '\n') return;
  // Under load a first client has been seen to be refused right after the
  // server said it was ready: hand the display out only once one connects.
  for (int tries = 0; tries < 100; ++tries) {
    if (runProgram({"xdpyinfo", "-display", ":" + number}).status == 0) {
      name = ":" + number;
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
}

std::unique_ptr<ChildProcess> startGame(const std::string& workDir, int timeoutSeconds,
                                        const std::string& outputFile, const std::vector<std::string>& args) {
  std::vector<std::string> command = {"timeout", std::to_string(timeoutSeconds), std::string(CHOMP_BINARY_DIR) + "/chompgame"};
  command.insert(command.end(), args.begin(), args.end());
  return std::make_unique<ChildProcess>(ChildProcess::Options{
      command,
      {{"SDL_VIDEODRIVER", "offscreen"}, {"SDL_AUDIODRIVER", "dummy"}},
      workDir,
      outputFile});
}

void copyShippedSprites(const std::string& folder) {
  for (const auto& entry : fs::directory_iterator(std::string(CHOMP_SOURCE_DIR) + "/data")) {
    if (entry.path().extension() == ".tga") fs::copy_file(entry.path(), folder / entry.path().filename());
  }
}

std::vector<std::string> linesOf(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}
