// Native events handed to a window reach the right handlers with the
// arguments the handlers promise (key codes, bottom-up y, button numbers).
#include <gtest/gtest.h>

#include <SDL_events.h>

#include "JournalWindow.h"
#include "gxbase/Platform.h"

using namespace fwtest;

namespace {

// An event of the type with its first fields: key and repeat, x and y,
// button, or window event and size.
SDL_Event Make(Uint32 type, int a = 0, int b = 0, int c = 0) {
  SDL_Event e;
  SDL_zero(e);
  e.type = type;
  if (type == SDL_KEYDOWN || type == SDL_KEYUP) e.key.keysym.sym = a, e.key.repeat = b;
  if (type == SDL_MOUSEMOTION) e.motion.x = a, e.motion.y = b;
  if (type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP) e.button.button = a;
  if (type == SDL_WINDOWEVENT) e.window.event = a, e.window.data1 = b, e.window.data2 = c;
  return e;
}

// An open window of 100 x 50 whose journal starts empty.
class OpenWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    window.SetSize(100, 50);
    ASSERT_TRUE(window.Extra()->Create());
  }
  void TearDown() override { window.Extra()->Destroy(); }
  void Send(const SDL_Event& event) { window.Extra()->Dispatch(&event); }

  Journal journal;
  JournalWindow window{journal, "w"};
};

}  // namespace

TEST_F(OpenWindow, eventsReachTheirHandlersWithTheFrameworksArguments) {
  const Uint32 created = gxbase::Platform::TypeOf(gxbase::Platform::Event::Created);
  const struct { std::vector<SDL_Event> events; std::vector<std::string> entries; } cases[] = {
      {{Make(SDL_KEYDOWN, SDLK_LEFT), Make(SDL_KEYDOWN, SDLK_LEFT, 1), Make(SDL_KEYUP, SDLK_LEFT)},
       {"key 0x25 down", "key 0x25 down", "key 0x25 up"}},
      {{Make(SDL_MOUSEMOTION, 0, 49), Make(SDL_MOUSEMOTION, 0, 0), Make(SDL_MOUSEMOTION, -3, 60)},
       {"move 0,0", "move 0,49", "move -3,-11"}},
      {{Make(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT), Make(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT),
        Make(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE), Make(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT),
        Make(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1)},
       {"button 0 down", "button 0 up", "button 1 down", "button 2 down"}},
      {{Make(SDL_WINDOWEVENT, SDL_WINDOWEVENT_SIZE_CHANGED, 64, 48)}, {"resize 64x48"}},
      {{Make(created)}, {"create current"}}};
  for (const auto& c : cases) {
    journal.clear();
    for (const SDL_Event& event : c.events) Send(event);
    EXPECT_EQ(window.Entries(), c.entries);
  }
  EXPECT_EQ(window.Width(), 64);
}

TEST_F(OpenWindow, exposeAndRedrawRequestsMergeIntoOnePaintOnlyWhileShown) {
  journal.clear();
  Send(Make(SDL_WINDOWEVENT, SDL_WINDOWEVENT_EXPOSED));
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
