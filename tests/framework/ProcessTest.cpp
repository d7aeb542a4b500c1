// Whole programs built on the framework, run as separate processes: exit
// statuses and output of the application-object rules, a main window that
// cannot be made, and real key presses through an X server.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

namespace {

struct Outcome {
  std::string output;
  int status = -1;
};

// Runs a shell command line and collects its standard output and exit status.
Outcome runProgram(const std::string& command) {
  Outcome outcome;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return outcome;
  char chunk[256];
  size_t got;
  while ((got = fread(chunk, 1, sizeof chunk, pipe)) > 0) outcome.output.append(chunk, got);
  int raw = pclose(pipe);
  outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return outcome;
}

}  // namespace

TEST(ApplicationObject, exitStatusesAndMessagesOfBrokenPrograms) {
  // Failure lines go to standard error with the native layer's reason.
  const struct { const char* what; std::string command; const char* output; int status; } cases[] = {
      {"secondApplication", FW_TWO_APPS, "Error: more than one application instance defined!\n", 1},
      {"noApplication", FW_NO_APP, "No application instance created, exiting.", 255},  // -1
      {"mainWindowWithoutOpenGl", std::string("SDL_VIDEODRIVER=dummy ") + FW_MAIN_WINDOW_FAILS + " 2>&1",
       "Failed to set pixel format: .+\nOnExit\n", 1},
      {"mainWindowWithoutVideo", std::string("SDL_VIDEODRIVER=no_such_driver ") + FW_MAIN_WINDOW_FAILS + " 2>&1",
       "Failed to create window: .+\nOnExit\n", 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Outcome outcome = runProgram(c.command);
    EXPECT_TRUE(std::regex_match(outcome.output, std::regex(c.output))) << outcome.output;
    EXPECT_EQ(outcome.status, c.status);
  }
}

namespace {

// An X server of our own on a display number it picks itself; it reports
// the number once it accepts connections.
class PrivateXServer {
 public:
  PrivateXServer() {
    int ready[2];
    if (pipe(ready) != 0) return;
    pid = fork();
    if (pid == 0) {
      close(ready[0]);
      int devNull = open("/dev/null", O_WRONLY);
      dup2(devNull, STDOUT_FILENO);
      dup2(devNull, STDERR_FILENO);
      std::string fd = std::to_string(ready[1]);
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-screen", "0",
             "640x480x24", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(ready[1]);
    // Blocks until the server is up and has written its number and a line
    // break, or has died and so closed the pipe.
    std::string number;
    char c = 0;
    while (read(ready[0], &c, 1) == 1 && c != '\n') number += c;
    close(ready[0]);
    if (!number.empty() && c == '\n') display = ":" + number;
  }
  ~PrivateXServer() {
    if (pid > 0) {
      kill(pid, SIGTERM);
      waitpid(pid, nullptr, 0);
    }
  }
  const std::string& Display() const { return display; }

 private:
  pid_t pid = -1;
  std::string display;
};

}  // namespace

TEST(RealKeys, keyPressesArriveAsVirtualKeyDownsAndUps) {
  PrivateXServer server;
  ASSERT_FALSE(server.Display().empty()) << "Xvfb did not start";
  std::string environment = "DISPLAY=" + server.Display() + " SDL_VIDEODRIVER=x11 ";
  // The program prints its keys and ends after Q comes up; xdotool waits
  // (bounded) for its window to be mapped, focuses it and types. The window
  // exists, titled but hidden, while its GL context is made (slowly under
  // the sanitizers); focusing it then would fail, so only a visible one counts.
  std::string command = "( " + environment + FW_KEY_ECHO + " & " + environment +
                        "timeout 20 xdotool search --sync --onlyvisible --name '^KeyEcho$' windowfocus --sync %1 "
                        "key --delay 30 space Left Up Right Down F1 a 7 q >/dev/null 2>&1; wait $! )";
  Outcome outcome = runProgram(command);
  EXPECT_EQ(outcome.output,
            "ready\n"
            "down 0x20\nup 0x20\n"
            "down 0x25\nup 0x25\n"
            "down 0x26\nup 0x26\n"
            "down 0x27\nup 0x27\n"
            "down 0x28\nup 0x28\n"
            "down 0x70\nup 0x70\n"
            "down 0x41\nup 0x41\n"
            "down 0x37\nup 0x37\n"
            "down 0x51\nup 0x51\n");
  EXPECT_EQ(outcome.status, 0);
}
