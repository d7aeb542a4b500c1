// Native events handed to a window reach the right handlers with the
// arguments the handlers promise (key codes, bottom-up y, button numbers).
#include <gtest/gtest.h>

#include <SDL_events.h>

#include "JournalWindow.h"
#include "gxbase/Platform.h"

using fwtest::Journal;
using fwtest::JournalWindow;

namespace {

SDL_Event Key(Uint32 type, SDL_Keycode symbol, bool repeat) {
  SDL_Event event;
  SDL_zero(event);
  event.type = type;
  event.key.keysym.sym = symbol;
  event.key.repeat = repeat ? 1 : 0;
  return event;
}
SDL_Event Motion(int x, int y) {
  SDL_Event event;
  SDL_zero(event);
  event.type = SDL_MOUSEMOTION;
  event.motion.x = x;
  event.motion.y = y;
  return event;
}
SDL_Event Button(Uint32 type, Uint8 button) {
  SDL_Event event;
  SDL_zero(event);
  event.type = type;
  event.button.button = button;
  return event;
}
SDL_Event Window(SDL_WindowEventID kind, int data1 = 0, int data2 = 0) {
  SDL_Event event;
  SDL_zero(event);
  event.type = SDL_WINDOWEVENT;
  event.window.event = kind;
  event.window.data1 = data1;
  event.window.data2 = data2;
  return event;
}
SDL_Event Created() {
  SDL_Event event;
  SDL_zero(event);
  event.type = gxbase::Platform::TypeOf(gxbase::Platform::Event::Created);
  return event;
}

// An open window of 100 x 50 whose journal starts empty.
class OpenWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    window.SetSize(100, 50);
    ASSERT_TRUE(window.Extra()->Create());
    journal.clear();
  }
  void TearDown() override { window.Extra()->Destroy(); }
  void Send(const SDL_Event& event) { window.Extra()->Dispatch(&event); }

  Journal journal;
  JournalWindow window{journal, "w"};
};

}  // namespace

TEST_F(OpenWindow, eventsReachTheirHandlersWithTheFrameworksArguments) {
  const struct { const char* what; std::vector<SDL_Event> events; std::vector<std::string> entries; } cases[] = {
      {"heldKeyRepeatsDownsThenOneUp",
       {Key(SDL_KEYDOWN, SDLK_LEFT, false), Key(SDL_KEYDOWN, SDLK_LEFT, true), Key(SDL_KEYUP, SDLK_LEFT, false)},
       {"key 0x25 down", "key 0x25 down", "key 0x25 up"}},
      {"mouseYCountsFromTheBottomEdge",
       {Motion(0, 49), Motion(0, 0), Motion(-3, 60)},
       {"move 0,0", "move 0,49", "move -3,-11"}},
      {"buttonsAreNumberedLeftMiddleRight",
       {Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT), Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT),
        Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE), Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT),
        Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1)},
       {"button 0 down", "button 0 up", "button 1 down", "button 2 down"}},
      {"sizeChangeCallsOnResize", {Window(SDL_WINDOWEVENT_SIZE_CHANGED, 64, 48)}, {"resize 64x48"}},
      {"creationNotificationRunsOnCreateWithContextCurrent", {Created()}, {"create current"}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    journal.clear();
    for (const SDL_Event& event : c.events) Send(event);
    EXPECT_EQ(window.Entries(), c.entries);
  }
  EXPECT_EQ(window.Width(), 64);
}

TEST_F(OpenWindow, exposeAndRedrawRequestsMergeIntoOnePaintOnlyWhileShown) {
  Send(Window(SDL_WINDOWEVENT_EXPOSED));
  window.Redraw();
  window.Redraw();
  EXPECT_TRUE(window.Extra()->PaintIfNeeded());
  EXPECT_FALSE(window.Extra()->PaintIfNeeded());
  EXPECT_EQ(window.Entries(), (std::vector<std::string>{"display"}));
  window.Extra()->Hide();
  window.Redraw();
  EXPECT_FALSE(window.Extra()->PaintIfNeeded());
  EXPECT_TRUE(window.Extra()->NeedsPaint());
}
