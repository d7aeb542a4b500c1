// The real program on a real X server (Xvfb): keys from xdotool and
// screenshots from ImageMagick's import.

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/engine/ChildProcess.h"
#include "tests/engine/EngineTestSupport.h"

#include <X11/Xlib.h>  // after the rest: its macros (None, Status) clash with other headers

namespace fs = std::filesystem;

namespace {

const std::string GAME = std::string(CHOMP_BINARY_DIR) + "/chompgame";

struct Pixel {
  int r, g, b;
};

// A screenshot of one window, top row first.
struct Screenshot {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;

  Pixel at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return {-1, -1, -1};
    const size_t i = (static_cast<size_t>(y) * width + x) * 3;
    return {rgb[i], rgb[i + 1], rgb[i + 2]};
  }
  // Pixels of the rectangle for which the test holds.
  int count(int x0, int y0, int x1, int y1, const std::function<bool(Pixel)>& test) const {
    int n = 0;
    for (int y = y0; y <= y1; ++y) {
      for (int x = x0; x <= x1; ++x) n += test(at(x, y)) ? 1 : 0;
    }
    return n;
  }
};

// Parses a binary PPM (P6, maximum 255); false when it is not one.
bool parsePpm(const std::string& data, Screenshot& shot) {
  std::istringstream in(data);
  std::string magic;
  int maxValue = 0;
  in >> magic >> shot.width >> shot.height >> maxValue;
  if (magic != "P6" || maxValue != 255 || shot.width <= 0 || shot.height <= 0) return false;
  in.get();
  const size_t size = static_cast<size_t>(shot.width) * shot.height * 3;
  shot.rgb.resize(size);
  in.read(reinterpret_cast<char*>(shot.rgb.data()), static_cast<std::streamsize>(size));
  return static_cast<size_t>(in.gcount()) == size;
}

bool isBlue(Pixel p) { return p.r < 40 && p.g < 40 && p.b > 200; }
bool isPink(Pixel p) { return p.r > 220 && p.g > 160 && p.g < 220 && p.b > 160 && p.b < 220; }
bool isWhite(Pixel p) { return p.r > 200 && p.g > 200 && p.b > 200; }
bool isYellow(Pixel p) { return p.r > 200 && p.g > 180 && p.b < 60; }

// Asks a window to close the way a window manager does (Xvfb runs none):
// a WM_DELETE_WINDOW message.
bool requestClose(const std::string& display, const std::string& window) {
  Display* connection = XOpenDisplay(display.c_str());
  if (connection == nullptr) return false;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = std::stoul(window);
  event.xclient.message_type = XInternAtom(connection, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(connection, "WM_DELETE_WINDOW", False));
  const bool sent = XSendEvent(connection, event.xclient.window, False, NoEventMask, &event) != 0;
  XCloseDisplay(connection);  // sends what is buffered
  return sent;
}

// World coordinates of the game window (x 0..380, y -20..440, y up) to
// screenshot pixels (y down).
int rowOf(int worldY) { return 440 - worldY; }

