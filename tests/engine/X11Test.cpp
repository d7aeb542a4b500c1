// The real program on a real X server (Xvfb): keys from xdotool and
// screenshots from ImageMagick's import.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>

#include "maze/GameState.h"
#include "tests/support/Process.h"
#include "tests/support/TempDir.h"

#include <X11/Xlib.h>  // after the rest: its macros (None, Status) clash with other headers

#ifndef CHOMP_TIME_SCALE
#define CHOMP_TIME_SCALE 1
#endif

namespace {

struct Pixel { int r, g, b; };

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
// a WM_DELETE_WINDOW message. `sentAt` is when it left for the server.
bool requestClose(const std::string& display, const std::string& window,
                  std::chrono::steady_clock::time_point& sentAt) {
  Display* connection = XOpenDisplay(display.c_str());
  if (connection == nullptr) return false;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = std::stoul(window);
  event.xclient.message_type = XInternAtom(connection, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(connection, "WM_DELETE_WINDOW", False));
  const bool sent = XSendEvent(connection, event.xclient.window, False, NoEventMask, &event) != 0;
  XFlush(connection);
  sentAt = std::chrono::steady_clock::now();
  XCloseDisplay(connection);
  return sent;
}

// A screenshot of a 380 x 460 window (a binary PPM); empty when import gave none.
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
  // The pixel at world coordinates (x 0..379, y -20..439, y up).
  Pixel at(int x, int y) const {
    const size_t i = (size_t(439 - y) * width + x) * 3;
    return {uint8_t(rgb[i]), uint8_t(rgb[i + 1]), uint8_t(rgb[i + 2])};
  }
  // Pixels for which the test holds in a rectangle of world coordinates.
  int count(int x0, int y0, int x1, int y1, const std::function<bool(Pixel)>& test) const {
    int n = 0;
    for (int y = y0; y <= y1 && !rgb.empty(); ++y) {
      for (int x = x0; x <= x1; ++x) n += test(at(x, y)) ? 1 : 0;
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
    std::filesystem::create_directory("data");
    copyShippedSprites("data");
  }

  void startGame(const std::string& config, const std::string& screen = "1280x1024",
                 const std::vector<std::string>& options = {}) {
    server = std::make_unique<XServer>(screen);
    ASSERT_FALSE(server->display().empty()) << "Xvfb did not start";
    writeFile("data/config.txt", config);
    // Under load a fresh Xvfb has now and then refused the game's first
    // connections ("x11 not available") while accepting xdpyinfo's: the game
    // is started again then, each time once the server has answered a
    // client again, at most four times more.
    for (int attempt = 0; attempt < 5; ++attempt) {
      if (attempt > 0) waitUntil([&] { return runProgram({"xdpyinfo", "-display", server->display()}).status == 0; });
      std::vector<std::string> args = {std::string(CHOMP_BINARY_DIR) + "/chompgame"};
      args.insert(args.end(), options.begin(), options.end());
      game = std::make_unique<ChildProcess>(ChildProcess::Options{
          args,
          {{"DISPLAY", server->display()}, {"SDL_VIDEODRIVER", "x11"}}, dir.path(), "output.txt"});
      waitUntil([&] { return !(window = windowWhere(false)).empty() || !game->running(); });
      if (!window.empty()) return;
      if (readFile("output.txt").find("x11 not available") == std::string::npos) break;
    }
    FAIL() << "the game's window did not appear: " << readFile("output.txt");
  }

  std::string x(const std::vector<std::string>& args) {
    return runProgram(args, {{"DISPLAY", server->display()}}).output;
  }
  std::string geometry(const std::string& id) { return x({"xdotool", "getwindowgeometry", "--shell", id}); }

  // Of the program's two windows titled "OpenGL", the analysis window is the
  // one placed at (600, 200).
  std::string windowWhere(bool atAnalysisPlace) {
    std::istringstream ids(x({"xdotool", "search", "--onlyvisible", "--name", "^OpenGL$"}));
    std::vector<std::string> windows;
    for (std::string id; ids >> id;) windows.push_back(id);
    for (const std::string& id : windows) {
      if (windows.size() == 2 && (geometry(id).find("X=600\nY=200\n") != std::string::npos) == atAnalysisPlace)
        return id;
    }
    return "";
  }

  // Never asks import for a window that is gone: it would wait for a click.
  Screenshot screenshot(const std::string& id = "") {
    return Screenshot(game->running() ? x({"import", "-window", id.empty() ? window : id, "-depth", "8", "ppm:-"})
                                      : "");
  }

  // Polls (the program runs on its own) until the condition holds; false after the limit.
  static bool waitUntil(const std::function<bool()>& condition, int limitMs = 30000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
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

  // Centre of the chomper's yellow sprite above the start image's place; (-1, -1) when there is none.
  std::pair<int, int> chomperAt() {
    const Screenshot shot = screenshot();
    int left = 380, right = -1, low = 440, high = -1;
    for (int y = 160; y < 440 && !shot.rgb.empty(); ++y) {
      for (int x = 0; x < 380; ++x) {
        if (!isYellow(shot.at(x, y))) continue;
        left = std::min(left, x), right = std::max(right, x), low = std::min(low, y), high = std::max(high, y);
      }
    }
    if (right < 0) return {-1, -1};
    return {(left + right + 1) / 2, (low + high + 2) / 2};
  }

  void key(const std::string& name) {
    x({"xdotool", "windowfocus", "--sync", window});
    x({"xdotool", "key", "--delay", "0", name});
  }

  TempDir dir;
  std::unique_ptr<XServer> server;
  std::unique_ptr<ChildProcess> game;
  std::string window;
};

// Without ghosts only the keys end a game: it can be neither won nor lost quickly.
const char* const NO_GHOSTS = "red_ghost 0\ngreen_ghost 0\norange_ghost 0\nturquoise_ghost 0\n";

TEST_F(X11Test, theWindowsSitSideBySideShowingTheChomperAndAllFoodOnTheStartScreenUntilTheDisplayIsLost) {
  for (const char* screen : {"1280x1024", "1920x1080"}) {
    game.reset();  // the previous screen's, before its server goes
    startGame("", screen);
    ASSERT_TRUE(waitUntil([&] { return startScreenShows(); })) << screen;
    const std::string analysis = windowWhere(true);
    // Placed by the system's cascade, near the top-left, left of (600, 200).
    EXPECT_NE(geometry(window).find("X=40\nY=40\nWIDTH=380\nHEIGHT=460\n"), std::string::npos) << geometry(window);
    EXPECT_NE(geometry(analysis).find("WIDTH=380\nHEIGHT=460\n"), std::string::npos) << geometry(analysis);
    EXPECT_TRUE(near(chomperAt(), {190, 190})) << screen;
    // Every food cell of the level shows its mark: 153 grey dots, 4 yellow pills.
    const Screenshot shot = screenshot(analysis);
    int dots = 0, pills = 0;
    for (int i = 0; i < MAZE_CELLS; ++i) {
      const int x = 20 * (i % MAZE_COLS) + 10, y = 430 - 20 * (i / MAZE_COLS);
      dots += mazeTemplate[i] == CELL_DOT && shot.count(x - 4, y - 4, x + 4, y + 4, isGrey) > 8;
      pills += mazeTemplate[i] == CELL_POWERPILL && shot.count(x - 7, y - 7, x + 7, y + 7, isYellow) > 20;
    }
    EXPECT_EQ(dots, 153) << screen;
    EXPECT_EQ(pills, 4) << screen;
  }
  // A lost display ends the program within two seconds, saying so; Mesa or
  // Xlib may have spoken before, but the program's own word is its last.
  server->stop();
  EXPECT_TRUE(waitUntil([&] { return !game->running(); }, 2000 * CHOMP_TIME_SCALE));
  EXPECT_NE(game->wait(), 0);
  const std::vector<std::string> lines = linesOf(readFile("output.txt"));
  EXPECT_EQ(lines.empty() ? "" : lines.back(), "chompgame: display connection lost") << readFile("output.txt");
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("chompgame", 0) == 0; }),
            1);
}

