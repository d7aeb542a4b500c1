#include <gtest/gtest.h>

#include "ActorTestSupport.h"
#include "actors/Chomper.h"
#include "actors/RedGhost.h"
#include "actors/TurquoiseGhost.h"

namespace {

class ChomperTest : public ActorTest {
 protected:
  void SetUp() override {
    ActorTest::SetUp();
    dotValue = 10;
    powerpillValue = 50;
    powerpillSlowdownFactor = 3;
    nMovesBlueGhosts = 200;
  }
};

TEST_F(ChomperTest, startsBelowTheHouseFacingLeftWithNoScore) {
  TestChomper c;
  EXPECT_EQ(c.getX(), 190);
  EXPECT_EQ(c.getY(), 190);
  EXPECT_EQ(c.getDirection(), DIR_LEFT);
  EXPECT_EQ(c.getScore(), 0);
  EXPECT_EQ(c.getKind(), 0);
  EXPECT_EQ(c.getSlowDownFactor(), 1);
  EXPECT_EQ(c.cellPosition(), CellPos(9, 9));
}

TEST_F(ChomperTest, resetToStartPutsItBack) {
  TestChomper c;
  c.setPosition(30, 30);
  c.setDirection(DIR_UP);
  c.addScore(120);
  c.resetToStart();
  EXPECT_EQ(c.getX(), 190);
  EXPECT_EQ(c.getY(), 190);
  EXPECT_EQ(c.getDirection(), DIR_LEFT);
  EXPECT_EQ(c.getScore(), 0);
}

TEST_F(ChomperTest, addScoreAccumulates) {
  TestChomper c;
  c.addScore(100);
  c.addScore(200);
  EXPECT_EQ(c.getScore(), 300);
}

TEST_F(ChomperTest, noChomperMeansNoChomperPlayer) { EXPECT_EQ(getChomperPlayer(), nullptr); }

TEST_F(ChomperTest, chomperPlayerIsTheGamesChomper) {
  TestChomper c;
  setChomper(&c);
  EXPECT_EQ(getChomperPlayer(), static_cast<Player*>(&c));
}

TEST_F(ChomperTest, arrivingOnADotDoesNotEatItUntilTheNextUpdate) {
  TestChomper c;
  c.setPosition(51, 30);
  ASSERT_EQ(cellAt(50, 30), CELL_DOT);
  EXPECT_TRUE(c.update(maze));
  EXPECT_EQ(c.getX(), 50);
  EXPECT_EQ(cellAt(50, 30), CELL_DOT);
  EXPECT_EQ(c.getScore(), 0);
  EXPECT_EQ(foodLeft, 157);

  EXPECT_TRUE(c.update(maze));
  EXPECT_EQ(cellAt(50, 30), CELL_EMPTY);
  EXPECT_EQ(c.getScore(), 10);
  EXPECT_EQ(foodLeft, 156);
  EXPECT_EQ(c.getX(), 49);
}

TEST_F(ChomperTest, dotUnderAChomperFacingAWallIsEatenOnce) {
  TestChomper c;
  c.setPosition(30, 30);  // a dot; wall to the left
  c.setDirection(DIR_LEFT);
  EXPECT_FALSE(c.update(maze));
  EXPECT_EQ(c.getX(), 30);
  EXPECT_EQ(cellAt(30, 30), CELL_EMPTY);
  EXPECT_FALSE(c.update(maze));
  EXPECT_EQ(c.getScore(), 10);
  EXPECT_EQ(foodLeft, 156);
}

TEST_F(ChomperTest, eatingTheLastDotWins) {
  TestChomper c;
  c.setPosition(30, 30);
  foodLeft = 1;
  c.update(maze);
  EXPECT_TRUE(gameWon);
  EXPECT_EQ(foodLeft, 0);
}

TEST_F(ChomperTest, nothingIsEatenBetweenCentres) {
  TestChomper c;
  c.setPosition(31, 30);  // its cell (the one to the left) holds a dot
  c.update(maze);
  EXPECT_EQ(cellAt(30, 30), CELL_DOT);
  EXPECT_EQ(c.getScore(), 0);
}

TEST_F(ChomperTest, pillAddsValueClearsTheCellAndTurnsEveryGhostBlue) {
  TestChomper c;
  RedGhost red;
  TurquoiseGhost turquoise;
  redGhost = &red;
  turquoiseGhost = &turquoise;
  setChomper(&c);
  c.setPosition(30, 110);
  ASSERT_EQ(cellAt(30, 110), CELL_POWERPILL);

  c.update(maze);

  EXPECT_EQ(c.getScore(), 50);
  EXPECT_EQ(cellAt(30, 110), CELL_EMPTY);
  EXPECT_EQ(foodLeft, 156);
  EXPECT_EQ(blueCountdown, 200);
  for (Ghost* g : {&static_cast<Ghost&>(red), &static_cast<Ghost&>(turquoise)}) {
    EXPECT_TRUE(g->isBlue());
    EXPECT_EQ(g->getSlowDownFactor(), 3);
  }
}

TEST_F(ChomperTest, aPillThatIsTheLastFoodWins) {
  TestChomper c;
  c.setPosition(350, 390);
  foodLeft = 1;
  c.update(maze);
  EXPECT_TRUE(gameWon);
  EXPECT_EQ(foodLeft, 0);
  EXPECT_EQ(c.getScore(), 50);
}

TEST_F(ChomperTest, updateReturnsTheStepResult) {
  TestChomper c;
  c.setDirection(DIR_UP);  // wall above the start
  EXPECT_FALSE(c.update(maze));
  c.setDirection(DIR_RIGHT);
  EXPECT_TRUE(c.update(maze));
  EXPECT_EQ(c.getX(), 191);
}

TEST_F(ChomperTest, chomperWithoutDirectionStaysPut) {
  TestChomper c;
  c.setDirection(DIR_NONE);
  EXPECT_TRUE(c.update(maze));
  EXPECT_EQ(c.getX(), 190);
  EXPECT_EQ(c.getY(), 190);
}

}  // namespace
