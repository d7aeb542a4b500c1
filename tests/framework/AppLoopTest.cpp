// Whole runs of the message loop with this program's one application
// object: handler order, paints, idle passes and the timer.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>

#include "JournalWindow.h"
#include "gxbase/Main.h"

using namespace fwtest;
using gxbase::Main;

namespace {

// Records its handler calls; ends a run that a broken loop would never end,
// so a fault fails the test instead of hanging it.
class TestApp : public gxbase::App {
 public:
  void OnStart() override {
    journal.push_back("app:start");
    started = std::chrono::steady_clock::now();
    if (onStart) onStart();
  }
  void OnIdle() override {
    journal.push_back("app:idle");
    if (std::chrono::steady_clock::now() - started > std::chrono::seconds(20)) Main::Instance().PostQuit(99);
  }
  void OnTimer(double seconds) override {
    if (onTimer) onTimer(seconds);
  }
  void OnExit() override { journal.push_back("app:exit"); }

  Journal journal;
  std::function<void()> onStart;
  std::function<void(double)> onTimer;
  std::chrono::steady_clock::time_point started;
};

// The one application object of this test program.
TestApp app;

class AppRun : public ::testing::Test {
 protected:
  void SetUp() override {
    journal.clear();
    app.onStart = nullptr;
    app.onTimer = nullptr;
  }
  int Run() { return gxbase::Entry(0, nullptr); }
  size_t Position(const std::string& entry, size_t from = 0) const {
    return std::find(journal.begin() + from, journal.end(), entry) - journal.begin();
  }

  Journal& journal = app.journal;
};

}  // namespace

TEST_F(AppRun, handlersRunInTheirLifeCycleOrderAndRedrawsMergeIntoOnePaintBeforeTheNextIdlePass) {
  JournalWindow window(journal, "main");
  window.onIdle = [&] {
    for (int k = 0; k < 3 && window.idlePasses == 1; ++k) window.Redraw();
    if (window.idlePasses == 3) window.Close();
  };
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(window.Entries(), (std::vector<std::string>{"construct", "resize 320x240", "create current", "display",
                                                        "destroy current"}));
  EXPECT_EQ(journal[1], "app:start");
  const size_t firstIdle = Position("app:idle");
  EXPECT_LT(Position("main:create current"), firstIdle);
  EXPECT_GT(Position("main:display"), firstIdle);
  EXPECT_LT(Position("main:display"), Position("app:idle", firstIdle + 1));
  EXPECT_EQ(journal[journal.size() - 2], "main:destroy current");
  EXPECT_EQ(journal.back(), "app:exit");
  EXPECT_EQ(window.idlePasses, 3);
}

TEST_F(AppRun, timerTickGivesSecondsFromTheTickCount) {
  JournalWindow main(journal, "main");
  Main::Instance().SetTickSource([]() -> unsigned { return 1500; });
  double received = -1;
  app.onStart = [] { Main::Instance().SetTimerInterval(10); };
  app.onTimer = [&](double seconds) {
    if (received < 0) main.Close();
    received = seconds;
  };
  EXPECT_EQ(Run(), 0);
  Main::Instance().SetTickSource(nullptr);
  EXPECT_EQ(received, 1.5);
  EXPECT_EQ(Main::Instance().TimerInterval(), 0u);  // Run stopped it
}
