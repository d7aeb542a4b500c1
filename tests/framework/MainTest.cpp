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

TEST(WindowSequence, firstWindowIntoAnEmptySequenceIsTheMainWindow) {
  ASSERT_TRUE(Main::Instance().Windows().empty());
  GLWindow first;
  GLWindow second;
  EXPECT_TRUE(Main::Instance().IsMainWindow(first.Extra()));
  EXPECT_FALSE(Main::Instance().IsMainWindow(second.Extra()));
  EXPECT_EQ(Main::Instance().Windows(), (std::vector<WindowEx*>{first.Extra(), second.Extra()}));
}

TEST(WindowSequence, removingTheMainWindowKeepsItMain) {
  Main& main = Main::Instance();
  WindowEx record(nullptr);
  WindowEx later(nullptr);
  ASSERT_TRUE(main.AddWindow(&record));
  ASSERT_TRUE(main.AddWindow(&later));
  main.RemoveWindow(&record);
  EXPECT_TRUE(main.IsMainWindow(&record));
  EXPECT_FALSE(main.IsMainWindow(&later));
  main.RemoveWindow(&later);
}

TEST(WindowSequence, windowAddedToANonEmptySequenceNeverBecomesMain) {
  GLWindow first;
  auto* second = new GLWindow;
  delete second;
  GLWindow third;
  EXPECT_TRUE(Main::Instance().IsMainWindow(first.Extra()));
  EXPECT_FALSE(Main::Instance().IsMainWindow(third.Extra()));
}

TEST(WindowSequence, nullRecordIsRefused) {
  EXPECT_FALSE(Main::Instance().AddWindow(nullptr));
  EXPECT_FALSE(Main::Instance().IsMainWindow(nullptr));
}

TEST(WindowSequence, removingKeepsTheOrderAndIgnoresStrangers) {
  GLWindow a, b, c;
  WindowEx stranger(nullptr);
  Main::Instance().RemoveWindow(&stranger);
  Main::Instance().RemoveWindow(b.Extra());
  EXPECT_EQ(Main::Instance().Windows(), (std::vector<WindowEx*>{a.Extra(), c.Extra()}));
}

TEST(WindowSequence, deletedWindowLeavesTheSequence) {
  auto* window = new GLWindow;
  WindowEx* record = window->Extra();
  delete window;
  for (WindowEx* remaining : Main::Instance().Windows()) EXPECT_NE(remaining, record);
}

namespace {

std::string reportOf(const std::string& text) {
  Main::Instance().console = true;
  testing::internal::CaptureStdout();
  Main::Instance().LogMessage("%s", text.c_str());
  return testing::internal::GetCapturedStdout();
}

}  // namespace

TEST(Reports, consoleReportIsWrittenUnchanged) {
  Main::Instance().console = true;
  testing::internal::CaptureStdout();
  Main::Instance().LogMessage("score %d, %s", 120, "100%");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "score 120, 100%");
}

TEST(Reports, reportUpTo1023CharactersIsWritten) {
  std::string text(1023, 'r');
  EXPECT_EQ(reportOf(text), text);
}

TEST(Reports, reportThatDoesNotFitIsDropped) {
  EXPECT_EQ(reportOf(std::string(1024, 'r')), "");
  EXPECT_EQ(reportOf(std::string(1025, 'r')), "");
  EXPECT_EQ(reportOf(std::string(5000, 'r')), "");
}

TEST(Reports, messageBoxThatCannotBeShownFallsBackToStandardOutput) {
  // No display to show a box on.
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  Main::Instance().console = false;
  testing::internal::CaptureStdout();
  Main::Instance().LogMessage("boxed %d", 1);
  Main::Instance().console = true;
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "boxed 1");
}

TEST(ApplicationTimer, shortIntervalsRunAtTenMilliseconds) {
  Main& main = Main::Instance();
  EXPECT_EQ(main.SetTimerInterval(5), 10u);
  EXPECT_EQ(main.TimerInterval(), 10u);
  EXPECT_NE(main.TimerId(), 0);
  main.SetTimerInterval(0);
}

TEST(ApplicationTimer, sameIntervalAgainDoesNotRestart) {
  Main& main = Main::Instance();
  ASSERT_EQ(main.SetTimerInterval(10), 10u);
  int id = main.TimerId();
  EXPECT_EQ(main.SetTimerInterval(10), 10u);
  EXPECT_EQ(main.TimerId(), id);
  main.SetTimerInterval(0);
}

TEST(ApplicationTimer, newIntervalRestartsTheTimer) {
  Main& main = Main::Instance();
  ASSERT_EQ(main.SetTimerInterval(10), 10u);
  int id = main.TimerId();
  EXPECT_EQ(main.SetTimerInterval(25), 25u);
  EXPECT_NE(main.TimerId(), id);
  main.SetTimerInterval(0);
}

TEST(ApplicationTimer, zeroStopsAndStoppingAStoppedTimerIsANoOp) {
  Main& main = Main::Instance();
  ASSERT_EQ(main.SetTimerInterval(40), 40u);
  EXPECT_EQ(main.SetTimerInterval(0), 0u);
  EXPECT_EQ(main.TimerId(), 0);
  EXPECT_EQ(main.TimerInterval(), 0u);
  EXPECT_EQ(main.SetTimerInterval(0), 0u);
}
