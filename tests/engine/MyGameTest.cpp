// The application object: what it owns, in which order its windows come,
// and how it hands the chomper to the game.

#include <gtest/gtest.h>

#include <memory>

#include "game/GameState.h"
#include "game/MyGame.h"
#include "gxbase/Main.h"
#include "player/MyChomper.h"

namespace {

TEST(MyGameTest, theGameWindowComesFirstAndIsTheMainWindowTheAnalysisWindowSecond) {
  resetGameState();
  auto game = std::make_unique<MyGame>();
  gxbase::Main& main = gxbase::Main::Instance();
  EXPECT_EQ(main.app, game.get());
  ASSERT_EQ(main.Windows().size(), 2u);
  EXPECT_EQ(main.Windows()[0], game->engine.Extra());
  EXPECT_TRUE(main.IsMainWindow(game->engine.Extra()));
  ASSERT_NE(game->myChomper, nullptr);
  game.reset();
  EXPECT_TRUE(main.Windows().empty());
  EXPECT_EQ(main.app, nullptr);
}

TEST(MyGameTest, onStartHandsTheChomperToTheGameAndDestructionTakesItBack) {
  resetGameState();
  auto game = std::make_unique<MyGame>();
  EXPECT_EQ(chomper, nullptr);  // not before the program starts
  game->OnStart();
  EXPECT_EQ(chomper, game->myChomper);
  game.reset();
  EXPECT_EQ(chomper, nullptr);
}

}  // namespace
