// Whole programs built on the framework, run as separate processes: exit
// statuses and output of the application-object rules, a main window that
// cannot be made, and real key presses through an X server.
#include <gtest/gtest.h>

#include <regex>

#include "tests/support/Process.h"
#include "tests/support/TempDir.h"

TEST(ApplicationObject, exitStatusesAndMessagesOfBrokenPrograms) {
  // Failure lines go to standard error with the native layer's reason.
  const struct { const char* program; const char* driver; const char* output; int status; } cases[] = {
      {FW_TWO_APPS, "offscreen", "Error: more than one application instance defined!\n", 1},
      {FW_NO_APP, "offscreen", "No application instance created, exiting.", 255},  // -1
      {FW_MAIN_WINDOW_FAILS, "dummy", "Failed to set pixel format: .+\nOnExit\n", 1},  // no OpenGL
      {FW_MAIN_WINDOW_FAILS, "no_such_driver", "Failed to create window: .+\nOnExit\n", 1}};
  for (const auto& c : cases) {
    const RunResult result = runProgram({c.program}, {{"SDL_VIDEODRIVER", c.driver}}, true);
    EXPECT_TRUE(std::regex_match(result.output, std::regex(c.output))) << c.program << " " << result.output;
    EXPECT_EQ(result.status, c.status) << c.program << " " << c.driver;
  }
}

TEST(RealKeys, keyPressesArriveAsVirtualKeyDownsAndUps) {
  TempDir dir;
  XServer server;
  ASSERT_FALSE(server.display().empty()) << "Xvfb did not start";
  const Environment x11 = {{"DISPLAY", server.display()}, {"SDL_VIDEODRIVER", "x11"}};
  ChildProcess echo({{FW_KEY_ECHO}, x11, "", "keys.txt", false});
  // xdotool waits (bounded) for the window to be mapped. The window exists,
  // titled but hidden, while its GL context is made (slowly under the
  // sanitizers); focusing it then would fail, so only a visible one counts.
  runProgram({"timeout", "20", "xdotool", "search", "--sync", "--onlyvisible", "--name", "^KeyEcho$", "windowfocus",
              "--sync", "%1", "key", "--delay", "30", "space", "Left", "Up", "Right", "Down", "F1", "a", "7", "q"},
             x11);
  EXPECT_EQ(echo.wait(), 0);
  EXPECT_EQ(readFile("keys.txt"),
            "ready\n"
            "down 0x20\nup 0x20\ndown 0x25\nup 0x25\ndown 0x26\nup 0x26\ndown 0x27\nup 0x27\n"
            "down 0x28\nup 0x28\ndown 0x70\nup 0x70\ndown 0x41\nup 0x41\ndown 0x37\nup 0x37\n"
            "down 0x51\nup 0x51\n");
}
