// A window before, during and after its native life: the record's settings,
// size and position requests, creation and destruction.
#include <gtest/gtest.h>

#include "JournalWindow.h"
#include "gxbase/ContextStack.h"
#include "gxbase/GLWindow.h"
#include "gxbase/WindowEx.h"

using fwtest::Journal;
using fwtest::JournalWindow;
using gxbase::GLWindow;
using gxbase::WindowEx;

TEST(WindowRecord, newRecordCarriesTheDefaultSettings) {
  GLWindow window;
  const WindowEx& record = *window.Extra();
  EXPECT_EQ(record.Owner(), &window);
  EXPECT_EQ(record.x, WindowEx::kDefaultPosition);
  EXPECT_EQ(record.y, WindowEx::kDefaultPosition);
  EXPECT_EQ(record.width, 320);
  EXPECT_EQ(record.height, 240);
  EXPECT_EQ(record.displayMode, 7);
  EXPECT_EQ(record.colourBits, 24);
  EXPECT_EQ(record.depthBits, 32);
  EXPECT_EQ(record.stencilBits, 0);
  EXPECT_EQ(record.alphaBits, 0);
  EXPECT_EQ(record.accumulationBits, 0);
  EXPECT_EQ(record.title, "OpenGL");
  EXPECT_EQ(record.fontHeight, 0);
  EXPECT_EQ(record.fontFace, "");
  EXPECT_FALSE(record.fontChanged);
  EXPECT_TRUE(record.visible);
  EXPECT_FALSE(record.fullScreen);
  EXPECT_FALSE(record.fullScreenActive);
  EXPECT_FALSE(record.topMost);
  EXPECT_FALSE(record.inFrame);
  EXPECT_FALSE(record.inCreationNotification);
  EXPECT_EQ(record.fontBase, 0u);
  EXPECT_EQ(record.cursor, nullptr);
}

TEST(WindowRecord, windowWithoutNativeWindowHasNoContextAndIgnoresRequests) {
  GLWindow window;
  EXPECT_FALSE(window.HasContext());
  EXPECT_EQ(window.SwapBuffers(), 0);
  window.Redraw();
  window.Close();
  EXPECT_FALSE(window.Extra()->NeedsPaint());
  EXPECT_FALSE(window.Extra()->HasNativeWindow());
  EXPECT_EQ(window.Printf("text"), 0u);
}

TEST(WindowRecord, negativeSizeBecomesZero) {
  GLWindow window;
  window.SetSize(-5, 10);
  EXPECT_EQ(window.Width(), 0);
  EXPECT_EQ(window.Height(), 10);
}

TEST(WindowRecord, positionIsKeptForTheNextCreation) {
  GLWindow window;
  window.SetPosition(40, 50);
  EXPECT_EQ(window.Extra()->x, 40);
  EXPECT_EQ(window.Extra()->y, 50);
}

TEST(WindowCreation, sizeSetBeforeCreationIsTheFirstClientSize) {
  GLWindow window;
  window.SetSize(200, 100);
  ASSERT_TRUE(window.Extra()->Create());
  EXPECT_EQ(window.Width(), 200);
  EXPECT_EQ(window.Height(), 100);
  window.Extra()->Destroy();
}

TEST(WindowCreation, newContextStaysCurrentAndKeepsItsStackEntry) {
  GLWindow window;
  int levelsBefore = gxbase::ContextStack::Count();
  ASSERT_TRUE(window.Extra()->Create());
  EXPECT_TRUE(window.HasContext());
  EXPECT_TRUE(window.Extra()->IsCurrent());
  EXPECT_EQ(gxbase::ContextStack::Count(), levelsBefore + 1);
  window.Extra()->EndGL();
  window.Extra()->Destroy();
}

TEST(WindowCreation, firstSizeArrivesBeforeTheCreationNotification) {
  Journal journal;
  JournalWindow window(journal, "w");
  ASSERT_TRUE(window.Extra()->Create());
  EXPECT_EQ(window.Entries(), (std::vector<std::string>{"construct", "resize 320x240"}));
  window.Extra()->Destroy();
}

TEST(WindowCreation, hiddenWindowIsCreatedButNotShown) {
  GLWindow window;
  window.Extra()->visible = false;
  ASSERT_TRUE(window.Extra()->Create());
  EXPECT_TRUE(window.HasContext());
  EXPECT_FALSE(window.Extra()->IsShown());
  window.Extra()->Destroy();
}

TEST(WindowCreation, setSizeOnOpenWindowResizesTheClientArea) {
  GLWindow window;
  ASSERT_TRUE(window.Extra()->Create());
  window.SetSize(150, 90);
  EXPECT_EQ(window.Width(), 150);
  EXPECT_EQ(window.Height(), 90);
  window.Extra()->Destroy();
}

TEST(WindowCreation, createAgainReplacesTheOpenWindow) {
  Journal journal;
  JournalWindow window(journal, "w");
  ASSERT_TRUE(window.Extra()->Create());
  unsigned firstId = window.Extra()->NativeId();
  ASSERT_TRUE(window.Extra()->Create());
  EXPECT_NE(window.Extra()->NativeId(), firstId);
  EXPECT_EQ(window.Entries().back(), "resize 320x240");
  EXPECT_EQ(window.Entries()[2], "destroy current");
  window.Extra()->Destroy();
}

TEST(WindowDestruction, destroyRunsOnDestroyWithContextAndReleasesIt) {
  Journal journal;
  JournalWindow window(journal, "w");
  ASSERT_TRUE(window.Extra()->Create());
  window.Extra()->Destroy();
  EXPECT_EQ(window.Entries().back(), "destroy current");
  EXPECT_FALSE(window.HasContext());
  EXPECT_FALSE(window.Extra()->HasNativeWindow());
  EXPECT_EQ(window.SwapBuffers(), 0);
}

TEST(WindowDestruction, destroyRemembersPositionAndSize) {
  GLWindow window;
  window.SetPosition(40, 50);
  window.SetSize(100, 80);
  ASSERT_TRUE(window.Extra()->Create());
  window.Extra()->Destroy();
  EXPECT_EQ(window.Extra()->x, 40);
  EXPECT_EQ(window.Extra()->y, 50);
  EXPECT_EQ(window.Width(), 100);
  EXPECT_EQ(window.Height(), 80);
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

TEST(WindowDestruction, deletingAnOpenWindowClosesItsNativeWindow) {
  auto* window = new GLWindow;
  ASSERT_TRUE(window->Extra()->Create());
  delete window;
  EXPECT_EQ(gxbase::ContextStack::CurrentContext(), nullptr);
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

TEST(PixelFormat, fullScreenWindowCoversTheDisplay) {
  GLWindow window;
  window.Extra()->fullScreen = true;
  ASSERT_TRUE(window.Extra()->Create());
  EXPECT_TRUE(window.Extra()->fullScreenActive);
  EXPECT_GT(window.Width(), 320);
  window.Extra()->Destroy();
}
