#include "game/VideoEncoder.h"

#include <signal.h>
#include <spawn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <vector>

#include "game/WriteAll.h"

extern char** environ;

namespace {

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// ffmpeg's arguments: raw frames in, the format the name asks for out.
std::vector<std::string> ffmpegArguments(const std::string& path, int width, int height, int fps) {
  std::vector<std::string> args = {"ffmpeg", "-hide_banner", "-loglevel", "error", "-y", "-f", "rawvideo",
                                   "-pix_fmt", "rgb24", "-s", std::to_string(width) + "x" + std::to_string(height),
                                   "-r", std::to_string(fps), "-i", "-"};
  if (VideoEncoder::isGif(path)) {
    args.insert(args.end(), {"-filter_complex", "split[a][b];[a]palettegen=stats_mode=full[p];[b][p]paletteuse"});
  } else {
    args.insert(args.end(), {"-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-movflags", "+faststart"});
  }
  args.push_back(path);
  return args;
}

}  // namespace

VideoEncoder::~VideoEncoder() {
  if (pid <= 0) return;
  if (input >= 0) ::close(input);
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
}

bool VideoEncoder::ffmpegInstalled() {
  const char* path = std::getenv("PATH");
  std::istringstream folders(path != nullptr ? path : "/usr/bin:/bin");
  for (std::string folder; std::getline(folders, folder, ':');) {
    const std::string program = (folder.empty() ? "." : folder) + "/ffmpeg";
    struct stat status {};
    if (stat(program.c_str(), &status) == 0 && S_ISREG(status.st_mode) && access(program.c_str(), X_OK) == 0) return true;
  }
  return false;
}

bool VideoEncoder::knownFormat(const std::string& path) { return endsWith(path, ".mp4") || isGif(path); }

bool VideoEncoder::isGif(const std::string& path) { return endsWith(path, ".gif"); }

bool VideoEncoder::open(const std::string& path, int width, int height, int fps, std::string* error) {
  int ends[2];
  if (pipe(ends) != 0) {
    *error = std::string("no pipe to ffmpeg: ") + std::strerror(errno);
    return false;
  }
  // A failed ffmpeg must make a write fail, not end this program.
  signal(SIGPIPE, SIG_IGN);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, ends[0], STDIN_FILENO);
  posix_spawn_file_actions_addclose(&actions, ends[1]);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  const std::vector<std::string> args = ffmpegArguments(path, width, height, fps);
  std::vector<char*> argv;
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  const int spawned = posix_spawnp(&pid, "ffmpeg", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(ends[0]);
  if (spawned != 0) {
    ::close(ends[1]);
    pid = -1;
    *error = std::string("cannot start ffmpeg: ") + std::strerror(spawned);
    return false;
  }
  input = ends[1];
  // Room for a few whole frames in the pipe: fewer switches between the two programs.
  fcntl(input, F_SETPIPE_SZ, 4 << 20);
  return true;
}

bool VideoEncoder::add(const std::string& pixels) {
  if (failed || input < 0) return false;
  failed = !writeAll(input, pixels);
  if (!failed) ++written;
  return !failed;
}

bool VideoEncoder::close(std::string* error) {
  if (pid <= 0) return false;
  if (input >= 0) ::close(input);
  input = -1;
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  pid = -1;
  if (!failed && WIFEXITED(status) && WEXITSTATUS(status) == 0) return true;
  *error = failed ? "ffmpeg stopped taking frames" : "ffmpeg failed (status " + std::to_string(WEXITSTATUS(status)) + ")";
  return false;
}
