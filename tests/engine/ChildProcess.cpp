#include "tests/engine/ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

int decodeStatus(int raw) {
  if (WIFEXITED(raw)) return WEXITSTATUS(raw);
  if (WIFSIGNALED(raw)) return 128 + WTERMSIG(raw);
  return -1;
}

[[noreturn]] void execChild(const ChildProcess::Options& o) {
  for (const auto& [name, value] : o.env) {
    if (value.empty()) unsetenv(name.c_str());
    else setenv(name.c_str(), value.c_str(), 1);
  }
  if (!o.workDir.empty() && chdir(o.workDir.c_str()) != 0) _exit(126);
  const char* out = o.outputFile.empty() ? "/dev/null" : o.outputFile.c_str();
  const int fd = open(out, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd >= 0) {
    dup2(fd, STDOUT_FILENO);
    if (o.errorsToOutput) dup2(fd, STDERR_FILENO);
    close(fd);
  }
  if (!o.errorsToOutput) {
    const int null = open("/dev/null", O_WRONLY);
    if (null >= 0) dup2(null, STDERR_FILENO);
  }
  std::vector<char*> argv;
  for (const std::string& a : o.args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  execvp(argv[0], argv.data());
  _exit(127);
}

}  // namespace

ChildProcess::ChildProcess(const Options& options) {
  std::fflush(nullptr);
  pid = fork();
  if (pid == 0) execChild(options);
}

ChildProcess::~ChildProcess() { stop(); }

int ChildProcess::wait() {
  if (pid <= 0) return status;
  int raw = 0;
  if (waitpid(pid, &raw, 0) == pid) status = decodeStatus(raw);
  pid = -1;
  return status;
}

bool ChildProcess::running() {
  if (pid <= 0) return false;
  int raw = 0;
  if (waitpid(pid, &raw, WNOHANG) == 0) return true;
  status = decodeStatus(raw);
  pid = -1;
  return false;
}

void ChildProcess::stop() {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  // Give it a moment to go, then make sure.
  for (int i = 0; i < 50 && running(); ++i) usleep(20000);
  if (pid > 0) {
    kill(pid, SIGKILL);
    wait();
  }
}

std::string findProgram(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::stringstream dirs(path != nullptr ? path : "");
  std::string dir;
  while (std::getline(dirs, dir, ':')) {
    const std::string candidate = dir + "/" + name;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return "";
}

std::string captureOutput(const std::vector<std::string>& args,
                          const std::vector<std::pair<std::string, std::string>>& env) {
  char pattern[] = "/tmp/chomp-capture-XXXXXX";
  const int fd = mkstemp(pattern);
  if (fd < 0) return "";
  close(fd);
  ChildProcess child({args, env, "", pattern, false});
  child.wait();
  FILE* file = std::fopen(pattern, "rb");
  std::string text;
  if (file != nullptr) {
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
    std::fclose(file);
  }
  std::remove(pattern);
  return text;
}
