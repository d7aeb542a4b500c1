// Nested BeginGL / EndGL pairs across windows: every level puts back what
// was current before it, up to the stack's sixteen saved levels.
#include <gtest/gtest.h>

#include <vector>

#include "gxbase/ContextStack.h"
#include "gxbase/GLWindow.h"
#include "gxbase/WindowEx.h"

using gxbase::ContextStack;
using gxbase::GLWindow;

TEST(ContextStack, seventeenthLevelSavesNothingAndTheSixteenBelowRestoreWhatWasCurrent) {
  GLWindow a;
  GLWindow b;
  ASSERT_TRUE(a.Extra()->Create());
  ASSERT_TRUE(b.Extra()->Create());
  while (ContextStack::Count() > 0) ContextStack::Pop();
  auto alternate = [&](int level) { return level % 2 == 0 ? a.Extra() : b.Extra(); };
  // What was current before each level's BeginGL: none, then a, b, a, ...
  std::vector<gxbase::WindowEx*> before;
  gxbase::WindowEx* current = nullptr;
  for (int level = 0; level < 17; ++level) {
    before.push_back(current);
    current = alternate(level);
    ASSERT_TRUE(current->BeginGL());
  }
  EXPECT_EQ(ContextStack::Count(), 17);
  current->EndGL();  // the seventeenth level had no room: no context current
  EXPECT_EQ(ContextStack::CurrentContext(), nullptr);
  for (int level = 15; level >= 0; --level) {
    alternate(level)->EndGL();
    if (before[level] == nullptr) {
      EXPECT_EQ(ContextStack::CurrentContext(), nullptr) << "level " << level;
    } else {
      EXPECT_TRUE(before[level]->IsCurrent()) << "level " << level;
    }
  }
  EXPECT_EQ(ContextStack::Count(), 0);
  a.Extra()->EndGL();  // on an empty stack: nothing happens
  EXPECT_EQ(ContextStack::Count(), 0);
  a.Extra()->Destroy();
  b.Extra()->Destroy();
}
