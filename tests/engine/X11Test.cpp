// The real program on a real X server (Xvfb): keys from xdotool and
// screenshots from ImageMagick's import.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>

#include "tests/support/Process.h"
#include "tests/support/TempDir.h"

namespace {

struct Pixel {
  int r, g, b;
};

bool isBlue(Pixel p) { return p.r < 40 && p.g < 40 && p.b > 200; }
bool isPink(Pixel p) { return p.r > 220 && p.g > 160 && p.g < 220 && p.b > 160 && p.b < 220; }
bool isWhite(Pixel p) { return p.r > 200 && p.g > 200 && p.b > 200; }
bool isYellow(Pixel p) { return p.r > 200 && p.g > 180 && p.b < 60; }

// A screenshot of the game window (a binary PPM), top row first; empty when
// import gave none.
struct Screenshot {
  int width = 0, height = 0;
  std::string rgb;

  explicit Screenshot(const std::string& ppm) {
    std::istringstream in(ppm);
    std::string magic;
    in >> magic >> width >> height;
    const size_t size = size_t(std::max(width, 0)) * std::max(height, 0) * 3;
    if (magic == "P6" && ppm.size() > size) rgb = ppm.substr(ppm.size() - size);
  }
  // Pixels for which the test holds in a rectangle of world coordinates
  // (x 0..379, y -20..439, y up).
  int count(int x0, int y0, int x1, int y1, const std::function<bool(Pixel)>& test) const {
    int n = 0;
    for (int y = y0; y <= y1 && !rgb.empty(); ++y) {
      for (int x = x0; x <= x1; ++x) {
        const size_t i = (size_t(439 - y) * width + x) * 3;
        n += test({uint8_t(rgb[i]), uint8_t(rgb[i + 1]), uint8_t(rgb[i + 2])}) ? 1 : 0;
      }
    }
    return n;
  }
};

class X11Test : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* tool : {"Xvfb", "xdotool", "import"}) {
      if (!installed(tool)) GTEST_SKIP() << tool << " is not installed";
    }
    ASSERT_FALSE(server.display().empty()) << "Xvfb did not start";
    std::filesystem::create_directory("data");
    copyShippedSprites("data");
  }

  void startGame(const std::string& config) {
    writeFile("data/config.txt", config);
    game = std::make_unique<ChildProcess>(ChildProcess::Options{
        {std::string(CHOMP_BINARY_DIR) + "/chompgame"},
        {{"DISPLAY", server.display()}, {"SDL_VIDEODRIVER", "x11"}}, dir.path(), "output.txt"});
    ASSERT_TRUE(waitUntil([&] { return !(window = gameWindow()).empty(); })) << readFile("output.txt");
    // Screenshots come from the screen: keep the analysis window off the game window.
    x({"xdotool", "windowmove", "--sync", window, "0", "0"});
  }

  std::string x(const std::vector<std::string>& args) {
    return runProgram(args, {{"DISPLAY", server.display()}}).output;
  }

  // Of the program's two windows titled "OpenGL", the one not placed at
  // (600, 200), where the analysis window goes.
  std::string gameWindow() {
    std::istringstream ids(x({"xdotool", "search", "--onlyvisible", "--name", "^OpenGL$"}));
    std::vector<std::string> windows;
    for (std::string id; ids >> id;) windows.push_back(id);
    for (const std::string& id : windows) {
      if (windows.size() == 2 && x({"xdotool", "getwindowgeometry", "--shell", id}).find("X=600\n") == std::string::npos)
        return id;
    }
    return "";
  }

  // Never asks import for a window that is gone: it would wait for a click.
  Screenshot screenshot() {
    return Screenshot(game->running() ? x({"import", "-window", window, "-depth", "8", "ppm:-"}) : "");
  }

  // Polls (the program runs on its own) until the condition holds; false after 30 s.
  static bool waitUntil(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!condition()) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
  }

  // The start image: 300 x 80, bottom edge at y 80, centred; its frame is yellow.
  bool startScreenShows() { return screenshot().count(40, 80, 339, 159, isYellow) > 500; }
  bool playing() {
    const Screenshot shot = screenshot();
    return shot.count(0, -20, 379, 439, isBlue) > 500 && shot.count(40, 80, 339, 159, isYellow) < 50;
  }

  void key(const std::string& name) {
    x({"xdotool", "windowfocus", "--sync", window});
    x({"xdotool", "key", name});
  }

  TempDir dir;
  XServer server;
  std::unique_ptr<ChildProcess> game;
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
  const Screenshot shot = screenshot();
  EXPECT_EQ(shot.width, 380);
  EXPECT_EQ(shot.height, 460);
  // Outer walls along the cell centres: bottom y 10, top y 430, left x 10.
  EXPECT_GT(shot.count(100, 8, 280, 12, isBlue), 100);
  EXPECT_GT(shot.count(100, 428, 280, 432, isBlue), 100);
  EXPECT_GT(shot.count(8, 20, 12, 120, isBlue), 100);
  // The door above the ghost house, (170..210, 250).
  EXPECT_GT(shot.count(172, 248, 208, 252, isPink), 20);
  // Nothing blue in the strip below the maze; white text there, left and right.
  EXPECT_EQ(shot.count(0, -20, 379, -2, isBlue), 0);
  EXPECT_GT(shot.count(5, -20, 140, 0, isWhite), 20);
  EXPECT_GT(shot.count(150, -20, 379, 0, isWhite), 20);
  key("F1");
  ASSERT_TRUE(waitUntil([&] { return startScreenShows(); })) << "F1 did not abandon the game";
  EXPECT_TRUE(game->running());
  EXPECT_FALSE(std::filesystem::exists("data/gamedata.txt"));
}

}  // namespace
