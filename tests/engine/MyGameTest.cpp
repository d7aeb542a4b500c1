// The application object: its windows in order, and the chomper it hands to the game.

#include <gtest/gtest.h>

#include <memory>

#include "maze/GameState.h"
#include "app/MyGame.h"
#include "gxbase/Main.h"
#include "player/MyChomper.h"

namespace {

TEST(MyGameTest, theGameWindowIsTheMainWindowAndTheChomperIsHandedOverOnStart) {
  resetGameState();
  auto game = std::make_unique<MyGame>();
  gxbase::Main& main = gxbase::Main::Instance();
  ASSERT_EQ(main.Windows().size(), 2u);
  EXPECT_TRUE(main.IsMainWindow(game->engine.Extra()));
  EXPECT_EQ(chomper, nullptr);  // not before the program starts
  game->OnStart();
  EXPECT_EQ(chomper, game->myChomper);
  game.reset();
  EXPECT_EQ(chomper, nullptr);
  EXPECT_TRUE(main.Windows().empty());
}

}  // namespace