TEST_F(X11Test, blankStartsAGameShowingWallsDoorAndScoreLineTheNumberPadSteersAndF1AbandonsIt) {
  startGame(std::string("control 0\nruns 0\ndata 1\nfps 10\n") + NO_GHOSTS);
  // The game window has the keyboard as soon as the windows are there: no focus given by hand.
  x({"xdotool", "key", "--delay", "0", "space"});
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
  key("Right");
  ASSERT_TRUE(waitUntil([&] { return chomperAt().first > 200; }));
  key("KP_Left");  // Num Lock is off
  ASSERT_TRUE(waitUntil([&] { return chomperAt().first < 180; })) << "KP_Left did not turn the chomper";
  // Down is open at the corridor's left end (130, 190); the period forgets it,
  // so the chomper stops there, and Right then takes it back along the
  // corridor. Had it turned down, it would have left the corridor for good.
  key("Down");
  key("period");
  ASSERT_TRUE(waitUntil([&] { return near(chomperAt(), {130, 190}); })) << "it did not reach the corridor's end";
  key("Right");
  ASSERT_TRUE(waitUntil([&] {
    const std::pair<int, int> now = chomperAt();
    return now.first > 150 && std::abs(now.second - 190) <= 2;
  })) << "the chomper left the corridor: the period did not forget Down";
  key("F1");
  ASSERT_TRUE(waitUntil([&] { return startScreenShows(); })) << "F1 did not abandon the game";
  EXPECT_TRUE(game->running());
  EXPECT_FALSE(std::filesystem::exists("data/gamedata.txt"));
}

