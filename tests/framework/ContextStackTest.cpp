// Nested BeginGL / EndGL pairs across windows: every level puts back what
// was current before it, up to the stack's sixteen saved levels.
#include <gtest/gtest.h>

#include <vector>

#include "gxbase/ContextStack.h"
#include "gxbase/GLWindow.h"
#include "gxbase/WindowEx.h"

using gxbase::ContextStack;
using gxbase::GLWindow;

namespace {

// Two open windows and an empty stack with no context current.
class TwoWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(a.Extra()->Create());
    ASSERT_TRUE(b.Extra()->Create());
    while (ContextStack::Count() > 0) ContextStack::Pop();
  }
  void TearDown() override {
    a.Extra()->Destroy();
    b.Extra()->Destroy();
  }
  GLWindow& Alternate(int level) { return level % 2 == 0 ? a : b; }

  GLWindow a;
  GLWindow b;
};

}  // namespace

TEST_F(TwoWindows, emptyStackLeavesNoContextCurrent) {
  EXPECT_EQ(ContextStack::Count(), 0);
  EXPECT_EQ(ContextStack::CurrentContext(), nullptr);
}

TEST_F(TwoWindows, endGlPutsBackTheContextCurrentBeforeBeginGl) {
  ASSERT_TRUE(a.Extra()->BeginGL());
  ASSERT_TRUE(b.Extra()->BeginGL());
  EXPECT_TRUE(b.Extra()->IsCurrent());
  b.Extra()->EndGL();
  EXPECT_TRUE(a.Extra()->IsCurrent());
  a.Extra()->EndGL();
  EXPECT_EQ(ContextStack::CurrentContext(), nullptr);
  EXPECT_EQ(ContextStack::Count(), 0);
}

TEST_F(TwoWindows, seventeenthLevelSavesNothingAndTheSixteenBelowRestore) {
  // What was current before each level's BeginGL: none, then a, b, a, ...
  std::vector<gxbase::WindowEx*> before;
  gxbase::WindowEx* current = nullptr;
  for (int level = 0; level < 17; ++level) {
    before.push_back(current);
    current = Alternate(level).Extra();
    ASSERT_TRUE(current->BeginGL());
  }
  EXPECT_EQ(ContextStack::Count(), 17);

  // The seventeenth level had no room: its EndGL leaves no context current.
  current->EndGL();
  EXPECT_EQ(ContextStack::CurrentContext(), nullptr);

  for (int level = 15; level >= 0; --level) {
    Alternate(level).Extra()->EndGL();
    if (before[level] == nullptr) {
      EXPECT_EQ(ContextStack::CurrentContext(), nullptr) << "level " << level;
    } else {
      EXPECT_TRUE(before[level]->IsCurrent()) << "level " << level;
    }
  }
  EXPECT_EQ(ContextStack::Count(), 0);
}

TEST_F(TwoWindows, endGlOnEmptyStackChangesNothing) {
  ASSERT_TRUE(a.Extra()->BeginGL());
  a.Extra()->EndGL();
  a.Extra()->EndGL();
  EXPECT_EQ(ContextStack::Count(), 0);
}

TEST(ContextStackFailure, beginGlWithoutContextFailsAndLeavesTheStackAlone) {
  GLWindow never;
  int levels = ContextStack::Count();
  EXPECT_FALSE(never.Extra()->BeginGL());
  EXPECT_EQ(ContextStack::Count(), levels);
}
