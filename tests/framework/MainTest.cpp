// The framework singleton without an application: the window sequence and
// its main-window rule, reports and the application timer.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "gxbase/GLWindow.h"
#include "gxbase/Main.h"
#include "gxbase/WindowEx.h"

using gxbase::GLWindow;
using gxbase::Main;
using gxbase::WindowEx;

TEST(WindowSequence, onlyTheFirstWindowIntoAnEmptySequenceIsMainAndStaysSoOnceRemoved) {
  Main& main = Main::Instance();
  ASSERT_TRUE(main.Windows().empty());
  WindowEx first(nullptr);
  ASSERT_TRUE(main.AddWindow(&first));
  EXPECT_TRUE(main.IsMainWindow(&first));
  {
    GLWindow second, third;
    EXPECT_FALSE(main.IsMainWindow(second.Extra()));
    main.RemoveWindow(second.Extra());
    EXPECT_EQ(main.Windows(), (std::vector<WindowEx*>{&first, third.Extra()}));
    main.RemoveWindow(&first);
    EXPECT_TRUE(main.IsMainWindow(&first));
    EXPECT_FALSE(main.IsMainWindow(third.Extra()));
  }
  EXPECT_TRUE(main.Windows().empty());  // deleted windows leave the sequence
  EXPECT_FALSE(main.AddWindow(nullptr));
}

// A window is never larger than the usable area of its screen, whether its
// size is asked for before it is made or after.
TEST(WindowSize, aWindowKeepsASizeThatFitsAndIsHeldWithinItsScreen) {
  for (const bool sizeFirst : {true, false}) {
    GLWindow window;
    window.SetSize(200, 100);
    ASSERT_TRUE(window.Extra()->Create());
    EXPECT_EQ(window.Width(), 200);
    EXPECT_EQ(window.Height(), 100);
    if (sizeFirst) window.Extra()->Destroy();
    window.SetSize(16000, 16000);
    if (sizeFirst) {
      ASSERT_TRUE(window.Extra()->Create());
    }
    EXPECT_LT(window.Width(), 16000) << sizeFirst;
    EXPECT_LT(window.Height(), 16000) << sizeFirst;
    EXPECT_GE(window.Width(), 200) << sizeFirst;
  }
}

TEST(Reports, reportsAreWrittenUnchangedUnlessTooLongAndABoxThatCannotBeShownGoesToStandardOutput) {
  Main::Instance().console = true;
  for (size_t length : {1023, 1024, 5000}) {
    const std::string text(length, 'r');
    testing::internal::CaptureStdout();
    Main::Instance().LogMessage("%s", text.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), length < 1024 ? text : "") << length;
  }
  unsetenv("DISPLAY");  // no display to show a box on
  unsetenv("WAYLAND_DISPLAY");
  Main::Instance().console = false;
  testing::internal::CaptureStdout();
  Main::Instance().LogMessage("score %d, %s", 120, "100%");
  Main::Instance().console = true;
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "score 120, 100%");
}