class X11Test : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* tool : {"Xvfb", "xdotool", "import"}) {
      if (findProgram(tool).empty()) GTEST_SKIP() << tool << " is not installed";
    }
    ASSERT_TRUE(fs::exists(GAME)) << GAME;
    startServer();
    fs::create_directory("data");
    for (const auto& entry : fs::directory_iterator(std::string(CHOMP_SOURCE_DIR) + "/data")) {
      if (entry.path().extension() == ".tga") fs::copy_file(entry.path(), "data" / entry.path().filename());
    }
  }

  // Xvfb writes its display number to the pipe once it accepts clients.
  void startServer() {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    server = std::make_unique<ChildProcess>(ChildProcess::Options{
        {"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"},
        {},
        "",
        "",
        true});
    close(fds[1]);
    char buffer[16] = {};
    const ssize_t n = read(fds[0], buffer, sizeof buffer - 1);
    close(fds[0]);
    ASSERT_GT(n, 0) << "Xvfb did not start";
    display = ":" + std::to_string(std::stoi(buffer));
  }

  void startGame(const std::string& config) {
    writeFile("data/config.txt", config);
    game = std::make_unique<ChildProcess>(ChildProcess::Options{
        {GAME}, {{"DISPLAY", display}, {"SDL_VIDEODRIVER", "x11"}}, dir.path(), dir.path() + "/output.txt", true});
    ASSERT_TRUE(waitUntil([&] { return !(window = gameWindow()).empty(); })) << readFile("output.txt");
    // Screenshots come from the screen: keep the analysis window off the game window.
    x({"xdotool", "windowmove", "--sync", window, "0", "0"});
  }

  std::string x(const std::vector<std::string>& args) { return captureOutput(args, {{"DISPLAY", display}}); }

  // The game window: of the program's two windows titled "OpenGL", the one
  // not placed at (600, 200), where the analysis window goes.
  std::string gameWindow() {
    std::istringstream ids(x({"xdotool", "search", "--onlyvisible", "--name", "^OpenGL$"}));
    std::vector<std::string> windows;
    for (std::string id; ids >> id;) windows.push_back(id);
    if (windows.size() < 2) return "";
    for (const std::string& id : windows) {
      const std::string geometry = x({"xdotool", "getwindowgeometry", "--shell", id});
      if (geometry.find("X=600\n") == std::string::npos) return id;
    }
    return "";
  }

  // Never asks import for a window that is gone: it would wait for a click.
  bool screenshot(Screenshot& shot) {
    if (!game->running()) return false;
    return parsePpm(x({"import", "-window", window, "-depth", "8", "ppm:-"}), shot);
  }

  // Polls (the program runs on its own) until the condition holds; false after 30 s.
  static bool waitUntil(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline) {
      if (condition()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
  }

  bool startScreenShows() {
    Screenshot shot;
    // The start image: 300 x 80, bottom edge at y 80, centred; its frame is yellow.
    return screenshot(shot) && shot.count(40, rowOf(160), 339, rowOf(80) - 1, isYellow) > 500;
  }

  bool playing() {
    Screenshot shot;
    return screenshot(shot) && shot.count(0, 0, 379, 459, isBlue) > 500 &&
           shot.count(40, rowOf(160), 339, rowOf(80) - 1, isYellow) < 50;
  }

  void key(const std::string& name) {
    x({"xdotool", "windowfocus", "--sync", window});
    x({"xdotool", "key", name});
  }

  TempDir dir;
  std::unique_ptr<ChildProcess> server;
  std::unique_ptr<ChildProcess> game;
  std::string display;
  std::string window;
};

// Only the keys end a game here: no ghosts, so it can be neither won nor lost quickly.
const char* const KEYBOARD_CONFIG =
    "control 0\nruns 0\ndata 1\nfps 60\nred_ghost 0\ngreen_ghost 0\norange_ghost 0\nturquoise_ghost 0\n";

TEST_F(X11Test, blankStartsAGameShowingWallsDoorAndScoreLineAndF1AbandonsItWithoutAResultsLine) {
  startGame(KEYBOARD_CONFIG);
  ASSERT_TRUE(waitUntil([&] { return startScreenShows(); }));
  key("space");
  ASSERT_TRUE(waitUntil([&] { return playing(); })) << "the start key did not start a game";
  Screenshot shot;
  ASSERT_TRUE(screenshot(shot));
  EXPECT_EQ(shot.width, 380);
  EXPECT_EQ(shot.height, 460);
  // Outer walls along the cell centres: bottom y 10, top y 430, left x 10.
  EXPECT_GT(shot.count(100, rowOf(12), 280, rowOf(8), isBlue), 100);
  EXPECT_GT(shot.count(100, rowOf(432), 280, rowOf(428), isBlue), 100);
  EXPECT_GT(shot.count(8, rowOf(120), 12, rowOf(20), isBlue), 100);
  // The door above the ghost house, (170..210, 250).
  EXPECT_GT(shot.count(172, rowOf(252), 208, rowOf(248), isPink), 20);
  // Nothing blue in the strip below the maze; white text there, left and right.
  EXPECT_EQ(shot.count(0, rowOf(-2), 379, 459, isBlue), 0);
  EXPECT_GT(shot.count(5, rowOf(0), 140, 459, isWhite), 20);
  EXPECT_GT(shot.count(150, rowOf(0), 379, 459, isWhite), 20);
  key("F1");
  ASSERT_TRUE(waitUntil([&] { return startScreenShows(); })) << "F1 did not abandon the game";
  EXPECT_TRUE(game->running());
  EXPECT_FALSE(fileExists("data/gamedata.txt"));
}

TEST_F(X11Test, aCloseRequestDuringATwentySecondPauseAfterAGameEndsTheProgramWithinHalfASecond) {
  // The ghosts soon catch the chomper nobody steers; then the pause begins.
  startGame("runs 2\ndata 1\ncontrol 0\nfps 100000\ndata_timeout 20\n");
  ASSERT_TRUE(waitUntil([&] { return !readFile("data/gamedata.txt").empty(); }));
  const auto asked = std::chrono::steady_clock::now();
  ASSERT_TRUE(requestClose(display, window));
  EXPECT_EQ(game->wait(), 0) << readFile("output.txt");
  EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::milliseconds(500));
}

}  // namespace
