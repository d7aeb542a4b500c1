// Native events handed to a window reach the right handlers with the
// arguments the handlers promise (key codes, bottom-up y, button numbers).
#include <gtest/gtest.h>

#include <SDL_events.h>

#include "JournalWindow.h"
#include "gxbase/Main.h"
#include "gxbase/Platform.h"

using fwtest::Journal;
using fwtest::JournalWindow;

namespace {

class OpenWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    second.SetSize(100, 50);
    ASSERT_TRUE(first.Extra()->Create());
    ASSERT_TRUE(second.Extra()->Create());
    journal.clear();
  }
  void TearDown() override {
    first.Extra()->Destroy();
    second.Extra()->Destroy();
  }

  static SDL_Event Key(Uint32 type, SDL_Keycode symbol, bool repeat) {
    SDL_Event event;
    SDL_zero(event);
    event.type = type;
    event.key.keysym.sym = symbol;
    event.key.repeat = repeat ? 1 : 0;
    return event;
  }
  static SDL_Event Motion(int x, int y) {
    SDL_Event event;
    SDL_zero(event);
    event.type = SDL_MOUSEMOTION;
    event.motion.x = x;
    event.motion.y = y;
    return event;
  }
  static SDL_Event Button(Uint32 type, Uint8 button) {
    SDL_Event event;
    SDL_zero(event);
    event.type = type;
    event.button.button = button;
    return event;
  }
  static SDL_Event Window(SDL_WindowEventID kind) {
    SDL_Event event;
    SDL_zero(event);
    event.type = SDL_WINDOWEVENT;
    event.window.event = kind;
    return event;
  }
  static SDL_Event Framework(gxbase::Platform::Event kind) {
    SDL_Event event;
    SDL_zero(event);
    event.type = gxbase::Platform::TypeOf(kind);
    return event;
  }
  void Send(JournalWindow& window, const SDL_Event& event) { window.Extra()->Dispatch(&event); }

  Journal journal;
  JournalWindow first{journal, "first"};
  JournalWindow second{journal, "second"};
};

}  // namespace

TEST_F(OpenWindows, heldKeyGivesRepeatedDownsThenOneUp) {
  Send(second, Key(SDL_KEYDOWN, SDLK_LEFT, false));
  Send(second, Key(SDL_KEYDOWN, SDLK_LEFT, true));
  Send(second, Key(SDL_KEYDOWN, SDLK_LEFT, true));
  Send(second, Key(SDL_KEYUP, SDLK_LEFT, false));
  EXPECT_EQ(second.Entries(), (std::vector<std::string>{"key 0x25 down", "key 0x25 down",
                                                        "key 0x25 down", "key 0x25 up"}));
}

TEST_F(OpenWindows, mouseYCountsFromTheBottomEdge) {
  Send(second, Motion(0, 49));  // bottom-left client pixel
  Send(second, Motion(0, 0));   // top-left
  Send(second, Motion(-3, 60)); // captured, outside the client area
  EXPECT_EQ(second.Entries(), (std::vector<std::string>{"move 0,0", "move 0,49", "move -3,-11"}));
}

TEST_F(OpenWindows, mouseButtonsAreNumberedLeftMiddleRight) {
  Send(second, Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
  Send(second, Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT));
  Send(second, Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE));
  Send(second, Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT));
  Send(second, Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1));
  EXPECT_EQ(second.Entries(), (std::vector<std::string>{"button 0 down", "button 0 up",
                                                        "button 1 down", "button 2 down"}));
}

TEST_F(OpenWindows, exposeAsksForOnePaint) {
  Send(second, Window(SDL_WINDOWEVENT_EXPOSED));
  EXPECT_TRUE(second.Extra()->NeedsPaint());
  EXPECT_TRUE(second.Extra()->PaintIfNeeded());
  EXPECT_FALSE(second.Extra()->PaintIfNeeded());
  EXPECT_EQ(second.Entries(), (std::vector<std::string>{"display"}));
}

TEST_F(OpenWindows, redrawRequestsMergeIntoOnePaint) {
  second.Redraw();
  second.Redraw();
  second.Redraw();
  EXPECT_TRUE(second.Extra()->PaintIfNeeded());
  EXPECT_FALSE(second.Extra()->PaintIfNeeded());
  EXPECT_EQ(second.Entries(), (std::vector<std::string>{"display"}));
}

TEST_F(OpenWindows, closingASecondaryWindowHidesIt) {
  ASSERT_FALSE(gxbase::Main::Instance().IsMainWindow(second.Extra()));
  Send(second, Window(SDL_WINDOWEVENT_CLOSE));
  EXPECT_FALSE(second.Extra()->IsShown());
  EXPECT_TRUE(second.HasContext());
  EXPECT_TRUE(second.Entries().empty());
}

TEST_F(OpenWindows, hiddenWindowIsNotPaintedUntilShown) {
  second.Extra()->Hide();
  second.Redraw();
  EXPECT_FALSE(second.Extra()->PaintIfNeeded());
  EXPECT_TRUE(second.Extra()->NeedsPaint());
}

TEST_F(OpenWindows, creationNotificationRunsOnCreateWithContextCurrent) {
  Send(second, Framework(gxbase::Platform::Event::Created));
  EXPECT_EQ(second.Entries(), (std::vector<std::string>{"create current"}));
}

TEST_F(OpenWindows, notificationArrivingDuringOnCreateIsIgnored) {
  int nested = 0;
  second.onCreate = [&] {
    if (nested++ == 0) Send(second, Framework(gxbase::Platform::Event::Created));
  };
  Send(second, Framework(gxbase::Platform::Event::Created));
  EXPECT_EQ(nested, 1);
  EXPECT_FALSE(second.Extra()->inCreationNotification);
}

TEST_F(OpenWindows, sizeEventStoresTheSizeAndCallsOnResize) {
  SDL_Event event = Window(SDL_WINDOWEVENT_SIZE_CHANGED);
  event.window.data1 = 64;
  event.window.data2 = 48;
  Send(second, event);
  EXPECT_EQ(second.Width(), 64);
  EXPECT_EQ(second.Height(), 48);
  EXPECT_EQ(second.Entries(), (std::vector<std::string>{"resize 64x48"}));
}

TEST_F(OpenWindows, everyEventReachesOnMessageFirst) {
  struct Spy : JournalWindow {
    using JournalWindow::JournalWindow;
    void OnMessage(const void* event) override { seen = event; }
    const void* seen = nullptr;
  } spy(journal, "spy");
  ASSERT_TRUE(spy.Extra()->Create());
  SDL_Event event = Key(SDL_KEYDOWN, SDLK_a, false);
  spy.Extra()->Dispatch(&event);
  EXPECT_EQ(spy.seen, &event);
  spy.Extra()->Destroy();
}
