// A window before, during and after its native life, and nested BeginGL /
// EndGL pairs across windows.
#include <gtest/gtest.h>

#include "JournalWindow.h"
#include "gxbase/ContextStack.h"

using namespace fwtest;
using gxbase::ContextStack;
using gxbase::GLWindow;

TEST(WindowRecord, windowWithoutNativeWindowHasNoContextAndIgnoresRequests) {
  GLWindow window;
  EXPECT_FALSE(window.HasContext());
  EXPECT_EQ(window.SwapBuffers(), 0);
  window.Redraw();
  window.Close();
  EXPECT_FALSE(window.Extra()->NeedsPaint());
  EXPECT_EQ(window.Printf("text"), 0u);
  window.SetSize(-5, 10);
  EXPECT_EQ(window.Width(), 0);
}

TEST(WindowRecord, sizeComesBeforeCreationRecreatingReplacesAndDestroyRemembersPositionAndSize) {
  Journal journal;
  JournalWindow window(journal, "w");
  window.SetSize(200, 100);
  window.SetPosition(40, 50);
  ASSERT_TRUE(window.Extra()->Create());
  EXPECT_TRUE(window.Extra()->IsCurrent());
  const unsigned firstId = window.Extra()->NativeId();
  ASSERT_TRUE(window.Extra()->Create());
  EXPECT_NE(window.Extra()->NativeId(), firstId);
  window.SetSize(150, 90);  // on the open window
  window.Extra()->Destroy();
  EXPECT_EQ(window.Entries(), (std::vector<std::string>{"construct", "resize 200x100", "destroy current",
                                                        "resize 200x100", "destroy current"}));
  EXPECT_FALSE(window.HasContext());
  EXPECT_TRUE(window.Extra()->x == 40 && window.Extra()->y == 50 && window.Width() == 150 && window.Height() == 90);
}

TEST(WindowRecord, unavailableDepthsFallBackToTheClosestFormat) {
  GLWindow window;
  window.Extra()->depthBits = 255;
  window.Extra()->accumulationBits = 255;
  window.Extra()->displayMode = 7 | 8;  // with stereo
  EXPECT_TRUE(window.Extra()->Create());
  window.Extra()->Destroy();
}

TEST(ContextStack, seventeenthLevelSavesNothingTheSixteenBelowRestoreAndDestroyedContextsAreNeverRestored) {
  GLWindow a, b;
  ASSERT_TRUE(a.Extra()->Create());
  ASSERT_TRUE(b.Extra()->Create());
  while (ContextStack::Count() > 0) ContextStack::Pop();
  auto alternate = [&](int level) { return level % 2 == 0 ? a.Extra() : b.Extra(); };
  for (int level = 0; level < 17; ++level) ASSERT_TRUE(alternate(level)->BeginGL());
  EXPECT_EQ(ContextStack::Count(), 17);
  alternate(16)->EndGL();  // the seventeenth level had no room: no context current
  EXPECT_EQ(ContextStack::CurrentContext(), nullptr);
  for (int level = 15; level >= 1; --level) {
    alternate(level)->EndGL();
    EXPECT_TRUE(alternate(level - 1)->IsCurrent()) << "level " << level;
  }
  alternate(0)->EndGL();
  EXPECT_EQ(ContextStack::CurrentContext(), nullptr);
  a.Extra()->EndGL();  // on an empty stack: nothing happens
  EXPECT_EQ(ContextStack::Count(), 0);
  ASSERT_TRUE(b.Extra()->BeginGL());  // saves a's context
  a.Extra()->Destroy();
  b.Extra()->EndGL();
  EXPECT_EQ(ContextStack::CurrentContext(), nullptr);
  b.Extra()->Destroy();
}
