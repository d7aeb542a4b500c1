// The real program on a real X server (Xvfb): keys from xdotool and
// screenshots from ImageMagick's import.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "maze/GameState.h"
#include "tests/engine/ChildProcess.h"
#include "tests/engine/EngineTestSupport.h"
#include "tests/engine/GameProcess.h"

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
bool isGrey(Pixel p) { return p.r > 60 && p.r < 100 && p.g == p.r && p.b == p.r; }

// Two positions a sprite's outline cannot tell apart.
bool near(std::pair<int, int> a, std::pair<int, int> b) {
  return std::abs(a.first - b.first) <= 2 && std::abs(a.second - b.second) <= 2;
}

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
    fs::create_directory("data");
    for (const auto& entry : fs::directory_iterator(std::string(CHOMP_SOURCE_DIR) + "/data")) {
      if (entry.path().extension() == ".tga") fs::copy_file(entry.path(), "data" / entry.path().filename());
    }
  }

  // Xvfb writes its display number to the pipe once it accepts clients.
  void startServer(const std::string& screen) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    server = std::make_unique<ChildProcess>(ChildProcess::Options{
        {"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", screen + "x24", "-nolisten", "tcp"},
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

  void startGame(const std::string& config, const std::string& screen = "1280x1024") {
    startServer(screen);
    writeFile("data/config.txt", config);
    game = std::make_unique<ChildProcess>(ChildProcess::Options{
        {GAME}, {{"DISPLAY", display}, {"SDL_VIDEODRIVER", "x11"}}, dir.path(), dir.path() + "/output.txt", true});
    ASSERT_TRUE(waitUntil([&] { return !(window = gameWindow()).empty(); })) << readFile("output.txt");
  }

  std::string x(const std::vector<std::string>& args) { return captureOutput(args, {{"DISPLAY", display}}); }

  // The game window: of the program's two windows titled "OpenGL", the one
  // not placed at (600, 200), where the analysis window goes.
  std::string gameWindow() { return windowWhere(false); }
  std::string analysisWindow() { return windowWhere(true); }
  std::string windowWhere(bool atAnalysisPlace) {
    std::istringstream ids(x({"xdotool", "search", "--onlyvisible", "--name", "^OpenGL$"}));
    std::vector<std::string> windows;
    for (std::string id; ids >> id;) windows.push_back(id);
    if (windows.size() < 2) return "";
    for (const std::string& id : windows) {
      if ((geometry(id).find("X=600\nY=200\n") != std::string::npos) == atAnalysisPlace) return id;
    }
    return "";
  }
  std::string geometry(const std::string& id) { return x({"xdotool", "getwindowgeometry", "--shell", id}); }

  // Never asks import for a window that is gone: it would wait for a click.
  bool screenshot(Screenshot& shot, const std::string& id = "") {
    if (!game->running()) return false;
    return parsePpm(x({"import", "-window", id.empty() ? window : id, "-depth", "8", "ppm:-"}), shot);
  }

  // Polls (the program runs on its own) until the condition holds; false after the limit.
  static bool waitUntil(const std::function<bool()>& condition, int limitMs = 30000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
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

  // Centre of the chomper's yellow sprite in world coordinates, below the
  // start image's place; (-1, -1) when there is none.
  std::pair<int, int> chomperAt() {
    Screenshot shot;
    int left = 380, right = -1, top = 460, bottom = -1;
    if (!screenshot(shot)) return {-1, -1};
    for (int y = 0; y < rowOf(160); ++y) {
      for (int x = 0; x < shot.width; ++x) {
        if (!isYellow(shot.at(x, y))) continue;
        left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
      }
    }
    if (right < 0) return {-1, -1};
    return {(left + right + 1) / 2, 440 - (top + bottom + 1) / 2};
  }

  void key(const std::string& name) {
    x({"xdotool", "windowfocus", "--sync", window});
    x({"xdotool", "key", "--delay", "0", name});
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

TEST_F(X11Test, theWindowsSitSideBySideShowingTheChomperAndAllFoodOnTheStartScreen) {
  for (const char* screen : {"1280x1024", "1920x1080"}) {
    startGame("", screen);
    ASSERT_TRUE(waitUntil([&] { return startScreenShows(); })) << screen;
    const std::string analysis = analysisWindow();
    // Placed by the system's cascade, near the top-left, left of (600, 200).
    EXPECT_NE(geometry(window).find("X=40\nY=40\nWIDTH=380\nHEIGHT=460\n"), std::string::npos) << geometry(window);
    EXPECT_NE(geometry(analysis).find("WIDTH=380\nHEIGHT=460\n"), std::string::npos) << geometry(analysis);
    EXPECT_TRUE(near(chomperAt(), {190, 190})) << screen;
    // Every food cell of the level shows its mark: 153 grey dots, 4 yellow pills.
    Screenshot shot;
    ASSERT_TRUE(screenshot(shot, analysis));
    int dots = 0, pills = 0;
    for (int i = 0; i < MAZE_CELLS; ++i) {
      const int x0 = 20 * (i % MAZE_COLS), y0 = rowOf(430 - 20 * (i / MAZE_COLS)) - 10;
      dots += mazeTemplate[i] == CELL_DOT && shot.count(x0 + 6, y0 + 6, x0 + 14, y0 + 14, isGrey) > 8;
      pills += mazeTemplate[i] == CELL_POWERPILL && shot.count(x0 + 3, y0 + 3, x0 + 17, y0 + 17, isYellow) > 20;
    }
    EXPECT_EQ(dots, 153) << screen;
    EXPECT_EQ(pills, 4) << screen;
    game.reset();
    server.reset();
  }
}

TEST_F(X11Test, theNumberPadSteersAndAPeriodForgetsTheRememberedArrow) {
  startGame("control 0\nruns 0\nfps 10\nred_ghost 0\ngreen_ghost 0\norange_ghost 0\nturquoise_ghost 0\n");
  ASSERT_TRUE(waitUntil([&] { return startScreenShows(); }));
  key("space");
  ASSERT_TRUE(waitUntil([&] { return playing(); }));
  key("Right");
  ASSERT_TRUE(waitUntil([&] { return chomperAt().first > 200; }));
  key("KP_Left");  // Num Lock is off
  ASSERT_TRUE(waitUntil([&] { return chomperAt().first < 180; })) << "KP_Left did not turn the chomper";
  // Down is open at the corridor's left end (130, 190); the period forgets it.
  key("Down");
  key("period");
  std::pair<int, int> last{-1, -1};
  int still = 0;
  ASSERT_TRUE(waitUntil([&] {
    const std::pair<int, int> now = chomperAt();
    still = near(now, last) ? still + 1 : 0;
    last = now;
    return still == 3;
  }));
  EXPECT_TRUE(near(last, {130, 190})) << last.first << ", " << last.second;
}

TEST_F(X11Test, aLostDisplayEndsTheProgramWithinTwoSecondsSayingSo) {
  startGame(KEYBOARD_CONFIG);
  ASSERT_TRUE(waitUntil([&] { return startScreenShows(); }));
  server->stop();
  EXPECT_TRUE(waitUntil([&] { return !game->running(); }, 2000));
  EXPECT_NE(game->wait(), 0);
  EXPECT_EQ(linesOf(readFile("output.txt")), std::vector<std::string>{"chompgame: display connection lost"});
}

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
