// A window before, during and after its native life: size and position
// requests, creation and destruction.
#include <gtest/gtest.h>

#include "JournalWindow.h"
#include "gxbase/ContextStack.h"
#include "gxbase/GLWindow.h"
#include "gxbase/WindowEx.h"

using fwtest::Journal;
using fwtest::JournalWindow;
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

TEST(WindowCreation, theFirstSizeArrivesBeforeTheCreationNotificationAndCreatingAgainReplacesTheWindow) {
  Journal journal;
  JournalWindow window(journal, "w");
  window.SetSize(200, 100);
  ASSERT_TRUE(window.Extra()->Create());
  EXPECT_TRUE(window.Extra()->IsCurrent());
  EXPECT_EQ(window.Entries(), (std::vector<std::string>{"construct", "resize 200x100"}));
  const unsigned firstId = window.Extra()->NativeId();
  ASSERT_TRUE(window.Extra()->Create());
  EXPECT_NE(window.Extra()->NativeId(), firstId);
  EXPECT_EQ(window.Entries(), (std::vector<std::string>{"construct", "resize 200x100", "destroy current",
                                                        "resize 200x100"}));
  window.Extra()->Destroy();
}

TEST(WindowDestruction, destroyRunsOnDestroyWithContextAndRemembersPositionAndSize) {
  Journal journal;
  JournalWindow window(journal, "w");
  window.SetPosition(40, 50);
  ASSERT_TRUE(window.Extra()->Create());
  window.SetSize(150, 90);  // on the open window
  window.Extra()->Destroy();
  EXPECT_EQ(window.Entries().back(), "destroy current");
  EXPECT_FALSE(window.HasContext());
  EXPECT_EQ(window.Extra()->x, 40);
  EXPECT_EQ(window.Extra()->y, 50);
  EXPECT_EQ(window.Width(), 150);
  EXPECT_EQ(window.Height(), 90);
}

TEST(WindowDestruction, destroyedContextIsNeverRestoredByTheStack) {
  GLWindow first;
  GLWindow second;
  ASSERT_TRUE(first.Extra()->Create());
  ASSERT_TRUE(second.Extra()->Create());  // saved the first window's context
  first.Extra()->Destroy();
  second.Extra()->EndGL();
  EXPECT_EQ(gxbase::ContextStack::CurrentContext(), nullptr);
  first.Extra()->EndGL();
  second.Extra()->Destroy();
}

TEST(PixelFormat, unavailableDepthsFallBackToTheClosestFormat) {
  GLWindow window;
  window.Extra()->depthBits = 255;
  window.Extra()->accumulationBits = 255;
  window.Extra()->displayMode = 7 | 8;  // with stereo
  EXPECT_TRUE(window.Extra()->Create());
  EXPECT_TRUE(window.HasContext());
  window.Extra()->Destroy();
}
