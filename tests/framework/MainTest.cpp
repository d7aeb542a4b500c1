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

TEST(Reports, reportsAreWrittenUnchangedUnlessTheyDoNotFitIn1024Characters) {
  const struct { size_t length; bool written; } cases[] = {{1023, true}, {1024, false}, {1025, false}, {5000, false}};
  Main::Instance().console = true;
  for (const auto& c : cases) {
    const std::string text(c.length, 'r');
    testing::internal::CaptureStdout();
    Main::Instance().LogMessage("%s", text.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), c.written ? text : "") << c.length;
  }
  testing::internal::CaptureStdout();
  Main::Instance().LogMessage("score %d, %s", 120, "100%");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "score 120, 100%");
}

TEST(Reports, messageBoxThatCannotBeShownFallsBackToStandardOutput) {
  unsetenv("DISPLAY");  // no display to show a box on
  unsetenv("WAYLAND_DISPLAY");
  Main::Instance().console = false;
  testing::internal::CaptureStdout();
  Main::Instance().LogMessage("boxed %d", 1);
  Main::Instance().console = true;
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "boxed 1");
}

TEST(ApplicationTimer, shortIntervalsRunAtTenTheSameIntervalDoesNotRestartAndZeroStops) {
  Main& main = Main::Instance();
  EXPECT_EQ(main.SetTimerInterval(5), 10u);
  EXPECT_EQ(main.TimerInterval(), 10u);
  const int id = main.TimerId();
  EXPECT_NE(id, 0);
  EXPECT_EQ(main.SetTimerInterval(10), 10u);
  EXPECT_EQ(main.TimerId(), id);
  EXPECT_EQ(main.SetTimerInterval(25), 25u);
  EXPECT_NE(main.TimerId(), id);
  EXPECT_EQ(main.SetTimerInterval(0), 0u);
  EXPECT_EQ(main.TimerId(), 0);
  EXPECT_EQ(main.TimerInterval(), 0u);
}