TEST_F(X11Test, aCloseRequestDuringATwentySecondPauseAfterAGameEndsTheProgramWithinHalfASecond) {
  // The ghosts soon catch the chomper nobody steers; then the pause begins.
  startGame("runs 2\ndata 1\ncontrol 0\nfps 100000\ndata_timeout 20\n");
  ASSERT_TRUE(waitUntil([&] { return !readFile("data/gamedata.txt").empty(); }));
  std::chrono::steady_clock::time_point asked;
  ASSERT_TRUE(requestClose(server->display(), window, asked));
  EXPECT_EQ(game->wait(), 0) << readFile("output.txt");
  EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::milliseconds(500 * CHOMP_TIME_SCALE));
}

// A game steered with the keys is kept as a record, which plays again to the
// same game without a window and in the windows.
TEST_F(X11Test, aKeyboardGameIsRecordedAndItsRecordPlaysTheSameGameAgain) {
  startGame("control 0\nruns 0\ndata 1\nfps 200\n", "1280x1024", {"--record", "kept"});
  ASSERT_TRUE(waitUntil([&] { return startScreenShows(); }));
  // Blank again now and then, in case the first one came before the window took keys.
  const char* const turns[] = {"space", "Right", "Up", "Left", "Down"};
  int sent = 0;
  ASSERT_TRUE(waitUntil([&] {
    key(turns[sent++ % 5]);
    return std::filesystem::exists("kept") && !std::filesystem::is_empty("kept");
  })) << readFile("output.txt");
  game->stop();
  const std::string results = readFile("data/gamedata.txt");
  ASSERT_FALSE(results.empty());
  const std::string record = "kept/" + std::filesystem::directory_iterator("kept")->path().filename().string();
  const RunResult check = runProgram({std::string(CHOMP_BINARY_DIR) + "/chomprecord", record});
  EXPECT_EQ(check.status, 0) << check.output;
  const std::string score = results.substr(results.find_last_of(' ', results.size() - 2) + 1);
  EXPECT_NE(check.output.find(" " + score.substr(0, score.size() - 1) + " points"), std::string::npos) << check.output;
  EXPECT_NE(check.output.find("played by keyboard"), std::string::npos) << check.output;
  // The keys turned it: it did not only go left, as it starts.
  const std::string kept = readFile(record);
  EXPECT_TRUE(kept.find(" R ") != std::string::npos || kept.find(" U ") != std::string::npos) << kept;
  const RunResult watched = runProgram({std::string(CHOMP_BINARY_DIR) + "/chompgame", "--watch", record, "--hold", "0",
                                        "--speed", "20"}, {{"SDL_VIDEODRIVER", "offscreen"}});
  EXPECT_EQ(watched.status, 0);
  EXPECT_EQ(watched.output, results);
}

// Watching a record: blank pauses, N goes one decision point on at a time,
// up doubles the pace, blank resumes; each says so on standard error.
TEST_F(X11Test, theKeysOfAWatchedRecordPauseStepAndSpeedItUp) {
  ASSERT_EQ(runProgram({std::string(CHOMP_BINARY_DIR) + "/chompsim", "--no-config", "--games", "1", "--seed", "2",
                        "--set", "fps=20", "--record", "all", "--record-dir", "kept"}).status, 0);
  startGame("", "1280x1024", {"--watch", "kept/all-seed2.rec"});
  const auto said = [&](const std::string& text) {
    return waitUntil([&] { return readFile("output.txt").find(text) != std::string::npos; });
  };
  key("space");
  ASSERT_TRUE(said("chompgame: paused at move ")) << readFile("output.txt");
  key("n");
  ASSERT_TRUE(said("chompgame: decision ")) << readFile("output.txt");
  key("n");
  ASSERT_TRUE(waitUntil([&] {
    const std::string out = readFile("output.txt");
    return out.find("chompgame: decision ", out.find("chompgame: decision ") + 1) != std::string::npos;
  })) << readFile("output.txt");
  key("Up");
  ASSERT_TRUE(said("chompgame: watching at 2x\n")) << readFile("output.txt");
  key("space");
  ASSERT_TRUE(said("chompgame: watching at move ")) << readFile("output.txt");
  const std::string out = readFile("output.txt");
  const std::size_t paused = std::stoul(out.substr(out.find("paused at move ") + 15));
  const std::size_t first = out.find("chompgame: decision ");
  ASSERT_NE(first, std::string::npos) << out;
  const std::size_t second = out.find("chompgame: decision ", first + 1);
  ASSERT_NE(second, std::string::npos) << out;
  const int decision = std::stoi(out.substr(first + 20));
  EXPECT_EQ(std::stoi(out.substr(second + 20)), decision + 1) << out;
  const std::size_t steppedTo = std::stoul(out.substr(out.find(" at move ", second) + 9));
  EXPECT_GT(steppedTo, paused);
  EXPECT_NE(out.find("watching at move " + std::to_string(steppedTo) + "\n"), std::string::npos) << out;
}

}  // namespace
